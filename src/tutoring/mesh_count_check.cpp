#include "tutoring/mesh_count_check.h"

#include <string>

namespace kirvolt {

NodeCountVerdict checkMeshCount(int counted, int branches, int nodes)
{
    const int meshCount = branches - nodes + 1;
    if (counted == meshCount) {
        return {true, "Terrific! You got it.\n\nThere are a total of  " + std::to_string(meshCount) +
                          " meshes in your circuit.\n\nThat means you have to find  " + std::to_string(meshCount) +
                          " mesh currents.\n\nGo ahead with your analysis."};
    }
    return {false, "Sorry,\n\nthere are not " + std::to_string(counted) + " meshes in your circuit.\n\nIt has  " +
                       std::to_string(branches) + "  branches and  " + std::to_string(nodes) +
                       "  nodes, and a circuit drawn\nwithout crossings has\n\n   meshes  =  branches - nodes + 1,"
                       "\n\nplease check your circuit carefully\n\nand try again."};
}

}  // namespace kirvolt
