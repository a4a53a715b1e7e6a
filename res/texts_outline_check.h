// What the outline check found wrong with an outline's rows (UTF-8); %d
// holds the table's row numbers, counted from 1.
#pragma once

#include "res/translation.h"

namespace texts {

inline constexpr char OUTLINE_POINT_OUTSIDE[] = QT_TRANSLATE_NOOP("veldrio", "%d 行目の点が図形の範囲の外にあります");
inline constexpr char OUTLINE_ARC_TOO_LONG[] = QT_TRANSLATE_NOOP("veldrio", "%d 行目からの円弧が半円以上あります");
inline constexpr char OUTLINE_ARC_DEGENERATE[] = QT_TRANSLATE_NOOP("veldrio", "%d 行目からの円弧の3点が一直線上にあるか重なっています");
inline constexpr char OUTLINE_CROSSES_ITSELF[] = QT_TRANSLATE_NOOP("veldrio", "%d 行目と %d 行目からの辺が交差しているか接しています");
inline constexpr char OUTLINE_LOOPS_CROSS[] = QT_TRANSLATE_NOOP("veldrio", "%d 行目と %d 行目からの辺（別の輪郭）が交差しているか接しています");
// Rows read back from a file whose outline fails the check (title
// TITLE_CONFIRM); one of the texts above follows on the next line.
inline constexpr char OUTLINE_FILE_REFUSED[] = QT_TRANSLATE_NOOP("veldrio", "輪郭データの形が正しくないため読み込めません");

}  // namespace texts
