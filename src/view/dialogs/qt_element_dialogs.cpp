#include "view/dialogs/qt_element_dialogs.h"

#include "view/dialogs/component_info_dialog.h"
#include "view/dialogs/dialog_texts.h"
#include "view/dialogs/edit_component_dialog.h"
#include "view/dialogs/edit_node_name_dialog.h"
#include "view/dialogs/node_info_dialog.h"

namespace kirvolt {

void QtElementDialogs::showComponentInfo(const ComponentProperties& properties)
{
    ComponentInfoDialog dialog(properties, parent);
    dialog.exec();
}

void QtElementDialogs::showNodeInfo(const NodeProperties& properties)
{
    NodeInfoDialog dialog(properties, parent);
    dialog.exec();
}

std::optional<NameAndValue> QtElementDialogs::editComponent(const NameAndValue& current, const std::string& unit)
{
    EditComponentDialog dialog(current, qText(unit), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.entered();
}

std::optional<std::string> QtElementDialogs::editNodeName(const std::string& current)
{
    EditNodeNameDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.entered();
}

}  // namespace kirvolt
