// Texts of the section-property report, the real-unit scale and the
// measurement sheet (UTF-8; the report is written as Shift-JIS).
#pragma once

#include "res/translation.h"

namespace texts_properties {

// The section-property report.
inline constexpr char FILE_PROPERTIES_REPORT[] = "SectProp.txt";
inline constexpr char PROP_HEAD[] = QT_TRANSLATE_NOOP("veldrio", "[ 断面性能 ] 座標倍率 = %6.2f\r\n");
inline constexpr char PROP_SCALE[] = QT_TRANSLATE_NOOP("veldrio", "実寸スケール = %.6g mm/ドット (元画像)\r\n");
inline constexpr char PROP_NO_SCALE[] = QT_TRANSLATE_NOOP("veldrio", "実寸スケール未設定\r\n");
inline constexpr char PROP_SIDES[] = QT_TRANSLATE_NOOP("veldrio", "正側＝主軸から右回り90°の側、負側＝その反対側 (右0°右回り＋)\r\n");
inline constexpr char PROP_COLUMN_DOTS[] = QT_TRANSLATE_NOOP("veldrio", "表示スケール");
inline constexpr char PROP_COLUMN_SOURCE[] = QT_TRANSLATE_NOOP("veldrio", "元画像スケール");
inline constexpr char PROP_COLUMN_MM[] = QT_TRANSLATE_NOOP("veldrio", "実寸(mm)");
inline constexpr char PROP_VALUE[] = " %15.6e";
inline constexpr char PROP_ANGLE[] = " %15.2f";

inline constexpr char PROP_AREA[] = QT_TRANSLATE_NOOP("veldrio", "面積　　　　　　　 A");
inline constexpr char PROP_PERIMETER[] = QT_TRANSLATE_NOOP("veldrio", "周長　　　　　　　 L");
inline constexpr char PROP_WIDTH[] = QT_TRANSLATE_NOOP("veldrio", "幅　　　　　　　　 B");
inline constexpr char PROP_HEIGHT[] = QT_TRANSLATE_NOOP("veldrio", "高さ　　　　　　　 H");
inline constexpr char PROP_XC[] = QT_TRANSLATE_NOOP("veldrio", "横重心　　　　　　xc");
inline constexpr char PROP_YC[] = QT_TRANSLATE_NOOP("veldrio", "縦重心　　　　　　yc");
inline constexpr char PROP_IXX[] = QT_TRANSLATE_NOOP("veldrio", "断面２次Mt(水平軸) Ix");
inline constexpr char PROP_IYY[] = QT_TRANSLATE_NOOP("veldrio", "断面２次Mt(垂直軸) Iy");
inline constexpr char PROP_IXY[] = QT_TRANSLATE_NOOP("veldrio", "断面相乗Mt　　　　Ixy");
inline constexpr char PROP_POLAR[] = QT_TRANSLATE_NOOP("veldrio", "断面極２次Mt　　　 J");
inline constexpr char PROP_I_MAX[] = QT_TRANSLATE_NOOP("veldrio", "主軸２次Mt　　　 Max");
inline constexpr char PROP_I_MIN[] = QT_TRANSLATE_NOOP("veldrio", "主軸２次Mt　　　 Min");
inline constexpr char PROP_THETA[] = QT_TRANSLATE_NOOP("veldrio", "主軸角(Max軸) θ deg");
inline constexpr char PROP_R_MAJOR[] = QT_TRANSLATE_NOOP("veldrio", "断面２次半径　　rMax");
inline constexpr char PROP_R_MINOR[] = QT_TRANSLATE_NOOP("veldrio", "断面２次半径　　rMin");
inline constexpr char PROP_C_MAJOR_POS[] = QT_TRANSLATE_NOOP("veldrio", "縁距離 Max軸 正側 e1");
inline constexpr char PROP_C_MAJOR_NEG[] = QT_TRANSLATE_NOOP("veldrio", "縁距離 Max軸 負側 e2");
inline constexpr char PROP_C_MINOR_POS[] = QT_TRANSLATE_NOOP("veldrio", "縁距離 Min軸 正側 e3");
inline constexpr char PROP_C_MINOR_NEG[] = QT_TRANSLATE_NOOP("veldrio", "縁距離 Min軸 負側 e4");
inline constexpr char PROP_Z_MAJOR_POS[] = QT_TRANSLATE_NOOP("veldrio", "断面係数 Max/e1　 Z1");
inline constexpr char PROP_Z_MAJOR_NEG[] = QT_TRANSLATE_NOOP("veldrio", "断面係数 Max/e2　 Z2");
inline constexpr char PROP_Z_MINOR_POS[] = QT_TRANSLATE_NOOP("veldrio", "断面係数 Min/e3　 Z3");
inline constexpr char PROP_Z_MINOR_NEG[] = QT_TRANSLATE_NOOP("veldrio", "断面係数 Min/e4　 Z4");

// The edit window's new menu items.
inline constexpr char MENU_PRINT_PROPERTIES[] = QT_TRANSLATE_NOOP("veldrio", "断面性能印刷 (&S)");
inline constexpr char MENU_PRINT_SHEET[] = QT_TRANSLATE_NOOP("veldrio", "測定シート印刷 (&M)");
inline constexpr char MENU_REOPEN_OUTLINE[] = QT_TRANSLATE_NOOP("veldrio", "CSVデータ読込み (&O)");

// Reading an outline back.
inline constexpr char MSG_OUTLINE_UNREADABLE[] = QT_TRANSLATE_NOOP("veldrio", "ファイルの読込みに失敗しました");
inline constexpr char MSG_OUTLINE_BAD_LINE[] = QT_TRANSLATE_NOOP("veldrio", "%d 行目のデータが読めません。\ntype,x,y の形で指定のこと。\n読込みを中止します。");
inline constexpr char MSG_OUTLINE_TOO_MANY[] = QT_TRANSLATE_NOOP("veldrio", "%d 行目でデータ数が %d を超えます。\n読込みを中止します。");
inline constexpr char MSG_OUTLINE_REPLACE[] = QT_TRANSLATE_NOOP("veldrio", "現在のサンプリングデータを読込みデータで置き換えていいですか？");

// The real-unit scale: the viewer's menu item, its dialog and the edit window's line.
inline constexpr char MENU_REAL_SCALE[] = QT_TRANSLATE_NOOP("veldrio", "実寸スケール設定 (&U)");
inline constexpr char SCALE_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "実寸スケール設定");
inline constexpr char SCALE_TYPED[] = QT_TRANSLATE_NOOP("veldrio", "元画像 1 ドットの実寸 (mm)");
inline constexpr char SCALE_MEASURED_HEADING[] = QT_TRANSLATE_NOOP("veldrio", "画像上の既知の長さから求める");
inline constexpr char SCALE_DISTANCE[] = QT_TRANSLATE_NOOP("veldrio", "２点間距離 = %.2f ドット (元画像スケール)");
inline constexpr char SCALE_NO_DISTANCE[] = QT_TRANSLATE_NOOP("veldrio", "２点間距離 = 未指定");
inline constexpr char SCALE_LENGTH[] = QT_TRANSLATE_NOOP("veldrio", "２点間の実寸長さ (mm)");
inline constexpr char SCALE_MEASURE[] = QT_TRANSLATE_NOOP("veldrio", "画像上の２点で測る");
inline constexpr char SCALE_CLEAR[] = QT_TRANSLATE_NOOP("veldrio", "スケール解除");
inline constexpr char SCALE_OK[] = "OK";
inline constexpr char SCALE_CANCEL[] = QT_TRANSLATE_NOOP("veldrio", "キャンセル");
inline constexpr char MSG_SCALE_INVALID[] = QT_TRANSLATE_NOOP("veldrio", "実寸スケールは正の数値で指定のこと");
inline constexpr char MSG_SCALE_CLICK[] = QT_TRANSLATE_NOOP("veldrio", "画像上で既知の長さの両端を順にクリックしてください");
inline constexpr char EDIT_SCALE_LINE[] = QT_TRANSLATE_NOOP("veldrio", "実寸スケール : 元画像 1 ドット = %.6g mm");

