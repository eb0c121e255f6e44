#include "tutoring/mesh_count_check.h"

#include <string>

#include "document/wording.h"

namespace kirvolt {

NodeCountVerdict checkMeshCount(int counted, int branches, int nodes)
{
    const int meshCount = branches - nodes + 1;
    if (counted == meshCount) {
        return {true, fillIn(wording("MeshCount", "Terrific! You got it.\n\nThere are a total of  %1 meshes in your circuit.\n\n"
                                                  "That means you have to find  %1 mesh currents.\n\nGo ahead with your analysis."),
                             {std::to_string(meshCount)})};
    }
    return {false, fillIn(wording("MeshCount", "Sorry,\n\nthere are not %1 meshes in your circuit.\n\nIt has  %2  branches and  %3  "
                                               "nodes, and a circuit drawn\nwithout crossings has\n\n   meshes  =  branches - nodes + 1,"
                                               "\n\nplease check your circuit carefully\n\nand try again."),
                          {std::to_string(counted), std::to_string(branches), std::to_string(nodes)})};
}

}  // namespace kirvolt
