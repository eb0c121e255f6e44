#include "view/export/report_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageSize>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kirvolt {
namespace {

// The text is laid out at the screen's 96 pixels an inch with margins of 2 cm, as Qt prints
// a text without pages of its own.
constexpr qreal TEXT_DPI = 96.0;
constexpr qreal MARGIN_CM = 2.0;
constexpr qreal CM_PER_INCH = 2.54;
// Below this a rule would no longer read as text beside the others; it wraps instead.
constexpr qreal SMALLEST_POINT_SIZE = 5.0;

bool isRule(const QString& line)
{
    const QString rule = line.trimmed();
    return rule.size() > 1 && std::ranges::all_of(rule, [](QChar c) { return c == u'-'; });
}

qreal textWidth(const QTextDocument& text)
{
    return text.pageSize().width() - 2 * text.documentMargin();
}

// The pieces of text that are rules, with the widest of them at its font: the rules are set in
// the report's monospaced face, and whatever else is set in it is set alike.
struct Rules {
    qreal widest = 0;
    QStringList families;
};

Rules findRules(const QTextDocument& text)
{
    Rules rules;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment piece = it.fragment();
            const QFont font = piece.charFormat().font();
            for (const QString& line : piece.text().split(QChar::LineSeparator)) {
                if (isRule(line)) {
                    rules.widest = std::max(rules.widest, QFontMetricsF(font).horizontalAdvance(line));
                    rules.families.append(font.families());
                }
            }
        }
    }
    return rules;
}

void shrinkFaces(QTextDocument& text, const QStringList& families, qreal factor)
{
    struct Piece {
        int from;
        int to;
        QTextCharFormat format;
    };
    // Formats are changed once every piece is known: a change may split or join fragments.
    std::vector<Piece> pieces;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment piece = it.fragment();
            QTextCharFormat format = piece.charFormat();
            QFont font = format.font();
            if (std::ranges::any_of(font.families(), [&families](const QString& f) { return families.contains(f); })) {
                const qreal size = font.pointSizeF() > 0 ? font.pointSizeF() : text.defaultFont().pointSizeF();
                font.setPointSizeF(std::max(SMALLEST_POINT_SIZE, std::floor(size * factor * 10) / 10));
                format.setFont(font);
                pieces.push_back({piece.position(), piece.position() + piece.length(), format});
            }
        }
    }
    for (const Piece& piece : pieces) {
        QTextCursor cursor(&text);
        cursor.setPosition(piece.from);
        cursor.setPosition(piece.to, QTextCursor::KeepAnchor);
        cursor.setCharFormat(piece.format);
    }
}

int pageOf(const QTextDocument& text, qreal y)
{
    return static_cast<int>(y / text.pageSize().height());
}

// The top of a block's first line, in the text's coordinates: a block that does not fit its
// page is moved whole to the next one.
qreal firstLineTop(const QTextDocument& text, const QTextBlock& block)
{
    const QRectF box = text.documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    return layout != nullptr && layout->lineCount() > 0 ? box.top() + layout->lineAt(0).y() : box.top();
}

// The first heading whose next block starts on a later page than the heading, or an invalid
// block when there is none.
QTextBlock strandedHeading(const QTextDocument& text)
{
    for (QTextBlock block = text.begin(); block.isValid() && block.next().isValid(); block = block.next()) {
        const bool heading = block.blockFormat().headingLevel() > 0;
        const bool breaksAlready = block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        if (heading && !breaksAlready &&
            pageOf(text, firstLineTop(text, block.next())) > pageOf(text, firstLineTop(text, block))) {
            return block;
        }
    }
    return {};
}

}  // namespace

QSizeF reportPageSize()
{
    return QPageSize(QPageSize::A4).sizePixels(static_cast<int>(TEXT_DPI));
}

void paginateReport(QTextDocument& text)
{
    text.setPageSize(reportPageSize());
    text.setDocumentMargin(MARGIN_CM / CM_PER_INCH * TEXT_DPI);
    if (const Rules rules = findRules(text); rules.widest > textWidth(text)) {
        shrinkFaces(text, rules.families, textWidth(text) / rules.widest);
    }
    // Each break moves what follows, so the headings are looked at again after each one.
    for (QTextBlock heading = strandedHeading(text); heading.isValid(); heading = strandedHeading(text)) {
        QTextBlockFormat format = heading.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(heading).setBlockFormat(format);
    }
}

}  // namespace kirvolt
