#include "data/measurement_sheet.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <numbers>

#include "data/calc_driver.h"
#include "data/properties_report.h"
#include "data/report_printing.h"
#include "data/text_file.h"
#include "image/image_data.h"
#include "res/format_text.h"
#include "res/texts_data.h"
#include "res/texts_properties.h"

namespace {

namespace t = texts_properties;

// Points along an arc: one every 3 degrees at most.
constexpr double ARC_STEP = 3 * std::numbers::pi / 180;

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    return std::strftime(text, sizeof text, Tr(t::SHEET_DATE_FORMAT), &local) > 0 ? text : "";
}

// The millimetre lines under the dot results: none without a scale.
std::vector<std::string> MillimetreLines(const PropertiesAtScales& p) {
    if (!p.HasMillimetres()) return {};
    std::vector<std::string> lines{p.planeName.empty() ? FormatText(t::SHEET_MM_HEAD, p.mmPerDot) : p.planeName};
    const std::tuple<const char*, double, const char*> values[] = {
        {t::SHEET_MM_AREA, p.mm.area, "mm^2"},        {t::SHEET_MM_PERIMETER, p.mm.perimeter, "mm"},
        {t::SHEET_MM_WIDTH, p.mm.width, "mm"},        {t::SHEET_MM_HEIGHT, p.mm.height, "mm"},
        {t::SHEET_MM_I_MAX, p.mm.iMax, "mm^4"},       {t::SHEET_MM_I_MIN, p.mm.iMin, "mm^4"},
        {t::SHEET_MM_Z_MAX, p.mm.zMajor(), "mm^3"},   {t::SHEET_MM_Z_MIN, p.mm.zMinor(), "mm^3"},
    };
    for (const auto& [label, value, unit] : values)
        lines.push_back(FormatText(t::SHEET_MM_LINE, Tr(label), value, unit));
    return lines;
}

bool WriteCropPicture(const CImageData& image, const SheetCrop& crop, const std::string& path) {
    if (!image.HasPicture() || crop.width <= 0 || crop.height <= 0) return false;
    const QImage whole(image.pixels(), image.width(), image.height(), image.width() * 3, QImage::Format_RGB888);
    return whole.copy(crop.x, crop.y, crop.width, crop.height).save(QString::fromStdString(path), "PNG");
}

}  // namespace

std::vector<SheetPoints> OutlineLoopPoints(const SectionSegment* segments, int32_t segmentCount, double R) {
    std::vector<SheetPoints> loops(1);
    if (!(R > 0) || !std::isfinite(R)) R = 1.0;
    segmentCount = std::clamp(segmentCount, 0, int32_t(OS_MAX_SEGMENTS));
    for (int32_t k = 0; k < segmentCount; ++k) {
        const SectionSegment& s = segments[k];
        if (s.kind == OS_KIND_ARC_MIDDLE) continue;  // the arc before it passes through it
        SheetPoints& points = loops.back();
        points.emplace_back(s.x / R, s.y / R);
        if (s.kind == OS_KIND_AUXILIARY && k + 1 < segmentCount) loops.emplace_back();  // the loop closed
        if (s.kind != OS_KIND_ARC) continue;
        const double sign = s.direction == OS_CLOCKWISE ? 1 : -1;
        const int steps = std::max(2, int(std::ceil(s.sweepAngle / ARC_STEP)));
        for (int i = 1; i < steps; ++i) {
            const double a = s.startAngle + sign * s.sweepAngle * i / steps;
            points.emplace_back((s.centreX + s.radius * std::cos(a)) / R, (s.centreY + s.radius * std::sin(a)) / R);
        }
    }
    if (loops.back().empty()) loops.pop_back();
    return loops;
}

SheetPoints OutlinePoints(const SectionSegment* segments, int32_t segmentCount, double R) {
    SheetPoints points;
    for (const SheetPoints& loop : OutlineLoopPoints(segments, segmentCount, R))
        points.insert(points.end(), loop.begin(), loop.end());
    return points;
}

