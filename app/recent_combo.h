// The recent-image drop-down list of the main dialog.
#pragma once

#include <string>
#include <vector>

class QComboBox;

// Empties the list, adds every non-empty path (UTF-8) in list order and
// selects item 0. Filling does not count as a choice by the user.
void FillRecentCombo(QComboBox& combo, const std::vector<std::string>& paths);
