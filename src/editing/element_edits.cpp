#include "editing/element_edits.h"

#include "analysis/node_names.h"

namespace kirvolt {

std::string unitText(int kindCode)
{
    switch (kindCode) {
    case KIND_RESISTOR:
        return "ohm";
    case KIND_VOLTAGE_SOURCE:
        return "V";
    case KIND_CURRENT_SOURCE:
        return "A";
    default:
        return "";
    }
}

ComponentProperties componentProperties(const CKirvoltDoc& doc, const CComponent& component)
{
    return {component.label,
            component.value,
            unitText(component.kindCode),
            nodeName(doc, component.startNode),
            nodeName(doc, component.finishNode),
            component.startVoltage,
            component.finishVoltage,
            component.current,
            component.pd};
}

NodeProperties nodeProperties(const CComponent& joint)
{
    return {joint.label, joint.startVoltage};
}

void applyComponentEdit(CKirvoltDoc& doc, CComponent& component, const NameAndValue& edit)
{
    const bool changed = component.label != edit.name || component.value != edit.value;
    component.label = edit.name;
    component.setValue(edit.value);
    if (changed) {
        doc.noteEdit();
    }
}

void renameNode(CKirvoltDoc& doc, const std::string& oldLabel, const std::string& newLabel)
{
    if (oldLabel == newLabel) {
        return;
    }
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT && element->label == oldLabel) {
            element->label = newLabel;
            doc.noteEdit();
        }
    }
}

}  // namespace kirvolt
