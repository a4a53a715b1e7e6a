// Texts of the perspective correction: the viewer's menu items, the plane
// dialog, the corrected picture and the messages (UTF-8).
#pragma once

#include "res/translation.h"

namespace texts_plane {

inline constexpr char MENU_PLANE[] = QT_TRANSLATE_NOOP("veldrio", "遠近補正 (&P)");
inline constexpr char MENU_PLANE_SET[] = QT_TRANSLATE_NOOP("veldrio", "基準矩形を指定 (&S)");
inline constexpr char MENU_PLANE_FINISH[] = QT_TRANSLATE_NOOP("veldrio", "基準点の指定終了 (&E)");
inline constexpr char MENU_PLANE_CLEAR[] = QT_TRANSLATE_NOOP("veldrio", "遠近補正を解除 (&C)");
inline constexpr char MENU_PLANE_RECTIFY[] = QT_TRANSLATE_NOOP("veldrio", "補正画像を開く (&O)");

// The name of the plane in the reports, the sheet and the edit window.
inline constexpr char PLANE_NAME[] = QT_TRANSLATE_NOOP("veldrio", "遠近補正: %d点, %g x %g mm");

inline constexpr char PLANE_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "遠近補正");
inline constexpr char PLANE_POINTS[] = QT_TRANSLATE_NOOP("veldrio", "指定点数 = %d");
inline constexpr char PLANE_WIDTH[] = QT_TRANSLATE_NOOP("veldrio", "幅 (1点目→2点目) mm");
inline constexpr char PLANE_HEIGHT[] = QT_TRANSLATE_NOOP("veldrio", "高さ (1点目→4点目) mm");
inline constexpr char PLANE_COLUMNS[] = QT_TRANSLATE_NOOP("veldrio", "格子の横の点数");
inline constexpr char PLANE_RESIDUALS[] = QT_TRANSLATE_NOOP("veldrio", "各点の残差 (mm)");
inline constexpr char PLANE_RESIDUAL_LINE[] = "%d: %.3f";
inline constexpr char PLANE_FIT[] = QT_TRANSLATE_NOOP("veldrio", "当てはめ");
inline constexpr char PLANE_OK[] = "OK";
inline constexpr char PLANE_CANCEL[] = QT_TRANSLATE_NOOP("veldrio", "キャンセル");

inline constexpr char MSG_PLANE_CLICK[] = QT_TRANSLATE_NOOP("veldrio", "基準矩形の４隅を左上から右回りにクリックし、\n「基準点の指定終了」を選んでください。\n"
    "格子の点を使う場合は、上の行から順に各行を左から右へクリックします。");
inline constexpr char MSG_PLANE_TOO_FEW[] = QT_TRANSLATE_NOOP("veldrio", "基準点が４点に足りません。遠近補正を中止します。");
inline constexpr char MSG_PLANE_BAD_SIZE[] = QT_TRANSLATE_NOOP("veldrio", "幅と高さは正の数値で指定のこと");
inline constexpr char MSG_PLANE_NOT_GRID[] = QT_TRANSLATE_NOOP("veldrio", "点の数が格子の横の点数で割り切れません");
inline constexpr char MSG_PLANE_ON_LINE[] = QT_TRANSLATE_NOOP("veldrio", "基準矩形の３点が一直線上にあります。\n遠近補正を設定できません。");
inline constexpr char MSG_PLANE_NOT_CLOCKWISE[] = QT_TRANSLATE_NOOP("veldrio", "基準矩形の隅が右回りになっていません。\n左上から右回りに指定のこと。");
inline constexpr char MSG_PLANE_FOLD[] = QT_TRANSLATE_NOOP("veldrio", "基準矩形が折れ返っています (凸の四角形になりません)。\n遠近補正を設定できません。");
inline constexpr char MSG_PLANE_HORIZON[] = QT_TRANSLATE_NOOP("veldrio", "基準点が消失線の向こう側にあります。\n遠近補正を設定できません。");
inline constexpr char MSG_PLANE_OUTLINE_HORIZON[] = QT_TRANSLATE_NOOP("veldrio", "輪郭の点が遠近補正の消失線の向こう側にあります。\n補正面での計算ができません。");
inline constexpr char MSG_PLANE_NONE[] = QT_TRANSLATE_NOOP("veldrio", "遠近補正が設定されていません");

// The corrected picture.
inline constexpr char RECTIFY_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "補正画像を開く");
inline constexpr char RECTIFY_DOTS_PER_MM[] = QT_TRANSLATE_NOOP("veldrio", "1 mm あたりのドット数");
inline constexpr char MSG_RECTIFY_INVALID[] = QT_TRANSLATE_NOOP("veldrio", "ドット数は正の数値で指定のこと");
inline constexpr char MSG_RECTIFY_TOO_LARGE[] = QT_TRANSLATE_NOOP("veldrio", "補正画像が大きすぎます。ドット数を減らしてください。");
inline constexpr char MSG_RECTIFY_MAP_ROWS[] = QT_TRANSLATE_NOOP("veldrio", "サンプリングデータを補正画像に写しますか？");

}  // namespace texts_plane
