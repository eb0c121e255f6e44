#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "document/change_history.h"
#include "document/circuit_file.h"
#include "editing/circuit_clipboard.h"
#include "editing/command_ids.h"
#include "editing/document_commands.h"
#include "editor_fixture.h"
#include "equations/node_equation_display.h"

namespace kirvolt {
namespace {

using testing::RecordingPort;
using testing::ScriptedDialogs;

using Bytes = std::vector<std::uint8_t>;

// A circuit's bytes and the zoom and resistor style it was shown with.
struct Shown {
    Bytes bytes;
    std::uint16_t gridSize = 0;
    std::uint16_t style = 0;
};

Shown shown(CKirvoltDoc& doc)
{
    return {circuitBytes(doc), doc.gridSize, doc.display().resistorStyle};
}

// The circuit's bytes as they would be at the present zoom and resistor style: zoom and style
// are no edits, so what an undo brings back takes the present ones.
Bytes atZoomAndStyle(const Shown& state, std::uint16_t gridSize, std::uint16_t style)
{
    if (state.gridSize == gridSize && state.style == style) {
        return state.bytes;
    }
    CKirvoltDoc doc;
    EXPECT_TRUE(readCircuitBytes(state.bytes, doc).ok);
    doc.gridSize = gridSize;
    doc.display().resistorStyle = style;
    doc.rescaleToGrid();
    return circuitBytes(doc);
}

// Where two circuits' bytes first differ, for a failure message: the record and its name, or
// the trailer.
std::string firstDifference(const Bytes& actual, const Bytes& expected)
{
    CKirvoltDoc a;
    CKirvoltDoc b;
    if (!readCircuitBytes(actual, a).ok || !readCircuitBytes(expected, b).ok) {
        return "unreadable bytes";
    }
    if (a.components.size() != b.components.size()) {
        return std::to_string(a.components.size()) + " records where " + std::to_string(b.components.size()) +
               " were expected";
    }
    for (std::size_t i = 0; i < a.components.size(); ++i) {
        CKirvoltDoc one;
        CKirvoltDoc other;
        one.components.push_back(cloneRecord(*a.components[i]));
        other.components.push_back(cloneRecord(*b.components[i]));
        if (circuitBytes(one) != circuitBytes(other)) {
            return "record " + std::to_string(i) + " (" + b.components[i]->name + " kind " +
                   std::to_string(b.components[i]->kindCode) + ")";
        }
    }
    return "the trailer";
}

// What undo and redo must give back: the circuit at every place in the history, and for each
// place the circuit a redo from there starts from (what happened after an undo is taken back).
struct HistoryModel {
    std::vector<Shown> states;
    std::vector<Shown> redoStarts;
    std::size_t position = 0;

    void restart(Shown now)
    {
        states = {std::move(now)};
        redoStarts.clear();
        position = 0;
    }
};

// A restless user: places, wires, joins, deletes, moves (and abandons moves), edits values,
// selects, drags, cuts and pastes, undoes and redoes, analyses, picks datum nodes, clicks
// nodes, zooms, restyles, saves and opens again, in random order. Wires mostly run between
// terminals that exist, so that many circuits close and solve. A watchful user checks every
// undo and redo against the bytes the circuit had at that place in its history; the others
// (cheaper, so that many more sequences run) only undo and redo everything at the end.
class RandomUser {
public:
    RandomUser(std::uint32_t seed, bool watchful) : state(seed), watchful(watchful)
    {
        open(std::make_unique<CKirvoltDoc>());
    }

    void act()
    {
        const int what = pick(0, 26);
        if (what == 19 || what == 20) {
            undo();
        } else if (what == 21) {
            redo();
        } else if (what >= 22) {
            editSelection();
        } else {
            actOnCircuit(what);
        }
    }

    // Undoing every step gives back the circuit as it was before its first edit, byte for
    // byte; redoing every step gives the circuit after the last.
    void expectUndoAndRedoOfEverything()
    {
        editor->cancelPendingMove();
        while (history.canRedo()) {
            ASSERT_NO_FATAL_FAILURE(redo());
        }
        const Shown last = watchful ? model.states.back() : shown(*doc);
        while (history.canUndo()) {
            ASSERT_NO_FATAL_FAILURE(undo());
        }
        EXPECT_EQ(circuitBytes(*doc), presentZoom(model.states.front()));
        while (history.canRedo()) {
            ASSERT_NO_FATAL_FAILURE(redo());
        }
        EXPECT_EQ(circuitBytes(*doc), presentZoom(last));
    }

