// Texts of the image viewer and the magnification dialog (UTF-8).
#pragma once

#include "res/translation.h"

namespace texts {

// ---------------------------------------------------------------------------
// Viewer captions, first rule that applies
// ---------------------------------------------------------------------------

inline constexpr char CAPTION_CORRECTION_WAITING[] = QT_TRANSLATE_NOOP("veldrio", "修正サンプリングデータ指定待ち中です。");
// The row number counting from 1.
inline constexpr char CAPTION_CORRECTING_ROW[] = QT_TRANSLATE_NOOP("veldrio", "%d 番目のデータ修正中です。Ctrl+矢印で移動。完了メニューにて解除。");
// Slot, file name, width, height, percentage.
inline constexpr char CAPTION_IMAGE[] = QT_TRANSLATE_NOOP("veldrio", "画像View Sr=%d DF=%s BxH=%dx%d ﾄﾞｯﾄ %d %% ");
inline constexpr char CAPTION_SAMPLING[] = QT_TRANSLATE_NOOP("veldrio", "サンプリングモード。左ボタンでクリックし、右回りで定義のこと。");
inline constexpr char CAPTION_CALCULATED[] = QT_TRANSLATE_NOOP("veldrio", "結果表示中。");
inline constexpr char CAPTION_MODIFIED[] = QT_TRANSLATE_NOOP("veldrio", "データ修正完了。計算指示待ち中。");
inline constexpr char CAPTION_VIEWER_SEARCH[] = QT_TRANSLATE_NOOP("veldrio", "修正データサーチ中。");
inline constexpr char CAPTION_VIEWER_EDIT[] = QT_TRANSLATE_NOOP("veldrio", "データ修正中。Ctrl+矢印キーで修正。完了メニュークリックのこと。");
inline constexpr char CAPTION_WAITING[] = QT_TRANSLATE_NOOP("veldrio", "指示待ち中。");

// ---------------------------------------------------------------------------
// Image properties box
// ---------------------------------------------------------------------------

inline constexpr char PROPERTIES_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "画像プロパティ");
inline constexpr char PROPERTIES_NAME_LINE[] = QT_TRANSLATE_NOOP("veldrio", "DF名   %s\n");
inline constexpr char PROPERTIES_SIZE_LINE[] = QT_TRANSLATE_NOOP("veldrio", "画像ｻｲｽﾞ  幅 %d x 高さ %d ドット\n");

// ---------------------------------------------------------------------------
// Magnification command
// ---------------------------------------------------------------------------

inline constexpr char MAGNIFICATION_QUESTION[] = QT_TRANSLATE_NOOP("veldrio", "サンプリングデータがあります。\n表示倍率を変更するとデータ変換がうまくいかないかもしれません");
inline constexpr char MAGNIFICATION_QUESTION_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "続行しますか？");
// A percentage of 0 or below: every point would collapse onto 0 and the next
// change would divide by zero.
inline constexpr char MAGNIFICATION_TOO_SMALL[] = QT_TRANSLATE_NOOP("veldrio", "表示倍率 %d %% は指定できません。\n1 %% 以上を指定してください。");
// A percentage at which the display image cannot be made.
inline constexpr char MAGNIFICATION_TOO_LARGE[] = QT_TRANSLATE_NOOP("veldrio", "表示倍率 %d %% では表示画像が大きすぎて作成できません。\n小さい倍率を指定してください。");

// ---------------------------------------------------------------------------
// Coordinate correction
// ---------------------------------------------------------------------------

// Correction asked for while the table holds no rows (title TITLE_CONFIRM).
inline constexpr char CORRECTION_NO_DATA[] = QT_TRANSLATE_NOOP("veldrio", "サンプリングデータがありません");
// Correction started (title TITLE_CONFIRM).
inline constexpr char CORRECTION_CHOOSE[] = QT_TRANSLATE_NOOP("veldrio", "左ボタンで修正対象を選択してください");
// A point picked, with its row number counting from 1.
inline constexpr char CORRECTION_PICKED[] = QT_TRANSLATE_NOOP("veldrio", "%d 番目のデータをCtrl+矢印キーで修正してください");
inline constexpr char CORRECTION_PICKED_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "修正後、完了メニューをクリックしてください");

