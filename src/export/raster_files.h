#pragma once

#include <string>

#include "document/circuit_file.h"
#include "export/picture_export.h"
#include "export/worked_solution.h"
#include "export/worksheet.h"

namespace kirvolt {

// PNG and PDF files need a raster and PDF engine: the Qt rendering library implements these
// where the build has Qt, raster_files_unavailable.cpp where it has not. Each writes the file
// as a save does and gives the message to show on failure.
FileResult writePicturePng(const CKirvoltDoc& doc, const PictureOptions& options, const std::string& path);
FileResult writePicturePdf(const CKirvoltDoc& doc, const PictureOptions& options, const std::string& path);
FileResult writeReportPdf(const CKirvoltDoc& doc, const WorkedSolution& solution, const std::string& path);
FileResult writeWorksheetPdf(const Worksheet& sheet, const std::string& path);

}  // namespace kirvolt
