// The Japanese texts of the sample table, the calculation, the reports and
// the CSV export, byte for byte. Formats are printf formats.
#pragma once

#include "res/translation.h"

namespace texts_data {

// Message box titles.
inline constexpr char TITLE_CONFIRM[] = QT_TRANSLATE_NOOP("veldrio", "確認");
inline constexpr char TITLE_REQUEST[] = QT_TRANSLATE_NOOP("veldrio", "確認要求");
inline constexpr char TITLE_NOT_CALCULABLE[] = QT_TRANSLATE_NOOP("veldrio", "計算に入れません");

// Work states, as the status box shows them.
inline constexpr char STATE_IDLE[] = QT_TRANSLATE_NOOP("veldrio", "指示待ち中");
inline constexpr char STATE_SAMPLING[] = QT_TRANSLATE_NOOP("veldrio", "サンプリング中");
inline constexpr char STATE_CALCULATED[] = QT_TRANSLATE_NOOP("veldrio", "計算完了");
inline constexpr char STATE_MODIFIED[] = QT_TRANSLATE_NOOP("veldrio", "データ修正あり");
inline constexpr char STATE_VIEWER_SEARCH[] = QT_TRANSLATE_NOOP("veldrio", "Viwer 修正データサーチ中");
inline constexpr char STATE_VIEWER_EDIT[] = QT_TRANSLATE_NOOP("veldrio", "Viwer データ修正中");

// Sample table.
inline constexpr char MSG_EMPTY_ROW_FILLED[] = QT_TRANSLATE_NOOP("veldrio", "空行=%d");
inline constexpr char MSG_TABLE_FULL[] = QT_TRANSLATE_NOOP("veldrio", "これ以上データを追加できません");
inline constexpr char MSG_PASTE_TOO_MANY[] = QT_TRANSLATE_NOOP("veldrio", "退避データ行数＜貼り付け指定行数で、貼り付けできません");

// Calculation.
inline constexpr char MSG_TOO_FEW_POINTS[] = QT_TRANSLATE_NOOP("veldrio", "３点以上定義されていないと計算に入れません");
inline constexpr char MSG_LAST_POINT_ARC[] = QT_TRANSLATE_NOOP("veldrio", "最終点に type=2\tは指定できません");
inline constexpr char MSG_BAD_TYPE[] = QT_TRANSLATE_NOOP("veldrio", "%d 番目のデータの type指定ミスです。\n1 or 2 のみ指定可。");
inline constexpr char MSG_CALC_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "計算に失敗しました");
inline constexpr char MSG_ARC_TOO_WIDE[] = QT_TRANSLATE_NOOP("veldrio", "%d 番目の３点指定円弧は内角が１８０°以上になっています。\n分割が必要です。");
// Loops: rows of type 9 between them.
inline constexpr char MSG_BREAK_FIRST[] = QT_TRANSLATE_NOOP("veldrio", "%d 番目のデータ: 最初の行に穴・部品の区切り (type=9) は置けません。");
inline constexpr char MSG_BREAK_LAST[] = QT_TRANSLATE_NOOP("veldrio", "%d 番目のデータ: 最後の行に穴・部品の区切り (type=9) は置けません。");
inline constexpr char MSG_BREAK_TWICE[] = QT_TRANSLATE_NOOP("veldrio", "%d 番目のデータ: 穴・部品の区切り (type=9) が続いています。\n間に点のないループ %d はできません。");
inline constexpr char MSG_LOOP_TOO_FEW[] = QT_TRANSLATE_NOOP("veldrio", "ループ %d (%d 番目のデータから) の点が３点未満です。\n穴・部品はそれぞれ３点以上で囲んでください。");
inline constexpr char MSG_LOOP_LAST_ARC[] = QT_TRANSLATE_NOOP("veldrio", "ループ %d の最終点 (%d 番目のデータ) に type=2 は指定できません");
inline constexpr char MSG_LOOP_CROSSES_ITSELF[] = QT_TRANSLATE_NOOP("veldrio", "ループ %d (%d 番目のデータ付近) が自身と交差しています。");
inline constexpr char MSG_LOOPS_CROSS[] = QT_TRANSLATE_NOOP("veldrio", "ループ %d とループ %d が交差しているか接しています (%d 番目のデータ付近)。");
inline constexpr char MSG_BREAK_NOT_ADDED[] = QT_TRANSLATE_NOOP("veldrio", "穴・部品の区切りは点のあるループの後にだけ追加できます");
inline constexpr char MSG_NO_VALID_DATA[] = QT_TRANSLATE_NOOP("veldrio", "有効なデータはありません");
inline constexpr char MSG_CLEAR_QUESTION[] = QT_TRANSLATE_NOOP("veldrio", "サンプルデータを放棄して結果もクリアしていいですか？");

