#include "data/picture_scales.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "data/text_file.h"
#include "platform/atomic_write.h"
#include "res/format_text.h"

namespace {

constexpr char FILE_NAME[] = "ScaleKol.txt";

constexpr char PLANE_PREFIX[] = "plane ";

bool UsableScale(double v) { return std::isfinite(v) && v > 0; }

bool UsablePath(const std::string& path) { return !path.empty() && path.find('\n') == std::string::npos; }

template <class Value>
using Entries = std::vector<std::pair<std::string, Value>>;

template <class Value>
Value FindIn(const Entries<Value>& entries, const std::string& picturePath) {
    for (const auto& [path, value] : entries)
        if (path == picturePath) return value;
    return {};
}

// The picture's value put first, or forgotten when not usable.
template <class Value>
void PutFirst(Entries<Value>& entries, const std::string& picturePath, const Value& value, bool usable) {
    std::erase_if(entries, [&](const auto& entry) { return entry.first == picturePath; });
    if (!usable || !UsablePath(picturePath)) return;
    entries.insert(entries.begin(), {picturePath, value});
    if (entries.size() > PictureScales::MAX_ENTRIES) entries.resize(PictureScales::MAX_ENTRIES);
}

}  // namespace

PictureScales PictureScales::FromText(const std::string& text) {
    PictureScales scales;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || tab + 1 >= line.size()) continue;
        const std::string number = line.substr(0, tab);
        if (number.rfind(PLANE_PREFIX, 0) == 0) {
            plane::PlaneSetting plane;
            const std::string path = line.substr(tab + 1);
            if (plane::PlaneSetting::FromText(number.substr(sizeof PLANE_PREFIX - 1), plane) &&
                !scales.FindPlane(path).IsSet() && scales.planes_.size() < MAX_ENTRIES)
                scales.planes_.emplace_back(path, plane);
            continue;
        }
        char* end = nullptr;
        const double value = std::strtod(number.c_str(), &end);
        if (end != number.c_str() + number.size() || !UsableScale(value)) continue;
        const std::string path = line.substr(tab + 1);
        if (scales.Find(path) == 0 && scales.entries_.size() < MAX_ENTRIES) scales.entries_.emplace_back(path, value);
    }
    return scales;
}

PictureScales PictureScales::Load(const std::string& file) {
    std::string text;
    return ReadWholeFile(file, text) ? FromText(text) : PictureScales();
}

double PictureScales::Find(const std::string& picturePath) const { return FindIn(entries_, picturePath); }

void PictureScales::Set(const std::string& picturePath, double mmPerDot) {
    PutFirst(entries_, picturePath, mmPerDot, UsableScale(mmPerDot));
}

plane::PlaneSetting PictureScales::FindPlane(const std::string& picturePath) const {
    return FindIn(planes_, picturePath);
}

void PictureScales::SetPlane(const std::string& picturePath, const plane::PlaneSetting& plane) {
    PutFirst(planes_, picturePath, plane, plane.IsSet());
}

std::string PictureScales::Text() const {
    std::string out;
    for (const auto& [path, value] : entries_) out += FormatText("%.17g\t", value) + path + "\n";
    for (const auto& [path, plane] : planes_) out += PLANE_PREFIX + plane.ToText() + "\t" + path + "\n";
    return out;
}

bool PictureScales::Save(const std::string& file) const {
    const std::string text = Text();
    return platform::WriteFileAtomically(
        file, [&](std::FILE* out) { return std::fwrite(text.data(), 1, text.size(), out) == text.size(); });
}

std::string PictureScalesPath(const std::string& settingsPath) {
    return JoinPath(FolderOfPath(settingsPath), FILE_NAME);
}

double StoredPictureScale(const std::string& settingsPath, const std::string& picturePath) {
    if (picturePath.empty() || settingsPath.empty()) return 0;
    return PictureScales::Load(PictureScalesPath(settingsPath)).Find(picturePath);
}

bool StorePictureScale(const std::string& settingsPath, const std::string& picturePath, double mmPerDot) {
    if (picturePath.empty() || settingsPath.empty()) return false;
    const std::string file = PictureScalesPath(settingsPath);
    PictureScales scales = PictureScales::Load(file);
    scales.Set(picturePath, mmPerDot);
    return scales.Save(file);
}

plane::PlaneSetting StoredPicturePlane(const std::string& settingsPath, const std::string& picturePath) {
    if (picturePath.empty() || settingsPath.empty()) return {};
    return PictureScales::Load(PictureScalesPath(settingsPath)).FindPlane(picturePath);
}

bool StorePicturePlane(const std::string& settingsPath, const std::string& picturePath,
                       const plane::PlaneSetting& plane) {
    if (picturePath.empty() || settingsPath.empty()) return false;
    const std::string file = PictureScalesPath(settingsPath);
    PictureScales scales = PictureScales::Load(file);
    scales.SetPlane(picturePath, plane);
    return scales.Save(file);
}
