// Where the parts of a guidance dialog go: its captions and explanations
// stacked from the top, the closing button centred under them, and the
// dialog's place beside the window it explains. Pixels throughout.
#pragma once

#include <span>
#include <vector>

enum class GuideItemKind {
    Caption,       // a section caption box across the dialog
    Text,          // an explanation, indented under its caption
    LabelledText,  // an explanation with a short label on its left
};

struct GuideRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const GuideRect&) const = default;
};

struct GuideMetrics {
    int clientWidth = 0;
    int margin = 0;         // around the whole content
    int gap = 0;            // between rows; twice this before a caption that follows others
    int indent = 0;         // of explanations under a caption
    int captionHeight = 0;
    int labelWidth = 0;     // the label of a labelled explanation
    int buttonWidth = 0;
    int buttonHeight = 0;
};

struct GuideRowPlace {
    GuideRect box;    // the caption, or the explanation's text
    GuideRect label;  // labelled explanations only
};

struct GuidePlaces {
    std::vector<GuideRowPlace> rows;
    GuideRect button;
    int clientHeight = 0;
};

// Width left for the text of a row of this kind; its height follows from
// the text wrapped to this width.
int GuideTextWidth(GuideItemKind kind, const GuideMetrics& metrics);

// Places the rows in order; textHeights[i] is row i's text height (ignored
// for captions, which take captionHeight). The two spans have equal length.
GuidePlaces LayOutGuide(std::span<const GuideItemKind> kinds, std::span<const int> textHeights,
                        const GuideMetrics& metrics);

struct GuidePoint {
    int x = 0;
    int y = 0;
    bool operator==(const GuidePoint&) const = default;
};

// Top-left corner of a dialog shown right of its parent: one pixel right of
// the parent frame's right edge, level with its top edge.
GuidePoint PlaceRightOf(const GuideRect& parentFrame);