// The measurement sheet's description, read back by the print program.
inline constexpr char FILE_SHEET[] = "MeasSheet.txt";
inline constexpr char FILE_SHEET_PICTURE[] = "MeasSheet.png";
inline constexpr char SHEET_HEAD[] = "[ 測定シート ]";
// What the print program prints over the sheet: the same words in the
// user's language (the file's first line above never changes).
inline constexpr char SHEET_HEADING[] = QT_TRANSLATE_NOOP("veldrio", "[ 測定シート ]");
inline constexpr char SHEET_PICTURE_NAME[] = "画像=%s\r\n";
inline constexpr char SHEET_DATE[] = "日付=%s\r\n";
inline constexpr char SHEET_CROP_FILE[] = "切出し画像=%s\r\n";
inline constexpr char SHEET_CROP[] = "切出し範囲=%d,%d,%d,%d\r\n";
inline constexpr char SHEET_CENTROID[] = "重心=%.6f,%.6f\r\n";
inline constexpr char SHEET_AXIS[] = "主軸角=%.6f\r\n";
inline constexpr char SHEET_POINT[] = "輪郭=%.3f,%.3f\r\n";
// Between the points of two loops (a part or a hole each).
inline constexpr char SHEET_LOOP_BREAK[] = "輪郭区切り=\r\n";
inline constexpr char SHEET_RESULT[] = "結果=%s\r\n";
inline constexpr char SHEET_MM_HEAD[] = QT_TRANSLATE_NOOP("veldrio", "実寸 (元画像 1 ドット = %.6g mm)");
inline constexpr char SHEET_MM_LINE[] = "%s = %12.5g %s";
inline constexpr char SHEET_MM_AREA[] = QT_TRANSLATE_NOOP("veldrio", "面積　   A");
inline constexpr char SHEET_MM_PERIMETER[] = QT_TRANSLATE_NOOP("veldrio", "周長　   L");
inline constexpr char SHEET_MM_WIDTH[] = QT_TRANSLATE_NOOP("veldrio", "幅　 　  B");
inline constexpr char SHEET_MM_HEIGHT[] = QT_TRANSLATE_NOOP("veldrio", "高さ 　  H");
inline constexpr char SHEET_MM_I_MAX[] = QT_TRANSLATE_NOOP("veldrio", "Iy Max　　");
inline constexpr char SHEET_MM_I_MIN[] = QT_TRANSLATE_NOOP("veldrio", "Iz Min　　");
inline constexpr char SHEET_MM_Z_MAX[] = QT_TRANSLATE_NOOP("veldrio", "Z  Max　　");
inline constexpr char SHEET_MM_Z_MIN[] = QT_TRANSLATE_NOOP("veldrio", "Z  Min　　");
inline constexpr char SHEET_DATE_FORMAT[] = QT_TRANSLATE_NOOP("veldrio", "%Y年%m月%d日 %H:%M");
inline constexpr char MSG_SHEET_PICTURE_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "測定シート用の画像ファイルの書込みに失敗しました。");

}  // namespace texts_properties
