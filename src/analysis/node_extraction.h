#pragma once

#include "document/circuit_document.h"

namespace kirvolt {

// How meters take part in the nodes. For the analysis an ammeter ties its terminals as a wire
// does and a voltmeter makes no node of its own: the nodes are those of the circuit without
// its meters, and a voltmeter whose terminal lies on no node gets node 0 there. A netlist
// for SPICE keeps each meter between nodes of its own, an ammeter being a 0 V source there.
enum class MeterNodes { joined, ofTheirOwn };

// Whether the analysis's nodes tie the record's two ends together as one node.
constexpr bool tiesItsEnds(int kind) { return isWireKind(kind) || kind == KIND_AMMETER; }

// Turns the drawing into electrical nodes: removes every joint, ties wire ends and terminals
// that share a grid point into numbered nodes, makes a fresh joint at every node point and
// writes startNode/finishNode into every other record. Returns nodeCount.
int buildNodes(CKirvoltDoc& doc, MeterNodes meters = MeterNodes::joined);

}  // namespace kirvolt
