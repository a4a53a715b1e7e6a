// Identifiers of the program's commands, controls, menus, dialog templates,
// timers, cursors, icon and string-table entries.
//
// Windows send each other commands by calling the receiver's
// OnCommand(id, value); menus and buttons call their own window's OnCommand
// with the ids below.
//
// Numbers live in two spaces. Resources (dialog templates, menus, the icon,
// cursors) are never dispatched on, so a resource may share its number with
// a command or control: 102, 129, 131, 132, 138, 147, 162, 163, 164, 172,
// 174, 175, 176 and 182 do, and all of them are fixed numbers that files and
// other windows rely on. Within one window's command set (its menu items,
// buttons, the commands other windows send it, its timers) every number is
// used once; tests/unit/command_ids_test.cpp checks that.
//
// Blocks kept free for later work (nothing may use these numbers):
//   310-319  outlines with holes (in use from 310 up, see below)
//   320-329  perspective correction
//   330-339  CAD export
//   340-349  undo and redo
#pragma once

// ---------------------------------------------------------------------------
// Shared
// ---------------------------------------------------------------------------

// A control without an identifier (fixed hints and labels).
constexpr int IDC_STATIC = -1;

// The framework's OK and Cancel buttons and commands. Command 1 sent to the
// main dialog ends it.
constexpr int ID_FRAMEWORK_OK = 1;
constexpr int ID_FRAMEWORK_CANCEL = 2;

// Menu item "クローズ(&X)" of the viewer and of the data edit window.
constexpr int ID_WINDOW_CLOSE = 112;

// ---------------------------------------------------------------------------
// Dialog templates
// ---------------------------------------------------------------------------

constexpr int IDD_ABOUTBOX = 100;       // CAboutDlg "バージョン情報 Veldrio"
constexpr int IDD_VELDRIO_DIALOG = 102; // CVeldrioDlg, the main dialog
constexpr int IDD_GAZO_VIEW = 129;      // CGazoView, the image viewer
constexpr int IDD_RATIO_DEF = 132;      // CRatioDef, the magnification dialog
constexpr int IDD_EDIT_DATA = 135;      // CEditData, the data edit window
constexpr int IDD_COLOR_DEF = 162;      // CColorDef, the drawing-colour dialog
constexpr int IDD_EDIT_GUIDE = 163;     // CEditGuide
constexpr int IDD_DATA_EXPLAIN = 164;   // CDExplain
constexpr int IDD_CUT_GUIDE = 169;      // CCutGuide
constexpr int IDD_HOWTO = 172;          // CHowTo
constexpr int IDD_PROC_GUIDE = 174;     // CProcGuide
constexpr int IDD_ZONE_GUIDE = 175;     // CZoneStGd, the screen-zone guide

// ---------------------------------------------------------------------------
// Menus, icon, cursors
// ---------------------------------------------------------------------------

constexpr int IDR_VIEWER_MENU = 131;    // menu of the image viewer
constexpr int IDR_EDIT_MENU = 138;      // menu of the data edit window
constexpr int IDR_MAIN_MENU = 170;      // menu of the main dialog

constexpr int IDI_APP_ICON = 176;       // the application icon
constexpr int IDCUR_PLUS = 147;         // plus-shaped cursor of the zone selection
constexpr int IDCUR_MOVE = 182;         // arrow with a move sign, over a tracker handle

// ---------------------------------------------------------------------------
// String table
// ---------------------------------------------------------------------------

// "バージョン情報 Veldrio(&A)...", the about item of the main dialog.
constexpr int IDS_ABOUTBOX = 101;

// The inter-window commands and key commands below share their numbers with
// string-table entries that name them; res/texts_app.h holds those texts.

// ---------------------------------------------------------------------------
// Main dialog (template 102)
// ---------------------------------------------------------------------------

// About item appended to the main dialog's menu; its low four bits are free,
// so any command value 16..31 runs the about box.
constexpr int IDM_ABOUTBOX = 16;