SheetCrop CropAroundOutline(const std::vector<std::pair<double, double>>& outline, int imageWidth, int imageHeight) {
    if (outline.empty() || imageWidth <= 0 || imageHeight <= 0) return {0, 0, std::max(imageWidth, 0), std::max(imageHeight, 0)};
    double left = outline[0].first, right = left, top = outline[0].second, bottom = top;
    for (const auto& [x, y] : outline) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    const double margin = std::max(10.0, std::max(right - left, bottom - top) / 10);
    // Whole dots outside the bounds; a trace of rounding on a bound does not add one.
    constexpr double fuzz = 1e-6;
    const int x0 = std::clamp(int(std::floor(left - margin + fuzz)), 0, imageWidth - 1);
    const int y0 = std::clamp(int(std::floor(top - margin + fuzz)), 0, imageHeight - 1);
    const int x1 = std::clamp(int(std::ceil(right + margin - fuzz)), x0 + 1, imageWidth);
    const int y1 = std::clamp(int(std::ceil(bottom + margin - fuzz)), y0 + 1, imageHeight);
    return {x0, y0, x1 - x0, y1 - y0};
}

SheetPicturePlace PlaceSheetPicture(double boxX, double boxY, double boxWidth, double boxHeight, int pictureWidth,
                                    int pictureHeight) {
    SheetPicturePlace place;
    place.scale = std::min(boxWidth / pictureWidth, boxHeight / pictureHeight);
    place.width = pictureWidth * place.scale;
    place.height = pictureHeight * place.scale;
    place.x = boxX + (boxWidth - place.width) / 2;
    place.y = boxY;
    return place;
}

std::string SheetText(const SheetContent& content, const CalcState& state) {
    const SheetCrop& crop = content.crop;
    // The first line tells the print program that the file is a sheet.
    std::string out = std::string(t::SHEET_HEAD) + "\r\n";
    out += FormatText(t::SHEET_PICTURE_NAME, content.pictureName.c_str());
    out += FormatText(t::SHEET_DATE, content.date.c_str());
    out += FormatText(t::SHEET_CROP_FILE, content.cropFile.c_str());
    out += FormatText(t::SHEET_CROP, crop.x, crop.y, crop.width, crop.height);
    const PropertiesAtScales properties = PropertiesOf(state);
    out += FormatText(t::SHEET_CENTROID, properties.source.xc - crop.x, properties.source.yc - crop.y);
    out += FormatText(t::SHEET_AXIS, properties.dots.thetaDeg);
    const std::vector<SheetPoints> loops = OutlineLoopPoints(state.segments.data(), state.segmentCount, state.results.R);
    for (std::size_t k = 0; k < loops.size(); ++k) {
        if (k > 0) out += t::SHEET_LOOP_BREAK;
        for (const auto& [x, y] : loops[k]) out += FormatText(t::SHEET_POINT, x - crop.x, y - crop.y);
    }
    for (const std::string& line : ResultBoxLines(state.results, WS_CALCULATED))
        out += FormatText(t::SHEET_RESULT, line.c_str());
    for (const std::string& line : MillimetreLines(properties)) out += FormatText(t::SHEET_RESULT, line.c_str());
    return out;
}

std::string SheetHeading(const std::string& pictureName) {
    return Tr(t::SHEET_HEADING) + ("  " + pictureName);
}

bool PrintMeasurementSheet(const SampleTable& table, const CalcState& state, const CImageData& image,
                           const std::string& reportDir, const std::string& programDir, Notices* told) {
    if (!CalculatedForPrinting(table, told)) return false;
    SheetContent content;
    content.pictureName = image.fileName();
    std::erase_if(content.pictureName, [](char c) { return c == '\r' || c == '\n'; });
    content.date = Today();
    content.cropFile = t::FILE_SHEET_PICTURE;
    content.crop = CropAroundOutline(OutlinePoints(state.segments.data(), state.segmentCount, state.results.R),
                                     image.width(), image.height());
    if (!WriteCropPicture(image, content.crop, JoinPath(reportDir, content.cropFile))) {
        Tell(told, {t::MSG_SHEET_PICTURE_FAILED, texts_data::TITLE_REQUEST});
        return false;
    }
    const std::string path = JoinPath(reportDir, t::FILE_SHEET);
    if (!WriteCp932TextFile(path, SheetText(content, state))) {
        Tell(told, {texts_data::MSG_FILE_OPEN_FAILED, texts_data::TITLE_CONFIRM});
        return false;
    }
    return StartPrintProgram(path, t::FILE_SHEET, programDir, told);
}
