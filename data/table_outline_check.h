// The outline check for rows that reach the table without a picture behind
// them (a file read back, a drawing), and the words for what it finds.
#pragma once

#include <string>

#include "osmeca/outline_check.h"

class SampleTable;
struct SamplePoint;

// True when both coordinate texts of row read as numbers.
bool RowTextsAreNumbers(const SamplePoint& row);

// The table's rows below count through the geometric outline check, with
// no bounds. A coordinate text that is no number counts as its integer.
osmeca::OutlineFaultAt CheckTableOutline(const SampleTable& table);

// What fault says, one line for a message; empty for no fault.
std::string OutlineFaultText(const osmeca::OutlineFaultAt& fault);
