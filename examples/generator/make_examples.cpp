// Writes every example circuit and the index the program reads their titles and descriptions
// from: make_examples <directory>.
#include <fstream>
#include <iostream>

#include "document/circuit_file.h"
#include "support/example_circuits.h"

int main(int argc, char** argv)
{
    using namespace kirvolt;
    if (argc != 2) {
        std::cerr << "usage: make_examples <directory>\n";
        return 2;
    }
    const std::string directory = argv[1];
    std::ofstream index(directory + "/examples.txt", std::ios::binary);
    index << "# file\ttitle\tdescription, one example a line, in the order of the File > Examples menu\n";
    for (const testing::ExampleCircuit& example : testing::exampleCircuits()) {
        CKirvoltDoc doc;
        testing::buildExample(example, doc);
        const FileResult saved = saveCircuit(doc, directory + "/" + example.fileName);
        if (!saved.ok) {
            std::cerr << example.fileName << ": " << saved.message << "\n";
            return 1;
        }
        index << example.fileName << '\t' << example.title << '\t' << example.description << '\n';
    }
    return index.good() ? 0 : 1;
}
