#pragma once

class QMenu;
class QWidget;

namespace kirvolt {

// View > Language: "System Default" or one of the known languages by its own name, checked as
// the settings hold it. A choice is saved for the next start, which the user is told.
QMenu* createLanguageMenu(QWidget* parent);

}  // namespace kirvolt
