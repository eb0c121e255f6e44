#include "app/erc_panel.h"

#include <QListWidget>

#include "analysis/electrical_rule_check.h"
#include "app/kirvolt_frame.h"
#include "app/open_circuit.h"
#include "view/circuit_view.h"

namespace kirvolt {

ErcPanel::ErcPanel(QWidget* parent) : QDockWidget(tr("Electrical Rule Check"), parent), list(new QListWidget(this))
{
    setObjectName(QStringLiteral("ercPanel"));
    list->setWordWrap(true);
    list->setAlternatingRowColors(true);
    setWidget(list);
    connect(list, &QListWidget::currentRowChanged, this, &ErcPanel::mark);
}

void ErcPanel::check(OpenCircuit& circuit)
{
    forget();
    checked = &circuit;
    faults = electricalRuleCheck(circuit.doc());
    circuit.doc().UpdateAllViews();
    for (const Explanation& fault : faults) {
        list->addItem(QString::fromStdString(fault.message));
    }
    if (faults.empty()) {
        list->addItem(QString::fromUtf8(CLEAN_CIRCUIT_TEXT));
    }
    connect(&circuit, &OpenCircuit::historyChanged, this, &ErcPanel::forget, Qt::UniqueConnection);
    // A closed circuit takes its windows with it: only the list is left to clear.
    connect(&circuit, &QObject::destroyed, this, [this] {
        list->clear();
        faults.clear();
    });
    show();
    raise();
}

void ErcPanel::mark(int row)
{
    if (checked == nullptr || row < 0 || static_cast<std::size_t>(row) >= faults.size()) {
        return;
    }
    for (CKirvoltFrame* frame : checked->frames()) {
        frame->circuitView()->setHighlight(&faults[static_cast<std::size_t>(row)].highlight);
    }
}

void ErcPanel::forget()
{
    if (checked != nullptr) {
        disconnect(checked, nullptr, this, nullptr);
        for (CKirvoltFrame* frame : checked->frames()) {
            frame->circuitView()->setHighlight(nullptr);
        }
    }
    checked = nullptr;
    list->clear();
    faults.clear();
}

}  // namespace kirvolt