// Result box lines.
inline constexpr char BOX_R[] = QT_TRANSLATE_NOOP("veldrio", "座標倍率 R = %10.2f");
inline constexpr char BOX_A[] = QT_TRANSLATE_NOOP("veldrio", "面積　   A = %10.2f  %s");
inline constexpr char BOX_L[] = QT_TRANSLATE_NOOP("veldrio", "周長　   L = %10.2f");
inline constexpr char BOX_B[] = QT_TRANSLATE_NOOP("veldrio", "幅　 　  B = %6.2f");
inline constexpr char BOX_H[] = QT_TRANSLATE_NOOP("veldrio", "高さ 　  H = %6.2f");
inline constexpr char BOX_XC[] = QT_TRANSLATE_NOOP("veldrio", "横重心  xC = %6.2f (bL=%6.2f bR=%6.2f)");
inline constexpr char BOX_YC[] = QT_TRANSLATE_NOOP("veldrio", "縦重心  yC = %6.2f (hU=%6.2f hL=%6.2f)");
inline constexpr char BOX_IY[] = QT_TRANSLATE_NOOP("veldrio", "Iy Max　　 = %12.4e (θ=%4.0f°右＝0°右回り＋)");
inline constexpr char BOX_IZ[] = QT_TRANSLATE_NOOP("veldrio", "Iz Min　　 = %12.4e");
inline constexpr char BOX_OLD_DATA_NOTE[] = QT_TRANSLATE_NOOP("veldrio", "(修正前データ対応）");

// Report files and printing.
inline constexpr char FILE_CALC_REPORT[] = "CalRslt.txt";
inline constexpr char FILE_INCLINED_REPORT[] = "InclRslt.txt";
inline constexpr char FILE_DETAIL_REPORT[] = "DetailDat.txt";
inline constexpr char MSG_NOT_CALCULATED_PRINT[] = QT_TRANSLATE_NOOP("veldrio", "計算が完了しておらず印刷できません");
inline constexpr char MSG_FILE_OPEN_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "ファイルのオープンに失敗しました");
inline constexpr char MSG_CALC_REPORT_WRITE_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "計算結果の印刷用ファイルへの書込みに失敗しました。");
inline constexpr char MSG_INCLINED_REPORT_WRITE_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "傾斜軸回りの結果の InclRslt.txt への書込みに失敗しました。");
inline constexpr char MSG_PRINT_START_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "印刷ﾌﾟﾛｸﾞﾗﾑの起動に失敗：ｴﾗｰｺｰﾄﾞ=%d");
inline constexpr char MSG_PRINT_PROGRAM_MISSING[] = QT_TRANSLATE_NOOP("veldrio", "印刷ﾌﾟﾛｸﾞﾗﾑの起動に失敗：ｴﾗｰｺｰﾄﾞ=%d\n実行ディレクトリに Lurm.exe があることをチェックしてください。");
inline constexpr char PRINT_PARAMETERS[] = "Lurm.exe F=%s PF=%s CV=1";

