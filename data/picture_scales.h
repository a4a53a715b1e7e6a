// The real-unit scale of each picture the user set one for, remembered
// across runs by the picture's path in a small text file of its own beside
// the settings record: one line per picture, "<mm per dot>\t<path>", the
// latest first. A missing or unreadable file, or a line that does not read,
// is passed over. A perspective plane set on a picture is a line of its
// own, "plane <setting>\t<path>" (plane::PlaneSetting::ToText), which
// readers of the scale lines alone pass over as unreadable.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "plane/plane_setting.h"

class PictureScales {
public:
    // At most this many pictures are remembered; the oldest go first.
    static constexpr std::size_t MAX_ENTRIES = 200;

    static PictureScales FromText(const std::string& text);
    static PictureScales Load(const std::string& file);

    // Millimetres per source dot for path; 0 when none is remembered.
    double Find(const std::string& picturePath) const;
    // Remembers mmPerDot for path as the latest; 0 forgets it.
    void Set(const std::string& picturePath, double mmPerDot);
    // The plane remembered for path; an unset one when none.
    plane::PlaneSetting FindPlane(const std::string& picturePath) const;
    // Remembers plane for path as the latest; an unset plane forgets it.
    void SetPlane(const std::string& picturePath, const plane::PlaneSetting& plane);

    std::string Text() const;
    // Replaces file whole or not at all; false on failure.
    bool Save(const std::string& file) const;

private:
    std::vector<std::pair<std::string, double>> entries_;
    std::vector<std::pair<std::string, plane::PlaneSetting>> planes_;
};

// The file beside the settings record at settingsPath.
std::string PictureScalesPath(const std::string& settingsPath);

// One look-up and one change of the file, as the viewer does them. Nothing
// is remembered for a picture without a path (a capture).
double StoredPictureScale(const std::string& settingsPath, const std::string& picturePath);
bool StorePictureScale(const std::string& settingsPath, const std::string& picturePath, double mmPerDot);
plane::PlaneSetting StoredPicturePlane(const std::string& settingsPath, const std::string& picturePath);
bool StorePicturePlane(const std::string& settingsPath, const std::string& picturePath,
                       const plane::PlaneSetting& plane);
