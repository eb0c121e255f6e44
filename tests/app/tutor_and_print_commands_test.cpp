#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>

#include "app/app_command_ids.h"
#include "app_fixture.h"
#include "tutor_hand.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "support/sample_circuits.h"
#include "tutor/tutor_introduction_dialog.h"
#include "view/printing/print_scale_dialog.h"

namespace kirvolt::testing {
namespace {

using TutorAndPrintCommands = AppFixture;

TEST_F(TutorAndPrintCommands, TutorOnAnEmptyCircuitOnlySaysWhy)
{
    ModalAnswerer answerer;
    int tutorWindows = 0;
    answerer.onDialog = [&tutorWindows](QDialog* dialog) {
        ++tutorWindows;
        dialog->reject();
    };
    trigger(ID_TUTOR_NODAL);
    EXPECT_EQ(answerer.texts, QStringList{"Create your circuit first."});
    EXPECT_EQ(tutorWindows, 0);
}

TEST_F(TutorAndPrintCommands, TutorOpensOverTheMainWindowAndChecksItsCommand)
{
    buildVoltageDivider(activeDoc());
    ModalAnswerer answerer;
    QWidget* introductionParent = nullptr;
    answerer.onDialog = [&introductionParent](QDialog* dialog) {
        if (qobject_cast<TutorIntroductionDialog*>(dialog)) {
            introductionParent = dialog->parentWidget();
            buttonNamed(dialog, QStringLiteral("Return"))->click();
        } else {
            dialog->reject();
        }
    };
    trigger(ID_TUTOR_NODAL);
    EXPECT_EQ(introductionParent, &frame());
    EXPECT_TRUE(answerer.texts.isEmpty());
    EXPECT_EQ(activeDoc().mode, nodeEquationMode);
    EXPECT_TRUE(action(ID_TUTOR_NODAL).isChecked());
}

TEST_F(TutorAndPrintCommands, PrintScaleChangesTheScaleOfTheActiveCircuitOnly)
{
    ModalAnswerer answerer;
    answerer.onDialog = [](QDialog* dialog) {
        ASSERT_TRUE(qobject_cast<PrintScaleDialog*>(dialog));
        auto* edit = dialog->findChild<QLineEdit*>();
        edit->selectAll();
        edit->insert(QStringLiteral("6"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    };
    trigger(ID_PRINT_SCALE);
    EXPECT_EQ(activeDoc().printScale, 6);
    EXPECT_FALSE(activeDoc().IsModified());
    trigger(ID_FILE_NEW);
    EXPECT_EQ(activeDoc().printScale, 2);
}

TEST_F(TutorAndPrintCommands, PrintPreviewShowsThePreviewWindow)
{
    ModalAnswerer answerer;
    bool previewed = false;
    answerer.onDialog = [&previewed](QDialog* dialog) {
        previewed = qobject_cast<QPrintPreviewDialog*>(dialog) != nullptr;
        dialog->reject();
    };
    trigger(ID_FILE_PRINT_PREVIEW);
    EXPECT_TRUE(previewed);
    EXPECT_TRUE(action(ID_FILE_PRINT).isEnabled());
}

}  // namespace
}  // namespace kirvolt::testing
