// Texts of the application shell: start-up and main dialog, viewer registry
// and inter-window commands, settings and recent list, image file choice and
// opening (UTF-8; converted to CP932 only where a file needs it).
#pragma once

#include "res/translation.h"

namespace texts {

// ---------------------------------------------------------------------------
// Message-box titles used across the program
// ---------------------------------------------------------------------------

inline constexpr char TITLE_CONFIRM[] = QT_TRANSLATE_NOOP("veldrio", "確認");       // notices and questions
inline constexpr char TITLE_REQUEST[] = QT_TRANSLATE_NOOP("veldrio", "確認要求");   // a window or file could not be made
inline constexpr char TITLE_ABANDON[] = QT_TRANSLATE_NOOP("veldrio", "中断します"); // an image acquisition is abandoned
inline constexpr char TITLE_WARNING[] = QT_TRANSLATE_NOOP("veldrio", "警告");       // the network warning

// ---------------------------------------------------------------------------
// Main dialog
// ---------------------------------------------------------------------------

// Caption: product name, a blank, "V" and the version printed "%4.2f".
inline constexpr char PRODUCT_NAME[] = QT_TRANSLATE_NOOP("veldrio", "ヴェルドリオ");
inline constexpr char CAPTION_FORMAT[] = "%s V%4.2f";
inline constexpr double PRODUCT_VERSION = 2.1;
inline constexpr char CAPTION[] = QT_TRANSLATE_NOOP("veldrio", "ヴェルドリオ V2.10");

// Registry key name set at start-up (the program keeps no data there).
inline constexpr char REGISTRY_KEY[] = "アプリケーション ウィザードで生成されたローカル アプリケーション";

// Label boxes.
inline constexpr char LABEL_FILE_CHOICE[] = QT_TRANSLATE_NOOP("veldrio", "画像ファイル選択");
inline constexpr char LABEL_RECENT[] = QT_TRANSLATE_NOOP("veldrio", "最新DFパスリスト");
inline constexpr char LABEL_SCREEN_CUT[] = QT_TRANSLATE_NOOP("veldrio", "画面カット＆View");
inline constexpr char LABEL_ZONE[] = QT_TRANSLATE_NOOP("veldrio", "指定範囲");
inline constexpr char LABEL_CLIP_VIEW[] = QT_TRANSLATE_NOOP("veldrio", "クリップ画面View");

// Buttons.
inline constexpr char BUTTON_FILE_SEARCH[] = QT_TRANSLATE_NOOP("veldrio", "DFサーチ");
inline constexpr char BUTTON_ZONE_GUIDE[] = QT_TRANSLATE_NOOP("veldrio", "ガイド");
inline constexpr char BUTTON_CUT_AND_VIEW[] = QT_TRANSLATE_NOOP("veldrio", "カット＆View");
inline constexpr char BUTTON_ZONE_START[] = QT_TRANSLATE_NOOP("veldrio", "始点");
inline constexpr char BUTTON_ZONE_END[] = QT_TRANSLATE_NOOP("veldrio", "終点");
inline constexpr char BUTTON_ZONE_FLASH[] = QT_TRANSLATE_NOOP("veldrio", "範囲");
inline constexpr char BUTTON_CLIP_VIEW[] = QT_TRANSLATE_NOOP("veldrio", "クリップ画像View");
inline constexpr char BUTTON_CLOSE[] = QT_TRANSLATE_NOOP("veldrio", "クローズ");

// Fixed hints.
inline constexpr char HINT_FORMATS[] = QT_TRANSLATE_NOOP("veldrio", "JPG, BMP, GIF, PNG のみ対応");
inline constexpr char HINT_DROP[] = QT_TRANSLATE_NOOP("veldrio", "このウインドウへのファイルドロップによる選択可");
inline constexpr char HINT_DOUBLE_CLICK[] = QT_TRANSLATE_NOOP("veldrio", "ダブルクリックでViewerオープン");
inline constexpr char HINT_CLIPBOARD[] = QT_TRANSLATE_NOOP("veldrio", "事前にPrtSc もしくは Alt+PrtScキーでクリップボードに取り込んでください");

// Menu 170.
inline constexpr char MENU_SETTINGS[] = QT_TRANSLATE_NOOP("veldrio", "設定(&S)");
inline constexpr char MENU_SETTINGS_RESET[] = QT_TRANSLATE_NOOP("veldrio", "設定条件初期化 (&I)");
inline constexpr char MENU_VIEW[] = QT_TRANSLATE_NOOP("veldrio", "表示(&V)");
inline constexpr char MENU_HOWTO_GUIDE[] = QT_TRANSLATE_NOOP("veldrio", "機能と使用法ガイド (&G)");

// String 101: the about item.
inline constexpr char MENU_ABOUT[] = QT_TRANSLATE_NOOP("veldrio", "バージョン情報 Veldrio(&A)...");

// About box (template 100).
inline constexpr char ABOUT_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "バージョン情報 Veldrio");
inline constexpr char ABOUT_VERSION[] = "Veldrio Version 1.0";
inline constexpr char ABOUT_DESCRIPTION[] = QT_TRANSLATE_NOOP("veldrio", "画像上の平面図形の断面性能を計測します");

// Network warning at start-up (title TITLE_WARNING, exclamation icon).
inline constexpr char NETWORK_WARNING[] = QT_TRANSLATE_NOOP("veldrio", "「ヴェルドリオ」システムがネットワーク上から呼び出されました。"
    "\n本ソフトはローカルディレクトリで使用ください。"
    "\nネットワーク上で使用すると、重要なファイルが破壊されることが"
    "\nあるため、ネットワーク上では動作しないようにしてあります。");

