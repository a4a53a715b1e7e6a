// The three report files' contents (UTF-8 with CR LF line ends; written as
// Shift-JIS): the result record, the inclined-axis table and the expanded
// segment data.
#pragma once

#include <cstdint>
#include <string>

#include "data/calc_results.h"
#include "osmeca/osmeca.h"

// "CalRslt.txt": at R exactly 1 the shown values; otherwise each line also
// carries the source-scale value in parentheses.
std::string CalcReportText(const CalcResults& results);

// "InclRslt.txt": heading, column heading, rule, 61 rows of three blocks.
std::string InclinedReportText(const InclinedAxisTable& table);

// The loops of the expanded outline: one closing (auxiliary) record ends each.
int LoopCountOf(const SectionSegment* segments, int32_t segmentCount);

// "DetailDat.txt": heading and one line per segment record; when the outline
// has several loops, a line naming the loop stands before its records.
std::string DetailReportText(const SectionSegment* segments, int32_t segmentCount);
