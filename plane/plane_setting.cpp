#include "plane/plane_setting.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace plane {

namespace {

// Most known points a setting holds.
constexpr std::size_t kMostPoints = 400;

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

bool Usable(double v) { return std::isfinite(v) && v > 0; }

}  // namespace

std::vector<Point> PlaneSetting::KnownPoints() const {
    const int n = int(photo.size());
    if (n == 4) return {{0, 0}, {widthMm, 0}, {widthMm, heightMm}, {0, heightMm}};
    if (n < 4 || columns < 2 || n % columns != 0 || n / columns < 2) return {};
    const int rows = n / columns;
    std::vector<Point> known;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            known.push_back({widthMm * c / (columns - 1), heightMm * r / (rows - 1)});
    return known;
}

std::array<int, 4> PlaneSetting::CornerIndices() const {
    const int n = int(photo.size());
    if (n == 4) return {0, 1, 2, 3};
    return {0, columns - 1, n - 1, n - columns};
}

std::string PlaneSetting::ToText() const {
    std::string text = Number(widthMm) + " " + Number(heightMm) + " " + std::to_string(columns);
    for (const Point& p : photo)
        text += " " + Number(p.x) + " " + Number(p.y);
    return text;
}

bool PlaneSetting::FromText(const std::string& text, PlaneSetting& setting) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    PlaneSetting read;
    if (!(in >> read.widthMm >> read.heightMm >> read.columns)) return false;
    std::vector<double> numbers;
    double value = 0;
    while (numbers.size() <= 2 * kMostPoints && in >> value)
        numbers.push_back(value);
    if (!in.eof() || numbers.size() % 2 != 0 || numbers.size() > 2 * kMostPoints) return false;
    for (std::size_t i = 0; i < numbers.size(); i += 2) {
        if (!std::isfinite(numbers[i]) || !std::isfinite(numbers[i + 1])) return false;
        read.photo.push_back({numbers[i], numbers[i + 1]});
    }
    if (!Usable(read.widthMm) || !Usable(read.heightMm) || read.KnownPoints().empty()) return false;
    setting = std::move(read);
    return true;
}

bool PlaneSetting::operator==(const PlaneSetting& o) const {
    if (photo.size() != o.photo.size() || widthMm != o.widthMm || heightMm != o.heightMm ||
        columns != o.columns)
        return false;
    for (std::size_t i = 0; i < photo.size(); ++i)
        if (photo[i].x != o.photo[i].x || photo[i].y != o.photo[i].y) return false;
    return true;
}

}  // namespace plane
