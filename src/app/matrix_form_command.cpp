#include "app/matrix_form_command.h"

#include "analysis/named_system.h"
#include "app/export_commands.h"
#include "export/matrix_form.h"
#include "export/worked_solution.h"
#include "view/dialogs/matrix_form_dialog.h"
#include "view/widgets/kirvolt_message.h"

namespace kirvolt {

void showMatrixForm(CKirvoltDoc& doc, const QString& circuitName, QWidget* parent)
{
    if (!analyseWhenStale(doc)) {
        return;
    }
    // Reading the system needs the numbering tables of the results.
    const std::optional<Explanation> analysis = analyseForReport(doc);
    const std::optional<std::string> refusal = analysis ? analysis->message : matrixFormRefusal(doc.unknownCount);
    if (refusal) {
        showKirvoltMessage(parent, QString::fromStdString(*refusal));
        return;
    }
    const NamedSystem system = namedNodalSystem(doc);
    MatrixFormDialog dialog(circuitName, QString::fromStdString(matrixFormText(system)),
                            QString::fromStdString(matrixFormLatex(system)), parent);
    dialog.exec();
}

}  // namespace kirvolt
