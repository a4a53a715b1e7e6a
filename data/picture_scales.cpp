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

bool UsableScale(double v) { return std::isfinite(v) && v > 0; }

}  // namespace

PictureScales PictureScales::FromText(const std::string& text) {
    PictureScales scales;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line) && scales.entries_.size() < MAX_ENTRIES) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || tab + 1 >= line.size()) continue;
        const std::string number = line.substr(0, tab);
        char* end = nullptr;
        const double value = std::strtod(number.c_str(), &end);
        if (end != number.c_str() + number.size() || !UsableScale(value)) continue;
        const std::string path = line.substr(tab + 1);
        if (scales.Find(path) == 0) scales.entries_.emplace_back(path, value);
    }
    return scales;
}

PictureScales PictureScales::Load(const std::string& file) {
    std::string text;
    return ReadWholeFile(file, text) ? FromText(text) : PictureScales();
}

double PictureScales::Find(const std::string& picturePath) const {
    for (const auto& [path, value] : entries_)
        if (path == picturePath) return value;
    return 0;
}

void PictureScales::Set(const std::string& picturePath, double mmPerDot) {
    std::erase_if(entries_, [&](const auto& entry) { return entry.first == picturePath; });
    if (!UsableScale(mmPerDot) || picturePath.empty() || picturePath.find('\n') != std::string::npos) return;
    entries_.insert(entries_.begin(), {picturePath, mmPerDot});
    if (entries_.size() > MAX_ENTRIES) entries_.resize(MAX_ENTRIES);
}

std::string PictureScales::Text() const {
    std::string out;
    for (const auto& [path, value] : entries_) out += FormatText("%.17g\t", value) + path + "\n";
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
