#include "dialogs/guide_layout.h"

#include <algorithm>
#include <cstddef>

int GuideTextWidth(GuideItemKind kind, const GuideMetrics& metrics) {
    const int full = metrics.clientWidth - 2 * metrics.margin;
    switch (kind) {
    case GuideItemKind::Caption:
        return full;
    case GuideItemKind::Text:
        return std::max(0, full - metrics.indent);
    case GuideItemKind::LabelledText:
        return std::max(0, full - metrics.indent - metrics.labelWidth - metrics.gap);
    }
    return full;
}

GuidePlaces LayOutGuide(std::span<const GuideItemKind> kinds, std::span<const int> textHeights,
                        const GuideMetrics& metrics) {
    GuidePlaces places;
    const std::size_t count = std::min(kinds.size(), textHeights.size());
    places.rows.reserve(count);
    int y = metrics.margin;
    for (std::size_t i = 0; i < count; ++i) {
        const GuideItemKind kind = kinds[i];
        GuideRowPlace row;
        if (kind == GuideItemKind::Caption) {
            if (i > 0) y += metrics.gap;  // sections stand apart
            row.box = {metrics.margin, y, GuideTextWidth(kind, metrics), metrics.captionHeight};
        } else {
            const int left = metrics.margin + metrics.indent;
            const int height = std::max(0, textHeights[i]);
            if (kind == GuideItemKind::LabelledText) {
                row.label = {left, y, metrics.labelWidth, height};
                row.box = {left + metrics.labelWidth + metrics.gap, y, GuideTextWidth(kind, metrics),
                           height};
            } else {
                row.box = {left, y, GuideTextWidth(kind, metrics), height};
            }
        }
        y += row.box.height + metrics.gap;
        places.rows.push_back(row);
    }
    places.button = {(metrics.clientWidth - metrics.buttonWidth) / 2, y + metrics.gap,
                     metrics.buttonWidth, metrics.buttonHeight};
    places.clientHeight = places.button.y + metrics.buttonHeight + metrics.margin;
    return places;
}

GuidePoint PlaceRightOf(const GuideRect& parentFrame) {
    return {parentFrame.x + parentFrame.width + 1, parentFrame.y};
}
