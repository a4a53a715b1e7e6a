// Texts of tracing a figure from one click in the viewer (UTF-8).
#pragma once

#include "res/translation.h"

namespace texts {

// The last item of the viewer's menu "座標修正".
inline constexpr char TRACE_MENU_ITEM[] = QT_TRANSLATE_NOOP("veldrio", "図形輪郭の自動トレース(&T)");
// Tracing started: the next left click is the seed (title TITLE_CONFIRM).
inline constexpr char TRACE_CHOOSE[] = QT_TRANSLATE_NOOP("veldrio", "左ボタンで図形の内側をクリックしてください");
// The table holds rows already (title TITLE_CONFIRM, Yes, No and Cancel):
// Yes replaces them, No adds the traced loops after a loop break.
inline constexpr char TRACE_REPLACE_QUESTION[] = QT_TRANSLATE_NOOP("veldrio", "サンプリングデータがあります。\nトレース結果で置き換えますか？\n"
    "「いいえ」で穴・部品として後ろに追加します。");
// Nothing stands out from its background around the click (title TITLE_CONFIRM).
inline constexpr char TRACE_NO_FIGURE[] = QT_TRANSLATE_NOOP("veldrio", "クリック位置に図形が見つかりません");
// The outline needs more rows than the table holds (title TITLE_CONFIRM).
inline constexpr char TRACE_TOO_MANY_ROWS[] = QT_TRANSLATE_NOOP("veldrio", "図形の輪郭が複雑すぎて、サンプリングデータに入りきりません");

// The click lies in a hole of a figure (title TITLE_CONFIRM).
inline constexpr char TRACE_INSIDE_HOLE[] = QT_TRANSLATE_NOOP("veldrio", "クリック位置は図形の穴の中です。図形の内側をクリックしてください");
// The outline found fails its check and is refused (title TITLE_CONFIRM);
// what failed follows on the next line.
inline constexpr char TRACE_UNRELIABLE[] = QT_TRANSLATE_NOOP("veldrio", "図形の輪郭を確定できません");
inline constexpr char TRACE_ARC_AWAY_FROM_EDGE[] = QT_TRANSLATE_NOOP("veldrio", "%d 行目からの円弧が図形の縁から離れています");
inline constexpr char TRACE_AREA_OFF_REGION[] = QT_TRANSLATE_NOOP("veldrio", "輪郭の面積が図形の面積と合いません");

}  // namespace texts
