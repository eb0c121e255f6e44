#include "view/dialogs/matrix_form_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kirvolt {
namespace {

// The text is shown whole where the screen allows it; a larger system scrolls.
constexpr double LARGEST_SCREEN_SHARE = 0.8;

QPushButton* copyButton(QDialogButtonBox* buttons, const QString& label, const char* name, const QString& copied)
{
    QPushButton* button = buttons->addButton(label, QDialogButtonBox::ActionRole);
    button->setObjectName(name);
    QObject::connect(button, &QPushButton::clicked, [copied] { QApplication::clipboard()->setText(copied); });
    return button;
}

// The columns line up only when every character is as wide as every other. Measured, because
// QFontInfo calls some monospaced faces proportional.
bool fixedPitch(const QFont& font)
{
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('i')) == metrics.horizontalAdvance(QLatin1Char('M'));
}

// A platform that names no face for fixed text (the offscreen one) gets fontconfig's monospace.
QFont fixedPitchFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!fixedPitch(font)) {
        font.setFamily(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
    }
    return font;
}

QSize textSize(const QPlainTextEdit& view, const QString& text)
{
    const QFontMetrics metrics(view.font());
    int width = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const int margins = 2 * (view.frameWidth() + static_cast<int>(view.document()->documentMargin())) +
                        view.verticalScrollBar()->sizeHint().width();
    return {width + margins, metrics.lineSpacing() * static_cast<int>(lines.size()) + margins};
}

}  // namespace

MatrixFormDialog::MatrixFormDialog(const QString& circuitName, const QString& text, const QString& latex, QWidget* parent)
    : QDialog(parent)
{
    auto* view = new QPlainTextEdit(text, this);
    setWindowTitle(tr("Matrix Form - %1").arg(circuitName));
    view->setObjectName("text");
    view->setAccessibleName(tr("Matrix form"));
    view->setAccessibleDescription(tr("The system G x = b of the last analysis, its unknowns and their values"));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(fixedPitchFont());
    const QSize available = (screen() ? screen()->availableGeometry().size() : QSize(1024, 768)) * LARGEST_SCREEN_SHARE;
    view->setMinimumSize(textSize(*view, text).boundedTo(available));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    copyButton(buttons, tr("Copy as &Text"), "copyText", text);
    copyButton(buttons, tr("Copy as &LaTeX"), "copyLatex", latex);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addWidget(buttons);
}

}  // namespace kirvolt
