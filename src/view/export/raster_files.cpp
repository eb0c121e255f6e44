#include "export/raster_files.h"

#include <clocale>
#include <optional>

#include <QGuiApplication>

#include "document/wording.h"
#include "view/export/circuit_picture.h"
#include "view/export/report_pdf.h"

namespace kirvolt {
namespace {

// What Qt says while it starts on a machine set up for no desktop (no runtime folder, an
// offscreen platform) is about Qt, not about the file; the command line's standard error
// carries only the program's own messages. Everything else goes where it went before.
QtMessageHandler previousHandler = nullptr;

void quietStartUp(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool startUp = type != QtCriticalMsg && type != QtFatalMsg &&
                         (message.startsWith(QLatin1String("QStandardPaths:")) ||
                          QLatin1String(context.category != nullptr ? context.category : "").startsWith(QLatin1String("qt.qpa")));
    if (!startUp && previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

// The command-line tool paints into files without a window: while it writes one it has an
// application of its own, made only then and on the offscreen platform unless one is named, so
// that it runs on a machine without a display. Where an application exists this does nothing.
class GuiApplicationScope {
public:
    GuiApplicationScope()
    {
        if (QCoreApplication::instance() != nullptr) {
            return;
        }
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        previousHandler = qInstallMessageHandler(quietStartUp);
        application.emplace(argc, argv);
        // Qt has set the C library's locale from the environment; numbers keep their point.
        std::setlocale(LC_NUMERIC, "C");
    }
    ~GuiApplicationScope()
    {
        if (application) {
            application.reset();
            qInstallMessageHandler(previousHandler);
        }
    }
    GuiApplicationScope(const GuiApplicationScope&) = delete;
    GuiApplicationScope& operator=(const GuiApplicationScope&) = delete;

private:
    // The application keeps references to these, so they are declared before it.
    int argc = 1;
    char name[12] = "kirvolt-cli";
    char* argv[2] = {name, nullptr};
    std::optional<QGuiApplication> application;
};

FileResult writeBytes(const QByteArray& bytes, const std::string& path)
{
    if (bytes.isEmpty()) {
        return {false, wording("Export", EMPTY_PICTURE_MESSAGE)};
    }
    return replaceFile(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                            static_cast<std::size_t>(bytes.size())));
}

}  // namespace

FileResult writePicturePng(const CKirvoltDoc& doc, const PictureOptions& options, const std::string& path)
{
    const GuiApplicationScope application;
    return writeBytes(circuitPng(doc, options), path);
}

FileResult writePicturePdf(const CKirvoltDoc& doc, const PictureOptions& options, const std::string& path)
{
    const GuiApplicationScope application;
    return writeBytes(circuitPdf(doc, options), path);
}

FileResult writeReportPdf(const CKirvoltDoc& doc, const WorkedSolution& solution, const std::string& path)
{
    const GuiApplicationScope application;
    return writeBytes(reportPdf(doc, solution), path);
}

FileResult writeWorksheetPdf(const Worksheet& sheet, const std::string& path)
{
    const GuiApplicationScope application;
    return writeBytes(worksheetPdf(sheet), path);
}

}  // namespace kirvolt
