#pragma once

#include <QDialog>

namespace kirvolt {

// View > Matrix Form: the modified nodal system as monospaced text, read-only, with buttons
// that put it on the Clipboard as that text or as LaTeX. Its children are named ("text",
// "copyText", "copyLatex") for tests.
class MatrixFormDialog final : public QDialog {
    Q_OBJECT

public:
    MatrixFormDialog(const QString& circuitName, const QString& text, const QString& latex, QWidget* parent);
};

}  // namespace kirvolt
