// Texts of the guidance dialogs (UTF-8): titles, section captions, the
// explanations under them and the closing buttons.
#pragma once

#include "res/translation.h"

namespace texts {

inline constexpr char GUIDE_BUTTON_CLOSE[] = QT_TRANSLATE_NOOP("veldrio", "クローズ");
inline constexpr char GUIDE_BUTTON_OK[] = "OK";

// Procedure guide (edit window, "操作手順ガイド (&P)").
inline constexpr char PROC_GUIDE_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "手順ガイド");
inline constexpr char PROC_GUIDE_CAPTION_IMAGE_UNITS[] = QT_TRANSLATE_NOOP("veldrio", "画像調整と座標単位");
inline constexpr char PROC_GUIDE_CAPTION_MODE_SAMPLING[] = QT_TRANSLATE_NOOP("veldrio", "モードとサンプリング");
inline constexpr char PROC_GUIDE_CAPTION_RUN[] = QT_TRANSLATE_NOOP("veldrio", "計算実行");
inline constexpr char PROC_GUIDE_CAPTION_EDIT[] = QT_TRANSLATE_NOOP("veldrio", "データ編集");
inline constexpr char PROC_GUIDE_ADJUST_FIRST[] = QT_TRANSLATE_NOOP("veldrio", "一番先に画像サイズ調整と表示位置を調整し、サンプリングしやすいようにしてください。");
inline constexpr char PROC_GUIDE_DOT_UNITS[] = QT_TRANSLATE_NOOP("veldrio", "座標単位は、表示倍率に関係なく、ドット単位（整数）です。");
inline constexpr char PROC_GUIDE_START_SAMPLING[] = QT_TRANSLATE_NOOP("veldrio", "Sampling 開始ボタンクリックすると、サンプリングモードに入ります。");
inline constexpr char PROC_GUIDE_CLICK_TO_SAMPLE[] = QT_TRANSLATE_NOOP("veldrio", "サンプリングモードでは、画像上で左ボタンクリックで、座標を取得して＋マークを入れ、その取得座標データを一番前の空行に挿入（普通は追加）します。");
inline constexpr char PROC_GUIDE_STOP_SAMPLING[] = QT_TRANSLATE_NOOP("veldrio", "「停止」ボタンをクリックするか、入力セルのいずれかをクリックすると、サンプリングモードを解除します。このときデータ編集モードに入ります。");
inline constexpr char PROC_GUIDE_ADD_POINTS[] = QT_TRANSLATE_NOOP("veldrio", "追加するときも「Sampling開始」ボタンをクリックしてから、サンプリングしてください。このとき、先頭から最初の空き行にデータをセットします。");
inline constexpr char PROC_GUIDE_RUN[] = QT_TRANSLATE_NOOP("veldrio", "計算実行ボタンをクリックすると、線積分を実行し、結果を表示します。印刷やCSV ファイル出力することもできます。");
inline constexpr char PROC_GUIDE_RUN_ENDS_SAMPLING[] = QT_TRANSLATE_NOOP("veldrio", "計算実行時も、サンプリングモードを解除します。追加サンプリングするときは「Sampling開始」ボタンをクリックしてください。");
inline constexpr char PROC_GUIDE_EDIT_BOXES[] = QT_TRANSLATE_NOOP("veldrio", "編集画面でデータ表示しているのはエディットボックス群で、キー入力で修正できます。詳細は編集ガイドを参照ください。きます。");

// Data edit guide (edit window, "データ編集ガイド (&E)").
inline constexpr char EDIT_GUIDE_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "データ編集ガイド");
inline constexpr char EDIT_GUIDE_CAPTION_ROW_EDIT[] = QT_TRANSLATE_NOOP("veldrio", "行編集");
inline constexpr char EDIT_GUIDE_CAPTION_DATA_EDIT[] = QT_TRANSLATE_NOOP("veldrio", "データ編集");
inline constexpr char EDIT_GUIDE_CLICK_CELL_FIRST[] = QT_TRANSLATE_NOOP("veldrio", "入力セルをクリックしてから操作のこと");
inline constexpr char EDIT_GUIDE_KEY_INSERT[] = QT_TRANSLATE_NOOP("veldrio", "Ctrl ＋’ I’ キー＝ その行の前に１行挿入し、下位送り");
inline constexpr char EDIT_GUIDE_KEY_DELETE[] = QT_TRANSLATE_NOOP("veldrio", "Ctrl ＋’ D’ キー＝ その行を削除し、データ退避し上位づめ");
inline constexpr char EDIT_GUIDE_KEY_COPY[] = QT_TRANSLATE_NOOP("veldrio", "Ctrl ＋’Ｃ’ キー＝ その行をコピーして退避");
inline constexpr char EDIT_GUIDE_KEY_PASTE[] = QT_TRANSLATE_NOOP("veldrio", "Ctrl ＋’Ｐ’ キー＝ その行に退避行があれば貼り付け");
inline constexpr char EDIT_GUIDE_EDIT_BOXES[] = QT_TRANSLATE_NOOP("veldrio", "画面に並べているのはエディットボックスです。セルを選択してからキー入力で編集できます。CR 、矢印キーで移動できます。右側のボタンでも移動できます。");
inline constexpr char EDIT_GUIDE_FINE_TUNING[] = QT_TRANSLATE_NOOP("veldrio", "データは編集画面でキー入力で修正することもできますし、座標は画像Viewer 上で矢印キーを使って微調整することもできます。\n曲線タイプ(１－直線、２－３点円弧）はデフォルトは１で、２の場合はキー操作で修正指定してください。");

