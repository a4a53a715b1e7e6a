// The print program's own texts: its message boxes and its preview window's
// title.
#pragma once

#include "res/translation.h"

namespace texts_print {

inline constexpr char TITLE_PRINT[] = QT_TRANSLATE_NOOP("veldrio", "印刷");
inline constexpr char MSG_CANNOT_READ[] = QT_TRANSLATE_NOOP("veldrio", "印刷するファイルを読めません: ");
inline constexpr char PREVIEW_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "印刷プレビュー - ");
inline constexpr char MSG_PRINT_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "印刷できませんでした: ");

}  // namespace texts_print
