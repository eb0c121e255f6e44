#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QXmlStreamReader>

#include "export/picture_export.h"
#include "export/html_report.h"
#include "export/worked_solution.h"
#include "support/circuit_builder.h"
#include "support/generated_circuits.h"
#include "support/sample_circuits.h"
#include "view/export/circuit_picture.h"
#include "view/export/report_pages.h"
#include "view/export/report_pdf.h"

namespace kirvolt {
namespace {

int inkPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    return count;
}

int pdfPages(const QByteArray& bytes)
{
    return static_cast<int>(bytes.count("/Type /Page")) - static_cast<int>(bytes.count("/Type /Pages"));
}

struct ScaleCase {
    PictureOptions options;
};

const ScaleCase scaleCases[] = {
    {{true, true, false, 1}},
    {{false, true, false, 1}},
    {{true, false, true, 1}},
};

TEST(CircuitPicture, EveryScaleMultipliesTheSizeAndShowsTheCircuit)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    for (const ScaleCase& c : scaleCases) {
        const QImage one = circuitImage(doc, c.options);
        ASSERT_FALSE(one.isNull());
        EXPECT_GT(inkPixels(one), one.width());
        for (int scale = 2; scale <= PICTURE_SCALE_MAX; ++scale) {
            PictureOptions scaled = c.options;
            scaled.scale = scale;
            const QImage image = circuitImage(doc, scaled);
            EXPECT_EQ(image.size(), one.size() * scale);
            EXPECT_GT(inkPixels(image), inkPixels(one));
        }
    }
}

TEST(CircuitPicture, PngHasTheImagesSize)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    const PictureOptions options{true, true, false, 2};
    QImage png;
    ASSERT_TRUE(png.loadFromData(circuitPng(doc, options), "PNG"));
    EXPECT_EQ(png.size(), circuitImage(doc, options).size());
}

// Cropping follows the circuit: the same circuit far to the right gives the same picture, grid
// dots and all, since it moved by whole grid steps.
TEST(CircuitPicture, ACircuitMovedFarRightGivesTheSamePicture)
{
    for (const PictureOptions& options : {PictureOptions{true, true, false, 1}, PictureOptions{false, false, false, 2}}) {
        CKirvoltDoc near;
        testing::buildVoltageDivider(near);
        CKirvoltDoc far;
        testing::buildVoltageDivider(far);
        testing::shiftRight(far, 190);
        EXPECT_EQ(circuitImage(near, options), circuitImage(far, options));
    }
}

TEST(CircuitPicture, PdfIsOnePageOfThePicturesSize)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    const QByteArray pdf = circuitPdf(doc, PictureOptions{});
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdfPages(pdf), 1);
    // 96 units to the inch: the page in points is three quarters of the picture in units,
    // which the writer rounds to whole points.
    const QImage image = circuitImage(doc, PictureOptions{});
    const qsizetype at = pdf.indexOf("/MediaBox [0 0 ");
    ASSERT_GE(at, 0);
    const QList<QByteArray> box = pdf.mid(at + 15, 40).split(' ');
    EXPECT_NEAR(box[0].toDouble(), image.width() * 0.75, 0.5);
    EXPECT_NEAR(box[1].left(box[1].indexOf(']')).toDouble(), image.height() * 0.75, 0.5);
}

TEST(CircuitPicture, AnEmptyCircuitHasNoPicture)
{
    CKirvoltDoc doc;
    EXPECT_TRUE(circuitImage(doc, PictureOptions{}).isNull());
    EXPECT_TRUE(circuitPng(doc, PictureOptions{}).isEmpty());
    EXPECT_TRUE(circuitPdf(doc, PictureOptions{}).isEmpty());
}

TEST(ReportPdf, IsAPdfOfWholePages)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    ASSERT_FALSE(analyseForReport(doc));
    const QByteArray pdf = reportPdf(doc, buildWorkedSolution(doc, "divider"));
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_GE(pdfPages(pdf), 1);
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595")) << "A4";
}

TEST(CircuitPicture, SvgParsesWithQtsReader)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    QXmlStreamReader xml(QByteArray::fromStdString(circuitSvg(doc, PictureOptions{}).value()));
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
            texts.append(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    for (const char* label : {"E1", "R1", "R2", "12.0 V", "10.0 ohm", "20.0 ohm"}) {
        EXPECT_TRUE(texts.contains(QString::fromLatin1(label))) << label;
    }
}

}  // namespace
}  // namespace kirvolt

namespace kirvolt {
namespace {

// Where a position of the text stands once laid out: its page and its line of the block.
struct TextPlace {
    int page;
    int line;
};

TextPlace placeOf(const QTextDocument& text, const QTextBlock& block, int inBlock)
{
    // Asking for the block's box lays it out.
    const qreal blockTop = text.documentLayout()->blockBoundingRect(block).top();
    const QTextLine line = block.layout()->lineForTextPosition(inBlock);
    const qreal top = blockTop + (line.isValid() ? line.y() : 0);
    return {static_cast<int>(top / text.pageSize().height()), line.isValid() ? line.lineNumber() : 0};
}

// Pictures of every height that fits a page below its heading, and ladders of a few sizes, move
// every heading of the report up and down its pages.
TEST(ReportPages, RulesStayOnOneLineAndNoHeadingEndsAPage)
{
    int headings = 0;
    int rules = 0;
    for (int nodes : {4, 12}) {
        CKirvoltDoc doc;
        testing::drawLadder(doc, nodes);
        ASSERT_FALSE(analyseForReport(doc));
        const WorkedSolution solution = buildWorkedSolution(doc, "ladder");
        for (int height = 0; height <= 850; height += 25) {
            QTextDocument text;
            const std::string picture = "<img src=\"none\" width=\"100\" height=\"" + std::to_string(height) + "\">";
            text.setHtml(QString::fromStdString(htmlReport(solution, picture)));
            paginateReport(text);
            for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
                if (block.blockFormat().headingLevel() > 0 && block.next().isValid()) {
                    ++headings;
                    EXPECT_EQ(placeOf(text, block, 0).page, placeOf(text, block.next(), 0).page)
                        << nodes << " nodes, picture " << height << ": " << block.text().toStdString();
                }
                static const QRegularExpression rule(QStringLiteral("-{20,}"));
                for (auto found = rule.globalMatch(block.text()); found.hasNext();) {
                    const QRegularExpressionMatch match = found.next();
                    ++rules;
                    EXPECT_EQ(placeOf(text, block, static_cast<int>(match.capturedStart())).line,
                              placeOf(text, block, static_cast<int>(match.capturedEnd()) - 1).line)
                        << nodes << " nodes";
                }
            }
        }
    }
    EXPECT_GT(headings, 2 * 35 * 5);
    // The node, component and power blocks each under a rule.
    EXPECT_EQ(rules, 2 * 35 * 3);
}

}  // namespace
}  // namespace kirvolt
