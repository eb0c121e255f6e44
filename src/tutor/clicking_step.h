#pragma once

#include <functional>

#include <QList>

#include "document/geometry.h"
#include "tutor/mesh_source_dialog.h"
#include "tutor/tutor_dialogs.h"

class QWidget;

namespace kirvolt {

class ScreenPlacedDialog;

// Hands the drawing's left clicks to take until called with an empty function, and gives the
// widgets that take them: besides the step's window, they alone stay within the student's reach.
using ClickRoute = std::function<QList<QWidget*>(std::function<void(Point)> take)>;

// Runs a tutor's step whose window takes clicks on the drawing (`takeClick`): the window
// stands without modality, kept clear of the circuit, and an InputGate keeps the rest of the
// main window out of reach until it closes. True when the student went on.
bool runClickingStep(ScreenPlacedDialog& dialog, const std::function<void(Point)>& takeClick, const ClickRoute& takeClicks,
                     const ExplainedArea& explained, const MarkFunction& mark);

}  // namespace kirvolt
