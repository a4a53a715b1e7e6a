// Writing the program's text files: UTF-8 inside, Shift-JIS (CP932) on disk.
#pragma once

#include <string>

// Writes text converted to CP932 (characters CP932 cannot hold are left
// out) as path, through a temporary file that replaces it when complete.
// False when it cannot be written; a file already at path then stays whole.
bool WriteCp932TextFile(const std::string& path, const std::string& utf8Text);

// dir and name joined with one slash.
std::string JoinPath(const std::string& dir, const std::string& name);

// The folder part of path (without the trailing slash; "/" for the root,
// empty when path has no folder).
std::string FolderOfPath(const std::string& path);

// The whole file at path as bytes; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
