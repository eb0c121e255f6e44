#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "document/circuit_document.h"

namespace kirvolt {

// Logical units per grid step at 50%, 75%, 100%, 150%, ... 500%.
inline constexpr std::array<std::uint16_t, 11> ZOOM_LEVELS{10, 15, 20, 30, 40, 50, 60, 70, 80, 90, 100};

// One step up or down the zoom levels. At the last level, and for a grid size that is not a
// level (possible only from a file), the size comes back unchanged.
std::uint16_t zoomedIn(std::uint16_t gridSize);
std::uint16_t zoomedOut(std::uint16_t gridSize);

// Zooming at 500% (in) or 50% (out) leaves the document alone: no rescale, no repaint. Any
// other grid size, even one that is not a level, is rescaled and repainted.
void zoomIn(CKirvoltDoc& doc);
void zoomOut(CKirvoltDoc& doc);
void setZoomLevel(CKirvoltDoc& doc, std::uint16_t gridSize);

void setMode(CKirvoltDoc& doc, int mode);
void setOrientation(CKirvoltDoc& doc, int orientation);
void setGridStyle(CKirvoltDoc& doc, int gridStyle);

// The style is shared by every open circuit, but only this document is rescaled now; the
// others take it at their next rescale.
void setResistorStyle(CKirvoltDoc& doc, int style);

void toggleNodeNumbers(CKirvoltDoc& doc);
void redraw(CKirvoltDoc& doc);

// Carries out the document command with this identifier (see command_ids.h). Returns false
// for an identifier that the document does not handle itself (dialogs, tutor, printing).
bool runDocumentCommand(CKirvoltDoc& doc, int commandId);
bool handlesDocumentCommand(int commandId);

// The check mark of a command for the settings in force; none for commands that are never
// checked.
std::optional<bool> commandChecked(const CKirvoltDoc& doc, int commandId);

}  // namespace kirvolt
