// Texts of the image buffer, the loaders and the image-conversion library
// (UTF-8; converted to CP932 only where a file needs it).
#pragma once

#include "res/translation.h"

namespace texts {

// Image-kind lines of the image-properties box.
inline constexpr char KIND_LABEL_JPEG[] = QT_TRANSLATE_NOOP("veldrio", "画像ﾀｲﾌﾟ  JPEG\n");
inline constexpr char KIND_LABEL_GIF[] = QT_TRANSLATE_NOOP("veldrio", "画像ﾀｲﾌﾟ\tGIF\n");
inline constexpr char KIND_LABEL_BMP[] = QT_TRANSLATE_NOOP("veldrio", "画像ﾀｲﾌﾟ  BMP\n");
inline constexpr char KIND_LABEL_CUT[] = QT_TRANSLATE_NOOP("veldrio", "画像ﾀｲﾌﾟ  カットor変換画像\n");
inline constexpr char KIND_LABEL_CLIP[] = QT_TRANSLATE_NOOP("veldrio", "画像ﾀｲﾌﾟ  クリップ画像\n");
inline constexpr char KIND_LABEL_UNKNOWN[] = QT_TRANSLATE_NOOP("veldrio", "画像ﾀｲﾌﾟ  不明\n");

// File names of captured images.
inline constexpr char CUT_IMAGE_NAME[] = QT_TRANSLATE_NOOP("veldrio", "カット画像");
inline constexpr char CLIP_IMAGE_NAME[] = QT_TRANSLATE_NOOP("veldrio", "クリップ画像");

// A BMP file of a bit depth the reader does not take: text with the path
// and the bit count, and the title.
inline constexpr char BMP_DEPTH_TEXT[] = QT_TRANSLATE_NOOP("veldrio", "[%s]のピクセルあたりのビット数= %d");
inline constexpr char BMP_DEPTH_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "本ファイルは32,24,16,8ビットタイプではないため処理できません");

// A clipboard bitmap of a bit depth the converter does not take (title
// TITLE_CONFIRM).
inline constexpr char CLIP_DEPTH_TEXT[] = QT_TRANSLATE_NOOP("veldrio", "BitPixel=%d は想定外です");

// A failed BMP capture of a screen rectangle (title TITLE_CONFIRM).
inline constexpr char RASTER_GRAB_FAILED_TEXT[] = QT_TRANSLATE_NOOP("veldrio", "画像取得に失敗しました");

}  // namespace texts
