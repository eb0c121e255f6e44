#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drawing/circuit_painter.h"
#include "support/recording_surface.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

std::vector<std::string> paintedTexts(const CKirvoltDoc& doc, const ValueLabels* labels)
{
    PaintOptions options = documentPaintOptions(doc);
    options.valueLabels = labels;
    testing::RecordingSurface surface;
    PaintView(doc, surface, options);
    std::vector<std::string> texts;
    for (const testing::Text& text : surface.texts) {
        texts.push_back(text.text);
    }
    return texts;
}

// A label given for a record stands where its value label stood, in its place among the
// texts; the other records keep theirs, and without labels nothing changes.
TEST(ValueLabels, AGivenLabelReplacesThatRecordsValueLabelAlone)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    const std::vector<std::string> own = paintedTexts(doc, nullptr);
    const ValueLabels none;
    EXPECT_EQ(paintedTexts(doc, &none), own);
    const auto source = std::find_if(doc.components.begin(), doc.components.end(),
                                     [](const auto& c) { return c->kindCode == KIND_VOLTAGE_SOURCE; });
    ASSERT_NE(source, doc.components.end());
    const ValueLabels labels = {{(*source)->recordId, "12.00 V"}};
    std::vector<std::string> expected = own;
    const auto at = std::find(expected.begin(), expected.end(), "12.0 V");
    ASSERT_NE(at, expected.end());
    *at = "12.00 V";
    EXPECT_EQ(paintedTexts(doc, &labels), expected);
}

}  // namespace
}  // namespace kirvolt
