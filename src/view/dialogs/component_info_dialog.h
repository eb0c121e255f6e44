#pragma once

#include <QDialog>

#include "editing/element_dialogs.h"

namespace kirvolt {

// "Component Property" of a resistor or source: name, value, end nodes, node voltages,
// current and p.d., all read-only.
class ComponentInfoDialog : public QDialog {
    Q_OBJECT
public:
    ComponentInfoDialog(const ComponentProperties& properties, QWidget* parent = nullptr);
};

}  // namespace kirvolt
