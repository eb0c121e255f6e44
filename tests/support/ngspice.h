#pragma once

#include <map>
#include <optional>
#include <string>

namespace kirvolt::testing {

// Runs ngspice in batch mode on a netlist and returns every "name = value" line it printed
// (node voltages by node name, voltage-source currents as "<source>#branch"), names in lower
// case as ngspice prints them. The netlist should end with a .control block that runs "op"
// and "print all". Empty when ngspice could not be run.
std::map<std::string, double> runNgspice(const std::string& netlist);

// The same for a netlist as Kirvolt writes one, without a .control block: one that prints
// everything at fifteen digits goes in before its .end, with a probe source of 0 V.
std::map<std::string, double> runNgspiceOperatingPoint(const std::string& netlist);

// A node's voltage as ngspice prints it: "v(1)" for a name that is a number, the name in lower
// case for others; 0 for the ground node 0, and none when ngspice printed no such line.
std::optional<double> ngspiceVoltage(const std::map<std::string, double>& printed, const std::string& node);

// How far a result may lie from ngspice's: 1e-9 of the larger of the two, and for results
// near zero 1e-12 of the scale, the largest value of the circuit.
double agreementTolerance(double kirvolt, double spice, double scale);

}  // namespace kirvolt::testing
