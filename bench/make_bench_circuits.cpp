// Writes the generated circuits of the side-by-side comparison into a folder, each as a .kvt
// file and as a SPICE netlist of the same circuit:
//   make_bench_circuits FOLDER grid N... chain M...
// gives FOLDER/grid_N.kvt and grid_N.cir for each N, FOLDER/chain_M.kvt and chain_M.cir for
// each M.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "document/circuit_file.h"
#include "support/generated_circuits.h"

namespace {

using namespace kirvolt;

bool writeCircuit(const std::string& folder, const std::string& name, CKirvoltDoc& doc,
                  const testing::GeneratedParts& parts)
{
    const std::string stem = folder + "/" + name;
    if (const FileResult saved = saveCircuit(doc, stem + ".kvt"); !saved.ok) {
        std::cerr << stem << ".kvt: " << saved.message << '\n';
        return false;
    }
    std::ofstream netlist(stem + ".cir");
    netlist << testing::spiceNetlist(parts);
    if (!netlist) {
        std::cerr << stem << ".cir: cannot be written\n";
        return false;
    }
    std::cout << stem << '\n';
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::cerr << "usage: make_bench_circuits FOLDER grid N... chain M...\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::string family;
    for (int i = 2; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "grid" || word == "chain") {
            family = word;
            continue;
        }
        const int size = std::atoi(word.c_str());
        if (family.empty() || size < 2) {
            std::cerr << "not a family and a size of at least 2: " << word << '\n';
            return 2;
        }
        CKirvoltDoc doc;
        const testing::GeneratedParts parts =
            family == "grid" ? testing::drawGrid(doc, size) : testing::drawSourceChain(doc, size);
        if (!writeCircuit(folder, family + "_" + word, doc, parts)) {
            return 1;
        }
    }
    return 0;
}
