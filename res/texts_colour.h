// Texts of the drawing-colour dialog (UTF-8).
#pragma once

namespace texts {

inline constexpr char COLOUR_DIALOG_TITLE[] = "作画表示色設定";

// Labels of the six colour-number fields, in their order.
inline constexpr char COLOUR_LABEL_POINT_MARK[] = "座標マーク";
inline constexpr char COLOUR_LABEL_POINT_NUMBER[] = "座標No";
inline constexpr char COLOUR_LABEL_CENTROID[] = "中心マーク";
inline constexpr char COLOUR_LABEL_SEGMENT[] = "点列間曲線";
inline constexpr char COLOUR_LABEL_STRONG_AXIS[] = "中性軸・強軸";
inline constexpr char COLOUR_LABEL_WEAK_AXIS[] = "中性軸・弱軸";

inline constexpr char COLOUR_FRAME[] = "表示色指定";
inline constexpr char COLOUR_HINT[] = "下の表のいずれかを指定のこと";
inline constexpr char COLOUR_BUTTON_OK[] = "OK";
inline constexpr char COLOUR_BUTTON_CANCEL[] = "キャンセル";

// A number outside 0..19 at OK (title "確認").
inline constexpr char COLOUR_BAD_INPUT[] = "入力データ不良です";

}  // namespace texts
