// The light across a figure and its background: each class of levels (the
// dark one and the bright one) as a plane over the picture, so that light
// falling off to one side (a lamp beside the object) moves neither the
// threshold between the classes nor the edges found with them.
#pragma once

#include "trace/grey_levels.h"

namespace trace {

// Fits both classes' planes over the dots x0 .. x1 - 1, y0 .. y1 - 1: the
// dots sorted by the threshold half way between the planes, each plane
// refitted to its own dots, those far from it (edge dots, specks) left out,
// a few times over. Starts from the flat levels in levels; keeps them flat
// when the planes would bring the classes too close anywhere in the
// window, or when they are flat within a few levels (even light: flat
// stays true). The planes keep the origin they had.
void FitLevelPlanes(const GreyPicture& picture, int x0, int y0, int x1, int y1, FigureLevels& levels);

}  // namespace trace
