// The Japanese texts of the drawing export and import (DXF, SVG). Formats
// are printf formats.
#pragma once

namespace texts_cad {

// Edit window's file menu.
inline constexpr char MENU_EXPORT_CAD[] = "DXF/SVG出力 (&X)";
inline constexpr char MENU_IMPORT_DXF[] = "DXF読込み";

// File dialogs.
inline constexpr char DXF_FILTER[] = "DXF図面 (*.dxf)";
inline constexpr char ALL_FILTER[] = "すべてのファイル (*.*)";
inline constexpr char DXF_DEFAULT_EXTENSION[] = "dxf";
inline constexpr char DXF_INITIAL_NAME[] = "Outline.dxf";

// Titles.
inline constexpr char TITLE_IMPORT[] = "DXF読込み";
inline constexpr char TITLE_EXPORT[] = "DXF/SVG出力";

// Import refusals. %s: the entity's type and handle.
inline constexpr char MSG_UNSUPPORTED_ENTITY[] =
    "%s は読み込めません。\n輪郭は LINE, ARC, CIRCLE, LWPOLYLINE, POLYLINE で描いてください。";
inline constexpr char MSG_OPEN_CHAIN[] = "%s で輪郭が閉じていません。";
inline constexpr char MSG_CROSSING[] = "%s で輪郭が交差しています。";
inline constexpr char ENTITY_NAME[] = "%s (ハンドル %s)";
inline constexpr char MSG_NO_OUTLINE[] = "図面に読み込める輪郭がありません。";
inline constexpr char MSG_UNREADABLE[] = "DXF図面として読めません。";
inline constexpr char MSG_PICTURE_FAILED[] = "図面を表示する画像を作れません。";

// Export.
inline constexpr char MSG_NOT_CALCULATED[] = "計算を実行してから出力してください。";
inline constexpr char MSG_WRITE_FAILED[] = "%s に書き込めません。";

}  // namespace texts_cad
