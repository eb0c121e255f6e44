#pragma once

#include <map>
#include <string>

namespace kirvolt::testing {

// Runs ngspice in batch mode on a netlist and returns every "name = value" line it printed
// (node voltages by node name, voltage-source currents as "<source>#branch"), names in lower
// case as ngspice prints them. The netlist should end with a .control block that runs "op"
// and "print all". Empty when ngspice could not be run.
std::map<std::string, double> runNgspice(const std::string& netlist);

}  // namespace kirvolt::testing
