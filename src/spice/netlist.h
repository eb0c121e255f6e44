#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kirvolt {

// One two-terminal element between numbered nodes. Its start terminal is where a voltage
// source is positive and where a current source's current enters it, as for the records.
struct NetlistElement {
    std::uint16_t kind = 0;
    std::string name;  // the Kirvolt name: "R1", "E1", "J1", or whatever the netlist called it
    int start = 0;
    int finish = 0;
    double value = 0.0;
};

// A circuit as a list of elements between named nodes, the form SPICE reads and writes and the
// automatic layout draws. Node 0 is the datum.
struct Netlist {
    std::string title;
    std::vector<std::string> notes;  // said once, before the elements
    std::vector<std::string> nodes;  // by node index
    std::vector<NetlistElement> elements;
};

}  // namespace kirvolt
