// Texts of the clipboard capture and of the screen-zone capture with its
// guide dialog (UTF-8).
#pragma once

#include "res/translation.h"

namespace texts {

// Clipboard picture.
inline constexpr char CLIP_CANNOT_OPEN[] = QT_TRANSLATE_NOOP("veldrio", "クリップボードがオープンできません");
inline constexpr char CLIP_NO_PICTURE[] = QT_TRANSLATE_NOOP("veldrio", "クリップボードに保存画像がありません");
inline constexpr char CLIP_CONVERT_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "クリップ画像イメージの変換に失敗しました");

// Screen zone: the title while a corner is searched for, and its note when
// the mouse lies on the wrong side of the other corner.
inline constexpr char ZONE_SEARCH_START[] = QT_TRANSLATE_NOOP("veldrio", "始点ｻｰﾁ中(%4d,%4d)-(%4d,%4d)");
inline constexpr char ZONE_SEARCH_END[] = QT_TRANSLATE_NOOP("veldrio", "終点ｻｰﾁ中(%4d,%4d)-(%4d,%4d)");
inline constexpr char ZONE_SEARCH_REVERSED[] = QT_TRANSLATE_NOOP("veldrio", "大小逆");

// The zone line of the main dialog: left, top, right, bottom, width, height.
inline constexpr char ZONE_TEXT[] = QT_TRANSLATE_NOOP("veldrio", "(%4d,%4d)-(%4d,%4d)  Δ(%d,%d)");

// A released corner that would turn the zone inside out.
inline constexpr char ZONE_CORNERS_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "始点と終点の位置関係が異常です");
inline constexpr char ZONE_CORNERS_XY[] = QT_TRANSLATE_NOOP("veldrio", "指定始点X,Y > 終点X,Y になっています。");
inline constexpr char ZONE_CORNERS_X[] = QT_TRANSLATE_NOOP("veldrio", "指定始点X > 終点X になっています。");
inline constexpr char ZONE_CORNERS_Y[] = QT_TRANSLATE_NOOP("veldrio", "指定始点Y > 終点Y になっています。");

// Capture of the zone.
inline constexpr char ZONE_BAD[] = QT_TRANSLATE_NOOP("veldrio", "ゾーン指定不良です");
inline constexpr char ZONE_CONVERT_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "指定ゾーンの画像イメージの変換に失敗しました");
inline constexpr char ZONE_BITMAP_CREATE_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "Compatible Bitmap 作成に失敗しました");
inline constexpr char ZONE_BITMAP_CREATE_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "起動を中断します");
inline constexpr char ZONE_BITMAP_COPY_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "Bitmap 転送に失敗しました");
inline constexpr char ZONE_SCREEN_DEPTH_UNSUPPORTED[] = QT_TRANSLATE_NOOP("veldrio", "モニタに 32,24,16 ビットタイプ以外が指定されました");

// The zone-setting guide dialog.
inline constexpr char ZONE_GUIDE_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "モニタゾーン設定ガイド");
inline constexpr char ZONE_GUIDE_CAPTION_HEADING[] = QT_TRANSLATE_NOOP("veldrio", "ゾーン設定ガイド");
inline constexpr char ZONE_GUIDE_CAPTION_START[] = QT_TRANSLATE_NOOP("veldrio", "始点の定義");
inline constexpr char ZONE_GUIDE_CAPTION_END[] = QT_TRANSLATE_NOOP("veldrio", "終点の定義");
inline constexpr char ZONE_GUIDE_CAPTION_FLASH[] = QT_TRANSLATE_NOOP("veldrio", "範囲の微調整");
inline constexpr char ZONE_GUIDE_INTRO[] = QT_TRANSLATE_NOOP("veldrio", "モニタから画像切り出しするゾーン設定のための推奨方式です。");
inline constexpr char ZONE_GUIDE_START[] = QT_TRANSLATE_NOOP("veldrio", "「始」ボタンをクリックするとカーソルが＋マークに変わりますので主画面の内部の点からマウスの左ボタンを押したまま希望する開始位置までドラッグしていき、マウス左ボタンを離してください。その点が開始点として取り込まれ、２秒間指定領域が反転表示されます。\nマウスを離すときに CTRL キーを押しておくと、終点を始点のすぐ右下にセットします。これを推奨。");
inline constexpr char ZONE_GUIDE_END[] = QT_TRANSLATE_NOOP("veldrio", "「終」ボタンをクリックして同じように、＋マークカーソルを終点のところまでドラッグしていって、このときはCTRLキーを押さずにマウスを離してください。このときの座標が終点として取り込まれ、２秒間指定領域が反転表示されます。\nなお、マウスを離すときに CTRL キーを押しておくと、始点を終点のすぐ左上にセットします。");
inline constexpr char ZONE_GUIDE_FLASH[] = QT_TRANSLATE_NOOP("veldrio", "「範」ボタンをクリックすると、２秒間、指定範囲を反転表示します。");

}  // namespace texts
