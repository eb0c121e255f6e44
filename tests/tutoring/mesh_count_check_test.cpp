#include <gtest/gtest.h>

#include "tutoring/mesh_count_check.h"

namespace kirvolt {
namespace {

TEST(MeshCountCheck, RightCountIsPraisedAndAWrongOneToldHowItFollowsFromBranchesAndNodes)
{
    const NodeCountVerdict right = checkMeshCount(3, 7, 5);
    EXPECT_TRUE(right.correct);
    EXPECT_EQ(right.message, "Terrific! You got it.\n\nThere are a total of  3 meshes in your circuit.\n\n"
                             "That means you have to find  3 mesh currents.\n\nGo ahead with your analysis.");
    for (const int counted : {0, 2, 4, 12}) {
        const NodeCountVerdict wrong = checkMeshCount(counted, 7, 5);
        EXPECT_FALSE(wrong.correct);
        EXPECT_EQ(wrong.message, "Sorry,\n\nthere are not " + std::to_string(counted) +
                                     " meshes in your circuit.\n\nIt has  7  branches and  5  nodes, and a circuit "
                                     "drawn\nwithout crossings has\n\n   meshes  =  branches - nodes + 1,\n\nplease "
                                     "check your circuit carefully\n\nand try again.");
    }
}

}  // namespace
}  // namespace kirvolt
