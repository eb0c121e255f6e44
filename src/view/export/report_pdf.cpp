#include "view/export/report_pdf.h"

#include <algorithm>

#include <QBuffer>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include "export/html_report.h"
#include "view/export/circuit_picture.h"

namespace kirvolt {
namespace {

// The schematic is drawn at twice its size and shown at its own, so that it stays sharp when
// the page is printed or zoomed.
constexpr int SCHEMATIC_SCALE = 2;
// The widest picture that fits between the margins of an A4 page, in the page's pixels.
constexpr int WIDEST_PICTURE = 640;
const char* const SCHEMATIC_URL = "kirvolt-schematic.png";

}  // namespace

QByteArray reportPdf(const CKirvoltDoc& doc, const WorkedSolution& solution)
{
    PictureOptions picture = REPORT_PICTURE;
    picture.scale = SCHEMATIC_SCALE;
    const QImage image = circuitImage(doc, picture);
    const int width = std::min(image.width() / SCHEMATIC_SCALE, WIDEST_PICTURE);
    const std::string markup = image.isNull() ? std::string()
                                              : "<img src=\"" + std::string(SCHEMATIC_URL) + "\" width=\"" +
                                                    std::to_string(width) + "\">\n";
    QTextDocument text;
    text.addResource(QTextDocument::ImageResource, QUrl(SCHEMATIC_URL), image);
    text.setHtml(QString::fromStdString(htmlReport(solution, markup)));

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator("Kirvolt");
        pdf.setTitle(QString::fromStdString("Worked solution: " + solution.circuitName));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        text.print(&pdf);
    }
    return bytes;
}

}  // namespace kirvolt