    std::size_t stepsMade() const { return history.stepCount(); }
    int undone = 0;

private:
    // Every call of the editor, and every command, is followed by a look at the history: a new
    // step holds the circuit as it is now; anything else is no step and changes the circuit at
    // the place where the history stands.
    void track(std::size_t doneBefore)
    {
        if (!watchful) {
            // Only where undoing everything ends must be known.
            if (history.stepsDone() == 0 && !circuitEditor->movePending() && !circuitEditor->dragging()) {
                model.states[0] = shown(*doc);
            }
            return;
        }
        if (circuitEditor->movePending() || circuitEditor->dragging()) {
            // Out of the list or on its way: the step starts from the circuit before it.
            ASSERT_EQ(history.stepsDone(), doneBefore);
            return;
        }
        if (history.stepsDone() == doneBefore + 1) {
            model.states.resize(model.position + 1);
            model.redoStarts.resize(model.position + 1);
            model.redoStarts[model.position] = model.states[model.position];
            model.states.push_back(shown(*doc));
            ++model.position;
        } else {
            ASSERT_EQ(history.stepsDone(), doneBefore) << "only undo and redo go back and forth";
            model.states[model.position] = shown(*doc);
        }
        ASSERT_EQ(history.stepsDone(), model.position);
    }

    class TrackedCall {
    public:
        explicit TrackedCall(RandomUser& user) : user(user), doneBefore(user.history.stepsDone()) {}
        ~TrackedCall() { user.track(doneBefore); }
        CircuitEditor* operator->() const { return user.circuitEditor.get(); }

    private:
        RandomUser& user;
        std::size_t doneBefore;
    };

    // editor->leftRelease(p) calls the editor and then tracks the history.
    struct TrackedEditor {
        RandomUser& user;
        TrackedCall operator->() const { return TrackedCall(user); }
    };

    Bytes presentZoom(const Shown& state) const
    {
        return atZoomAndStyle(state, doc->gridSize, doc->display().resistorStyle);
    }

    void undo()
    {
        editor->cancelPendingMove();
        if (!history.canUndo()) {
            return;
        }
        history.undo(*doc);
        ++undone;
        if (!watchful) {
            return;
        }
        --model.position;
        const Bytes expected = presentZoom(model.states[model.position]);
        ASSERT_EQ(circuitBytes(*doc), expected)
            << "undo of step " << model.position + 1 << ": " << firstDifference(circuitBytes(*doc), expected);
    }

    void redo()
    {
        editor->cancelPendingMove();
        if (!history.canRedo()) {
            return;
        }
        history.redo(*doc);
        if (!watchful) {
            return;
        }
        model.states[model.position] = model.redoStarts[model.position];
        ++model.position;
        const Bytes expected = presentZoom(model.states[model.position]);
        ASSERT_EQ(circuitBytes(*doc), expected)
            << "redo of step " << model.position << ": " << firstDifference(circuitBytes(*doc), expected);
    }

    // Selection by click, Shift+click and rubber band; a drag of the selection; delete, copy
    // and paste into the same circuit at the pointer or beside the originals; rotate and mirror.
    void editSelection()
    {
        editor->cancelPendingMove();
        doc->mode = MODE_SELECT;
        switch (pick(0, 5)) {
        case 0: {
            const Point from = elementPoint();
            editor->pointerMove(from, from);
            editor->leftPress(from, pick(0, 2) == 0);
            const Point to = pick(0, 3) == 0 ? from : anyPoint();
            editor->pointerMove(to, to);
            editor->leftRelease(to);
            break;
        }
        case 1: {
            const Point from = anyPoint();
            const Point to = anyPoint();
            editor->pointerMove(from, from);
            editor->leftPress(from, pick(0, 3) == 0);
            editor->pointerMove(to, to);
            editor->leftRelease(to);
            break;
        }
        case 2:
            editor->deleteSelection(pick(0, 1) == 0 ? "Delete" : "Cut");
            break;
        case 3: {
            const Bytes copied = copiedCircuitBytes(*doc, editor->selectedRecords());
            EXPECT_EQ(editor->paste(copied, pick(0, 1) == 0 ? std::optional<Point>(anyPoint()) : std::nullopt), "");
            break;
        }
        case 4:
            editor->turn(pick(0, 1) == 0 ? Turn::Rotate : Turn::Mirror);
            break;
        default:
            if (pick(0, 1) == 0) {
                editor->selectAll();
            } else {
                editor->escape();
            }
            break;
        }
    }

