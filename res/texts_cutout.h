// Texts of the viewer's image writing (UTF-8).
#pragma once

#include "res/translation.h"

namespace texts {

// The save dialogs of the PNG and BMP writes: default extension, initial
// file name and the filter's names.
inline constexpr char CUT_PNG_EXTENSION[] = "png";
inline constexpr char CUT_PNG_INITIAL_NAME[] = "*.png";
inline constexpr char CUT_PNG_FILTER[] = "png (*.png)";
inline constexpr char CUT_BMP_EXTENSION[] = "bmp";
inline constexpr char CUT_BMP_INITIAL_NAME[] = "*.bmp";
inline constexpr char CUT_BMP_FILTER[] = "bmp (*.bmp)";
inline constexpr char CUT_FILTER_ALL[] = "All Files (*.*)";

// Asked after a written image file (yes/no): show it in the picture viewer?
inline constexpr char CUT_WRITTEN[] = QT_TRANSLATE_NOOP("veldrio", "画像ファイルに書込みました。");
inline constexpr char CUT_WRITTEN_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "モニタしてみますか？");

// The captured picture could not be written (the path in place of %s, title
// TITLE_CONFIRM); no file is left behind.
inline constexpr char CUT_SAVE_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "[%s]\r\n画像ファイルの書込みに失敗しました。\r\n書込み先フォルダと空き容量を確認してください");

// The picture viewer could not be started: the two texts one after the other.
inline constexpr char CUT_VIEWER_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "指定画像が開けませんでした\r\n");
inline constexpr char CUT_VIEWER_FAILED_REASON[] = QT_TRANSLATE_NOOP("veldrio", "FAX VeiwerもしくはIE がないか、画像が不良です");

}  // namespace texts
