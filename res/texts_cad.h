// The Japanese texts of the drawing export and import (DXF, SVG). Formats
// are printf formats.
#pragma once

#include "res/translation.h"

namespace texts_cad {

// Edit window's file menu.
inline constexpr char MENU_EXPORT_CAD[] = QT_TRANSLATE_NOOP("veldrio", "DXF/SVG出力 (&X)");
inline constexpr char MENU_IMPORT_DXF[] = QT_TRANSLATE_NOOP("veldrio", "DXF読込み");

// File dialogs.
inline constexpr char DXF_FILTER[] = QT_TRANSLATE_NOOP("veldrio", "DXF図面 (*.dxf)");
inline constexpr char ALL_FILTER[] = QT_TRANSLATE_NOOP("veldrio", "すべてのファイル (*.*)");
inline constexpr char DXF_DEFAULT_EXTENSION[] = "dxf";
inline constexpr char DXF_INITIAL_NAME[] = "Outline.dxf";

// Titles.
inline constexpr char TITLE_IMPORT[] = QT_TRANSLATE_NOOP("veldrio", "DXF読込み");
inline constexpr char TITLE_EXPORT[] = QT_TRANSLATE_NOOP("veldrio", "DXF/SVG出力");

// Import refusals. %s: the entity's type and handle.
inline constexpr char MSG_UNSUPPORTED_ENTITY[] = QT_TRANSLATE_NOOP("veldrio", "%s は読み込めません。\n輪郭は LINE, ARC, CIRCLE, LWPOLYLINE, POLYLINE で描いてください。");
inline constexpr char MSG_OPEN_CHAIN[] = QT_TRANSLATE_NOOP("veldrio", "%s で輪郭が閉じていません。");
inline constexpr char MSG_CROSSING[] = QT_TRANSLATE_NOOP("veldrio", "%s で輪郭が交差しています。");
inline constexpr char ENTITY_NAME[] = QT_TRANSLATE_NOOP("veldrio", "%s (ハンドル %s)");
inline constexpr char MSG_NO_OUTLINE[] = QT_TRANSLATE_NOOP("veldrio", "図面に読み込める輪郭がありません。");
inline constexpr char MSG_UNREADABLE[] = QT_TRANSLATE_NOOP("veldrio", "DXF図面として読めません。");
inline constexpr char MSG_PICTURE_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "図面を表示する画像を作れません。");

// Export.
inline constexpr char MSG_NOT_CALCULATED[] = QT_TRANSLATE_NOOP("veldrio", "計算を実行してから出力してください。");
inline constexpr char MSG_WRITE_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "%s に書き込めません。");

}  // namespace texts_cad