// ---------------------------------------------------------------------------
// Viewer menu
// ---------------------------------------------------------------------------

inline constexpr char VIEWER_MENU_FILE[] = QT_TRANSLATE_NOOP("veldrio", "ファイル(&F)");
inline constexpr char VIEWER_MENU_PROPERTIES[] = QT_TRANSLATE_NOOP("veldrio", "画像プロパティ表示(&Y)");
inline constexpr char VIEWER_MENU_CONVERT[] = QT_TRANSLATE_NOOP("veldrio", "画像変換(&G)");
inline constexpr char VIEWER_MENU_MAGNIFICATION[] = QT_TRANSLATE_NOOP("veldrio", "表示倍率指定(&B)");
inline constexpr char VIEWER_MENU_DRAWING[] = QT_TRANSLATE_NOOP("veldrio", "作画設定(&S)");
inline constexpr char VIEWER_MENU_COLOURS[] = QT_TRANSLATE_NOOP("veldrio", "作画表示色選択 (&C)");
inline constexpr char VIEWER_MENU_CORRECTION[] = QT_TRANSLATE_NOOP("veldrio", "座標修正(&Z)");
inline constexpr char VIEWER_MENU_CORRECTION_START[] = QT_TRANSLATE_NOOP("veldrio", "サンプリング座標修正開始(&S)");
inline constexpr char VIEWER_MENU_CORRECTION_END[] = QT_TRANSLATE_NOOP("veldrio", "サンプリング座標修正完了(&E)");
inline constexpr char VIEWER_MENU_CUT[] = QT_TRANSLATE_NOOP("veldrio", "画像切出(&G)");
inline constexpr char VIEWER_MENU_TRACKER_ZONE[] = QT_TRANSLATE_NOOP("veldrio", "画像切出しトラッカゾーン指定(&Z)");
inline constexpr char VIEWER_MENU_WRITE_ZONE_PNG[] = QT_TRANSLATE_NOOP("veldrio", "PNG ファイル書込み（トラッカゾーン）  (&P)");
inline constexpr char VIEWER_MENU_WRITE_ZONE_BMP[] = QT_TRANSLATE_NOOP("veldrio", "BMP ファイル書込み（トラッカゾーン） (&B)");
inline constexpr char VIEWER_MENU_CUT_GUIDE[] = QT_TRANSLATE_NOOP("veldrio", "画像切出しｶﾞｲﾄﾞ表示 (&G)");
inline constexpr char VIEWER_MENU_WRITE_WINDOW_PNG[] = QT_TRANSLATE_NOOP("veldrio", "View WndごとPNG DF書込み (&D)");
inline constexpr char VIEWER_MENU_WRITE_WINDOW_BMP[] = QT_TRANSLATE_NOOP("veldrio", "View WndごとBMP DF書込み (&C)");
// Also the edit window's close item.
inline constexpr char MENU_CLOSE[] = QT_TRANSLATE_NOOP("veldrio", "クローズ(&X)");

// ---------------------------------------------------------------------------
// Magnification dialog (template 132)
// ---------------------------------------------------------------------------

inline constexpr char RATIO_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "画像倍率指定");
inline constexpr char RATIO_OK[] = "OK";
inline constexpr char RATIO_CANCEL[] = QT_TRANSLATE_NOOP("veldrio", "ｷｬﾝｾﾙ");
inline constexpr char RATIO_PERCENT_LABEL[] = QT_TRANSLATE_NOOP("veldrio", "画像倍率指定(%)");
inline constexpr char RATIO_100[] = "100 %";
inline constexpr char RATIO_RECOMMENDED[] = QT_TRANSLATE_NOOP("veldrio", "25～400推奨");
inline constexpr char RATIO_CONVERTED_LABEL[] = QT_TRANSLATE_NOOP("veldrio", "換算ドット数");
inline constexpr char RATIO_SOURCE_LABEL[] = QT_TRANSLATE_NOOP("veldrio", "元画像ドット数");
inline constexpr char RATIO_NOTE[] = QT_TRANSLATE_NOOP("veldrio", "現在表示されている％には関係なく、元画像に対して何％になるかを指定ください。また大きな比率を指定すると、ハングアップするかもしれません。");

}  // namespace texts
