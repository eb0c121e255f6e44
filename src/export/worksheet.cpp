#include "export/worksheet.h"

#include "export/html_report.h"
#include "export/markup_text.h"

namespace kirvolt {
namespace {

// Print engines and the PDF typesetter both start a new page here.
std::string pageHeading(const std::string& text, bool newPage)
{
    return std::string(newPage ? "<h1 style=\"page-break-before: always\">" : "<h1>") + markupEscaped(text) + "</h1>\n";
}

}  // namespace

std::string worksheetHtml(const Worksheet& sheet, const std::function<std::string(std::size_t)>& picture)
{
    std::string html = htmlPageStart(markupEscaped(sheet.title));
    for (std::size_t k = 0; k < sheet.exercises.size(); ++k) {
        const WorksheetExercise& exercise = sheet.exercises[k];
        html += pageHeading(exercise.heading, k > 0);
        html += "<p>" + markupEscaped(exercise.origin) + "</p>\n" + pictureBlock(picture(k));
        html += "<p>" + markupEscaped(EXERCISE_TASK) + "</p>\n";
    }
    for (std::size_t k = 0; k < sheet.exercises.size(); ++k) {
        const WorksheetExercise& exercise = sheet.exercises[k];
        html += pageHeading("Answer: " + exercise.heading, true);
        html += reportSections(exercise.solution, picture(k));
    }
    return html + HTML_PAGE_END;
}

std::string standaloneWorksheetHtml(const Worksheet& sheet)
{
    return worksheetHtml(sheet, [&sheet](std::size_t k) {
        return circuitSvgElement(*sheet.exercises[k].circuit, REPORT_PICTURE).value_or("");
    });
}

}  // namespace kirvolt
