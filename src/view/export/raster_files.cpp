#include "export/raster_files.h"

#include <QGuiApplication>

#include "view/export/circuit_picture.h"
#include "view/export/report_pdf.h"

namespace kirvolt {
namespace {

// The command-line tool paints into files without a window: it makes its application only
// when a command needs one, on the offscreen platform unless one is named, so that it runs on
// a machine without a display.
void ensureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "kirvolt-cli";
    static char* argv[] = {name, nullptr};
    // Kept for the life of the process: destroying it among the static destructors is unsafe.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

FileResult writeBytes(const QByteArray& bytes, const std::string& path)
{
    if (bytes.isEmpty()) {
        return {false, EMPTY_PICTURE_MESSAGE};
    }
    return replaceFileBytes(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                            static_cast<std::size_t>(bytes.size())));
}

}  // namespace

FileResult writePicturePng(const CKirvoltDoc& doc, const PictureOptions& options, const std::string& path)
{
    ensureGuiApplication();
    return writeBytes(circuitPng(doc, options), path);
}

FileResult writePicturePdf(const CKirvoltDoc& doc, const PictureOptions& options, const std::string& path)
{
    ensureGuiApplication();
    return writeBytes(circuitPdf(doc, options), path);
}

FileResult writeReportPdf(const CKirvoltDoc& doc, const WorkedSolution& solution, const std::string& path)
{
    ensureGuiApplication();
    return writeBytes(reportPdf(doc, solution), path);
}

}  // namespace kirvolt
