// Texts of the data edit window's grid, buttons, headings, explanations and
// messages (UTF-8). Status texts are in res/texts_data.h.
#pragma once

#include "res/translation.h"

namespace texts_edit {

// Headings, painted as label boxes.
inline constexpr char HEADING_RESULTS[] = QT_TRANSLATE_NOOP("veldrio", "計算結果");
inline constexpr char HEADING_SAMPLING_DATA[] = QT_TRANSLATE_NOOP("veldrio", "サンプリングデータ");
inline constexpr char HEADING_WORK_STATE[] = QT_TRANSLATE_NOOP("veldrio", "動作状態");

// Row count "count / capacity" and the paired viewer's magnification.
inline constexpr char ROW_COUNT[] = "%d / %d";
inline constexpr char MAGNIFICATION[] = "%d %%";

// Buttons.
inline constexpr char BUTTON_PAGE_UP[] = QT_TRANSLATE_NOOP("veldrio", "↑頁");
inline constexpr char BUTTON_PAGE_DOWN[] = QT_TRANSLATE_NOOP("veldrio", "↓頁");
inline constexpr char BUTTON_PAGE_FIRST[] = QT_TRANSLATE_NOOP("veldrio", "先頭");
inline constexpr char BUTTON_PAGE_LAST[] = QT_TRANSLATE_NOOP("veldrio", "最終");
inline constexpr char BUTTON_SAMPLING_START[] = QT_TRANSLATE_NOOP("veldrio", "SMPLING\n開始/再開");
inline constexpr char BUTTON_SAMPLING_STOP[] = QT_TRANSLATE_NOOP("veldrio", "停止");
inline constexpr char BUTTON_CALCULATE[] = QT_TRANSLATE_NOOP("veldrio", "計算実行");
inline constexpr char BUTTON_CLEAR[] = QT_TRANSLATE_NOOP("veldrio", "クリア");

// Explanations 249..253.
inline constexpr char EXPLAIN_INSERT[] = QT_TRANSLATE_NOOP("veldrio", "サンプリングデータは空行あればそこへ挿入し、なければ最後に追加します");
inline constexpr char EXPLAIN_FINE_TUNE[] = QT_TRANSLATE_NOOP("veldrio", "座標の微調整は画像上でもできます。");
inline constexpr char EXPLAIN_UNITS[] = QT_TRANSLATE_NOOP("veldrio", "座標は現表示倍率画像でのドット単位");
inline constexpr char EXPLAIN_PRINT_SCALE[] = QT_TRANSLATE_NOOP("veldrio", "印刷、DF出力ではスケール変更時の倍率補正値も表示します。");
// Type 9 is the break that begins the next loop: a hole or another part.
inline constexpr char EXPLAIN_TYPES[] = QT_TRANSLATE_NOOP("veldrio", "type=1 -- 直線\n    =2 -- ３点円弧\n    =9 -- 穴・部品");

// Menu item of the edit window: a loop break after the last row.
inline constexpr char MENU_ADD_LOOP[] = QT_TRANSLATE_NOOP("veldrio", "穴・部品の追加 (&H)");

// Grid header captions and row numbers.
inline constexpr char CAPTION_ROW[] = "Sr";
inline constexpr char CAPTION_TYPE[] = "type";
inline constexpr char CAPTION_X[] = "X";
inline constexpr char CAPTION_Y[] = "Y";
inline constexpr char ROW_NUMBER[] = "%4d";

// A coordinate token that does not fit the 8 characters of a coordinate.
inline constexpr char MSG_COORD_TOO_LONG[] = QT_TRANSLATE_NOOP("veldrio", "座標は８文字以内で入力してください。\n入力前の値に戻しました。");

// Clicking into the window while the viewer corrects a point.
inline constexpr char MSG_VIEWER_CORRECTING[] = QT_TRANSLATE_NOOP("veldrio", "画像Viewer でデータ修正中です。\nメニューを使ってデータ修正を終了させてください。");

// Diagnostic trace lines, with the current line and column.
inline constexpr char TRACE_LINE[] = "Test%d/ EditLSr=%d EditCell=%d";

}  // namespace texts_edit
