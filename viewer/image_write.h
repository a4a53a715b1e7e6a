// Writing what a viewer shows as a PNG or BMP file: the save dialog's
// request, the screen rectangle of a zone, and the capture and save through
// the image-conversion library.
#pragma once

#include <optional>
#include <string>

#include "platform/file_dialog.h"
#include "viewer/tracker_zone.h"

enum class WriteFormat { Png = 0, Bmp = 1 };
enum class WriteArea { Zone = 0, Window = 2 };

// A screen rectangle: top-left corner and size in screen dots.
struct CaptureRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const CaptureRect&) const = default;
};

// The rectangle a zone write takes: the tracker's rectangle in client
// coordinates (put right way round when inside out) less its outermost dot
// on every side, moved to the screen by the client's screen position.
// Nothing when no dot is left.
std::optional<CaptureRect> ZoneCaptureRect(const TrackerZone& clientRect, int clientScreenX,
                                           int clientScreenY);

// A rectangle of width x height at (left, top); nothing when it is empty.
std::optional<CaptureRect> NonEmptyRect(int left, int top, int width, int height);

// The save dialog of a write: filter, initial name and extension of the
// format; starts in lastWriteDir, or in programDir before any write.
platform::FileDialogRequest WriteFileRequest(WriteFormat format, const std::string& lastWriteDir,
                                             const std::string& programDir);

enum class WriteOutcome {
    Written,
    GrabFailed,  // no rectangle, or the screen could not be read
    SaveFailed,  // the file could not be written; none is left behind
};

// Captures rect and writes it to path in format.
WriteOutcome GrabAndSave(WriteFormat format, const std::optional<CaptureRect>& rect,
                         const std::string& path);
