// Texts of the viewer's image writing (UTF-8).
#pragma once

namespace texts {

// Asked after a written image file (yes/no): show it in the picture viewer?
inline constexpr char CUT_WRITTEN[] = "画像ファイルに書込みました。";
inline constexpr char CUT_WRITTEN_TITLE[] = "モニタしてみますか？";

// The picture viewer could not be started: the two texts one after the other.
inline constexpr char CUT_VIEWER_FAILED[] = "指定画像が開けませんでした\r\n";
inline constexpr char CUT_VIEWER_FAILED_REASON[] = "FAX VeiwerもしくはIE がないか、画像が不良です";

}  // namespace texts