constexpr int IDC_LABEL_FILE_CHOICE = 102; // label box "画像ファイル選択"
constexpr int IDC_LABEL_SCREEN_CUT = 103;  // label box "画面カット＆View"
constexpr int IDC_LABEL_CLIP_VIEW = 104;   // label box "クリップ画面View"
constexpr int IDC_LABEL_ZONE = 105;        // label box "指定範囲"
constexpr int IDC_PREVIEW_BOX = 106;       // hidden static: the preview box
constexpr int IDC_FILE_SEARCH = 107;       // button "DFサーチ"
constexpr int IDC_CLOSE = 108;             // button "クローズ"
constexpr int IDC_RECENT_COMBO = 109;      // drop-down list of recent images
constexpr int IDC_CLIP_VIEW = 153;         // button "クリップ画像View"
constexpr int IDC_ZONE_START = 154;        // button "始点"
constexpr int IDC_ZONE_END = 155;          // button "終点"
constexpr int IDC_CUT_AND_VIEW = 156;      // button "カット＆View"
constexpr int IDC_ZONE_TEXT = 159;         // bordered text: the zone coordinates
constexpr int IDC_ZONE_GUIDE = 224;        // button "ガイド"
constexpr int IDC_ZONE_FLASH = 231;        // button "範囲"
constexpr int IDC_LABEL_RECENT = 256;      // label box "最新DFパスリスト"

// Menu 170.
constexpr int ID_SETTINGS_RESET = 203;     // "設定条件初期化 (&I)"
constexpr int ID_HOWTO_GUIDE = 207;        // "機能と使用法ガイド (&G)"

// Timers of the main dialog.
constexpr int ZONE_FLASH_TIMER = 158;      // end of a zone flash
constexpr int ZONE_FLASH_TIMER_MS = 2000;
constexpr int CAPTURE_DELAY_TIMER = 160;   // delay before a screen capture
constexpr int CAPTURE_DELAY_TIMER_MS = 1000;

// ---------------------------------------------------------------------------
// Commands between windows
// ---------------------------------------------------------------------------

constexpr int ID_VIEWER_CLOSE_REQUEST = 110;   // any window → main dialog, value: slot
constexpr int ID_VIEWER_CLOSED = 111;          // closing viewer → main dialog, value: slot
constexpr int ID_EDITWND_CLOSED = 146;         // closing edit window → main dialog
constexpr int ID_SAMPLING_START_REQUEST = 152; // edit window → its viewer
constexpr int IDC_SAMPLING_STOP = 162;         // viewer → edit window; also the "停止" button
constexpr int ID_SAMPLING_STOP_REQUEST = 163;  // edit window → its viewer

// Keys of the edit window's cells, sent to the edit window itself with the
// value EditCellId(line, column) (0 for the page keys).
constexpr int ID_KEY_ENTER = 124;      // "CRキーON"
constexpr int ID_KEY_TAB = 125;        // "TABキーON"
constexpr int ID_KEY_UP = 126;         // "↑キーON"
constexpr int ID_KEY_DOWN = 127;       // "↓キーON"
constexpr int ID_KEY_SHIFT_TAB = 128;  // "SHIFT+TABキーON"
constexpr int ID_KEY_LEFT = 129;       // "←キーON"
constexpr int ID_KEY_RIGHT = 130;      // "→キーON"
constexpr int ID_KEY_ESCAPE = 131;     // "ESCキーON"
constexpr int ID_KEY_PAGE_DOWN = 132;  // "次頁\n次頁"
constexpr int ID_KEY_PAGE_UP = 133;    // "前頁\n前頁"
constexpr int ID_ROW_INSERT = 136;     // Ctrl+I
constexpr int ID_ROW_DELETE = 137;     // Ctrl+D
constexpr int ID_ROW_PASTE = 138;      // Ctrl+P
constexpr int ID_ROW_COPY = 139;       // Ctrl+C

// ---------------------------------------------------------------------------
// Image viewer (template 129, menu 131)
// ---------------------------------------------------------------------------

constexpr int ID_IMAGE_PROPERTIES = 113;   // "画像プロパティ表示(&Y)"
constexpr int ID_MAGNIFICATION = 114;      // "表示倍率指定(&B)"
constexpr int ID_TRACKER_ZONE = 175;       // "画像切出しトラッカゾーン指定(&Z)"
constexpr int ID_COLOUR_SETTINGS = 179;    // "作画表示色選択 (&C)"
constexpr int ID_CORRECTION_START = 190;   // "サンプリング座標修正開始(&S)"
constexpr int ID_CORRECTION_END = 191;     // "サンプリング座標修正完了(&E)"
constexpr int ID_TRACE_FIGURE = 240;       // the last item of "座標修正": trace the figure from one click
constexpr int ID_WRITE_ZONE_PNG = 194;     // "PNG ファイル書込み（トラッカゾーン）  (&P)"
constexpr int ID_WRITE_ZONE_BMP = 195;     // "BMP ファイル書込み（トラッカゾーン） (&B)"
constexpr int ID_CUT_GUIDE = 196;          // "画像切出しｶﾞｲﾄﾞ表示 (&G)"
constexpr int ID_WRITE_WINDOW_PNG = 216;   // "View WndごとPNG DF書込み (&D)"
constexpr int ID_WRITE_WINDOW_BMP = 217;   // "View WndごとBMP DF書込み (&C)"

