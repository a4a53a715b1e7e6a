// The print program's own texts: its message boxes, its preview window's
// title and the heading it prints over a measurement sheet.
#pragma once

#include "res/translation.h"

namespace texts_print {

inline constexpr char TITLE_PRINT[] = QT_TRANSLATE_NOOP("veldrio", "印刷");
inline constexpr char MSG_CANNOT_READ[] = QT_TRANSLATE_NOOP("veldrio", "印刷するファイルを読めません: ");
inline constexpr char PREVIEW_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "印刷プレビュー - ");
inline constexpr char MSG_PRINT_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "印刷できませんでした: ");

// Printed at the top of a measurement sheet. The file's own first line
// (texts_properties::SHEET_HEAD) marks it as a sheet and never changes.
inline constexpr char SHEET_HEADING[] = QT_TRANSLATE_NOOP("veldrio", "[ 測定シート ]");

}  // namespace texts_print
