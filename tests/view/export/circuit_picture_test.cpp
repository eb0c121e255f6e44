#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QXmlStreamReader>

#include "export/picture_export.h"
#include "support/circuit_builder.h"
#include "support/sample_circuits.h"
#include "view/export/circuit_picture.h"
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
