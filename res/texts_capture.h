// Texts of the clipboard capture and of the screen-zone capture with its
// guide dialog (UTF-8).
#pragma once

namespace texts {

// Clipboard picture.
inline constexpr char CLIP_CANNOT_OPEN[] = "クリップボードがオープンできません";
inline constexpr char CLIP_NO_PICTURE[] = "クリップボードに保存画像がありません";
inline constexpr char CLIP_CONVERT_FAILED[] = "クリップ画像イメージの変換に失敗しました";

// Screen zone: the title while a corner is searched for, and its note when
// the mouse lies on the wrong side of the other corner.
inline constexpr char ZONE_SEARCH_START[] = "始点ｻｰﾁ中(%4d,%4d)-(%4d,%4d)";
inline constexpr char ZONE_SEARCH_END[] = "終点ｻｰﾁ中(%4d,%4d)-(%4d,%4d)";
inline constexpr char ZONE_SEARCH_REVERSED[] = "大小逆";

// The zone line of the main dialog: left, top, right, bottom, width, height.
inline constexpr char ZONE_TEXT[] = "(%4d,%4d)-(%4d,%4d)  Δ(%d,%d)";

// A released corner that would turn the zone inside out.
inline constexpr char ZONE_CORNERS_TITLE[] = "始点と終点の位置関係が異常です";
inline constexpr char ZONE_CORNERS_XY[] = "指定始点X,Y > 終点X,Y になっています。";
inline constexpr char ZONE_CORNERS_X[] = "指定始点X > 終点X になっています。";
inline constexpr char ZONE_CORNERS_Y[] = "指定始点Y > 終点Y になっています。";

// Capture of the zone.
inline constexpr char ZONE_BAD[] = "ゾーン指定不良です";
inline constexpr char ZONE_CONVERT_FAILED[] = "指定ゾーンの画像イメージの変換に失敗しました";
inline constexpr char ZONE_BITMAP_CREATE_FAILED[] = "Compatible Bitmap 作成に失敗しました";
inline constexpr char ZONE_BITMAP_CREATE_TITLE[] = "起動を中断します";
inline constexpr char ZONE_BITMAP_COPY_FAILED[] = "Bitmap 転送に失敗しました";
inline constexpr char ZONE_SCREEN_DEPTH_UNSUPPORTED[] = "モニタに 32,24,16 ビットタイプ以外が指定されました";

// The zone-setting guide dialog.
inline constexpr char ZONE_GUIDE_TITLE[] = "モニタゾーン設定ガイド";
inline constexpr char ZONE_GUIDE_CAPTION_HEADING[] = "ゾーン設定ガイド";
inline constexpr char ZONE_GUIDE_CAPTION_START[] = "始点の定義";
inline constexpr char ZONE_GUIDE_CAPTION_END[] = "終点の定義";
inline constexpr char ZONE_GUIDE_CAPTION_FLASH[] = "範囲の微調整";
inline constexpr char ZONE_GUIDE_INTRO[] = "モニタから画像切り出しするゾーン設定のための推奨方式です。";
inline constexpr char ZONE_GUIDE_START[] = "「始」ボタンをクリックするとカーソルが＋マークに変わりますので主画面の内部の点からマウスの左ボタンを押したまま希望する開始位置までドラッグしていき、マウス左ボタンを離してください。その点が開始点として取り込まれ、２秒間指定領域が反転表示されます。\nマウスを離すときに CTRL キーを押しておくと、終点を始点のすぐ右下にセットします。これを推奨。";
inline constexpr char ZONE_GUIDE_END[] = "「終」ボタンをクリックして同じように、＋マークカーソルを終点のところまでドラッグしていって、このときはCTRLキーを押さずにマウスを離してください。このときの座標が終点として取り込まれ、２秒間指定領域が反転表示されます。\nなお、マウスを離すときに CTRL キーを押しておくと、始点を終点のすぐ左上にセットします。";
inline constexpr char ZONE_GUIDE_FLASH[] = "「範」ボタンをクリックすると、２秒間、指定範囲を反転表示します。";

}  // namespace texts
