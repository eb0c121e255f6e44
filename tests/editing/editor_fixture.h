#pragma once

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "support/recording_port.h"
#include "editing/circuit_editor.h"

namespace kirvolt::testing {

// Element dialogs that record what they were shown and answer from a script.
class ScriptedDialogs final : public ElementDialogs {
public:
    void showComponentInfo(const ComponentProperties& properties) override { componentInfo.push_back(properties); }
    void showNodeInfo(const NodeProperties& properties) override { nodeInfo.push_back(properties); }
    std::optional<NameAndValue> editComponent(const NameAndValue& current, const std::string& unit) override
    {
        edited.push_back(current);
        units.push_back(unit);
        return componentAnswer;
    }
    std::optional<std::string> editNodeName(const std::string& current) override
    {
        renamed.push_back(current);
        return nodeAnswer;
    }

    std::vector<ComponentProperties> componentInfo;
    std::vector<NodeProperties> nodeInfo;
    std::vector<NameAndValue> edited;
    std::vector<std::string> units;
    std::vector<std::string> renamed;
    std::optional<NameAndValue> componentAnswer;
    std::optional<std::string> nodeAnswer;
};

// A fresh document at grid size 20 with an editor on it. Points are given in grid steps.
class EditorTest : public ::testing::Test {
protected:
    EditorTest() { doc.setPort(&port); }

    static Point at(int x, int y) { return {x * 20, y * 20}; }

    // A press and release at one point after moving there, as a click makes it.
    void click(Point p)
    {
        editor.pointerMove(p, p);
        editor.leftPress(p);
        editor.leftRelease(p);
    }
    void place(int mode, Point p)
    {
        doc.mode = mode;
        click(p);
    }
    void drag(Point from, Point to)
    {
        editor.pointerMove(from, from);
        editor.leftPress(from);
        editor.pointerMove(to, to);
        editor.leftRelease(to);
    }
    std::vector<int> kinds() const
    {
        std::vector<int> result;
        for (const auto& element : doc.components) {
            result.push_back(element->kindCode);
        }
        return result;
    }

    RecordingPort port;
    ScriptedDialogs dialogs;
    CKirvoltDoc doc;
    ChangeHistory history;
    CircuitEditor editor{doc, history, dialogs};
};

}  // namespace kirvolt::testing
