// Texts of the data edit window (UTF-8).
#pragma once

#include "res/translation.h"

namespace texts {

inline constexpr char EDIT_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "サンプリングデータ編集");

// Menu 138; its close item is MENU_CLOSE.
inline constexpr char EDIT_MENU_FILE[] = QT_TRANSLATE_NOOP("veldrio", "ファイル(&F)");
inline constexpr char EDIT_MENU_EXPORT_CSV[] = QT_TRANSLATE_NOOP("veldrio", "結果とデータのCSV DF出力 (&C)");
inline constexpr char EDIT_MENU_PRINT[] = QT_TRANSLATE_NOOP("veldrio", "印刷(&P)");
inline constexpr char EDIT_MENU_PRINT_RESULTS[] = QT_TRANSLATE_NOOP("veldrio", "計算結果印刷 (&R)");
inline constexpr char EDIT_MENU_PRINT_INCLINED[] = QT_TRANSLATE_NOOP("veldrio", "傾斜軸２次Ｍｔ表印刷(&I)");
inline constexpr char EDIT_MENU_PRINT_DETAIL[] = QT_TRANSLATE_NOOP("veldrio", "詳細展開データ印刷 (&D)");
inline constexpr char EDIT_MENU_VIEW[] = QT_TRANSLATE_NOOP("veldrio", "表示(&V)");
inline constexpr char EDIT_MENU_PROC_GUIDE[] = QT_TRANSLATE_NOOP("veldrio", "操作手順ガイド (&P)");
inline constexpr char EDIT_MENU_EDIT_GUIDE[] = QT_TRANSLATE_NOOP("veldrio", "データ編集ガイド (&E)");
inline constexpr char EDIT_MENU_DATA_EXPLAIN[] = QT_TRANSLATE_NOOP("veldrio", "データ説明 (&D)");

}  // namespace texts
