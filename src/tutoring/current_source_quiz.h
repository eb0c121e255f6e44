#pragma once

#include <string>
#include <vector>

#include "analysis/mesh_system.h"
#include "document/circuit_document.h"
#include "document/highlight.h"
#include "equations/mesh_equation.h"

namespace kirvolt {

// What the student is looking for when clicking inside a mesh.
enum class MeshClaim {
    knownCurrent,  // a mesh whose current a current source fixes
    joinedPair,    // two meshes a current source joins (clicked one after the other)
};

// The tutor's answer to one click: whether it found something, what it says, and what it
// marks on the drawing (the sources concerned, or the mesh clicked).
struct MeshClickReply {
    bool found = false;
    std::string text;
    Highlight highlight;
};

// The step of the Mesh Current Tutor in which the student deals with the current sources by
// clicking inside meshes: each mesh that a source on the outside of the drawing fixes, and each
// pair of meshes that a source between them joins. It keeps what has been found and the first
// mesh of a pair while the second is awaited. The circuit, its mesh system and equations must
// outlive it.
class CurrentSourceQuiz {
public:
    CurrentSourceQuiz(const CKirvoltDoc& doc, const MeshSystem& system, const std::vector<MeshEquation>& equations);

    // The circuit has no current source, so there is nothing to find.
    bool empty() const { return known.empty() && pairs.empty(); }
    // Every mesh and every pair has been found.
    bool done() const;
    // "Found:  1 of 1  meshes whose current a source fixes,  0 of 1  pairs of meshes joined by
    // a current source."
    std::string progress() const;

    // A click at the logical point, taken as the claim says.
    MeshClickReply click(Point logical, MeshClaim claim);

private:
    struct KnownMesh {
        int mesh;
        std::vector<int> sources;
        bool found = false;
    };
    struct JoinedPair {
        int first;
        int second;
        std::vector<int> sources;
        bool found = false;
    };

    MeshClickReply judge(Point logical, MeshClaim claim);
    MeshClickReply claimKnown(int mesh);
    MeshClickReply claimPair(int first, int second);
    std::string sourceNames(const std::vector<int>& sources) const;
    std::string meaningOf(const JoinedPair& pair) const;
    Highlight sourceMarks(const std::vector<int>& sources) const;
    Highlight meshMarks(int mesh) const;

    const CKirvoltDoc& doc;
    const MeshSystem& system;
    const std::vector<MeshEquation>& equations;
    std::vector<KnownMesh> known;
    std::vector<JoinedPair> pairs;
    int chosen = 0;  // the first mesh of a pair, 0 while none is chosen
};

}  // namespace kirvolt
