#include "app/circuit_words_window.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QStringList>
#include <QVBoxLayout>

#include "analysis/circuit_words.h"

namespace kirvolt {
namespace {


}  // namespace

void showCircuitInWords(const CKirvoltDoc& doc, QWidget* parent)
{
    QStringList lines;
    for (const std::string& line : describeCircuit(doc)) {
        lines << QString::fromStdString(line);
    }
    auto* window = new QDialog(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("circuitWordsWindow"));
    window->setWindowTitle(QCoreApplication::translate("CircuitWordsWindow", "Describe Circuit"));
    window->setAccessibleName(QCoreApplication::translate("CircuitWordsWindow", "Describe Circuit"));
    window->setAccessibleDescription(QCoreApplication::translate("CircuitWordsWindow", "The whole circuit in words, one element or joint a line"));
    auto* layout = new QVBoxLayout(window);
    auto* text = new QPlainTextEdit(lines.join(QLatin1Char('\n')), window);
    text->setObjectName(QStringLiteral("circuitWordsText"));
    text->setReadOnly(true);
    // The caret moves through a read-only text, so a screen reader reads it line by line.
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text->setAccessibleName(QCoreApplication::translate("CircuitWordsWindow", "The circuit in words"));
    text->setAccessibleDescription(QCoreApplication::translate("CircuitWordsWindow", "Each line is one element or joint, read row by row from the top left"));
    text->setMinimumSize(640, 300);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    layout->addWidget(buttons);
    window->show();
    text->setFocus();
}

}  // namespace kirvolt
