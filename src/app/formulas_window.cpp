#include "app/formulas_window.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/export_commands.h"
#include "formulas/node_formulas.h"
#include "view/widgets/kirvolt_message.h"

namespace kirvolt {
namespace {


QString formulaText(const std::vector<NodeFormula>& formulas)
{
    QStringList lines;
    for (const std::string& line : formulaLines(formulas)) {
        lines << QString::fromStdString(line);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

void showNodeFormulas(CKirvoltDoc& doc, QWidget* parent)
{
    if (!analyseWhenStale(doc)) {
        return;
    }
    const std::variant<std::vector<NodeFormula>, std::string> formulas = nodeFormulas(doc);
    if (const auto* refusal = std::get_if<std::string>(&formulas)) {
        showKirvoltMessage(parent, QString::fromStdString(*refusal));
        return;
    }
    auto* window = new QDialog(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("formulasWindow"));
    window->setWindowTitle(QCoreApplication::translate("FormulasWindow", "Formulas"));
    auto* layout = new QVBoxLayout(window);
    auto* text = new QPlainTextEdit(formulaText(std::get<0>(formulas)), window);
    text->setObjectName(QStringLiteral("formulasText"));
    text->setAccessibleName(QCoreApplication::translate("FormulasWindow", "Formulas"));
    text->setAccessibleDescription(QCoreApplication::translate("FormulasWindow", "Every node voltage as a formula in the elements' names, with its value"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setMinimumSize(640, 260);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    layout->addWidget(buttons);
    window->show();
}

}  // namespace kirvolt