// Data explanation (edit window, "データ説明 (&D)").
inline constexpr char DATA_EXPLAIN_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "データ説明");
inline constexpr char DATA_EXPLAIN_CAPTION_COORDINATES[] = QT_TRANSLATE_NOOP("veldrio", "座標系");
inline constexpr char DATA_EXPLAIN_CAPTION_DATA[] = QT_TRANSLATE_NOOP("veldrio", "データ");
inline constexpr char DATA_EXPLAIN_CAPTION_CALCULATION[] = QT_TRANSLATE_NOOP("veldrio", "計算");
inline constexpr char DATA_EXPLAIN_LABEL_TYPE[] = "type";
inline constexpr char DATA_EXPLAIN_LABEL_XY[] = QT_TRANSLATE_NOOP("veldrio", "Ｘ，Ｙ");
inline constexpr char DATA_EXPLAIN_COORDINATES[] = QT_TRANSLATE_NOOP("veldrio", "→Ｘ軸\n↓Ｙ軸\n→０°で時計回り（右回り）が＋");
inline constexpr char DATA_EXPLAIN_TYPE[] = QT_TRANSLATE_NOOP("veldrio", "１－次の点までを直線で結ぶ。\n２－次の次の点までを３点円弧で結ぶ");
inline constexpr char DATA_EXPLAIN_XY[] = QT_TRANSLATE_NOOP("veldrio", "画像上のドット位置。\n左上コーナーが原点。\n拡大画像のときは小数の場合もあり。");
inline constexpr char DATA_EXPLAIN_CALCULATION[] = QT_TRANSLATE_NOOP("veldrio", "線積分を使って面積等を計算します。\n最終点から始点までは直線で結び閉回路とします。\n最終の１つ前で３点円弧を指定した場合は、その点、最終点、始点の３点で円弧計算します。\n詳細展開データは印刷できます。");

// Cut-out guide (viewer, "画像切出しｶﾞｲﾄﾞ表示 (&G)").
inline constexpr char CUT_GUIDE_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "作画画像切出しガイダンス");
inline constexpr char CUT_GUIDE_CAPTION_SIZE[] = QT_TRANSLATE_NOOP("veldrio", "作画を適当な大きさに調整のこと");
inline constexpr char CUT_GUIDE_CAPTION_ZONE[] = QT_TRANSLATE_NOOP("veldrio", "切出し範囲指定方法");
inline constexpr char CUT_GUIDE_CAPTION_RUN[] = QT_TRANSLATE_NOOP("veldrio", "切出し実行");
inline constexpr char CUT_GUIDE_CAPTION_RELEASE[] = QT_TRANSLATE_NOOP("veldrio", "トラッカを解除");
inline constexpr char CUT_GUIDE_SIZE[] = QT_TRANSLATE_NOOP("veldrio", "まず、作画の大きさを調整ください。現在表示されているより大きい範囲は切り出せません。");
inline constexpr char CUT_GUIDE_ZONE[] = QT_TRANSLATE_NOOP("veldrio", "切り出しゾーン指定メニューをクリックすると、切り出し範囲を指定するトラッカーと呼ぶ矩形が表示されます。この内部をドラッグすると移動し、周辺の小さい矩形をドラッグするとサイズﾞを調整できますので、切出し範囲を指定してください。トラッカの外側をクリックすると、ゾーン指定が解除され、トラッカも消去されます。");
inline constexpr char CUT_GUIDE_RUN[] = QT_TRANSLATE_NOOP("veldrio", "切出し実行メニューをクリックすると、保存ファイル名を指定したあと、カット画像を作成し、ファイル保存します。");
inline constexpr char CUT_GUIDE_RELEASE[] = QT_TRANSLATE_NOOP("veldrio", "トラッカの外側の任意点をクリックして、解除してください。");

// Features and use (main dialog, "機能と使用法ガイド (&G)").
inline constexpr char HOWTO_TITLE[] = QT_TRANSLATE_NOOP("veldrio", "本ソフトの機能と使用ガイダンス");
inline constexpr char HOWTO_CAPTION_FEATURES[] = QT_TRANSLATE_NOOP("veldrio", "機能");
inline constexpr char HOWTO_CAPTION_GETTING_STARTED[] = QT_TRANSLATE_NOOP("veldrio", "始め方");
inline constexpr char HOWTO_FEATURES[] = QT_TRANSLATE_NOOP("veldrio", "本ソフトは画像の上をマウスクリックで、右回りの点列を定義し、そのゾーンの面積、重心、２次モーメント等を計算する機能があります。");
inline constexpr char HOWTO_APPROXIMATION[] = QT_TRANSLATE_NOOP("veldrio", "点列間は直線、もしくは３点円弧で近似します。細かく指定すればこれでかなり複雑な曲線も精度よく近似できます。");
inline constexpr char HOWTO_OPEN_VIEWER[] = QT_TRANSLATE_NOOP("veldrio", "主画面のいずれかの方法で画像を取得してViewerを開きます。");
inline constexpr char HOWTO_TWO_WINDOWS[] = QT_TRANSLATE_NOOP("veldrio", "画像Viewerとデータ編集画面を同時起動します。この２画面連動で編集、処理するような構造になっています。");

}  // namespace texts
