#include "view/export/report_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageSize>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
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

// The room a block's lines have between the page's margins and the block's own.
qreal lineRoom(const QTextDocument& text, const QTextBlock& block)
{
    const QTextFrameFormat page = text.rootFrame()->frameFormat();
    const QTextBlockFormat own = block.blockFormat();
    return text.pageSize().width() - page.leftMargin() - page.rightMargin() - 2 * (page.padding() + page.border()) -
           own.leftMargin() - own.rightMargin() - own.textIndent();
}

// The rules of the report are set in its monospaced face; the factor that makes the widest of
// them fit its line, and the faces they are set in, so that all text in them is set alike.
struct Rules {
    qreal factor = 1;
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
                    // A pixel to spare for the rounding of the layout's own measure.
                    const qreal width = QFontMetricsF(font).horizontalAdvance(line) + 1;
                    rules.factor = std::min(rules.factor, lineRoom(text, block) / width);
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

bool stranded(const QTextDocument& text, const QTextBlock& heading)
{
    return pageOf(text, firstLineTop(text, heading.next())) > pageOf(text, firstLineTop(text, heading));
}

// The first heading after from whose next block starts on a later page than the heading, or an
// invalid block when there is none.
QTextBlock strandedHeading(const QTextDocument& text, QTextBlock from)
{
    for (QTextBlock block = from; block.isValid() && block.next().isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && stranded(text, block)) {
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
    if (const Rules rules = findRules(text); rules.factor < 1) {
        shrinkFaces(text, rules.families, rules.factor);
    }
    // Each break moves what follows, so the headings after it are looked at in the new layout.
    // What follows a heading may not fit a page even below it (a tall picture); such a heading
    // keeps its place, as a break would only leave its page half empty.
    for (QTextBlock heading = strandedHeading(text, text.begin()); heading.isValid();
         heading = strandedHeading(text, heading.next())) {
        const QTextBlockFormat kept = heading.blockFormat();
        QTextBlockFormat moved = kept;
        moved.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(heading).setBlockFormat(moved);
        if (stranded(text, heading)) {
            QTextCursor(heading).setBlockFormat(kept);
        }
    }
}

}  // namespace kirvolt
