// The texts of undo and redo and of the work kept across an abnormal end,
// byte for byte (UTF-8).
#pragma once

#include "res/translation.h"

namespace texts_undo {

// The edit window's popup that holds them, and its items; with a change to take back or do again
// they name it: "元に戻す: 行の削除".
inline constexpr char MENU_EDIT[] = QT_TRANSLATE_NOOP("veldrio", "編集(&E)");
inline constexpr char MENU_UNDO[] = QT_TRANSLATE_NOOP("veldrio", "元に戻す");
inline constexpr char MENU_REDO[] = QT_TRANSLATE_NOOP("veldrio", "やり直し");
inline constexpr char MENU_NAMED[] = "%s: %s";

// What each kind of change is called in those items.
inline constexpr char CHANGE_ADD_POINT[] = QT_TRANSLATE_NOOP("veldrio", "点の追加");
inline constexpr char CHANGE_CELL[] = QT_TRANSLATE_NOOP("veldrio", "セルの入力");
inline constexpr char CHANGE_INSERT[] = QT_TRANSLATE_NOOP("veldrio", "行の挿入");
inline constexpr char CHANGE_DELETE[] = QT_TRANSLATE_NOOP("veldrio", "行の削除");
inline constexpr char CHANGE_PASTE[] = QT_TRANSLATE_NOOP("veldrio", "行の貼り付け");
inline constexpr char CHANGE_CORRECTION[] = QT_TRANSLATE_NOOP("veldrio", "座標の修正");
inline constexpr char CHANGE_TRACE[] = QT_TRANSLATE_NOOP("veldrio", "図形の追跡");
inline constexpr char CHANGE_READ_CSV[] = QT_TRANSLATE_NOOP("veldrio", "CSVデータ読込み");
inline constexpr char CHANGE_CLEAR[] = QT_TRANSLATE_NOOP("veldrio", "クリア");
inline constexpr char CHANGE_LOOP_BREAK[] = QT_TRANSLATE_NOOP("veldrio", "穴・部品の追加");
inline constexpr char CHANGE_READ_DRAWING[] = QT_TRANSLATE_NOOP("veldrio", "DXF読込み");
inline constexpr char CHANGE_REAL_SCALE[] = QT_TRANSLATE_NOOP("veldrio", "実寸スケール設定");
inline constexpr char CHANGE_PLANE[] = QT_TRANSLATE_NOOP("veldrio", "遠近補正");

// The work kept in the journal.
inline constexpr char RESTORE_QUESTION[] = QT_TRANSLATE_NOOP("veldrio", "前回の作業が残っています。復元しますか？");
inline constexpr char TITLE_RESTORE[] = QT_TRANSLATE_NOOP("veldrio", "確認");
inline constexpr char MSG_PICTURE_GONE[] = QT_TRANSLATE_NOOP("veldrio", "前回の画像が見つかりません。座標データだけを復元しました。\n%s");
inline constexpr char MSG_JOURNAL_DAMAGED[] = QT_TRANSLATE_NOOP("veldrio", "前回の作業の記録が壊れていたため、復元できません。\n記録は %s に移しました。");

}  // namespace texts_undo
