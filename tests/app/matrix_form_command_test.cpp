#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/app_command_ids.h"
#include "app_fixture.h"
#include "export/matrix_form.h"
#include "modal_answerer.h"
#include "support/sample_circuits.h"
#include "view/dialogs/matrix_form_dialog.h"

namespace kirvolt::testing {
namespace {

using MatrixFormCommand = AppFixture;

// What the dialog showed, after clicking the named buttons in turn and then Close.
struct DialogVisit {
    QStringList clicks;
    int dialogs = 0;
    QString title;
    QString shown;
    bool readOnly = false;
    bool fixedPitch = false;

    void operator()(QDialog* dialog)
    {
        ++dialogs;
        auto* matrix = qobject_cast<MatrixFormDialog*>(dialog);
        if (matrix == nullptr) {
            dialog->reject();
            return;
        }
        title = matrix->windowTitle();
        const auto* view = matrix->findChild<QPlainTextEdit*>("text");
        shown = view->toPlainText();
        readOnly = view->isReadOnly();
        const QFontMetrics metrics(view->font());
        fixedPitch = metrics.horizontalAdvance(QStringLiteral("iiii")) == metrics.horizontalAdvance(QStringLiteral("MMMM"));
        for (const QString& name : clicks) {
            QTest::mouseClick(matrix->findChild<QPushButton*>(name), Qt::LeftButton);
        }
        QTest::mouseClick(matrix->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close), Qt::LeftButton);
    }
};

TEST_F(MatrixFormCommand, AnalysesFirstShowsTheSystemAndCopiesItAsLatex)
{
    buildVoltageDivider(activeDoc());
    ASSERT_FALSE(activeDoc().resultsAreCurrent());
    QApplication::clipboard()->clear();
    ModalAnswerer answerer;
    DialogVisit visit;
    visit.clicks = {"copyLatex"};
    answerer.onDialog = std::ref(visit);
    trigger(ID_VIEW_MATRIX_FORM);
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();
    ASSERT_EQ(visit.dialogs, 1);
    EXPECT_TRUE(activeDoc().resultsAreCurrent());
    const NamedSystem system = namedNodalSystem(activeDoc());
    EXPECT_EQ(visit.shown.toStdString(), matrixFormText(system));
    EXPECT_TRUE(visit.readOnly);
    EXPECT_TRUE(visit.fixedPitch);
    EXPECT_EQ(visit.title, QStringLiteral("Matrix Form - Kirvolt1"));
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), matrixFormLatex(system));

    visit.clicks = {"copyText"};
    trigger(ID_VIEW_MATRIX_FORM);
    EXPECT_EQ(visit.dialogs, 2);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), matrixFormText(system));
}

TEST_F(MatrixFormCommand, ARefusedAnalysisIsShownInsteadOfTheDialog)
{
    ModalAnswerer answerer;
    DialogVisit visit;
    answerer.onDialog = std::ref(visit);
    trigger(ID_VIEW_MATRIX_FORM);
    EXPECT_EQ(answerer.texts, QStringList{"Create your circuit first."});
    EXPECT_EQ(answerer.captions, QStringList{"Kirvolt"});
    EXPECT_EQ(visit.dialogs, 0);
}

}  // namespace
}  // namespace kirvolt::testing
