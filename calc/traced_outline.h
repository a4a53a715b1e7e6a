// veldrio-calc --trace: the outline traced from a seed dot of a picture.
#pragma once

#include <string>

class SampleTable;
namespace plane {
struct PlaneSetting;
}

// Opens the picture (JPEG, BMP, GIF or PNG) at 100 % and traces the figure
// around the dot (x, y) into table. Returns 0 when traced, 1 when no figure
// is found there, 2 when the picture cannot be read; message then says
// what went wrong, one line for standard error. A plane (when set) is the
// picture's: the figure is fitted in it.
int ReadTracedOutline(const std::string& picture, int x, int y, SampleTable& table, std::string& message,
                      const plane::PlaneSetting& plane);

// The table's rows as lines "type,x,y"; a loop break is "9,0,0".
std::string TracedRowsText(const SampleTable& table);

// The table's rows as a JSON list of [type, x, y] numbers; a loop break is [9, 0, 0].
std::string TracedRowsJson(const SampleTable& table);
