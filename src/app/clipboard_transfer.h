#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace kirvolt {

class CKirvoltDoc;
class CKirvoltView;

// The Clipboard format of a copied circuit: the bytes of a circuit file.
inline constexpr char CIRCUIT_MIME_TYPE[] = "application/x-kirvolt";

// Puts the view's selection on the system Clipboard as a circuit and, for other programs, as a
// picture. False when nothing is selected.
bool copySelectionToClipboard(const CKirvoltView& view);

// The circuit on the Clipboard, when it holds one (from this Kirvolt or another).
std::optional<QByteArray> circuitOnClipboard();

// A picture of a circuit on white, its elements' symbols and labels with a small margin,
// scaled down to fit 4096 pixels a side.
QImage circuitPicture(const CKirvoltDoc& circuit);

}  // namespace kirvolt
