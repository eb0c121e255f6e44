#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

#include "app/recent_file_list.h"
#include "document/display_settings.h"
#include "exercises/exercise_generator.h"

class QPrinter;

namespace kirvolt {

class CMainFrame;
class OpenCircuit;
class RecoveryStore;
struct RecoveredCircuit;

// The application: start-up, the recent-file list and the File commands that make or open
// circuits. Settings live under the company "Nodewerks" and the application "Kirvolt".
class CKirvoltApp : public QObject {
    Q_OBJECT

public:
    CKirvoltApp();
    ~CKirvoltApp() override;

    // Creates the main window, offers to reopen what a session that did not end properly left
    // unsaved, and carries out the command line: a file path opens that circuit, no argument
    // opens one new empty circuit unless circuits were reopened. False when the program
    // should end (the file could not be opened). The caller shows the window.
    bool InitInstance(const QStringList& arguments);

    CMainFrame& mainFrame() const { return *frame; }
    RecentFileList& recentFiles() { return recent; }
    DisplaySettings& displaySettings() { return display; }
    // The printer chosen with Print Setup; printing uses it.
    QPrinter& printer();
    RecoveryStore& recoveryStore() { return *recovery; }

    // A new empty circuit "Kirvolt<n>" in a new window.
    OpenCircuit* OnFileNew();
    // Asks for a difficulty and a seed and opens that exercise.
    OpenCircuit* OnFileNewExercise();
    // The exercise of the seed and counts as a new untitled circuit "Exercise <seed>" in a new
    // window, the status bar saying what to find; reported when the counts are refused.
    OpenCircuit* OpenExercise(std::uint64_t seed, const ExerciseCounts& counts);
    void OnFileOpen();
    // Opens the circuit in a new window, or activates its window when it is open already; a
    // SPICE netlist is drawn as a new untitled circuit. A file that cannot be read is
    // reported and opens no window.
    OpenCircuit* OpenDocumentFile(const QString& path);
    // An example of File > Examples as an untitled copy named after its file.
    OpenCircuit* OpenExample(const QString& path);
    void OnOpenRecentFile(int index);
    void OnFilePrintSetup();

private:
    std::shared_ptr<OpenCircuit> makeCircuit(const QString& title);
    // A circuit file read into a new circuit of that title, not yet shown; null when it cannot
    // be read, which is reported.
    std::shared_ptr<OpenCircuit> readCircuitFile(const QString& absolute, const QString& title);
    // Asks about each circuit left by sessions that died; true when any was reopened.
    bool offerRecovery();
    void reopenRecovered(const RecoveredCircuit& recovered);
    OpenCircuit* importNetlistFile(const QString& path);

    int untitledCount = 0;
    // Shown alike in every circuit window, from their start-up values at every start.
    DisplaySettings display;
    RecentFileList recent;
    std::unique_ptr<QPrinter> printSetup;
    std::unique_ptr<RecoveryStore> recovery;  // before the windows, whose circuits it watches
    std::unique_ptr<CMainFrame> frame;  // last, so that the windows go first
};

}  // namespace kirvolt