// Caption while a screen capture is pending.
inline constexpr char CAPTION_CAPTURE_PENDING[] = QT_TRANSLATE_NOOP("veldrio", "DF処理待ち");

// ---------------------------------------------------------------------------
// Viewer registry
// ---------------------------------------------------------------------------

inline constexpr char VIEWERS_FULL[] = QT_TRANSLATE_NOOP("veldrio", "画像Viewer がいっぱいです。\n一部をクローズして再トライください。");
inline constexpr char EDIT_WINDOW_CREATE_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "データ編集ダイアログの作成失敗");
inline constexpr char VIEWER_CREATE_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "画像Viewダイアログの作成失敗");

// String-table texts that name the inter-window and key commands.
inline constexpr char NAME_VIEWER_CLOSE_REQUEST[] = QT_TRANSLATE_NOOP("veldrio", "Viewer クローズ要求");
inline constexpr char NAME_VIEWER_CLOSED[] = QT_TRANSLATE_NOOP("veldrio", "画像Viewer クローズ通知");
inline constexpr char NAME_EDITWND_CLOSED[] = QT_TRANSLATE_NOOP("veldrio", "編集ウインドウクローズ完了通知");
inline constexpr char NAME_SAMPLING_START_REQUEST[] = QT_TRANSLATE_NOOP("veldrio", "サンプリング開始依頼");
inline constexpr char NAME_SAMPLING_STOP[] = QT_TRANSLATE_NOOP("veldrio", "サンプリング停止ボタン");
inline constexpr char NAME_SAMPLING_STOP_REQUEST[] = QT_TRANSLATE_NOOP("veldrio", "サンプリング停止依頼");
inline constexpr char NAME_KEY_ENTER[] = QT_TRANSLATE_NOOP("veldrio", "CRキーON");
inline constexpr char NAME_KEY_TAB[] = QT_TRANSLATE_NOOP("veldrio", "TABキーON");
inline constexpr char NAME_KEY_UP[] = QT_TRANSLATE_NOOP("veldrio", "↑キーON");
inline constexpr char NAME_KEY_DOWN[] = QT_TRANSLATE_NOOP("veldrio", "↓キーON");
inline constexpr char NAME_KEY_SHIFT_TAB[] = QT_TRANSLATE_NOOP("veldrio", "SHIFT+TABキーON");
inline constexpr char NAME_KEY_LEFT[] = QT_TRANSLATE_NOOP("veldrio", "←キーON");
inline constexpr char NAME_KEY_RIGHT[] = QT_TRANSLATE_NOOP("veldrio", "→キーON");
inline constexpr char NAME_KEY_ESCAPE[] = QT_TRANSLATE_NOOP("veldrio", "ESCキーON");
inline constexpr char NAME_KEY_PAGE_DOWN[] = QT_TRANSLATE_NOOP("veldrio", "次頁\n次頁");
inline constexpr char NAME_KEY_PAGE_UP[] = QT_TRANSLATE_NOOP("veldrio", "前頁\n前頁");

// ---------------------------------------------------------------------------
// Settings
// ---------------------------------------------------------------------------

inline constexpr char SETTINGS_FILE_NAME[] = "SetteiKol.bin";
inline constexpr char SETTINGS_RESET_QUESTION[] = QT_TRANSLATE_NOOP("veldrio", "設定条件を初期化していいですか？");
inline constexpr char SETTINGS_RESET_DONE[] = QT_TRANSLATE_NOOP("veldrio", "本ソフトはいったんクローズしてください。");

// String-table names of the six colour-number fields.
inline constexpr char NAME_COLOUR_POINT_MARK[] = QT_TRANSLATE_NOOP("veldrio", "表示色No 座標");
inline constexpr char NAME_COLOUR_POINT_NUMBER[] = QT_TRANSLATE_NOOP("veldrio", "表示色No 座標番号");
inline constexpr char NAME_COLOUR_CENTROID[] = QT_TRANSLATE_NOOP("veldrio", "表示色No 座標中心");
inline constexpr char NAME_COLOUR_SEGMENT[] = QT_TRANSLATE_NOOP("veldrio", "表示色No 座標間曲線");
inline constexpr char NAME_COLOUR_STRONG_AXIS[] = QT_TRANSLATE_NOOP("veldrio", "表示色No 中性軸・強軸");
inline constexpr char NAME_COLOUR_WEAK_AXIS[] = QT_TRANSLATE_NOOP("veldrio", "表示色No 中性軸・弱軸");

// ---------------------------------------------------------------------------
// Image file choice and opening
// ---------------------------------------------------------------------------

inline constexpr char OPEN_FILTER[] =
    "jpg (*.jpg)|*.jpg|bmp (*.bmp)|*.bmp|gif (*.gif)|*.gif|png (*.png)|*.png||";
// The chosen file's extension in place of %s (title TITLE_CONFIRM).
inline constexpr char EXTENSION_REFUSED[] = QT_TRANSLATE_NOOP("veldrio", "拡張子として [%s] のファイルが指定されました\n処理できません");
// Opening a path of another ending; the path is the title.
inline constexpr char OPEN_EXTENSION_REFUSED[] = QT_TRANSLATE_NOOP("veldrio", "拡張子が jpg,bmp,gif 以外が指定されました");
// Loader failures (title TITLE_ABANDON).
inline constexpr char BMP_LOAD_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "BMP変換に失敗しました");
inline constexpr char JPEG_LOAD_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "JPEG変換に失敗しました");
inline constexpr char GIF_LOAD_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "GIF変換に失敗しました");

}  // namespace texts
