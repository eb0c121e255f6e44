#include "export/raster_files.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

FileResult unavailable() { return {false, wording("Export", "PNG and PDF files cannot be written: this program was built without Qt.")}; }

}  // namespace

FileResult writePicturePng(const CKirvoltDoc&, const PictureOptions&, const std::string&) { return unavailable(); }
FileResult writePicturePdf(const CKirvoltDoc&, const PictureOptions&, const std::string&) { return unavailable(); }
FileResult writeReportPdf(const CKirvoltDoc&, const WorkedSolution&, const std::string&) { return unavailable(); }
FileResult writeWorksheetPdf(const Worksheet&, const std::string&) { return unavailable(); }

}  // namespace kirvolt
