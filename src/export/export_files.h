#pragma once

#include <string>

#include "document/circuit_file.h"
#include "export/picture_export.h"
#include "export/worked_solution.h"
#include "export/worksheet.h"

namespace kirvolt {

// The picture in the format the path's ending names (.png, .svg or .pdf, in any case),
// written as a save writes, or the message to show.
FileResult writePictureFile(const CKirvoltDoc& doc, const PictureOptions& options, const std::string& path);

// The worked solution as .html or .pdf.
FileResult writeReportFile(const CKirvoltDoc& doc, const WorkedSolution& solution, const std::string& path);

// The worksheet as .html or .pdf.
FileResult writeWorksheetFile(const Worksheet& sheet, const std::string& path);

}  // namespace kirvolt
