#pragma once

// The analysis of a drawn circuit: node extraction, node numbering and the datum node, and
// macro nodes.
#include "analysis/macro_node.h"
#include "analysis/node_extraction.h"
#include "analysis/node_numbering.h"
