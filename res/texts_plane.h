// Texts of the perspective correction: the viewer's menu items, the plane
// dialog, the corrected picture and the messages (UTF-8).
#pragma once

namespace texts_plane {

inline constexpr char MENU_PLANE[] = "遠近補正 (&P)";
inline constexpr char MENU_PLANE_SET[] = "基準矩形を指定 (&S)";
inline constexpr char MENU_PLANE_FINISH[] = "基準点の指定終了 (&E)";
inline constexpr char MENU_PLANE_CLEAR[] = "遠近補正を解除 (&C)";
inline constexpr char MENU_PLANE_RECTIFY[] = "補正画像を開く (&O)";

// The name of the plane in the reports, the sheet and the edit window.
inline constexpr char PLANE_NAME[] = "遠近補正: %d点, %g x %g mm";

inline constexpr char PLANE_TITLE[] = "遠近補正";
inline constexpr char PLANE_POINTS[] = "指定点数 = %d";
inline constexpr char PLANE_WIDTH[] = "幅 (1点目→2点目) mm";
inline constexpr char PLANE_HEIGHT[] = "高さ (1点目→4点目) mm";
inline constexpr char PLANE_COLUMNS[] = "格子の横の点数";
inline constexpr char PLANE_RESIDUALS[] = "各点の残差 (mm)";
inline constexpr char PLANE_RESIDUAL_LINE[] = "%d: %.3f";
inline constexpr char PLANE_FIT[] = "当てはめ";
inline constexpr char PLANE_OK[] = "OK";
inline constexpr char PLANE_CANCEL[] = "キャンセル";

inline constexpr char MSG_PLANE_CLICK[] =
    "基準矩形の４隅を左上から右回りにクリックし、\n「基準点の指定終了」を選んでください。\n"
    "格子の点を使う場合は、上の行から順に各行を左から右へクリックします。";
inline constexpr char MSG_PLANE_TOO_FEW[] = "基準点が４点に足りません。遠近補正を中止します。";
inline constexpr char MSG_PLANE_BAD_SIZE[] = "幅と高さは正の数値で指定のこと";
inline constexpr char MSG_PLANE_NOT_GRID[] = "点の数が格子の横の点数で割り切れません";
inline constexpr char MSG_PLANE_ON_LINE[] =
    "基準矩形の３点が一直線上にあります。\n遠近補正を設定できません。";
inline constexpr char MSG_PLANE_NOT_CLOCKWISE[] =
    "基準矩形の隅が右回りになっていません。\n左上から右回りに指定のこと。";
inline constexpr char MSG_PLANE_FOLD[] =
    "基準矩形が折れ返っています (凸の四角形になりません)。\n遠近補正を設定できません。";
inline constexpr char MSG_PLANE_HORIZON[] =
    "基準点が消失線の向こう側にあります。\n遠近補正を設定できません。";
inline constexpr char MSG_PLANE_OUTLINE_HORIZON[] =
    "輪郭の点が遠近補正の消失線の向こう側にあります。\n補正面での計算ができません。";
inline constexpr char MSG_PLANE_NONE[] = "遠近補正が設定されていません";

// The corrected picture.
inline constexpr char RECTIFY_TITLE[] = "補正画像を開く";
inline constexpr char RECTIFY_DOTS_PER_MM[] = "1 mm あたりのドット数";
inline constexpr char MSG_RECTIFY_INVALID[] = "ドット数は正の数値で指定のこと";
inline constexpr char MSG_RECTIFY_TOO_LARGE[] = "補正画像が大きすぎます。ドット数を減らしてください。";
inline constexpr char MSG_RECTIFY_MAP_ROWS[] = "サンプリングデータを補正画像に写しますか？";

}  // namespace texts_plane
