#pragma once

#include <functional>

#include "document/circuit_document.h"
#include "document/highlight.h"
#include "tutor/tutor_dialogs.h"
#include "tutoring/modified_nodal_windows.h"

class QWidget;

namespace kirvolt {

// What the drawing marks while a window is up; none when null.
using ModifiedNodalMark = std::function<void(const Highlight*)>;

// The tutor's windows as modal dialogs over the main window, each kept clear of the circuit,
// the element each page adds marked on the drawing while it is up.
class ModifiedNodalDialogs final : public ModifiedNodalWindows {
public:
    ModifiedNodalDialogs(QWidget* parent, ModifiedNodalMark mark, ExplainedArea explained);

    bool showNotes() override;
    bool showPage(const ModifiedNodalLesson& lesson, const ModifiedNodalPage& page) override;

private:
    bool accepted(TutorDialog& dialog) const;

    QWidget* parent;
    ModifiedNodalMark mark;
    ExplainedArea explained;
};

// The "Modified Nodal Analysis Tutor" command on the active circuit: the tutor's windows stand
// over parent (the main window); messages of the analysis go through the document's port.
void runModifiedNodalAnalysisTutor(CKirvoltDoc& doc, QWidget* parent, ModifiedNodalMark mark = [](const Highlight*) {},
                                   ExplainedArea explained = {});

}  // namespace kirvolt
