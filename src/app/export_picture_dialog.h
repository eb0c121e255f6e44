#pragma once

#include <QDialog>

#include "export/picture_export.h"

class QCheckBox;
class QSpinBox;

namespace kirvolt {

// What an exported picture shows: the grid, node numbers, the equations panel, and the scale
// of a PNG. Its children are named ("grid", "nodeNumbers", "equations", "scale") for tests.
class ExportPictureDialog final : public QDialog {
    Q_OBJECT

public:
    ExportPictureDialog(const PictureOptions& options, QWidget* parent);
    PictureOptions options() const;

private:
    QCheckBox* grid;
    QCheckBox* nodeNumbers;
    QCheckBox* equations;
    QSpinBox* scale;
};

}  // namespace kirvolt
