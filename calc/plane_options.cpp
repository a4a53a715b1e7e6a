#include "calc/plane_options.h"

#include <cstdio>
#include <vector>

#include <QImage>
#include <QString>

#include "app/image_file_loader.h"
#include "app/image_file_type.h"
#include "calc/number_words.h"
#include "data/plane_measure.h"
#include "data/rectified_picture.h"
#include "res/translation.h"

std::string ReadPlanePoints(const std::string& text, PlaneOptions& options) {
    std::vector<double> numbers;
    if (!ParseFiniteList(text, numbers) || numbers.size() != 8)
        return "--plane needs the four corners as X1,Y1,X2,Y2,X3,Y3,X4,Y4";
    options.setting.photo.clear();
    for (std::size_t i = 0; i < numbers.size(); i += 2)
        options.setting.photo.push_back({numbers[i], numbers[i + 1]});
    options.pointsGiven = true;
    return {};
}

std::string ReadPlaneSize(const std::string& text, PlaneOptions& options) {
    std::vector<double> numbers;
    if (!ParseFiniteList(text, numbers) || numbers.size() != 2 || !(numbers[0] > 0) || !(numbers[1] > 0))
        return "--plane-mm needs the rectangle's width and height in mm as W,H";
    options.setting.widthMm = numbers[0];
    options.setting.heightMm = numbers[1];
    options.sizeGiven = true;
    return {};
}

std::string ReadDotsPerMm(const std::string& text, PlaneOptions& options) {
    double value = 0;
    if (!ParsePositive(text, value)) return "--dots-per-mm needs a positive number";
    options.dotsPerMm = value;
    return {};
}

std::string CheckPlaneOptions(const PlaneOptions& options, double mmPerDot, bool haveInput) {
    if (options.pointsGiven != options.sizeGiven) return "--plane and --plane-mm go together";
    if (options.pointsGiven && mmPerDot > 0) return "--plane takes the place of --mm-per-dot";
    if (options.Rectifying() && !options.pointsGiven) return "--rectify needs --plane and --plane-mm";
    if (options.Rectifying() && haveInput) return "--rectify takes no outline";
    if (options.dotsPerMm > 0 && !options.Rectifying()) return "--dots-per-mm goes with --rectify";
    return {};
}

int MeasureWithPlane(const PlaneOptions& options, const SampleTable& table, double R, CalcState& state) {
    if (!options.pointsGiven) return 0;
    const Notice refused = SetPrintedScale(state, table, R, 0, options.setting);
    if (refused.empty()) return 0;
    std::fprintf(stderr, "%s\n", Tr(refused.text).c_str());
    return 1;
}

int RunRectify(const PlaneOptions& options) {
    CImageData photo;
    if (!LoadImageFileOfType(ImageFileTypeOf(options.rectifyPicture), photo, options.rectifyPicture,
                             nullptr)) {
        std::fprintf(stderr, "veldrio-calc: cannot read the picture %s\n", options.rectifyPicture.c_str());
        return 2;
    }
    RectifiedPicture rectified;
    if (const Notice refused = RectifyPhoto(photo, options.setting, options.dotsPerMm, rectified);
        !refused.empty()) {
        std::fprintf(stderr, "%s\n", Tr(refused.text).c_str());
        return 1;
    }
    const CImageData& image = rectified.image;
    const QImage out(image.pixels(), image.width(), image.height(), image.width() * 3, QImage::Format_RGB888);
    if (!out.save(QString::fromStdString(options.rectifyOut), "PNG")) {
        std::fprintf(stderr, "veldrio-calc: cannot write %s\n", options.rectifyOut.c_str());
        return 2;
    }
    const plane::RectifyGeometry& g = rectified.geometry;
    std::printf("%d x %d dots, %.17g dots/mm, origin %.17g,%.17g mm\n", g.width, g.height, g.dotsPerMm,
                g.originXMm, g.originYMm);
    return 0;
}
