#include "app/preview_scaling.h"

#include <algorithm>
#include <climits>
#include <cstddef>

double PreviewFitScale(int boxWidth, int boxHeight, int imageWidth, int imageHeight) {
    if (imageWidth <= 0 || imageHeight <= 0 || boxWidth <= 0 || boxHeight <= 0) return 0.0;
    const double across = static_cast<double>(boxWidth) / imageWidth;
    const double down = static_cast<double>(boxHeight) / imageHeight;
    return std::min(across, down);
}

int ScaledLength(int sourceLength, double s) {
    const double length = sourceLength * s;
    if (!(length > 0.0)) return 0;
    return length >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(length);
}

int PreviewSourceIndex(int index, int outLength, int sourceLength, double s) {
    const double source = (index - 0.5 * outLength + 0.5 * s * (sourceLength - 1)) / s;
    // Only the first and last positions can fall outside the source; the
    // clamp keeps every position inside whatever rounding does.
    if (!(source > 0.0)) return 0;
    if (source >= sourceLength) return sourceLength - 1;
    return std::min(static_cast<int>(source), sourceLength - 1);
}

DisplayRaster BuildPreviewPixels(const std::uint8_t* rgb, int width, int height, double s) {
    return BuildPreviewPixels(PreviewSource{rgb, width, height, 1}, width, height, s);
}

DisplayRaster BuildPreviewPixels(const PreviewSource& source, int imageWidth, int imageHeight, double s) {
    DisplayRaster out;
    if (!source.rgb || source.width <= 0 || source.height <= 0 || source.reduction < 1 || imageWidth <= 0 ||
        imageHeight <= 0 || !(s > 0.0))
        return out;
    out.width = ScaledLength(imageWidth, s);
    out.height = ScaledLength(imageHeight, s);
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height * 3);

    // The image dot the rule picks, then the source dot that stands for it.
    const auto sourceIndex = [&](int index, int outLength, int imageLength, int sourceLength) {
        return std::min(PreviewSourceIndex(index, outLength, imageLength, s) / source.reduction,
                        sourceLength - 1);
    };
    std::vector<int> columns(static_cast<std::size_t>(out.width));
    for (int j = 0; j < out.width; ++j)
        columns[j] = sourceIndex(j, out.width, imageWidth, source.width);

    std::uint8_t* target = out.pixels.data();
    for (int i = 0; i < out.height; ++i) {
        const int row = sourceIndex(i, out.height, imageHeight, source.height);
        const std::uint8_t* sourceRow = source.rgb + static_cast<std::size_t>(row) * source.width * 3;
        for (int column : columns) {
            const std::uint8_t* pixel = sourceRow + static_cast<std::size_t>(column) * 3;
            *target++ = pixel[0];
            *target++ = pixel[1];
            *target++ = pixel[2];
        }
    }
    return out;
}
