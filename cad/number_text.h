// Numbers as the drawings' texts: the shortest decimal that reads back as
// the same double, with a '.' whatever the locale.
#pragma once

#include <string>

namespace cad {

std::string NumberText(double value);

}  // namespace cad
