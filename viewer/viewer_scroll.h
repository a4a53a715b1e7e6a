// The viewer's two scroll ranges and the rules that move them. The range
// covers three times the display size whatever the window's size, so the
// image can be pushed by up to one and a half display sizes either way.
#pragma once

#include <optional>

// One direction: current position, the position at which the image's edge
// lies on the client's edge, the maximum (the minimum is 0) and the position
// a scroll request asks for.
struct ScrollAxis {
    int pos = 0;
    int home = 0;
    int max = 0;
    int wanted = 0;
};

// What a scroll bar was asked to do.
enum class ScrollAction {
    LineBack,     // line left / line up
    LineForward,  // line right / line down
    PageBack,
    PageForward,
    Thumb,        // thumb position or thumb track, at a given position
    ToStart,      // left end / top
    ToEnd,        // right end / bottom
    EndScroll,    // end of scrolling: nothing moves
};

// The position a bar action asks for, or nothing when it asks for none.
std::optional<int> ScrollActionTarget(ScrollAction action, const ScrollAxis& axis,
                                      int thumbPosition = 0);

// Moves a key asks for: one dot per arrow key, ten per page key.
struct ScrollStep {
    int dh = 0;
    int dv = 0;
};
// qtKey is a Qt::Key value; keys that do not scroll give nothing.
std::optional<ScrollStep> KeyScrollStep(int qtKey);
// The four arrow keys alone, one dot each (also the moves of a point being
// corrected); any other key gives nothing.
std::optional<ScrollStep> ArrowKeyStep(int qtKey);

// One wheel message moves one dot whatever the size of its delta: away from
// the user (positive) up, toward the user down, 0 not at all.
std::optional<int> WheelScrollTarget(int delta, const ScrollAxis& vertical);

// Truncates toward zero, saturating at the limits of int (a huge product
// must not turn into a negative or undefined value).
int TruncateToInt(double value);

class ViewerScroll {
public:
    ScrollAxis h;
    ScrollAxis v;

    // Ranges of three times the display size, positions centred.
    void Reset(int imageWidth, int imageHeight, double scale);

    // Clamps both wanted positions to their ranges. When they differ from
    // the current positions, returns the distance the client contents move
    // (current − wanted) and takes the wanted positions as current.
    struct Move {
        int dx = 0;
        int dy = 0;
    };
    std::optional<Move> Apply();

    // Client position of the image's top-left corner.
    int OriginX() const { return h.home - h.pos; }
    int OriginY() const { return v.home - v.pos; }
};