// The viewer's delayed image write.
constexpr int WRITE_TIMER = 198;
constexpr int WRITE_TIMER_MS = 1500;

// ---------------------------------------------------------------------------
// Magnification dialog (template 132)
// ---------------------------------------------------------------------------

constexpr int IDC_RATIO_PERCENT = 115;     // disabled edit: the percentage
constexpr int IDC_RATIO_ARROWS = 117;      // vertical scroll bar: up and down arrows
constexpr int IDC_RATIO_100 = 118;         // button "100 %"
constexpr int IDC_RATIO_CONVERTED = 119;   // converted size "%d x %d"
constexpr int IDC_RATIO_SOURCE = 120;      // source size "%d x %d"

// ---------------------------------------------------------------------------
// Data edit window (template 135, menu 138)
// ---------------------------------------------------------------------------

constexpr int IDC_RESULT_BOX = 140;            // the calculation results
constexpr int IDC_LABEL_RESULTS = 141;         // heading "計算結果"
constexpr int IDC_LABEL_SAMPLING_DATA = 142;   // heading "サンプリングデータ"
constexpr int IDC_LABEL_WORK_STATE = 143;      // heading "動作状態"
constexpr int IDC_ROW_COUNT = 144;             // "%d / %d"
constexpr int IDC_STATUS_BOX = 145;            // the work state
constexpr int IDC_PAGE_UP = 147;               // button "↑頁"
constexpr int IDC_PAGE_DOWN = 148;             // button "↓頁"
constexpr int IDC_PAGE_FIRST = 149;            // button "先頭"
constexpr int IDC_PAGE_LAST = 150;             // button "最終"
constexpr int IDC_SAMPLING_START = 151;        // button "SMPLING\n開始/再開"
constexpr int IDC_CALCULATE = 161;             // button "計算実行"
constexpr int IDC_CLEAR = 164;                 // button "クリア"
constexpr int IDC_MAGNIFICATION_TEXT = 230;    // "%d %%"
constexpr int IDC_EXPLAIN_FIRST = 249;         // explanation statics 249..253
constexpr int IDC_EXPLAIN_LAST = 253;

// Menu 138.
constexpr int ID_PRINT_INCLINED = 165;     // "傾斜軸２次Ｍｔ表印刷(&I)"
constexpr int ID_PRINT_DETAIL = 166;       // "詳細展開データ印刷 (&D)"
constexpr int ID_DATA_EXPLAIN = 180;       // "データ説明 (&D)"
constexpr int ID_EDIT_GUIDE = 187;         // "データ編集ガイド (&E)"
constexpr int ID_PRINT_RESULTS = 192;      // "計算結果印刷 (&R)"
constexpr int ID_EXPORT_CSV = 193;         // "結果とデータのCSV DF出力 (&C)"
constexpr int ID_PROC_GUIDE = 223;         // "操作手順ガイド (&P)"
// Added at the ends of the menus "印刷" and "ファイル".
constexpr int ID_PRINT_PROPERTIES = 301;   // "断面性能印刷 (&S)"
constexpr int ID_PRINT_SHEET = 302;        // "測定シート印刷 (&M)"
constexpr int ID_REOPEN_OUTLINE = 303;     // "CSVデータ読込み (&O)"
constexpr int IDC_SCALE_TEXT = 304;        // the real-unit scale in use, under the explanations
// The viewer's real-unit scale: menu item at the end of "作画設定" and its dialog.
constexpr int ID_REAL_SCALE = 305;         // "実寸スケール設定 (&U)"
constexpr int IDC_SCALE_MEASURE = 306;     // button "画像上の２点で測る"
constexpr int IDC_SCALE_CLEAR = 307;       // button "スケール解除"
// 310-319: outlines with holes.
// The edit window's menu item "穴・部品の追加 (&H)": a loop break after the last row.
constexpr int ID_ADD_LOOP = 310;
// 320-329: perspective correction, the viewer's menu "遠近補正 (&P)" and its dialog.
constexpr int ID_PLANE_SET = 320;          // "基準矩形を指定 (&S)": the next clicks are known points
constexpr int ID_PLANE_FINISH = 321;       // "基準点の指定終了 (&E)": the points are given
constexpr int ID_PLANE_CLEAR = 322;        // "遠近補正を解除 (&C)"
constexpr int ID_PLANE_RECTIFY = 323;      // "補正画像を開く (&O)"
constexpr int IDC_PLANE_FIT = 324;         // button "当てはめ" of the plane dialog
// 330-339: drawings (DXF and SVG). Menu items at the end of "ファイル".
constexpr int ID_EXPORT_CAD = 330;            // "DXF/SVG出力 (&X)"
constexpr int ID_IMPORT_DXF = 331;            // "DXF読込み"
// Edit window -> main dialog: open the blank picture of an imported drawing
// (value: a DrawingPictureRequest*).
constexpr int ID_OPEN_DRAWING_PICTURE = 332;
// Undo and redo: the edit window's menu items and keys (Ctrl+Z; Ctrl+Y or
// Ctrl+Shift+Z), and the same keys in its viewer.
constexpr int ID_UNDO = 340;  // "元に戻す"
constexpr int ID_REDO = 341;  // "やり直し"
// 342-349: reserved for undo and redo.

