// The picture file named on the program's command line.
#pragma once

#include <string>
#include <vector>

// The first argument after the program's name that is not an option, made
// absolute against the current folder; empty when there is none. Qt has
// taken its own options out before this looks.
std::string CommandLineFile(const std::vector<std::string>& arguments);
