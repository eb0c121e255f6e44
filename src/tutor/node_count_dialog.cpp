#include "tutor/node_count_dialog.h"

namespace kirvolt {

NodeCountDialog::NodeCountDialog(int nodeCount, QWidget* parent, MessageFunction message)
    : CountStepDialog({tr("Nodal Analysis Tutor"), tr("Step 1 of 4 for Nodal Analysis:"),
                       tr("\n   Count the number of nodes\n    in your circuit."),
                       tr("How many Nodes are there in your circuit ?"),
                       tr("Note:\nNode refers to the common connection point where two or more components are "
                          "joined together.\n\nWire is assumed to be ideal and is not regarded as component.")},
                      [nodeCount](int counted) { return checkNodeCount(counted, nodeCount); }, parent,
                      std::move(message))
{
}

}  // namespace kirvolt
