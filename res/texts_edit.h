// Texts of the data edit window (UTF-8).
#pragma once

namespace texts {

inline constexpr char EDIT_TITLE[] = "サンプリングデータ編集";

// Menu 138; its close item is MENU_CLOSE.
inline constexpr char EDIT_MENU_FILE[] = "ファイル(&F)";
inline constexpr char EDIT_MENU_EXPORT_CSV[] = "結果とデータのCSV DF出力 (&C)";
inline constexpr char EDIT_MENU_PRINT[] = "印刷(&P)";
inline constexpr char EDIT_MENU_PRINT_RESULTS[] = "計算結果印刷 (&R)";
inline constexpr char EDIT_MENU_PRINT_INCLINED[] = "傾斜軸２次Ｍｔ表印刷(&I)";
inline constexpr char EDIT_MENU_PRINT_DETAIL[] = "詳細展開データ印刷 (&D)";
inline constexpr char EDIT_MENU_VIEW[] = "表示(&V)";
inline constexpr char EDIT_MENU_PROC_GUIDE[] = "操作手順ガイド (&P)";
inline constexpr char EDIT_MENU_EDIT_GUIDE[] = "データ編集ガイド (&E)";
inline constexpr char EDIT_MENU_DATA_EXPLAIN[] = "データ説明 (&D)";

}  // namespace texts
