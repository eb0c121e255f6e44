#pragma once

#include "document/drawn_numbers.h"

namespace kirvolt {

// Analyse as I Draw and the numbers on the drawing, as the user last chose them. Analyse as I
// Draw is off at first, so that a student works a circuit out before Kirvolt answers.
struct LiveResultsSettings {
    bool analyseAsIDraw = false;
    NumbersShown shown;
};

LiveResultsSettings loadLiveResultsSettings();
void saveLiveResultsSettings(const LiveResultsSettings& settings);

}  // namespace kirvolt
