// Files dropped on a window: what the drag carries, as local paths.
#pragma once

#include <string>
#include <vector>

class QMimeData;

// True when the drag carries at least one local file.
bool CarriesLocalFiles(const QMimeData& data);

// The local file paths (UTF-8) the drag carries, in order; other URLs are
// left out.
std::vector<std::string> DroppedLocalPaths(const QMimeData& data);
