// The brightness of a picture, read dot by dot from its red, green, blue
// bytes (no copy of the picture is made), and the levels that tell a figure
// from its background around a seed dot: a threshold by Otsu's method
// (largest between-class variance) over a window around the seed that
// doubles until it shows two clearly different classes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace trace {

// Weights of red, green and blue in a dot's luma (ITU-R BT.601), in
// thousandths: a grey dot keeps its value.
constexpr int kLumaRed = 299;
constexpr int kLumaGreen = 587;
constexpr int kLumaBlue = 114;
constexpr int kLumaScale = 1000;
// The levels a dot can have.
constexpr int kLevels = 256;

class GreyPicture {
public:
    // rgb: width x height dots of 3 bytes, rows top-down; kept, not copied.
    GreyPicture(const std::uint8_t* rgb, int width, int height) : rgb_(rgb), width_(width), height_(height) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // The luma of dot (x, y), which must lie in the picture.
    std::uint8_t At(int x, int y) const { return LumaOf(Dot(x, y)); }
    // The lumas of dots x0 .. x1 - 1 of row y (all in the picture) into out.
    void RowLevels(int y, int x0, int x1, std::uint8_t* out) const {
        const std::uint8_t* p = Dot(x0, y);
        for (int x = x0; x < x1; ++x, p += 3)
            *out++ = LumaOf(p);
    }

private:
    const std::uint8_t* Dot(int x, int y) const {
        return rgb_ + 3 * (std::size_t(y) * std::size_t(width_) + std::size_t(x));
    }
    static std::uint8_t LumaOf(const std::uint8_t* p) {
        return std::uint8_t((kLumaRed * p[0] + kLumaGreen * p[1] + kLumaBlue * p[2] + kLumaScale / 2) /
                            kLumaScale);
    }

    const std::uint8_t* rgb_;
    int width_;
    int height_;
};

// A level that varies linearly over the picture: at + perX (x - originX) +
// perY (y - originY), x and y in the picture's plane (a dot's centre at
// x + 0.5, y + 0.5).
struct LevelPlane {
    double at = 0;
    double perX = 0;
    double perY = 0;
    double originX = 0;
    double originY = 0;

    double At(double x, double y) const { return at + perX * (x - originX) + perY * (y - originY); }
};

struct FigureLevels {
    LevelPlane dark;            // the dark class's level
    LevelPlane bright;          // the bright class's
    bool brightFigure = false;  // the seed lies on the bright side
    bool flat = true;           // the planes are flat: even light

    // Half way between the classes at (x, y): dots above it are bright.
    double Threshold(double x, double y) const { return 0.5 * (dark.At(x, y) + bright.At(x, y)); }
    double Outside(double x, double y) const { return brightFigure ? dark.At(x, y) : bright.At(x, y); }
    double Inside(double x, double y) const { return brightFigure ? bright.At(x, y) : dark.At(x, y); }
    // Whether dot (x, y) of this level lies on the figure's side.
    bool InFigure(std::uint8_t level, int x, int y) const {
        return (level > Threshold(x + 0.5, y + 0.5)) == brightFigure;
    }
};

// The two classes (Otsu's split) of the smallest square around the seed,
// doubled in size from 32 dots, whose levels differ clearly; each class's
// level is then a plane fitted over that window (FitLevelPlanes), and the
// seed's side is the figure.
// Nothing when no window up to the whole picture shows a figure against a
// background.
std::optional<FigureLevels> LevelsAroundSeed(const GreyPicture& picture, int seedX, int seedY);

// A class's level from its histogram: the mean of the bins near its median,
// so that the dots of a blurred edge do not pull it.
double ClassLevel(const std::vector<std::int64_t>& histogram, int low, int high);

}  // namespace trace