    void actOnCircuit(int what)
    {
        switch (what) {
        case 0:
            placeComponent();
            break;
        case 1:
        case 2:
        case 3:
        case 16:
        case 17:
        case 18:
            drawALoop();
            break;
        case 4:
            wireBetweenTerminals();
            break;
        case 5:
            analyse();
            break;
        case 6:
            clickIn(KIND_JOINT, anyPoint());
            break;
        case 7:
            clickIn(MODE_DELETE, pick(0, 3) == 0 ? anyPoint() : elementPoint());
            break;
        case 8:
            move();
            break;
        case 9:
            editValue();
            break;
        case 10:
            analyse();
            break;
        case 11:
            command(pick(0, 1) == 0 ? ID_EQUATIONS_NODAL : ID_SHOW_EQUATION);
            clickJoint();
            break;
        case 12:
            command(ID_NODES_DATUM);
            clickJoint();
            break;
        case 13:
            command(pick(0, 1) == 0 ? ID_ZOOM_IN : ID_ZOOM_OUT);
            break;
        case 14:
            command(pick(0, 1) == 0 ? ID_VIEW_US_STYLE : ID_VIEW_EUROPEAN_STYLE);
            break;
        default:
            if (pick(0, 1) == 0) {
                saveAndOpen();
            } else {
                open(std::make_unique<CKirvoltDoc>());  // File > New
            }
            break;
        }
    }

public:
    // Every state the user leaves behind must be a file that reads back as it was written.
    void expectFileReloads() const
    {
        const std::vector<std::uint8_t> bytes = circuitBytes(*doc);
        CKirvoltDoc again;
        ASSERT_TRUE(readCircuitBytes(bytes, again).ok);
        const std::vector<std::uint8_t> reread = circuitBytes(again);
        const auto differ = std::mismatch(bytes.begin(), bytes.end(), reread.begin(), reread.end());
        EXPECT_TRUE(differ.first == bytes.end() && differ.second == reread.end())
            << "the file read back differs " << bytes.end() - differ.first << " bytes from its end"
            << " nodesValid " << doc->nodesValid << " nodes " << doc->nodeCount << " branches " << doc->branchCount
            << " records " << doc->components.size() << [this] {
                   std::string t;
                   for (const auto& c : doc->components) t += " " + std::to_string(c->kindCode) + ":" + std::to_string(c->startNode) + "-" + std::to_string(c->finishNode);
                   return t;
               }();
    }

    int solved = 0;
    int nodesChecked = 0;

private:
    int pick(int low, int high)
    {
        state = state * 1664525u + 1013904223u;
        return low + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(high - low + 1));
    }

    Point gridPoint(int x, int y) const { return {x * doc->gridSize, y * doc->gridSize}; }
    Point anyPoint() { return gridPoint(pick(0, 30), pick(0, 30)); }

    Point elementPoint()
    {
        if (doc->components.empty()) {
            return anyPoint();
        }
        const CComponent& c = *doc->components[static_cast<std::size_t>(pick(0, static_cast<int>(doc->components.size()) - 1))];
        return c.position;
    }

    Point terminalPoint()
    {
        std::vector<Point> terminals;
        for (const auto& c : doc->components) {
            if (isBranchKind(c->kindCode)) {
                terminals.push_back(toLogical(c->gridStart, doc->gridSize));
                terminals.push_back(toLogical(c->gridFinish, doc->gridSize));
            }
        }
        if (terminals.empty() || pick(0, 5) == 0) {
            return anyPoint();
        }
        return terminals[static_cast<std::size_t>(pick(0, static_cast<int>(terminals.size()) - 1))];
    }

    void open(std::unique_ptr<CKirvoltDoc> next)
    {
        circuitEditor.reset();
        doc = std::move(next);
        doc->setPort(&port);
        history.restart(*doc);
        model.restart(shown(*doc));
        circuitEditor = std::make_unique<CircuitEditor>(*doc, history, dialogs);
    }

