// Shows a written picture in the system's picture viewer.
#pragma once

#include <string>

// Starts the picture viewer on path (handed over as one argument, blanks and
// all). When it cannot be started, says so in a box owned by the window
// that has the focus, and returns false.
bool OpenExternalViewer(const std::string& path);
