// Writing a file so that it is either the old one or the complete new one,
// never half of either: the bytes go to a temporary file in the same folder,
// which replaces the target by a rename once it is complete and on disk.
// Plain C++ without Qt, shared by the program and the libraries.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace platform {

// Calls write with a temporary file opened for writing in path's folder;
// write returns false when it fails. When it succeeds and the file is
// flushed to disk, the temporary file takes path's place (a symbolic link
// is followed and its target replaced). On any failure the temporary file
// is removed and whatever stood at path is left untouched; the result is
// false. The new file keeps the permission bits of the one it replaces, or
// gets 0666 less the umask. A target that exists but is not a regular file
// (a device such as /dev/null) cannot be replaced and is written in place.
bool WriteFileAtomically(const std::string& path, const std::function<bool(std::FILE* file)>& write);

}  // namespace platform
