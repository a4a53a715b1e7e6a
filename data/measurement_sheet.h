// The measurement sheet: one page with the picture around the outline, the
// outline, centroid and principal axes drawn over it, the main results in
// dots and (when a scale is set) in millimetres, the picture's name and the
// date. The program writes a description of it (Shift-JIS, CR LF, like the
// reports) and a PNG of the picture around the outline beside it; the print
// program lays them out.
#pragma once

#include <string>
#include <vector>

#include "data/calc_state.h"
#include "data/sample_table.h"
#include "data/notices.h"

class CImageData;

// The part of the source picture the sheet shows, in source dots.
struct SheetCrop {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

using SheetPoints = std::vector<std::pair<double, double>>;

// Each loop of the outline as points in source dots, arcs followed closely
// enough to look round at print resolution, ending on its first point again.
std::vector<SheetPoints> OutlineLoopPoints(const SectionSegment* segments, int32_t segmentCount, double R);

// The points of every loop, one loop after the other.
SheetPoints OutlinePoints(const SectionSegment* segments, int32_t segmentCount, double R);

// The outline's bounds with a margin of a tenth of its size (at least 10
// dots), clipped to the picture.
SheetCrop CropAroundOutline(const std::vector<std::pair<double, double>>& outline, int imageWidth, int imageHeight);

// Where the sheet's picture stands on the printed page: as large as the
// box (page units) lets it be with its proportions kept, centred across the
// box and at its top.
struct SheetPicturePlace {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    double scale = 0;  // page units per dot of the picture
};

SheetPicturePlace PlaceSheetPicture(double boxX, double boxY, double boxWidth, double boxHeight, int pictureWidth,
                                    int pictureHeight);

struct SheetContent {
    std::string pictureName;  // the picture's file name
    std::string date;         // as printed
    std::string cropFile;     // the PNG's name, beside the sheet file
    SheetCrop crop;
};

// The sheet's description: heading, picture name, date, crop file and
// place, centroid and axis angle (source dots, relative to the crop), the
// outline's points (a break line between loops), and the result lines.
std::string SheetText(const SheetContent& content, const CalcState& state);

// The line the print program prints at the top of a sheet: its heading in
// the user's language and the picture's name.
std::string SheetHeading(const std::string& pictureName);

// The whole command: refuses unless calculated, writes the crop PNG and the
// description into reportDir and starts the print program (as for the
// reports); *told gets the messages of the way. True when started.
bool PrintMeasurementSheet(const SampleTable& table, const CalcState& state, const CImageData& image,
                           const std::string& reportDir, const std::string& programDir, Notices* told = nullptr);