    void click(Point p)
    {
        editor->pointerMove(p, p);
        editor->leftPress(p);
        editor->leftRelease(p);
    }

    void clickIn(int mode, Point p)
    {
        editor->cancelPendingMove();
        doc->mode = mode;
        click(p);
    }

    void command(int id)
    {
        if (id != ID_ZOOM_IN && id != ID_ZOOM_OUT && id != ID_VIEW_US_STYLE && id != ID_VIEW_EUROPEAN_STYLE) {
            editor->cancelPendingMove();
        }
        const std::size_t doneBefore = history.stepsDone();
        runDocumentCommand(*doc, id);
        track(doneBefore);
    }

    void placeComponent()
    {
        editor->cancelPendingMove();
        doc->mode = KIND_RESISTOR + pick(0, 2);
        const Point at = anyPoint();
        editor->pointerMove(at, at);
        for (int turns = pick(0, 3); turns > 0; --turns) {
            editor->rightRelease(at);
        }
        click(at);
        dialogs.componentAnswer = NameAndValue{"X" + std::to_string(pick(1, 9)), value()};
        clickIn(MODE_EDIT, at);
    }

    // A source and a resistor side by side, facing north, and the two wires that close them
    // into a loop, as a student draws a first circuit; sometimes beside the last loop, so
    // that loops share nodes.
    void drawALoop()
    {
        const int x = pick(0, 1) == 0 ? lastLoop + 6 : pick(1, 20);
        const int y = pick(4, 24);
        lastLoop = x;
        const int sourceMode = pick(0, 1) == 0 ? KIND_VOLTAGE_SOURCE : KIND_CURRENT_SOURCE;
        for (const auto& [mode, at] : {std::pair{sourceMode, x}, std::pair{int{KIND_RESISTOR}, x + 6}}) {
            editor->cancelPendingMove();
            doc->orientation = ORIENT_NORTH;
            doc->mode = mode;
            click(gridPoint(at, y));
            dialogs.componentAnswer = NameAndValue{pick(0, 1) == 0 ? "S" : "R", pick(0, 9) == 0 ? 0.0 : std::abs(value()) + 1};
            clickIn(MODE_EDIT, gridPoint(at, y));
        }
        for (const int end : {y - 3, y + 3}) {
            doc->mode = KIND_WIRE;
            editor->pointerMove(gridPoint(x, end), gridPoint(x, end));
            editor->leftPress(gridPoint(x, end));
            editor->pointerMove(gridPoint(x + 6, end), gridPoint(x + 6, end));
            editor->leftRelease(gridPoint(x + 6, end));
        }
    }

    double value()
    {
        const double values[] = {1, 2, 4.7, 10, 22, 100, 1000, -3, 0, 0.5, 12, 1e-3};
        return values[pick(0, 11)];
    }

    void wireBetweenTerminals()
    {
        editor->cancelPendingMove();
        doc->mode = KIND_WIRE + pick(0, 2);  // straight, or turning at either corner
        const Point from = terminalPoint();
        const Point to = pick(0, 1) == 0 ? terminalPoint() : Point{from.x, terminalPoint().y};
        editor->pointerMove(from, from);
        editor->leftPress(from);
        editor->pointerMove(to, to);
        editor->leftRelease(to);
    }

    void move()
    {
        editor->cancelPendingMove();
        doc->mode = MODE_MOVE;
        const Point from = elementPoint();
        editor->pointerMove(from, from);
        editor->leftPress(from);
        editor->leftRelease(from);
        if (pick(0, 3) == 0) {
            editor->cancelPendingMove();  // abandoned: Escape or another command
            return;
        }
        click(anyPoint());
    }

    void editValue()
    {
        dialogs.componentAnswer =
            pick(0, 4) == 0 ? std::nullopt : std::optional<NameAndValue>(NameAndValue{"Y", value()});
        dialogs.nodeAnswer = pick(0, 1) == 0 ? std::nullopt : std::optional<std::string>("n" + std::to_string(pick(1, 3)));
        clickIn(MODE_EDIT, elementPoint());
    }

    void clickJoint()
    {
        for (const auto& c : doc->components) {
            if (c->kindCode == KIND_JOINT && pick(0, 2) == 0) {
                click(c->position);
                return;
            }
        }
    }

