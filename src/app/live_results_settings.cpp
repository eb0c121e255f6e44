#include "app/live_results_settings.h"

#include <QSettings>

namespace kirvolt {
namespace {

const char* const SECTION = "Live Results";

}  // namespace

LiveResultsSettings loadLiveResultsSettings()
{
    const LiveResultsSettings defaults;
    QSettings settings;
    settings.beginGroup(SECTION);
    LiveResultsSettings chosen;
    chosen.analyseAsIDraw = settings.value("AnalyseAsIDraw", defaults.analyseAsIDraw).toBool();
    chosen.shown.voltages = settings.value("VoltagesOnDrawing", defaults.shown.voltages).toBool();
    chosen.shown.currents = settings.value("CurrentsOnDrawing", defaults.shown.currents).toBool();
    return chosen;
}

void saveLiveResultsSettings(const LiveResultsSettings& chosen)
{
    QSettings settings;
    settings.beginGroup(SECTION);
    settings.setValue("AnalyseAsIDraw", chosen.analyseAsIDraw);
    settings.setValue("VoltagesOnDrawing", chosen.shown.voltages);
    settings.setValue("CurrentsOnDrawing", chosen.shown.currents);
}

}  // namespace kirvolt