// Diagnostic trace; no control or menu sends it.
constexpr int ID_DIAGNOSTIC_TRACE = 1000;

// The 30 cells of the grid: 10000 + 100 × line + column (line 0..9, column
// 0..2).
constexpr int EDIT_CELL_ID_BASE = 10000;
constexpr int EDIT_CELL_LINES = 10;
constexpr int EDIT_CELL_COLUMNS = 3;
constexpr int EditCellId(int line, int column) { return EDIT_CELL_ID_BASE + 100 * line + column; }

// ---------------------------------------------------------------------------
// Drawing-colour dialog (template 162)
// ---------------------------------------------------------------------------

// The six colour-number fields, in the order of the colour numbers.
constexpr int IDC_COLOUR_POINT_MARK = 171;    // "座標マーク"
constexpr int IDC_COLOUR_POINT_NUMBER = 172;  // "座標No"
constexpr int IDC_COLOUR_CENTROID = 173;      // "中心マーク"
constexpr int IDC_COLOUR_SEGMENT = 174;       // "点列間曲線"
constexpr int IDC_COLOUR_STRONG_AXIS = 176;   // "中性軸・強軸"
constexpr int IDC_COLOUR_WEAK_AXIS = 177;     // "中性軸・弱軸"
constexpr int IDC_COLOUR_TABLE_FRAME = 178;   // frame "表示色指定": the colour table

// ---------------------------------------------------------------------------
// Guidance dialogs: caption controls
// ---------------------------------------------------------------------------

// CDExplain (template 164).
constexpr int IDC_CAPTION_COORDINATES = 181;  // "座標系"
constexpr int IDC_CAPTION_DATA = 182;         // "データ"
constexpr int IDC_CAPTION_CALCULATION = 183;  // "計算"
// CEditGuide (template 163).
constexpr int IDC_CAPTION_ROW_EDIT = 184;     // "行編集"
constexpr int IDC_CAPTION_DATA_EDIT = 185;    // "データ編集"
// CCutGuide (template 169).
constexpr int IDC_CAPTION_CUT_SIZE = 199;     // "作画を適当な大きさに調整のこと"
constexpr int IDC_CAPTION_CUT_ZONE = 200;     // "切出し範囲指定方法"
constexpr int IDC_CAPTION_CUT_RUN = 201;      // "切出し実行"
constexpr int IDC_CAPTION_CUT_RELEASE = 202;  // "トラッカを解除"
// CHowTo (template 172), hidden captions.
constexpr int IDC_CAPTION_FEATURES = 214;     // "機能"
constexpr int IDC_CAPTION_GETTING_STARTED = 215; // "始め方"
// CProcGuide (template 174).
constexpr int IDC_CAPTION_IMAGE_UNITS = 218;  // "画像調整と座標単位"
constexpr int IDC_CAPTION_MODE_SAMPLING = 219; // "モードとサンプリング"
constexpr int IDC_CAPTION_RUN = 220;          // "計算実行"
constexpr int IDC_CAPTION_EDIT = 221;         // "データ編集"
