// Texts of the image viewer and the magnification dialog (UTF-8).
#pragma once

namespace texts {

// ---------------------------------------------------------------------------
// Viewer captions, first rule that applies
// ---------------------------------------------------------------------------

inline constexpr char CAPTION_CORRECTION_WAITING[] = "修正サンプリングデータ指定待ち中です。";
// The row number counting from 1.
inline constexpr char CAPTION_CORRECTING_ROW[] =
    "%d 番目のデータ修正中です。Ctrl+矢印で移動。完了メニューにて解除。";
// Slot, file name, width, height, percentage.
inline constexpr char CAPTION_IMAGE[] = "画像View Sr=%d DF=%s BxH=%dx%d ﾄﾞｯﾄ %d %% ";
inline constexpr char CAPTION_SAMPLING[] = "サンプリングモード。左ボタンでクリックし、右回りで定義のこと。";
inline constexpr char CAPTION_CALCULATED[] = "結果表示中。";
inline constexpr char CAPTION_MODIFIED[] = "データ修正完了。計算指示待ち中。";
inline constexpr char CAPTION_VIEWER_SEARCH[] = "修正データサーチ中。";
inline constexpr char CAPTION_VIEWER_EDIT[] =
    "データ修正中。Ctrl+矢印キーで修正。完了メニュークリックのこと。";
inline constexpr char CAPTION_WAITING[] = "指示待ち中。";

// ---------------------------------------------------------------------------
// Image properties box
// ---------------------------------------------------------------------------

inline constexpr char PROPERTIES_TITLE[] = "画像プロパティ";
inline constexpr char PROPERTIES_NAME_LINE[] = "DF名   %s\n";
inline constexpr char PROPERTIES_SIZE_LINE[] = "画像ｻｲｽﾞ  幅 %d x 高さ %d ドット\n";

// ---------------------------------------------------------------------------
// Magnification command
// ---------------------------------------------------------------------------

inline constexpr char MAGNIFICATION_QUESTION[] =
    "サンプリングデータがあります。\n表示倍率を変更するとデータ変換がうまくいかないかもしれません";
inline constexpr char MAGNIFICATION_QUESTION_TITLE[] = "続行しますか？";
// A percentage of 0 or below: every point would collapse onto 0 and the next
// change would divide by zero.
inline constexpr char MAGNIFICATION_TOO_SMALL[] =
    "表示倍率 %d %% は指定できません。\n1 %% 以上を指定してください。";
// A percentage at which the display image cannot be made.
inline constexpr char MAGNIFICATION_TOO_LARGE[] =
    "表示倍率 %d %% では表示画像が大きすぎて作成できません。\n小さい倍率を指定してください。";

// ---------------------------------------------------------------------------
// Coordinate correction
// ---------------------------------------------------------------------------

// Correction asked for while the table holds no rows (title TITLE_CONFIRM).
inline constexpr char CORRECTION_NO_DATA[] = "サンプリングデータがありません";
// Correction started (title TITLE_CONFIRM).
inline constexpr char CORRECTION_CHOOSE[] = "左ボタンで修正対象を選択してください";
// A point picked, with its row number counting from 1.
inline constexpr char CORRECTION_PICKED[] = "%d 番目のデータをCtrl+矢印キーで修正してください";
inline constexpr char CORRECTION_PICKED_TITLE[] = "修正後、完了メニューをクリックしてください";

// ---------------------------------------------------------------------------
// Viewer menu
// ---------------------------------------------------------------------------

inline constexpr char VIEWER_MENU_FILE[] = "ファイル(&F)";
inline constexpr char VIEWER_MENU_PROPERTIES[] = "画像プロパティ表示(&Y)";
inline constexpr char VIEWER_MENU_CONVERT[] = "画像変換(&G)";
inline constexpr char VIEWER_MENU_MAGNIFICATION[] = "表示倍率指定(&B)";
inline constexpr char VIEWER_MENU_DRAWING[] = "作画設定(&S)";
inline constexpr char VIEWER_MENU_COLOURS[] = "作画表示色選択 (&C)";
inline constexpr char VIEWER_MENU_CORRECTION[] = "座標修正(&Z)";
inline constexpr char VIEWER_MENU_CORRECTION_START[] = "サンプリング座標修正開始(&S)";
inline constexpr char VIEWER_MENU_CORRECTION_END[] = "サンプリング座標修正完了(&E)";
inline constexpr char VIEWER_MENU_CUT[] = "画像切出(&G)";
inline constexpr char VIEWER_MENU_TRACKER_ZONE[] = "画像切出しトラッカゾーン指定(&Z)";
inline constexpr char VIEWER_MENU_WRITE_ZONE_PNG[] = "PNG ファイル書込み（トラッカゾーン）  (&P)";
inline constexpr char VIEWER_MENU_WRITE_ZONE_BMP[] = "BMP ファイル書込み（トラッカゾーン） (&B)";
inline constexpr char VIEWER_MENU_CUT_GUIDE[] = "画像切出しｶﾞｲﾄﾞ表示 (&G)";
inline constexpr char VIEWER_MENU_WRITE_WINDOW_PNG[] = "View WndごとPNG DF書込み (&D)";
inline constexpr char VIEWER_MENU_WRITE_WINDOW_BMP[] = "View WndごとBMP DF書込み (&C)";
// Also the edit window's close item.
inline constexpr char MENU_CLOSE[] = "クローズ(&X)";

// ---------------------------------------------------------------------------
// Magnification dialog (template 132)
// ---------------------------------------------------------------------------

inline constexpr char RATIO_TITLE[] = "画像倍率指定";
inline constexpr char RATIO_OK[] = "OK";
inline constexpr char RATIO_CANCEL[] = "ｷｬﾝｾﾙ";
inline constexpr char RATIO_PERCENT_LABEL[] = "画像倍率指定(%)";
inline constexpr char RATIO_100[] = "100 %";
inline constexpr char RATIO_RECOMMENDED[] = "25～400推奨";
inline constexpr char RATIO_CONVERTED_LABEL[] = "換算ドット数";
inline constexpr char RATIO_SOURCE_LABEL[] = "元画像ドット数";
inline constexpr char RATIO_NOTE[] =
    "現在表示されている％には関係なく、元画像に対して何％になるかを指定ください。また大きな比率を指定すると、ハングアップするかもしれません。";

}  // namespace texts
