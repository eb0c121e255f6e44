#include "app/theorem_windows.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include "analysis/nodal_solver.h"
#include "analysis/node_names.h"
#include "app/thevenin_question_dialog.h"
#include "document/circuit_file.h"
#include "theorems/superposition_text.h"
#include "theorems/thevenin_text.h"
#include "view/export/circuit_picture.h"
#include "view/widgets/kirvolt_message.h"

namespace kirvolt {
namespace {

constexpr int MOST_PICTURE_WIDTH = 1200;


QString joined(const std::vector<std::string>& lines)
{
    QStringList texts;
    for (const std::string& line : lines) {
        texts << QString::fromStdString(line);
    }
    return texts.join(QLatin1Char('\n'));
}

// A drawing with its title above it and what it stands for below, or the title and why there
// is nothing to draw.
QGroupBox* pictureBox(const QString& title, const CKirvoltDoc* drawing, const QString& caption, QWidget* parent,
                      const ValueLabels* valueLabels = nullptr)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    if (drawing != nullptr) {
        auto* picture = new QLabel(box);
        picture->setObjectName(QStringLiteral("picture"));
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(QPixmap::fromImage(circuitImage(*drawing, {false, true, false, 1, valueLabels})));
        layout->addWidget(picture);
    }
    if (!caption.isEmpty()) {
        auto* words = new QLabel(caption, box);
        words->setObjectName(QStringLiteral("caption"));
        words->setWordWrap(true);
        layout->addWidget(words);
    }
    return box;
}

QPlainTextEdit* workedText(const QString& text, QWidget* parent)
{
    auto* view = new QPlainTextEdit(text, parent);
    view->setObjectName(QStringLiteral("workedText"));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setMinimumSize(640, 260);
    return view;
}

QDialog* theoremWindow(const QString& title, QWidget* parent)
{
    auto* window = new QDialog(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    return window;
}

void addCloseButton(QDialog* window, QVBoxLayout* layout)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    layout->addWidget(buttons);
}

// The circuit solved on a copy, so that its nodes can be offered by name; the document itself
// is left as it was. False (with the refusal shown) when the analysis refuses it.
bool analysedCopy(CKirvoltDoc& doc, CKirvoltDoc& copy, QWidget* parent)
{
    readCircuitBytes(circuitBytes(doc), copy);
    if (const AnalysisOutcome outcome = runNodalAnalysis(copy); !outcome) {
        showKirvoltMessage(parent, QString::fromStdString(outcome.refusal->message));
        return false;
    }
    return true;
}

}  // namespace

void showTheveninEquivalent(CKirvoltDoc& doc, QWidget* parent)
{
    CKirvoltDoc copy;
    if (!analysedCopy(doc, copy, parent)) {
        return;
    }
    QStringList nodes;
    const NodeNames names(copy);
    for (int k = 1; k <= copy.nodeCount; ++k) {
        nodes << QString::fromStdString(names(k));
    }
    QStringList resistors;
    for (const auto& c : copy.components) {
        if (c->kindCode == KIND_RESISTOR) {
            resistors << QString::fromStdString(c->label);
        }
    }
    TheveninQuestionDialog ask(nodes, resistors, parent);
    if (ask.exec() != QDialog::Accepted) {
        return;
    }
    auto answer = studyThevenin(doc, ask.question());
    if (const auto* refusal = std::get_if<std::string>(&answer)) {
        showKirvoltMessage(parent, QString::fromStdString(*refusal));
        return;
    }
    TheveninStudy& study = std::get<TheveninStudy>(answer);
    QDialog* window = theoremWindow(QCoreApplication::translate("TheoremWindows", "Th\xC3\xA9venin Equivalent"), parent);
    window->setObjectName(QStringLiteral("theveninWindow"));
    auto* layout = new QVBoxLayout(window);
    const std::vector<std::string> steps = theveninSteps(study);
    layout->addWidget(workedText(joined(steps), window));
    auto* pictures = new QHBoxLayout;
    const auto thevenin = drawEquivalent(theveninCircuit(study));
    const auto norton = drawEquivalent(nortonCircuit(study));
    // The last two steps say what each equivalent is, or why there is none.
    const QString theveninWords = QString::fromStdString(steps[steps.size() - 2]);
    const QString nortonWords = QString::fromStdString(steps.back());
    pictures->addWidget(
        pictureBox(QCoreApplication::translate("TheoremWindows", "Th\xC3\xA9venin equivalent"), thevenin.doc.get(), theveninWords, window, &thevenin.valueLabels));
    pictures->addWidget(pictureBox(QCoreApplication::translate("TheoremWindows", "Norton equivalent"), norton.doc.get(), nortonWords, window, &norton.valueLabels));
    layout->addLayout(pictures);
    addCloseButton(window, layout);
    window->show();
}

void showSuperposition(CKirvoltDoc& doc, QWidget* parent)
{
    CKirvoltDoc full;
    if (!analysedCopy(doc, full, parent)) {
        return;
    }
    auto answer = superpose(full);
    if (const auto* refusal = std::get_if<std::string>(&answer)) {
        showKirvoltMessage(parent, QString::fromStdString(*refusal));
        return;
    }
    const std::vector<SuperpositionPart>& parts = std::get<0>(answer);
    QDialog* window = theoremWindow(QCoreApplication::translate("TheoremWindows", "Superposition"), parent);
    window->setObjectName(QStringLiteral("superpositionWindow"));
    auto* layout = new QVBoxLayout(window);
    auto* strip = new QWidget;
    auto* pictures = new QHBoxLayout(strip);
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const auto drawing = partDrawing(parts[p]);
        pictures->addWidget(pictureBox(QCoreApplication::translate("TheoremWindows", "Part %1: %2").arg(p + 1).arg(QString::fromStdString(partTitle(parts[p]))),
                                       drawing.get(), {}, strip));
    }
    auto* scroll = new QScrollArea(window);
    scroll->setWidget(strip);
    // Side by side while the screen has room, the rest a scroll away.
    scroll->setMinimumSize(std::min(strip->sizeHint().width() + 24, MOST_PICTURE_WIDTH), strip->sizeHint().height() + 24);
    layout->addWidget(scroll);
    layout->addWidget(workedText(joined(superpositionLines(parts, full)), window));
    addCloseButton(window, layout);
    window->show();
}

}  // namespace kirvolt
