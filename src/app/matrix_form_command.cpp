#include "app/matrix_form_command.h"

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
    const AnalysisOutcome analysis = analyseForShowing(doc);
    const std::optional<std::string> refusal =
        analysis.refusal ? analysis.refusal->message : matrixFormRefusal(analysis.unknownCount.value_or(0));
    if (refusal) {
        showKirvoltMessage(parent, QString::fromStdString(*refusal));
        return;
    }
    // A solved system within the limit is always kept.
    const NamedSystem& system = *analysis.system;
    MatrixFormDialog dialog(circuitName, QString::fromStdString(matrixFormText(system)),
                            QString::fromStdString(matrixFormLatex(system)), parent);
    dialog.exec();
}

}  // namespace kirvolt
