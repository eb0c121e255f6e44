#pragma once

#include <QDialog>

#include "editing/element_dialogs.h"

namespace kirvolt {

// "Component Property" of a joint: its node name and node voltage, read-only.
class NodeInfoDialog : public QDialog {
    Q_OBJECT
public:
    NodeInfoDialog(const NodeProperties& properties, QWidget* parent = nullptr);
};

}  // namespace kirvolt
