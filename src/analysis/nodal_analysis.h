#pragma once

// The analysis of a drawn circuit: node extraction, node numbering and the datum node, the
// circuit rule checks, the nodal solver that writes results into the records, macro nodes,
// and the text of the results pane.
#include "analysis/circuit_solvability.h"
#include "analysis/macro_node.h"
#include "analysis/nodal_solver.h"
#include "analysis/node_names.h"
#include "analysis/node_extraction.h"
#include "analysis/node_numbering.h"
#include "analysis/results_text.h"
#include "analysis/rule_checks.h"
#include "analysis/stored_results.h"