    void saveAndOpen()
    {
        editor->cancelPendingMove();
        auto next = std::make_unique<CKirvoltDoc>();
        ASSERT_TRUE(readCircuitBytes(circuitBytes(*doc), *next).ok);
        open(std::move(next));
    }

    void analyse()
    {
        command(ID_ANALYSE_NODE_VOLTAGE);
        if (doc->analysisFailed == 0 && !doc->analysisResults.empty()) {
            ++solved;
            expectLawsHold();
        }
        doc->analysisFailed = 0;
    }

    double nodeVoltage(int node) const
    {
        for (const auto& c : doc->components) {
            if (c->kindCode == KIND_JOINT && c->startNode == node) {
                return c->startVoltage;
            }
        }
        ADD_FAILURE() << "no joint for node " << node;
        return 0.0;
    }

    // Ohm's law in every resistor, the node voltages in every record, and Kirchhoff's current
    // law at every node.
    void expectLawsHold()
    {
        std::vector<double> leaving(static_cast<std::size_t>(doc->nodeCount) + 1, 0.0);
        std::vector<double> scale(leaving.size(), 0.0);
        for (const auto& element : doc->components) {
            const CComponent& c = *element;
            if (c.kindCode == KIND_JOINT || isWireKind(c.kindCode)) {
                continue;
            }
            ASSERT_GE(c.startNode, 1);
            ASSERT_LE(c.finishNode, doc->nodeCount);
            EXPECT_NEAR(c.startVoltage, nodeVoltage(c.startNode), 1e-9 * (1 + std::fabs(c.startVoltage)));
            EXPECT_NEAR(c.finishVoltage, nodeVoltage(c.finishNode), 1e-9 * (1 + std::fabs(c.finishVoltage)));
            if (c.kindCode == KIND_RESISTOR) {
                EXPECT_GE(c.pd, 0.0) << c.label;
                EXPECT_NEAR(c.current, c.pd / c.value, 1e-12 + 1e-9 * std::fabs(c.current)) << c.label;
            }
            if (c.kindCode == KIND_CURRENT_SOURCE) {
                EXPECT_EQ(c.current, c.value) << c.label;
            }
            if (c.startNode != c.finishNode) {
                leaving[static_cast<std::size_t>(c.startNode)] += c.current;
                leaving[static_cast<std::size_t>(c.finishNode)] -= c.current;
            }
            scale[static_cast<std::size_t>(c.startNode)] += std::fabs(c.current);
            scale[static_cast<std::size_t>(c.finishNode)] += std::fabs(c.current);
        }
        for (int node = 1; node <= doc->nodeCount; ++node) {
            EXPECT_NEAR(leaving[static_cast<std::size_t>(node)], 0.0, 1e-12 + 1e-9 * scale[static_cast<std::size_t>(node)])
                << "node " << node;
            ++nodesChecked;
        }
    }

    std::uint32_t state;
    bool watchful;
    int lastLoop = 1;
    RecordingPort port;
    ScriptedDialogs dialogs;
    std::unique_ptr<CKirvoltDoc> doc;
    ChangeHistory history;
    HistoryModel model;
    std::unique_ptr<CircuitEditor> circuitEditor;
    TrackedEditor editor{*this};
};

TEST(RandomUser, NoSequenceOfCommandsBreaksTheCircuitOrItsHistory)
{
    int solved = 0;
    int nodes = 0;
    std::size_t steps = 0;
    int undone = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        RandomUser user(seed, seed <= 40);
        for (int step = 0; step < 40; ++step) {
            user.act();
            if (step % 4 == 3) {
                ASSERT_NO_FATAL_FAILURE(user.expectFileReloads()) << "seed " << seed << ", step " << step;
            }
            if (::testing::Test::HasFailure()) {
                FAIL() << "seed " << seed << ", step " << step;
            }
        }
        steps += user.stepsMade();
        ASSERT_NO_FATAL_FAILURE(user.expectUndoAndRedoOfEverything()) << "seed " << seed;
        solved += user.solved;
        nodes += user.nodesChecked;
        undone += user.undone;
    }
    // Enough of the random circuits closed and solved for the laws to have been tested, and
    // enough steps made and undone for the history.
    EXPECT_GE(solved, 30);
    EXPECT_GE(nodes, 60);
    EXPECT_GE(steps, 5000u);
    EXPECT_GE(undone, 5000);
}

}  // namespace
}  // namespace kirvolt
