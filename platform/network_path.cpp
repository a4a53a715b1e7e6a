#include "platform/network_path.h"

#include <sys/vfs.h>

namespace platform {
namespace {

constexpr long long kNfsMagic = 0x6969;
constexpr long long kSmbMagic = 0x517B;
constexpr long long kSmb2Magic = 0xFE534D42;
constexpr long long kCifsMagic = 0xFF534D42;

}  // namespace

bool IsNetworkFileSystemType(long long type) {
    // f_type is a signed word on some platforms: compare its low 32 bits.
    const long long low = type & 0xFFFFFFFFLL;
    return low == kNfsMagic || low == kSmbMagic || low == kSmb2Magic || low == kCifsMagic;
}

bool IsNetworkPath(const std::string& path) {
    if (path.size() >= 2 && path[0] == '/' && path[1] == '/') return true;
    struct statfs info {};
    if (path.empty() || statfs(path.c_str(), &info) != 0) return false;
    return IsNetworkFileSystemType(static_cast<long long>(info.f_type));
}

}  // namespace platform
