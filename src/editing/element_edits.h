#pragma once

#include <string>

#include "document/circuit_document.h"
#include "editing/element_dialogs.h"

namespace kirvolt {

// "ohm", "V" or "A" for resistors, voltage sources and current sources; empty otherwise.
std::string unitText(int kindCode);

// The rows of the information dialogs, node names looked up from the joints.
ComponentProperties componentProperties(const CKirvoltDoc& doc, const CComponent& component);
NodeProperties nodeProperties(const CComponent& joint);

// An accepted edit: the label and value, and the source's own current or p.d. with it.
// The name kept for moves is left alone. Any change marks the document modified.
void applyComponentEdit(CKirvoltDoc& doc, CComponent& component, const NameAndValue& edit);

// Every joint whose label equals the old label byte for byte takes the new one, so all the
// joints of one node keep one name. Any change marks the document modified.
void renameNode(CKirvoltDoc& doc, const std::string& oldLabel, const std::string& newLabel);

}  // namespace kirvolt
