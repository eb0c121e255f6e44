#include "view/export/report_pdf.h"

#include <algorithm>

#include <QBuffer>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include "export/html_report.h"
#include "view/export/circuit_picture.h"
#include "view/export/report_pages.h"

namespace kirvolt {
namespace {

// The schematic is drawn at twice its size and shown at its own, so that it stays sharp when
// the page is printed or zoomed.
constexpr int SCHEMATIC_SCALE = 2;
// The widest picture that fits between the margins of an A4 page, in the page's pixels.
constexpr int WIDEST_PICTURE = 640;

// The schematic as an image resource of the text, and the markup that shows it.
std::string addSchematic(QTextDocument& text, const CKirvoltDoc& doc, const std::string& url)
{
    PictureOptions picture = REPORT_PICTURE;
    picture.scale = SCHEMATIC_SCALE;
    const QImage image = circuitImage(doc, picture);
    if (image.isNull()) {
        return {};
    }
    text.addResource(QTextDocument::ImageResource, QUrl(QString::fromStdString(url)), image);
    const int width = std::min(image.width() / SCHEMATIC_SCALE, WIDEST_PICTURE);
    return "<img src=\"" + url + "\" width=\"" + std::to_string(width) + "\">\n";
}

QByteArray typeset(QTextDocument& text, const std::string& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator("Kirvolt");
        pdf.setTitle(QString::fromStdString(title));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        paginateReport(text);
        text.print(&pdf);
    }
    return bytes;
}

}  // namespace

QByteArray reportPdf(const CKirvoltDoc& doc, const WorkedSolution& solution)
{
    QTextDocument text;
    const std::string markup = addSchematic(text, doc, "kirvolt-schematic.png");
    text.setHtml(QString::fromStdString(htmlReport(solution, markup)));
    return typeset(text, "Worked solution: " + solution.circuitName);
}

QByteArray worksheetPdf(const Worksheet& sheet)
{
    QTextDocument text;
    std::vector<std::string> markups;
    for (std::size_t k = 0; k < sheet.exercises.size(); ++k) {
        markups.push_back(addSchematic(text, *sheet.exercises[k].circuit, "kirvolt-schematic-" + std::to_string(k) + ".png"));
    }
    text.setHtml(QString::fromStdString(worksheetHtml(sheet, [&markups](std::size_t k) { return markups[k]; })));
    return typeset(text, sheet.title);
}

}  // namespace kirvolt
