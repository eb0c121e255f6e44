#include "view/printing/print_scale_command.h"

#include "view/printing/print_scale_dialog.h"

namespace kirvolt {

void runPrintScaleCommand(CKirvoltDoc& doc, QWidget* parent, MessageFunction message)
{
    PrintScaleDialog dialog(doc.printScale, parent, std::move(message));
    if (dialog.exec() == QDialog::Accepted) {
        doc.printScale = dialog.scale();
    }
}

}  // namespace kirvolt
