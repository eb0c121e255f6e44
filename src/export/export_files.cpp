#include "export/export_files.h"

#include "document/wording.h"
#include "export/html_report.h"
#include "export/output_kind.h"
#include "export/raster_files.h"

namespace kirvolt {
namespace {

FileResult writeText(const std::string& text, const std::string& path)
{
    return replaceFile(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace

FileResult writePictureFile(const CKirvoltDoc& doc, const PictureOptions& options, const std::string& path)
{
    switch (outputKindOf(path)) {
    case OutputKind::png:
        return writePicturePng(doc, options, path);
    case OutputKind::pdf:
        return writePicturePdf(doc, options, path);
    case OutputKind::svg:
        if (const std::optional<std::string> svg = circuitSvg(doc, options)) {
            return writeText(*svg, path);
        }
        return {false, wording("Export", EMPTY_PICTURE_MESSAGE)};
    default:
        return {false, wording("Export", "A picture is written as a .png, .svg or .pdf file.")};
    }
}

FileResult writeReportFile(const CKirvoltDoc& doc, const WorkedSolution& solution, const std::string& path)
{
    switch (outputKindOf(path)) {
    case OutputKind::html:
        return writeText(standaloneHtmlReport(doc, solution), path);
    case OutputKind::pdf:
        return writeReportPdf(doc, solution, path);
    default:
        return {false, wording("Export", "A worked solution is written as a .html or .pdf file.")};
    }
}

FileResult writeWorksheetFile(const Worksheet& sheet, const std::string& path)
{
    switch (outputKindOf(path)) {
    case OutputKind::html:
        return writeText(standaloneWorksheetHtml(sheet), path);
    case OutputKind::pdf:
        return writeWorksheetPdf(sheet, path);
    default:
        return {false, wording("Export", "A worksheet is written as a .html or .pdf file.")};
    }
}

}  // namespace kirvolt
