// Texts of the drawing-colour dialog (UTF-8).
#pragma once

#include "res/translation.h"

namespace texts {

inline constexpr char COLOUR_DIALOG_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "作画表示色設定");

// Labels of the six colour-number fields, in their order.
inline constexpr char COLOUR_LABEL_POINT_MARK[] = QT_TRANSLATE_NOOP("veldrio", "座標マーク");
inline constexpr char COLOUR_LABEL_POINT_NUMBER[] = QT_TRANSLATE_NOOP("veldrio", "座標No");
inline constexpr char COLOUR_LABEL_CENTROID[] = QT_TRANSLATE_NOOP("veldrio", "中心マーク");
inline constexpr char COLOUR_LABEL_SEGMENT[] = QT_TRANSLATE_NOOP("veldrio", "点列間曲線");
inline constexpr char COLOUR_LABEL_STRONG_AXIS[] = QT_TRANSLATE_NOOP("veldrio", "中性軸・強軸");
inline constexpr char COLOUR_LABEL_WEAK_AXIS[] = QT_TRANSLATE_NOOP("veldrio", "中性軸・弱軸");

inline constexpr char COLOUR_FRAME[] = QT_TRANSLATE_NOOP("veldrio", "表示色指定");
inline constexpr char COLOUR_HINT[] = QT_TRANSLATE_NOOP("veldrio", "下の表のいずれかを指定のこと");
inline constexpr char COLOUR_BUTTON_OK[] = "OK";
inline constexpr char COLOUR_BUTTON_CANCEL[] = QT_TRANSLATE_NOOP("veldrio", "キャンセル");

// A number outside 0..19 at OK (title "確認").
inline constexpr char COLOUR_BAD_INPUT[] = QT_TRANSLATE_NOOP("veldrio", "入力データ不良です");

}  // namespace texts