// "CalRslt.txt": heading and value lines at scale 1, then with the source
// value in parentheses.
inline constexpr char CALC_HEAD_1[] = QT_TRANSLATE_NOOP("veldrio", "[ 計算結果 ] 座標倍率 = %6.2f\r\n");
inline constexpr char CALC_HEAD_R[] = QT_TRANSLATE_NOOP("veldrio", "[ 計算結果 ] サイズ補正あり 座標倍率 = %6.2f　 ( ) 表示は元画像スケール値\r\n");
inline constexpr char CALC_A_1[] = QT_TRANSLATE_NOOP("veldrio", "面積　 A = %10.2f\r\n\r\n");
inline constexpr char CALC_A_R[] = QT_TRANSLATE_NOOP("veldrio", "面積　 A = %10.2f (%10.2f)\r\n\r\n");
inline constexpr char CALC_L_1[] = QT_TRANSLATE_NOOP("veldrio", "周長　 L = %10.2f\r\n\r\n");
inline constexpr char CALC_L_R[] = QT_TRANSLATE_NOOP("veldrio", "周長　 L = %10.2f (%10.2f)\r\n\r\n");
inline constexpr char CALC_B_1[] = QT_TRANSLATE_NOOP("veldrio", "幅　　 B = %6.2f\r\n\r\n");
inline constexpr char CALC_B_R[] = QT_TRANSLATE_NOOP("veldrio", "幅　　 B = %6.2f (%6.2f)\r\n\r\n");
inline constexpr char CALC_H_1[] = QT_TRANSLATE_NOOP("veldrio", "高さ　 H = %6.2f\r\n\r\n");
inline constexpr char CALC_H_R[] = QT_TRANSLATE_NOOP("veldrio", "高さ　 H = %6.2f (%6.2f)\r\n\r\n");
inline constexpr char CALC_XC_1[] = QT_TRANSLATE_NOOP("veldrio", "横重心 xc= %6.2f\r\n");
inline constexpr char CALC_XC_R[] = QT_TRANSLATE_NOOP("veldrio", "横重心 xc= %6.2f (%6.2f)\r\n");
inline constexpr char CALC_BL_1[] = "      bL = %6.2f\r\n";
inline constexpr char CALC_BL_R[] = "      bL = %6.2f (%6.2f)\r\n";
inline constexpr char CALC_BR_1[] = "      bR = %6.2f\r\n\r\n";
inline constexpr char CALC_BR_R[] = "      bR = %6.2f (%6.2f)\r\n\r\n";
inline constexpr char CALC_YC_1[] = QT_TRANSLATE_NOOP("veldrio", "縦重心 yc= %6.2f\r\n");
inline constexpr char CALC_YC_R[] = QT_TRANSLATE_NOOP("veldrio", "縦重心 yc= %6.2f (%6.2f)\r\n");
inline constexpr char CALC_HU_1[] = "     hUp = %6.2f\r\n";
inline constexpr char CALC_HU_R[] = "     hUp = %6.2f (%6.2f)\r\n";
inline constexpr char CALC_HL_1[] = "     hLo = %6.2f\r\n\r\n";
inline constexpr char CALC_HL_R[] = "     hLo = %6.2f (%6.2f)\r\n\r\n";
inline constexpr char CALC_IY_1[] = QT_TRANSLATE_NOOP("veldrio", "Iy Max 　= %12.4e\r\n");
inline constexpr char CALC_IY_R[] = QT_TRANSLATE_NOOP("veldrio", "Iy Max 　= %12.4e (%12.4e)\r\n");
inline constexpr char CALC_THETA[] = QT_TRANSLATE_NOOP("veldrio", " atθMax = %4.0f deg --- 右0°,右回り＋\r\n");
inline constexpr char CALC_IZ_1[] = QT_TRANSLATE_NOOP("veldrio", "Iz Min　 = %12.4e\r\n");
inline constexpr char CALC_IZ_R[] = QT_TRANSLATE_NOOP("veldrio", "Iz Min　 = %12.4e (%12.4e)\r\n");

// "InclRslt.txt".
inline constexpr char INCL_HEAD[] = QT_TRANSLATE_NOOP("veldrio", "[ 傾斜軸回りの断面２次モーメント表 ]\r\n");
inline constexpr char INCL_ROW[] =
    "%5.0f %12.4e %12.4e  %5.0f %12.4e %12.4e  %5.0f %12.4e %12.4e\r\n";

// "DetailDat.txt".
inline constexpr char DETAIL_HEAD[] = QT_TRANSLATE_NOOP("veldrio", "[ 線積分用詳細展開データ ] (xs,ys)-(xe,ye) or (xc,yc)\r\n");
inline constexpr char DETAIL_LINE[] = QT_TRANSLATE_NOOP("veldrio", "Sr=%3d type=直線　 　(%5.0f,%5.0f)-(%5.0f,%5.0f)\r\n");
inline constexpr char DETAIL_ARC[] = QT_TRANSLATE_NOOP("veldrio", "Sr=%3d type=円弧　 　(%5.0f,%5.0f) R=%5.0f θ(%5.1f→%5.1f) Δ%5.1f deg  %s\r\n");
inline constexpr char DETAIL_ARC_MIDDLE[] = QT_TRANSLATE_NOOP("veldrio", "Sr=%3d type=円弧中間 (%5.0f,%5.0f)\r\n");
inline constexpr char DETAIL_AUXILIARY[] = QT_TRANSLATE_NOOP("veldrio", "Sr=%3d type=補助点 (%5.0f,%5.0f)\r\n");
// Before each loop's records when the outline has more than one loop.
inline constexpr char DETAIL_LOOP[] = QT_TRANSLATE_NOOP("veldrio", "--- ループ %d ---\r\n");
inline constexpr char DETAIL_CLOCKWISE[] = QT_TRANSLATE_NOOP("veldrio", "右回り");
inline constexpr char DETAIL_COUNTER_CLOCKWISE[] = QT_TRANSLATE_NOOP("veldrio", "左回り");

