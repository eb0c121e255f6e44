#include "app/picture_settings.h"

#include <algorithm>

#include <QSettings>

namespace kirvolt {
namespace {

const char* const SECTION = "Export Picture";

}  // namespace

PictureOptions loadPictureOptions()
{
    const PictureOptions defaults;
    QSettings settings;
    settings.beginGroup(SECTION);
    PictureOptions options;
    options.grid = settings.value("Grid", defaults.grid).toBool();
    options.nodeNumbers = settings.value("NodeNumbers", defaults.nodeNumbers).toBool();
    options.equations = settings.value("Equations", defaults.equations).toBool();
    options.scale = std::clamp(settings.value("Scale", defaults.scale).toInt(), PICTURE_SCALE_MIN, PICTURE_SCALE_MAX);
    return options;
}

void savePictureOptions(const PictureOptions& options)
{
    QSettings settings;
    settings.beginGroup(SECTION);
    settings.setValue("Grid", options.grid);
    settings.setValue("NodeNumbers", options.nodeNumbers);
    settings.setValue("Equations", options.equations);
    settings.setValue("Scale", options.scale);
}

}  // namespace kirvolt
