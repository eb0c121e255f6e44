#pragma once

#include <string>

#include "export/picture_export.h"
#include "export/worked_solution.h"

namespace kirvolt {

// The worked solution as one self-contained HTML page. The schematic goes in as given: an
// inline <svg> element for a file, an <img> of a resource where the page is typeset elsewhere.
// Every text of the circuit is escaped; the equation and results lines keep their blanks.
std::string htmlReport(const WorkedSolution& solution, const std::string& pictureMarkup);

// The parts of such a page, for pages that hold more than one worked solution: everything up
// to <body> with the report's style sheet, the schematic's block, the sections of a solution
// below its heading, and the end of the page.
std::string htmlPageStart(const std::string& escapedTitle);
std::string pictureBlock(const std::string& pictureMarkup);
std::string reportSections(const WorkedSolution& solution, const std::string& pictureMarkup);
inline constexpr const char* HTML_PAGE_END = "</body>\n</html>\n";

// The report's schematic: node numbers and the datum's earth symbol, no grid.
inline constexpr PictureOptions REPORT_PICTURE{false, true, false, 1};

// The report with its schematic as inline SVG, as the HTML file holds it.
std::string standaloneHtmlReport(const CKirvoltDoc& doc, const WorkedSolution& solution);

}  // namespace kirvolt