// CSV export.
inline constexpr char MSG_CSV_NOT_CALCULATED[] = QT_TRANSLATE_NOOP("veldrio", "計算が完了していないか、データが修正されています。\n\n出力しますか？");
inline constexpr char MSG_CSV_WRITTEN[] = QT_TRANSLATE_NOOP("veldrio", "指定Csvファイルに書込みました");
inline constexpr char MSG_CSV_WRITE_FAILED[] = QT_TRANSLATE_NOOP("veldrio", "Csv ファイル書込みに失敗しました");
inline constexpr char CSV_DEFAULT_EXTENSION[] = "csv";
inline constexpr char CSV_INITIAL_NAME[] = "*.csv";
inline constexpr char CSV_FILTER_CSV[] = QT_TRANSLATE_NOOP("veldrio", "csv (*.csv)");
inline constexpr char CSV_FILTER_DAT[] = QT_TRANSLATE_NOOP("veldrio", "dat (*.dat)");
inline constexpr char CSV_FILTER_ALL[] = "All Files (*.*)";

inline constexpr char CSV_HEAD_1[] = "計算結果\r\n";
inline constexpr char CSV_HEAD_R[] = "計算結果,座標倍率,%6.2f,右側は元スケール換算値\r\n";
inline constexpr char CSV_A_1[] = "面積,%10.2f\r\n";
inline constexpr char CSV_A_R[] = "面積,%10.2f,%6.2f\r\n";
inline constexpr char CSV_L_1[] = "周長,%10.2f\r\n";
inline constexpr char CSV_L_R[] = "周長,%10.2f,%10.2f\r\n";
inline constexpr char CSV_B_1[] = "幅,%6.2f\r\n";
inline constexpr char CSV_B_R[] = "幅,%6.2f,%6.2f\r\n";
inline constexpr char CSV_H_1[] = "高さ,%6.2f\r\n";
inline constexpr char CSV_H_R[] = "高さ,%6.2f,%6.2f\r\n";
inline constexpr char CSV_XC_1[] = "横重心,%6.2f\r\n";
inline constexpr char CSV_XC_R[] = "横重心,%6.2f,%6.2f\r\n";
inline constexpr char CSV_BL_1[] = "BL,%6.2f\r\n";
inline constexpr char CSV_BL_R[] = "BL,%6.2f,%6.2f\r\n";
inline constexpr char CSV_BR_1[] = "BR,%6.2f\r\n";
inline constexpr char CSV_BR_R[] = "BR,%6.2f,%6.2f\r\n";
inline constexpr char CSV_YC_1[] = "縦重心,%6.2f\r\n";
inline constexpr char CSV_YC_R[] = "縦重心,%6.2f,%6.2f\r\n";
inline constexpr char CSV_HU_1[] = "HUp,%6.2f\r\n";
inline constexpr char CSV_HU_R[] = "HUp,%6.2f,%6.2f\r\n";
inline constexpr char CSV_HL_1[] = "HLo,%6.2f\r\n";
inline constexpr char CSV_HL_R[] = "HLo,%6.2f,%6.2f\r\n";
inline constexpr char CSV_IY_1[] = "Iy Max,%12.4e\r\n";
inline constexpr char CSV_IY_R[] = "Iy Max,%12.4e,%12.4e\r\n";
inline constexpr char CSV_THETA[] = "θ Max,%4.0f, 右0°右回り＋\r\n";
inline constexpr char CSV_IZ_1[] = "Iz Min,%12.4e\r\n";
inline constexpr char CSV_IZ_R[] = "Iz Min,%12.4e,%12.4e\r\n";
inline constexpr char CSV_DATA_HEAD[] = "\r\nデータ\r\ntype,x,y\r\n";
inline constexpr char CSV_ROW[] = "%d,%s,%s\r\n";
inline constexpr char CSV_ROWS_HEADING[] = "type,x,y";

}  // namespace texts_data
