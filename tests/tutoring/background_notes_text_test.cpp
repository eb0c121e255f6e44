#include <gtest/gtest.h>

#include <string_view>

#include "tutoring/background_notes_text.h"

namespace kirvolt {
namespace {

struct Paragraph {
    std::size_t length;
    std::string_view beginning;
    std::string_view ending;
};

TEST(BackgroundNotesText, ParagraphsHaveTheirLengthsBeginningsAndEndings)
{
    const Paragraph expected[] = {
        {494,
         "For a network with  'n'  nodes and  'b'  branches excited by active elements, the unknown quantities of "
         "interest are the branch voltages and the branch currents",
         "get the current and voltage information about the circuit.\n"},
        {1509, " These unknowns may either be branch voltage or branch current of the elements.",
         "independent equations for the  'n-1' unknown node voltages."},
        {1657,
         "  When we write KCL equation for a node, we equate the sum of currents leaving the node via resistors "
         "connected to this node to the sum of currents entering the node from Current Sources",
         "The resulting value should be equal to the algebraic sum of Current Sources entering the concerned node."},
    };
    const auto& paragraphs = backgroundNoteParagraphs();
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(paragraphs[i].size(), expected[i].length);
        EXPECT_TRUE(paragraphs[i].starts_with(expected[i].beginning));
        EXPECT_TRUE(paragraphs[i].ends_with(expected[i].ending));
    }
}

TEST(BackgroundNotesText, NotesAreTheParagraphsInOrder)
{
    const std::string text = backgroundNotesText();
    EXPECT_EQ(text.size(), 3660u);
    const auto& paragraphs = backgroundNoteParagraphs();
    EXPECT_EQ(text, std::string(paragraphs[0]) + std::string(paragraphs[1]) + std::string(paragraphs[2]));
}

}  // namespace
}  // namespace kirvolt
