// Whether a path lies on another machine: the program refuses to be trusted
// with its files there and warns at start-up.
#pragma once

#include <string>

namespace platform {

// True for a file-system type number (statfs f_type) of a network file
// system: NFS, SMB, SMB2 or CIFS.
bool IsNetworkFileSystemType(long long type);

// True when path begins with "//" or lies on a network file system.
bool IsNetworkPath(const std::string& path);

}  // namespace platform
