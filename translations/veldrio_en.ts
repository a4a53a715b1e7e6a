<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>veldrio</name>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>確認要求</source>
        <translation>Please Check</translation>
    </message>
    <message>
        <source>中断します</source>
        <translation>Aborting</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>ヴェルドリオ</source>
        <translation>Veldrio</translation>
    </message>
    <message>
        <source>ヴェルドリオ V2.10</source>
        <translation>Veldrio V2.10</translation>
    </message>
    <message>
        <source>画像ファイル選択</source>
        <translation>Picture File</translation>
    </message>
    <message>
        <source>最新DFパスリスト</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>画面カット＆View</source>
        <translation>Screen Cut</translation>
    </message>
    <message>
        <source>指定範囲</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>クリップ画面View</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>DFサーチ</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>ガイド</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>カット＆View</source>
        <translation>Cut and View</translation>
    </message>
    <message>
        <source>始点</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>終点</source>
        <translation>End</translation>
    </message>
    <message>
        <source>範囲</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>クリップ画像View</source>
        <translation>View Clipboard</translation>
    </message>
    <message>
        <source>クローズ</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>JPG, BMP, GIF, PNG のみ対応</source>
        <translation>JPG, BMP, GIF, PNG only</translation>
    </message>
    <message>
        <source>このウインドウへのファイルドロップによる選択可</source>
        <translation>Or drop a file onto this window</translation>
    </message>
    <message>
        <source>ダブルクリックでViewerオープン</source>
        <translation>Double-click to open in the viewer</translation>
    </message>
    <message>
        <source>事前にPrtSc もしくは Alt+PrtScキーでクリップボードに取り込んでください</source>
        <translation>First copy the screen to the clipboard with PrtSc or Alt+PrtSc</translation>
    </message>
    <message>
        <source>設定(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>設定条件初期化 (&amp;I)</source>
        <translation>&amp;Reset Settings</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>機能と使用法ガイド (&amp;G)</source>
        <translation>Features and Usage &amp;Guide</translation>
    </message>
    <message>
        <source>バージョン情報 Veldrio(&amp;A)...</source>
        <translation>&amp;About Veldrio...</translation>
    </message>
    <message>
        <source>バージョン情報 Veldrio</source>
        <translation>About Veldrio</translation>
    </message>
    <message>
        <source>「ヴェルドリオ」システムがネットワーク上から呼び出されました。
本ソフトはローカルディレクトリで使用ください。
ネットワーク上で使用すると、重要なファイルが破壊されることが
あるため、ネットワーク上では動作しないようにしてあります。</source>
        <translation>The Veldrio system was started from a network location.
Please use this software from a local directory.
Running it over a network can destroy important files,
so it has been made not to work on a network.</translation>
    </message>
    <message>
        <source>DF処理待ち</source>
        <translation>Waiting for Screen Capture</translation>
    </message>
    <message>
        <source>画像Viewer がいっぱいです。
一部をクローズして再トライください。</source>
        <translation>All picture viewers are in use.
Close some of them and try again.</translation>
    </message>
    <message>
        <source>データ編集ダイアログの作成失敗</source>
        <translation>Could not create the data edit window.</translation>
    </message>
    <message>
        <source>画像Viewダイアログの作成失敗</source>
        <translation>Could not create the picture viewer window.</translation>
    </message>
    <message>
        <source>Viewer クローズ要求</source>
        <translation>Viewer close request</translation>
    </message>
    <message>
        <source>画像Viewer クローズ通知</source>
        <translation>Picture viewer closed notice</translation>
    </message>
    <message>
        <source>編集ウインドウクローズ完了通知</source>
        <translation>Edit window closed notice</translation>
    </message>
    <message>
        <source>サンプリング開始依頼</source>
        <translation>Sampling start request</translation>
    </message>
    <message>
        <source>サンプリング停止ボタン</source>
        <translation>Sampling stop button</translation>
    </message>
    <message>
        <source>サンプリング停止依頼</source>
        <translation>Sampling stop request</translation>
    </message>
    <message>
        <source>CRキーON</source>
        <translation>Enter key pressed</translation>
    </message>
    <message>
        <source>TABキーON</source>
        <translation>Tab key pressed</translation>
    </message>
    <message>
        <source>↑キーON</source>
        <translation>Up arrow key pressed</translation>
    </message>
    <message>
        <source>↓キーON</source>
        <translation>Down arrow key pressed</translation>
    </message>
    <message>
        <source>SHIFT+TABキーON</source>
        <translation>Shift+Tab key pressed</translation>
    </message>
    <message>
        <source>←キーON</source>
        <translation>Left arrow key pressed</translation>
    </message>
    <message>
        <source>→キーON</source>
        <translation>Right arrow key pressed</translation>
    </message>
    <message>
        <source>ESCキーON</source>
        <translation>Esc key pressed</translation>
    </message>
    <message>
        <source>次頁
次頁</source>
        <translation>Next page
Next page</translation>
    </message>
    <message>
        <source>前頁
前頁</source>
        <translation>Previous page
Previous page</translation>
    </message>
    <message>
        <source>設定条件を初期化していいですか？</source>
        <translation>Reset the settings to their defaults?</translation>
    </message>
    <message>
        <source>本ソフトはいったんクローズしてください。</source>
        <translation>Please close the program now and start it again.</translation>
    </message>
    <message>
        <source>表示色No 座標</source>
        <translation>Display color no. - point mark</translation>
    </message>
    <message>
        <source>表示色No 座標番号</source>
        <translation>Display color no. - point number</translation>
    </message>
    <message>
        <source>表示色No 座標中心</source>
        <translation>Display color no. - centroid mark</translation>
    </message>
    <message>
        <source>表示色No 座標間曲線</source>
        <translation>Display color no. - segment lines</translation>
    </message>
    <message>
        <source>表示色No 中性軸・強軸</source>
        <translation>Display color no. - neutral axis, strong</translation>
    </message>
    <message>
        <source>表示色No 中性軸・弱軸</source>
        <translation>Display color no. - neutral axis, weak</translation>
    </message>
    <message>
        <source>拡張子として [%s] のファイルが指定されました
処理できません</source>
        <translation>A file with the extension [%s] was chosen.
It cannot be processed.</translation>
    </message>
    <message>
        <source>拡張子が jpg,bmp,gif 以外が指定されました</source>
        <translation>The file&apos;s extension is not jpg, bmp or gif.</translation>
    </message>
    <message>
        <source>BMP変換に失敗しました</source>
        <translation>Could not convert the BMP picture.</translation>
    </message>
    <message>
        <source>JPEG変換に失敗しました</source>
        <translation>Could not convert the JPEG picture.</translation>
    </message>
    <message>
        <source>GIF変換に失敗しました</source>
        <translation>Could not convert the GIF picture.</translation>
    </message>
    <message>
        <source>DXF/SVG出力 (&amp;X)</source>
        <translation>E&amp;xport DXF/SVG</translation>
    </message>
    <message>
        <source>DXF読込み</source>
        <translation>Import DXF</translation>
    </message>
    <message>
        <source>DXF図面 (*.dxf)</source>
        <translation>DXF Drawings (*.dxf)</translation>
    </message>
    <message>
        <source>すべてのファイル (*.*)</source>
        <translation>All Files (*.*)</translation>
    </message>
    <message>
        <source>DXF/SVG出力</source>
        <translation>Export DXF/SVG</translation>
    </message>
    <message>
        <source>%s は読み込めません。
輪郭は LINE, ARC, CIRCLE, LWPOLYLINE, POLYLINE で描いてください。</source>
        <translation>%s cannot be read.
Draw the outline with LINE, ARC, CIRCLE, LWPOLYLINE or POLYLINE entities.</translation>
    </message>
    <message>
        <source>%s で輪郭が閉じていません。</source>
        <translation>The outline is not closed at %s.</translation>
    </message>
    <message>
        <source>%s で輪郭が交差しています。</source>
        <translation>The outline crosses itself at %s.</translation>
    </message>
    <message>
        <source>%s (ハンドル %s)</source>
        <translation>%s (handle %s)</translation>
    </message>
    <message>
        <source>図面に読み込める輪郭がありません。</source>
        <translation>The drawing has no outline that can be read.</translation>
    </message>
    <message>
        <source>DXF図面として読めません。</source>
        <translation>The file cannot be read as a DXF drawing.</translation>
    </message>
    <message>
        <source>図面を表示する画像を作れません。</source>
        <translation>Cannot create the picture to show the drawing.</translation>
    </message>
    <message>
        <source>計算を実行してから出力してください。</source>
        <translation>Run the calculation before exporting.</translation>
    </message>
    <message>
        <source>%s に書き込めません。</source>
        <translation>Cannot write to %s.</translation>
    </message>
    <message>
        <source>クリップボードがオープンできません</source>
        <translation>Cannot open the clipboard</translation>
    </message>
    <message>
        <source>クリップボードに保存画像がありません</source>
        <translation>There is no picture on the clipboard</translation>
    </message>
    <message>
        <source>クリップ画像イメージの変換に失敗しました</source>
        <translation>Could not convert the clipboard picture</translation>
    </message>
    <message>
        <source>始点ｻｰﾁ中(%4d,%4d)-(%4d,%4d)</source>
        <translation>Setting start (%4d,%4d)-(%4d,%4d)</translation>
    </message>
    <message>
        <source>終点ｻｰﾁ中(%4d,%4d)-(%4d,%4d)</source>
        <translation>Setting end (%4d,%4d)-(%4d,%4d)</translation>
    </message>
    <message>
        <source>大小逆</source>
        <translation> reversed</translation>
    </message>
    <message>
        <source>(%4d,%4d)-(%4d,%4d)  Δ(%d,%d)</source>
        <translation>(%4d,%4d)-(%4d,%4d)  %d x %d</translation>
    </message>
    <message>
        <source>始点と終点の位置関係が異常です</source>
        <translation>Start and End Points Out of Order</translation>
    </message>
    <message>
        <source>指定始点X,Y &gt; 終点X,Y になっています。</source>
        <translation>Start point X,Y &gt; end point X,Y.</translation>
    </message>
    <message>
        <source>指定始点X &gt; 終点X になっています。</source>
        <translation>Start point X &gt; end point X.</translation>
    </message>
    <message>
        <source>指定始点Y &gt; 終点Y になっています。</source>
        <translation>Start point Y &gt; end point Y.</translation>
    </message>
    <message>
        <source>ゾーン指定不良です</source>
        <translation>The zone is not set correctly</translation>
    </message>
    <message>
        <source>指定ゾーンの画像イメージの変換に失敗しました</source>
        <translation>Could not convert the picture of the zone</translation>
    </message>
    <message>
        <source>Compatible Bitmap 作成に失敗しました</source>
        <translation>Could not create the compatible bitmap</translation>
    </message>
    <message>
        <source>起動を中断します</source>
        <translation>Aborted</translation>
    </message>
    <message>
        <source>Bitmap 転送に失敗しました</source>
        <translation>Could not copy the bitmap</translation>
    </message>
    <message>
        <source>モニタに 32,24,16 ビットタイプ以外が指定されました</source>
        <translation>The screen uses a color depth other than 32, 24 or 16 bits</translation>
    </message>
    <message>
        <source>モニタゾーン設定ガイド</source>
        <translation>Screen Zone Guide</translation>
    </message>
    <message>
        <source>ゾーン設定ガイド</source>
        <translation>Setting the Zone</translation>
    </message>
    <message>
        <source>始点の定義</source>
        <translation>Defining the Start Point</translation>
    </message>
    <message>
        <source>終点の定義</source>
        <translation>Defining the End Point</translation>
    </message>
    <message>
        <source>範囲の微調整</source>
        <translation>Checking the Zone</translation>
    </message>
    <message>
        <source>モニタから画像切り出しするゾーン設定のための推奨方式です。</source>
        <translation>This is the recommended way to set the zone for cutting a picture out of the screen.</translation>
    </message>
    <message>
        <source>「始」ボタンをクリックするとカーソルが＋マークに変わりますので主画面の内部の点からマウスの左ボタンを押したまま希望する開始位置までドラッグしていき、マウス左ボタンを離してください。その点が開始点として取り込まれ、２秒間指定領域が反転表示されます。
マウスを離すときに CTRL キーを押しておくと、終点を始点のすぐ右下にセットします。これを推奨。</source>
        <translation>Click the &quot;Start&quot; button: the cursor turns into a + mark. Press the left mouse button on a point inside the main window, drag to the start position you want and release the button. That point is taken as the start point, and the zone is shown inverted for two seconds.
If you hold down CTRL while releasing the mouse, the end point is placed just below and to the right of the start point. This is recommended.</translation>
    </message>
    <message>
        <source>「終」ボタンをクリックして同じように、＋マークカーソルを終点のところまでドラッグしていって、このときはCTRLキーを押さずにマウスを離してください。このときの座標が終点として取り込まれ、２秒間指定領域が反転表示されます。
なお、マウスを離すときに CTRL キーを押しておくと、始点を終点のすぐ左上にセットします。</source>
        <translation>Click the &quot;End&quot; button and, in the same way, drag the + cursor to the end point; this time release the mouse without holding CTRL. Those coordinates are taken as the end point, and the zone is shown inverted for two seconds.
If you hold down CTRL while releasing the mouse, the start point is placed just above and to the left of the end point.</translation>
    </message>
    <message>
        <source>「範」ボタンをクリックすると、２秒間、指定範囲を反転表示します。</source>
        <translation>Click the &quot;Zone&quot; button to show the zone inverted for two seconds.</translation>
    </message>
    <message>
        <source>作画表示色設定</source>
        <translation>Drawing Colors</translation>
    </message>
    <message>
        <source>座標マーク</source>
        <translation>Point mark</translation>
    </message>
    <message>
        <source>座標No</source>
        <translation>Point no.</translation>
    </message>
    <message>
        <source>中心マーク</source>
        <translation>Centroid mark</translation>
    </message>
    <message>
        <source>点列間曲線</source>
        <translation>Segment lines</translation>
    </message>
    <message>
        <source>中性軸・強軸</source>
        <translation>Strong axis</translation>
    </message>
    <message>
        <source>中性軸・弱軸</source>
        <translation>Weak axis</translation>
    </message>
    <message>
        <source>表示色指定</source>
        <translation>Display Colors</translation>
    </message>
    <message>
        <source>下の表のいずれかを指定のこと</source>
        <translation>Enter a number from the table below</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>入力データ不良です</source>
        <translation>Invalid input.</translation>
    </message>
    <message>
        <source>画像ファイルに書込みました。</source>
        <translation>The picture file has been written.</translation>
    </message>
    <message>
        <source>モニタしてみますか？</source>
        <translation>View It Now?</translation>
    </message>
    <message>
        <source>[%s]<byte value="xd"/>
画像ファイルの書込みに失敗しました。<byte value="xd"/>
書込み先フォルダと空き容量を確認してください</source>
        <translation>[%s]<byte value="xd"/>
Could not write the picture file.<byte value="xd"/>
Check the destination folder and the free space.</translation>
    </message>
    <message>
        <source>指定画像が開けませんでした<byte value="xd"/>
</source>
        <translation>Could not open the picture.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>FAX VeiwerもしくはIE がないか、画像が不良です</source>
        <translation>No picture viewer program was found, or the picture is faulty.</translation>
    </message>
    <message>
        <source>計算に入れません</source>
        <translation>Cannot Calculate</translation>
    </message>
    <message>
        <source>指示待ち中</source>
        <translation>Waiting for input</translation>
    </message>
    <message>
        <source>サンプリング中</source>
        <translation>Sampling</translation>
    </message>
    <message>
        <source>計算完了</source>
        <translation>Calculated</translation>
    </message>
    <message>
        <source>データ修正あり</source>
        <translation>Data modified</translation>
    </message>
    <message>
        <source>Viwer 修正データサーチ中</source>
        <translation>Viewer: finding data</translation>
    </message>
    <message>
        <source>Viwer データ修正中</source>
        <translation>Viewer: editing data</translation>
    </message>
    <message>
        <source>空行=%d</source>
        <translation>Filled empty row %d</translation>
    </message>
    <message>
        <source>これ以上データを追加できません</source>
        <translation>No more data can be added</translation>
    </message>
    <message>
        <source>退避データ行数＜貼り付け指定行数で、貼り付けできません</source>
        <translation>Cannot paste: fewer rows were copied than the rows to paste into</translation>
    </message>
    <message>
        <source>３点以上定義されていないと計算に入れません</source>
        <translation>At least 3 points must be defined before calculating</translation>
    </message>
    <message>
        <source>最終点に type=2	は指定できません</source>
        <translation>The last point cannot have type=2	</translation>
    </message>
    <message>
        <source>%d 番目のデータの type指定ミスです。
1 or 2 のみ指定可。</source>
        <translation>Row %d has an invalid type.
Only 1 or 2 can be given.</translation>
    </message>
    <message>
        <source>計算に失敗しました</source>
        <translation>The calculation failed</translation>
    </message>
    <message>
        <source>%d 番目の３点指定円弧は内角が１８０°以上になっています。
分割が必要です。</source>
        <translation>The three-point arc at row %d spans 180 degrees or more.
It must be split.</translation>
    </message>
    <message>
        <source>%d 番目のデータ: 最初の行に穴・部品の区切り (type=9) は置けません。</source>
        <translation>Row %d: the first row cannot be a loop break (type=9).</translation>
    </message>
    <message>
        <source>%d 番目のデータ: 最後の行に穴・部品の区切り (type=9) は置けません。</source>
        <translation>Row %d: the last row cannot be a loop break (type=9).</translation>
    </message>
    <message>
        <source>%d 番目のデータ: 穴・部品の区切り (type=9) が続いています。
間に点のないループ %d はできません。</source>
        <translation>Row %d: loop breaks (type=9) follow one another.
Loop %d cannot be made without points between them.</translation>
    </message>
    <message>
        <source>ループ %d (%d 番目のデータから) の点が３点未満です。
穴・部品はそれぞれ３点以上で囲んでください。</source>
        <translation>Loop %d (from row %d) has fewer than 3 points.
Enclose each hole and part with at least 3 points.</translation>
    </message>
    <message>
        <source>ループ %d の最終点 (%d 番目のデータ) に type=2 は指定できません</source>
        <translation>The last point of loop %d (row %d) cannot have type=2</translation>
    </message>
    <message>
        <source>ループ %d (%d 番目のデータ付近) が自身と交差しています。</source>
        <translation>Loop %d (near row %d) crosses itself.</translation>
    </message>
    <message>
        <source>ループ %d とループ %d が交差しているか接しています (%d 番目のデータ付近)。</source>
        <translation>Loop %d and loop %d cross or touch (near row %d).</translation>
    </message>
    <message>
        <source>穴・部品の区切りは点のあるループの後にだけ追加できます</source>
        <translation>A loop break can only be added after a loop that has points</translation>
    </message>
    <message>
        <source>有効なデータはありません</source>
        <translation>There is no valid data</translation>
    </message>
    <message>
        <source>サンプルデータを放棄して結果もクリアしていいですか？</source>
        <translation>Discard the sampling data and clear the results as well?</translation>
    </message>
    <message>
        <source>座標倍率 R = %10.2f</source>
        <translation>Magnif.  R = %10.2f</translation>
    </message>
    <message>
        <source>面積&#x3000;   A = %10.2f  %s</source>
        <translation>Area     A = %10.2f  %s</translation>
    </message>
    <message>
        <source>周長&#x3000;   L = %10.2f</source>
        <translation>Perim.   L = %10.2f</translation>
    </message>
    <message>
        <source>幅&#x3000; &#x3000;  B = %6.2f</source>
        <translation>Width    B = %6.2f</translation>
    </message>
    <message>
        <source>高さ &#x3000;  H = %6.2f</source>
        <translation>Height   H = %6.2f</translation>
    </message>
    <message>
        <source>横重心  xC = %6.2f (bL=%6.2f bR=%6.2f)</source>
        <translation>Centr.  xC = %6.2f (bL=%6.2f bR=%6.2f)</translation>
    </message>
    <message>
        <source>縦重心  yC = %6.2f (hU=%6.2f hL=%6.2f)</source>
        <translation>Centr.  yC = %6.2f (hU=%6.2f hL=%6.2f)</translation>
    </message>
    <message>
        <source>Iy Max&#x3000;&#x3000; = %12.4e (θ=%4.0f°右＝0°右回り＋)</source>
        <translation>Iy Max     = %12.4e (theta=%4.0f, 0=right, CW+)</translation>
    </message>
    <message>
        <source>Iz Min&#x3000;&#x3000; = %12.4e</source>
        <translation>Iz Min     = %12.4e</translation>
    </message>
    <message>
        <source>(修正前データ対応）</source>
        <translation>(pre-correction data)</translation>
    </message>
    <message>
        <source>計算が完了しておらず印刷できません</source>
        <translation>Cannot print: the calculation has not been completed</translation>
    </message>
    <message>
        <source>ファイルのオープンに失敗しました</source>
        <translation>Could not open the file</translation>
    </message>
    <message>
        <source>計算結果の印刷用ファイルへの書込みに失敗しました。</source>
        <translation>Could not write the results to the print file.</translation>
    </message>
    <message>
        <source>傾斜軸回りの結果の InclRslt.txt への書込みに失敗しました。</source>
        <translation>Could not write the inclined-axis results to InclRslt.txt.</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾛｸﾞﾗﾑの起動に失敗：ｴﾗｰｺｰﾄﾞ=%d</source>
        <translation>Could not start the print program: error code=%d</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾛｸﾞﾗﾑの起動に失敗：ｴﾗｰｺｰﾄﾞ=%d
実行ディレクトリに Lurm.exe があることをチェックしてください。</source>
        <translation>Could not start the print program: error code=%d
Check that Lurm.exe is in the program&apos;s folder.</translation>
    </message>
    <message>
        <source>[ 計算結果 ] 座標倍率 = %6.2f<byte value="xd"/>
</source>
        <translation>[ Results ] Magnification R = %6.2f<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>[ 計算結果 ] サイズ補正あり 座標倍率 = %6.2f&#x3000; ( ) 表示は元画像スケール値<byte value="xd"/>
</source>
        <translation>[ Results ] Size-corrected, magnification R = %6.2f   ( ) = source picture scale values<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>面積&#x3000; A = %10.2f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Area   A = %10.2f<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>面積&#x3000; A = %10.2f (%10.2f)<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Area   A = %10.2f (%10.2f)<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>周長&#x3000; L = %10.2f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Perim. L = %10.2f<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>周長&#x3000; L = %10.2f (%10.2f)<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Perim. L = %10.2f (%10.2f)<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>幅&#x3000;&#x3000; B = %6.2f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Width  B = %6.2f<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>幅&#x3000;&#x3000; B = %6.2f (%6.2f)<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Width  B = %6.2f (%6.2f)<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>高さ&#x3000; H = %6.2f<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Height H = %6.2f<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>高さ&#x3000; H = %6.2f (%6.2f)<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Height H = %6.2f (%6.2f)<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>横重心 xc= %6.2f<byte value="xd"/>
</source>
        <translation>Centr. xc= %6.2f<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>横重心 xc= %6.2f (%6.2f)<byte value="xd"/>
</source>
        <translation>Centr. xc= %6.2f (%6.2f)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>縦重心 yc= %6.2f<byte value="xd"/>
</source>
        <translation>Centr. yc= %6.2f<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>縦重心 yc= %6.2f (%6.2f)<byte value="xd"/>
</source>
        <translation>Centr. yc= %6.2f (%6.2f)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Iy Max &#x3000;= %12.4e<byte value="xd"/>
</source>
        <translation>Iy Max   = %12.4e<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Iy Max &#x3000;= %12.4e (%12.4e)<byte value="xd"/>
</source>
        <translation>Iy Max   = %12.4e (%12.4e)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source> atθMax = %4.0f deg --- 右0°,右回り＋<byte value="xd"/>
</source>
        <translation>thetaMax = %4.0f deg --- 0 deg at right, clockwise +<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Iz Min&#x3000; = %12.4e<byte value="xd"/>
</source>
        <translation>Iz Min   = %12.4e<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Iz Min&#x3000; = %12.4e (%12.4e)<byte value="xd"/>
</source>
        <translation>Iz Min   = %12.4e (%12.4e)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>[ 傾斜軸回りの断面２次モーメント表 ]<byte value="xd"/>
</source>
        <translation>[ Second moments of area about inclined axes ]<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>[ 線積分用詳細展開データ ] (xs,ys)-(xe,ye) or (xc,yc)<byte value="xd"/>
</source>
        <translation>[ Detailed segment data for line integration ] (xs,ys)-(xe,ye) or (xc,yc)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Sr=%3d type=直線&#x3000; &#x3000;(%5.0f,%5.0f)-(%5.0f,%5.0f)<byte value="xd"/>
</source>
        <translation>Sr=%3d type=Line     (%5.0f,%5.0f)-(%5.0f,%5.0f)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Sr=%3d type=円弧&#x3000; &#x3000;(%5.0f,%5.0f) R=%5.0f θ(%5.1f→%5.1f) Δ%5.1f deg  %s<byte value="xd"/>
</source>
        <translation>Sr=%3d type=Arc      (%5.0f,%5.0f) R=%5.0f theta(%5.1f-&gt;%5.1f) sweep%5.1f deg  %s<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Sr=%3d type=円弧中間 (%5.0f,%5.0f)<byte value="xd"/>
</source>
        <translation>Sr=%3d type=Arc mid. (%5.0f,%5.0f)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Sr=%3d type=補助点 (%5.0f,%5.0f)<byte value="xd"/>
</source>
        <translation>Sr=%3d type=Aux pt (%5.0f,%5.0f)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>--- ループ %d ---<byte value="xd"/>
</source>
        <translation>--- Loop %d ---<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>右回り</source>
        <translation>clockwise</translation>
    </message>
    <message>
        <source>左回り</source>
        <translation>counterclockwise</translation>
    </message>
    <message>
        <source>計算が完了していないか、データが修正されています。

出力しますか？</source>
        <translation>The calculation is not complete, or the data has been modified.

Export anyway?</translation>
    </message>
    <message>
        <source>指定Csvファイルに書込みました</source>
        <translation>The CSV file has been written</translation>
    </message>
    <message>
        <source>Csv ファイル書込みに失敗しました</source>
        <translation>Could not write the CSV file</translation>
    </message>
    <message>
        <source>csv (*.csv)</source>
        <translation>CSV Files (*.csv)</translation>
    </message>
    <message>
        <source>dat (*.dat)</source>
        <translation>DAT Files (*.dat)</translation>
    </message>
    <message>
        <source>サンプリングデータ編集</source>
        <translation>Edit Sampling Data</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>結果とデータのCSV DF出力 (&amp;C)</source>
        <translation>Export Results and Data as &amp;CSV</translation>
    </message>
    <message>
        <source>印刷(&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>計算結果印刷 (&amp;R)</source>
        <translation>Print &amp;Results</translation>
    </message>
    <message>
        <source>傾斜軸２次Ｍｔ表印刷(&amp;I)</source>
        <translation>Print &amp;Inclined-Axis Second Moment Table</translation>
    </message>
    <message>
        <source>詳細展開データ印刷 (&amp;D)</source>
        <translation>Print &amp;Detailed Data</translation>
    </message>
    <message>
        <source>操作手順ガイド (&amp;P)</source>
        <translation>&amp;Procedure Guide</translation>
    </message>
    <message>
        <source>データ編集ガイド (&amp;E)</source>
        <translation>Data &amp;Editing Guide</translation>
    </message>
    <message>
        <source>データ説明 (&amp;D)</source>
        <translation>&amp;Data Description</translation>
    </message>
    <message>
        <source>計算結果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>サンプリングデータ</source>
        <translation>Sampling Data</translation>
    </message>
    <message>
        <source>動作状態</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>↑頁</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>↓頁</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>先頭</source>
        <translation>First</translation>
    </message>
    <message>
        <source>最終</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>SMPLING
開始/再開</source>
        <translation>Sampling
Start/Resume</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>計算実行</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>サンプリングデータは空行あればそこへ挿入し、なければ最後に追加します</source>
        <translation>New sampled points go into an empty row if there is one, otherwise after the last row.</translation>
    </message>
    <message>
        <source>座標の微調整は画像上でもできます。</source>
        <translation>Points can also be fine-tuned on the picture.</translation>
    </message>
    <message>
        <source>座標は現表示倍率画像でのドット単位</source>
        <translation>Units: dots at the current display magnification.</translation>
    </message>
    <message>
        <source>印刷、DF出力ではスケール変更時の倍率補正値も表示します。</source>
        <translation>Prints and file output also give the scale correction factor.</translation>
    </message>
    <message>
        <source>type=1 -- 直線
    =2 -- ３点円弧
    =9 -- 穴・部品</source>
        <translation>type=1 -- line
    =2 -- 3-point arc
    =9 -- hole/part</translation>
    </message>
    <message>
        <source>穴・部品の追加 (&amp;H)</source>
        <translation>Add &amp;Hole/Part</translation>
    </message>
    <message>
        <source>座標は８文字以内で入力してください。
入力前の値に戻しました。</source>
        <translation>Enter coordinates of at most 8 characters.
The previous value has been restored.</translation>
    </message>
    <message>
        <source>画像Viewer でデータ修正中です。
メニューを使ってデータ修正を終了させてください。</source>
        <translation>The picture viewer is correcting data.
Finish the correction from the viewer&apos;s menu.</translation>
    </message>
    <message>
        <source>手順ガイド</source>
        <translation>Procedure Guide</translation>
    </message>
    <message>
        <source>画像調整と座標単位</source>
        <translation>Picture Adjustment and Coordinate Units</translation>
    </message>
    <message>
        <source>モードとサンプリング</source>
        <translation>Modes and Sampling</translation>
    </message>
    <message>
        <source>データ編集</source>
        <translation>Data Editing</translation>
    </message>
    <message>
        <source>一番先に画像サイズ調整と表示位置を調整し、サンプリングしやすいようにしてください。</source>
        <translation>First of all, adjust the picture size and the display position so that sampling is easy.</translation>
    </message>
    <message>
        <source>座標単位は、表示倍率に関係なく、ドット単位（整数）です。</source>
        <translation>Coordinates are in dots (integers), whatever the display magnification.</translation>
    </message>
    <message>
        <source>Sampling 開始ボタンクリックすると、サンプリングモードに入ります。</source>
        <translation>Click the Start Sampling button to enter sampling mode.</translation>
    </message>
    <message>
        <source>サンプリングモードでは、画像上で左ボタンクリックで、座標を取得して＋マークを入れ、その取得座標データを一番前の空行に挿入（普通は追加）します。</source>
        <translation>In sampling mode, a left click on the picture takes the coordinates of that point, marks it with a + and inserts the coordinates into the first empty row (normally this appends them).</translation>
    </message>
    <message>
        <source>「停止」ボタンをクリックするか、入力セルのいずれかをクリックすると、サンプリングモードを解除します。このときデータ編集モードに入ります。</source>
        <translation>Clicking the Stop button or any input cell ends sampling mode and enters data edit mode.</translation>
    </message>
    <message>
        <source>追加するときも「Sampling開始」ボタンをクリックしてから、サンプリングしてください。このとき、先頭から最初の空き行にデータをセットします。</source>
        <translation>To add points, too, click the Start Sampling button first and then sample. The data goes into the first empty row from the top.</translation>
    </message>
    <message>
        <source>計算実行ボタンをクリックすると、線積分を実行し、結果を表示します。印刷やCSV ファイル出力することもできます。</source>
        <translation>Clicking the Calculate button runs the line integration and shows the results. They can also be printed or written to a CSV file.</translation>
    </message>
    <message>
        <source>計算実行時も、サンプリングモードを解除します。追加サンプリングするときは「Sampling開始」ボタンをクリックしてください。</source>
        <translation>Calculating also ends sampling mode. To sample more points, click the Start Sampling button.</translation>
    </message>
    <message>
        <source>編集画面でデータ表示しているのはエディットボックス群で、キー入力で修正できます。詳細は編集ガイドを参照ください。きます。</source>
        <translation>The data in the edit window is shown in a set of edit boxes and can be corrected by typing. See the Data Edit Guide for details.</translation>
    </message>
    <message>
        <source>データ編集ガイド</source>
        <translation>Data Edit Guide</translation>
    </message>
    <message>
        <source>行編集</source>
        <translation>Row Editing</translation>
    </message>
    <message>
        <source>入力セルをクリックしてから操作のこと</source>
        <translation>Click an input cell first, then use these keys</translation>
    </message>
    <message>
        <source>Ctrl ＋’ I’ キー＝ その行の前に１行挿入し、下位送り</source>
        <translation>Ctrl+I = insert a row before this row, moving the rows below down</translation>
    </message>
    <message>
        <source>Ctrl ＋’ D’ キー＝ その行を削除し、データ退避し上位づめ</source>
        <translation>Ctrl+D = delete this row, keeping it as the saved row, and move the rows below up</translation>
    </message>
    <message>
        <source>Ctrl ＋’Ｃ’ キー＝ その行をコピーして退避</source>
        <translation>Ctrl+C = copy this row as the saved row</translation>
    </message>
    <message>
        <source>Ctrl ＋’Ｐ’ キー＝ その行に退避行があれば貼り付け</source>
        <translation>Ctrl+P = paste the saved row, if any, into this row</translation>
    </message>
    <message>
        <source>画面に並べているのはエディットボックスです。セルを選択してからキー入力で編集できます。CR 、矢印キーで移動できます。右側のボタンでも移動できます。</source>
        <translation>The window shows a grid of edit boxes. Select a cell, then edit it by typing. Move with Enter or the arrow keys, or with the buttons on the right.</translation>
    </message>
    <message>
        <source>データは編集画面でキー入力で修正することもできますし、座標は画像Viewer 上で矢印キーを使って微調整することもできます。
曲線タイプ(１－直線、２－３点円弧）はデフォルトは１で、２の場合はキー操作で修正指定してください。</source>
        <translation>Data can be corrected by typing in the edit window, and points can be fine-tuned with the arrow keys in the picture viewer.
The curve type (1 - straight line, 2 - three-point arc) defaults to 1; for 2, change it by typing.</translation>
    </message>
    <message>
        <source>データ説明</source>
        <translation>Data Explanation</translation>
    </message>
    <message>
        <source>座標系</source>
        <translation>Coordinate System</translation>
    </message>
    <message>
        <source>データ</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Ｘ，Ｙ</source>
        <translation>X, Y</translation>
    </message>
    <message>
        <source>→Ｘ軸
↓Ｙ軸
→０°で時計回り（右回り）が＋</source>
        <translation>X axis: to the right
Y axis: downward
Angles: 0 deg to the right, clockwise positive</translation>
    </message>
    <message>
        <source>１－次の点までを直線で結ぶ。
２－次の次の点までを３点円弧で結ぶ</source>
        <translation>1 - straight line to the next point.
2 - three-point arc to the point after next</translation>
    </message>
    <message>
        <source>画像上のドット位置。
左上コーナーが原点。
拡大画像のときは小数の場合もあり。</source>
        <translation>Dot position on the picture.
The origin is the top-left corner.
May be fractional on a magnified picture.</translation>
    </message>
    <message>
        <source>線積分を使って面積等を計算します。
最終点から始点までは直線で結び閉回路とします。
最終の１つ前で３点円弧を指定した場合は、その点、最終点、始点の３点で円弧計算します。
詳細展開データは印刷できます。</source>
        <translation>The area and the other properties are calculated by line integration.
The last point is joined to the first by a straight line to close the loop.
If a three-point arc is set on the second-to-last point, the arc runs through that point, the last point and the first point.
The detailed expanded data can be printed.</translation>
    </message>
    <message>
        <source>作画画像切出しガイダンス</source>
        <translation>Picture Cut-Out Guide</translation>
    </message>
    <message>
        <source>作画を適当な大きさに調整のこと</source>
        <translation>Adjust the Picture to a Suitable Size</translation>
    </message>
    <message>
        <source>切出し範囲指定方法</source>
        <translation>Setting the Cut-Out Zone</translation>
    </message>
    <message>
        <source>切出し実行</source>
        <translation>Cutting Out</translation>
    </message>
    <message>
        <source>トラッカを解除</source>
        <translation>Releasing the Tracker</translation>
    </message>
    <message>
        <source>まず、作画の大きさを調整ください。現在表示されているより大きい範囲は切り出せません。</source>
        <translation>First adjust the size of the picture. A zone larger than what is currently displayed cannot be cut out.</translation>
    </message>
    <message>
        <source>切り出しゾーン指定メニューをクリックすると、切り出し範囲を指定するトラッカーと呼ぶ矩形が表示されます。この内部をドラッグすると移動し、周辺の小さい矩形をドラッグするとサイズﾞを調整できますので、切出し範囲を指定してください。トラッカの外側をクリックすると、ゾーン指定が解除され、トラッカも消去されます。</source>
        <translation>Clicking the tracker zone menu item shows a rectangle, called the tracker, that sets the cut-out zone. Drag inside it to move it and drag the small squares around its edge to resize it, so that it covers the zone to cut out. Clicking outside the tracker cancels the zone and removes the tracker.</translation>
    </message>
    <message>
        <source>切出し実行メニューをクリックすると、保存ファイル名を指定したあと、カット画像を作成し、ファイル保存します。</source>
        <translation>Clicking one of the menu items that write the zone asks for the file name to save to, then creates the cut-out picture and saves it to the file.</translation>
    </message>
    <message>
        <source>トラッカの外側の任意点をクリックして、解除してください。</source>
        <translation>Click any point outside the tracker to release it.</translation>
    </message>
    <message>
        <source>本ソフトの機能と使用ガイダンス</source>
        <translation>Features and Usage Guide</translation>
    </message>
    <message>
        <source>機能</source>
        <translation>Features</translation>
    </message>
    <message>
        <source>始め方</source>
        <translation>Getting Started</translation>
    </message>
    <message>
        <source>本ソフトは画像の上をマウスクリックで、右回りの点列を定義し、そのゾーンの面積、重心、２次モーメント等を計算する機能があります。</source>
        <translation>By clicking on a picture with the mouse you define a clockwise sequence of points, and the program calculates the area, centroid, second moments of area and more of the zone they enclose.</translation>
    </message>
    <message>
        <source>点列間は直線、もしくは３点円弧で近似します。細かく指定すればこれでかなり複雑な曲線も精度よく近似できます。</source>
        <translation>Between the points the outline is approximated by straight lines or three-point arcs. With points placed closely enough, even quite complex curves are approximated accurately.</translation>
    </message>
    <message>
        <source>主画面のいずれかの方法で画像を取得してViewerを開きます。</source>
        <translation>Get a picture in one of the ways offered by the main window to open the viewer.</translation>
    </message>
    <message>
        <source>画像Viewerとデータ編集画面を同時起動します。この２画面連動で編集、処理するような構造になっています。</source>
        <translation>The picture viewer and the data edit window open together. You edit and process the data with these two linked windows.</translation>
    </message>
    <message>
        <source>画像ﾀｲﾌﾟ  JPEG
</source>
        <translation>Picture type  JPEG
</translation>
    </message>
    <message>
        <source>画像ﾀｲﾌﾟ	GIF
</source>
        <translation>Picture type	GIF
</translation>
    </message>
    <message>
        <source>画像ﾀｲﾌﾟ  BMP
</source>
        <translation>Picture type  BMP
</translation>
    </message>
    <message>
        <source>画像ﾀｲﾌﾟ  カットor変換画像
</source>
        <translation>Picture type  cut-out or converted picture
</translation>
    </message>
    <message>
        <source>画像ﾀｲﾌﾟ  クリップ画像
</source>
        <translation>Picture type  clipboard picture
</translation>
    </message>
    <message>
        <source>画像ﾀｲﾌﾟ  不明
</source>
        <translation>Picture type  unknown
</translation>
    </message>
    <message>
        <source>カット画像</source>
        <translation>Cut picture</translation>
    </message>
    <message>
        <source>クリップ画像</source>
        <translation>Clipboard picture</translation>
    </message>
    <message>
        <source>[%s]のピクセルあたりのビット数= %d</source>
        <translation>Bits per pixel of [%s] = %d</translation>
    </message>
    <message>
        <source>本ファイルは32,24,16,8ビットタイプではないため処理できません</source>
        <translation>This file is not a 32, 24, 16 or 8-bit type and cannot be processed</translation>
    </message>
    <message>
        <source>BitPixel=%d は想定外です</source>
        <translation>BitPixel=%d is not supported.</translation>
    </message>
    <message>
        <source>画像取得に失敗しました</source>
        <translation>Could not capture the picture.</translation>
    </message>
    <message>
        <source>%d 行目の点が図形の範囲の外にあります</source>
        <translation>The point in row %d lies outside the bounds of the figure</translation>
    </message>
    <message>
        <source>%d 行目からの円弧が半円以上あります</source>
        <translation>The arc from row %d spans a semicircle or more</translation>
    </message>
    <message>
        <source>%d 行目からの円弧の3点が一直線上にあるか重なっています</source>
        <translation>The three points of the arc from row %d lie on one line or coincide</translation>
    </message>
    <message>
        <source>%d 行目と %d 行目からの辺が交差しているか接しています</source>
        <translation>The edges from rows %d and %d cross or touch</translation>
    </message>
    <message>
        <source>%d 行目と %d 行目からの辺（別の輪郭）が交差しているか接しています</source>
        <translation>The edges from rows %d and %d (of different outlines) cross or touch</translation>
    </message>
    <message>
        <source>輪郭データの形が正しくないため読み込めません</source>
        <translation>The outline data cannot be read because its shape is invalid</translation>
    </message>
    <message>
        <source>遠近補正 (&amp;P)</source>
        <translation>&amp;Perspective</translation>
    </message>
    <message>
        <source>基準矩形を指定 (&amp;S)</source>
        <translation>&amp;Set Reference Rectangle</translation>
    </message>
    <message>
        <source>基準点の指定終了 (&amp;E)</source>
        <translation>&amp;End Reference Points</translation>
    </message>
    <message>
        <source>遠近補正を解除 (&amp;C)</source>
        <translation>&amp;Clear Perspective Correction</translation>
    </message>
    <message>
        <source>補正画像を開く (&amp;O)</source>
        <translation>&amp;Open Corrected Picture</translation>
    </message>
    <message>
        <source>遠近補正: %d点, %g x %g mm</source>
        <translation>Perspective correction: %d points, %g x %g mm</translation>
    </message>
    <message>
        <source>遠近補正</source>
        <translation>Perspective Correction</translation>
    </message>
    <message>
        <source>指定点数 = %d</source>
        <translation>Points given = %d</translation>
    </message>
    <message>
        <source>幅 (1点目→2点目) mm</source>
        <translation>Width (point 1 to 2), mm</translation>
    </message>
    <message>
        <source>高さ (1点目→4点目) mm</source>
        <translation>Height (point 1 to 4), mm</translation>
    </message>
    <message>
        <source>格子の横の点数</source>
        <translation>Grid points per row</translation>
    </message>
    <message>
        <source>各点の残差 (mm)</source>
        <translation>Residual of each point (mm)</translation>
    </message>
    <message>
        <source>当てはめ</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>基準矩形の４隅を左上から右回りにクリックし、
「基準点の指定終了」を選んでください。
格子の点を使う場合は、上の行から順に各行を左から右へクリックします。</source>
        <translation>Click the four corners of the reference rectangle clockwise, starting at the top left,
then choose &quot;End Reference Points&quot;.
When using grid points, click each row from left to right, starting with the top row.</translation>
    </message>
    <message>
        <source>基準点が４点に足りません。遠近補正を中止します。</source>
        <translation>Fewer than four reference points were given. Perspective correction is cancelled.</translation>
    </message>
    <message>
        <source>幅と高さは正の数値で指定のこと</source>
        <translation>Enter positive numbers for the width and height</translation>
    </message>
    <message>
        <source>点の数が格子の横の点数で割り切れません</source>
        <translation>The number of points is not divisible by the grid points per row</translation>
    </message>
    <message>
        <source>基準矩形の３点が一直線上にあります。
遠近補正を設定できません。</source>
        <translation>Three corners of the reference rectangle lie on one straight line.
Perspective correction cannot be set.</translation>
    </message>
    <message>
        <source>基準矩形の隅が右回りになっていません。
左上から右回りに指定のこと。</source>
        <translation>The corners of the reference rectangle are not clockwise.
Give them clockwise, starting at the top left.</translation>
    </message>
    <message>
        <source>基準矩形が折れ返っています (凸の四角形になりません)。
遠近補正を設定できません。</source>
        <translation>The reference rectangle folds over (it is not a convex quadrilateral).
Perspective correction cannot be set.</translation>
    </message>
    <message>
        <source>基準点が消失線の向こう側にあります。
遠近補正を設定できません。</source>
        <translation>A reference point lies beyond the vanishing line.
Perspective correction cannot be set.</translation>
    </message>
    <message>
        <source>輪郭の点が遠近補正の消失線の向こう側にあります。
補正面での計算ができません。</source>
        <translation>A point of the outline lies beyond the vanishing line of the perspective correction.
The outline cannot be calculated in the corrected plane.</translation>
    </message>
    <message>
        <source>遠近補正が設定されていません</source>
        <translation>No perspective correction is set</translation>
    </message>
    <message>
        <source>補正画像を開く</source>
        <translation>Open Corrected Picture</translation>
    </message>
    <message>
        <source>1 mm あたりのドット数</source>
        <translation>Dots per mm</translation>
    </message>
    <message>
        <source>ドット数は正の数値で指定のこと</source>
        <translation>Enter a positive number of dots</translation>
    </message>
    <message>
        <source>補正画像が大きすぎます。ドット数を減らしてください。</source>
        <translation>The corrected picture is too large. Reduce the dots per mm.</translation>
    </message>
    <message>
        <source>サンプリングデータを補正画像に写しますか？</source>
        <translation>Map the sampling data onto the corrected picture?</translation>
    </message>
    <message>
        <source>[ 断面性能 ] 座標倍率 = %6.2f<byte value="xd"/>
</source>
        <translation>[ Section properties ] Magnification R = %6.2f<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>実寸スケール = %.6g mm/ドット (元画像)<byte value="xd"/>
</source>
        <translation>Real-unit scale = %.6g mm/dot (source picture)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>実寸スケール未設定<byte value="xd"/>
</source>
        <translation>Real-unit scale not set<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>正側＝主軸から右回り90°の側、負側＝その反対側 (右0°右回り＋)<byte value="xd"/>
</source>
        <translation>Positive side = 90 deg clockwise from the principal axis; negative side = the opposite side (0 deg at right, clockwise +)<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>表示スケール</source>
        <translation>Display scale</translation>
    </message>
    <message>
        <source>元画像スケール</source>
        <translation>Source scale</translation>
    </message>
    <message>
        <source>実寸(mm)</source>
        <translation>Real (mm)</translation>
    </message>
    <message>
        <source>面積&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000; A</source>
        <translation>Area               A</translation>
    </message>
    <message>
        <source>周長&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000; L</source>
        <translation>Perimeter          L</translation>
    </message>
    <message>
        <source>幅&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000; B</source>
        <translation>Width              B</translation>
    </message>
    <message>
        <source>高さ&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000; H</source>
        <translation>Height             H</translation>
    </message>
    <message>
        <source>横重心&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;xc</source>
        <translation>Centroid x        xc</translation>
    </message>
    <message>
        <source>縦重心&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;yc</source>
        <translation>Centroid y        yc</translation>
    </message>
    <message>
        <source>断面２次Mt(水平軸) Ix</source>
        <translation>2nd moment, horiz. Ix</translation>
    </message>
    <message>
        <source>断面２次Mt(垂直軸) Iy</source>
        <translation>2nd moment, vert.  Iy</translation>
    </message>
    <message>
        <source>断面相乗Mt&#x3000;&#x3000;&#x3000;&#x3000;Ixy</source>
        <translation>Prod. of inertia  Ixy</translation>
    </message>
    <message>
        <source>断面極２次Mt&#x3000;&#x3000;&#x3000; J</source>
        <translation>Polar moment       J</translation>
    </message>
    <message>
        <source>主軸２次Mt&#x3000;&#x3000;&#x3000; Max</source>
        <translation>Principal moment Max</translation>
    </message>
    <message>
        <source>主軸２次Mt&#x3000;&#x3000;&#x3000; Min</source>
        <translation>Principal moment Min</translation>
    </message>
    <message>
        <source>主軸角(Max軸) θ deg</source>
        <translation>Max axis angle   deg</translation>
    </message>
    <message>
        <source>断面２次半径&#x3000;&#x3000;rMax</source>
        <translation>Radius of gyr.  rMax</translation>
    </message>
    <message>
        <source>断面２次半径&#x3000;&#x3000;rMin</source>
        <translation>Radius of gyr.  rMin</translation>
    </message>
    <message>
        <source>縁距離 Max軸 正側 e1</source>
        <translation>Fibre dist, Max+  e1</translation>
    </message>
    <message>
        <source>縁距離 Max軸 負側 e2</source>
        <translation>Fibre dist, Max-  e2</translation>
    </message>
    <message>
        <source>縁距離 Min軸 正側 e3</source>
        <translation>Fibre dist, Min+  e3</translation>
    </message>
    <message>
        <source>縁距離 Min軸 負側 e4</source>
        <translation>Fibre dist, Min-  e4</translation>
    </message>
    <message>
        <source>断面係数 Max/e1&#x3000; Z1</source>
        <translation>Sect. mod. Max/e1 Z1</translation>
    </message>
    <message>
        <source>断面係数 Max/e2&#x3000; Z2</source>
        <translation>Sect. mod. Max/e2 Z2</translation>
    </message>
    <message>
        <source>断面係数 Min/e3&#x3000; Z3</source>
        <translation>Sect. mod. Min/e3 Z3</translation>
    </message>
    <message>
        <source>断面係数 Min/e4&#x3000; Z4</source>
        <translation>Sect. mod. Min/e4 Z4</translation>
    </message>
    <message>
        <source>断面性能印刷 (&amp;S)</source>
        <translation>Print &amp;Section Properties</translation>
    </message>
    <message>
        <source>測定シート印刷 (&amp;M)</source>
        <translation>Print &amp;Measurement Sheet</translation>
    </message>
    <message>
        <source>CSVデータ読込み (&amp;O)</source>
        <translation>&amp;Open CSV Data</translation>
    </message>
    <message>
        <source>ファイルの読込みに失敗しました</source>
        <translation>Could not read the file</translation>
    </message>
    <message>
        <source>%d 行目のデータが読めません。
type,x,y の形で指定のこと。
読込みを中止します。</source>
        <translation>Cannot read the data on line %d.
Give it in the form type,x,y.
Reading stopped.</translation>
    </message>
    <message>
        <source>%d 行目でデータ数が %d を超えます。
読込みを中止します。</source>
        <translation>At line %d the data exceed %d rows.
Reading stopped.</translation>
    </message>
    <message>
        <source>現在のサンプリングデータを読込みデータで置き換えていいですか？</source>
        <translation>Replace the current sampling data with the data read?</translation>
    </message>
    <message>
        <source>実寸スケール設定 (&amp;U)</source>
        <translation>Set Real-&amp;Unit Scale</translation>
    </message>
    <message>
        <source>実寸スケール設定</source>
        <translation>Set Real-Unit Scale</translation>
    </message>
    <message>
        <source>元画像 1 ドットの実寸 (mm)</source>
        <translation>Real size of 1 source-picture dot (mm)</translation>
    </message>
    <message>
        <source>画像上の既知の長さから求める</source>
        <translation>Derive from a known length in the picture</translation>
    </message>
    <message>
        <source>２点間距離 = %.2f ドット (元画像スケール)</source>
        <translation>Distance between the 2 points = %.2f dots (source picture scale)</translation>
    </message>
    <message>
        <source>２点間距離 = 未指定</source>
        <translation>Distance between the 2 points = not set</translation>
    </message>
    <message>
        <source>２点間の実寸長さ (mm)</source>
        <translation>Real length between the 2 points (mm)</translation>
    </message>
    <message>
        <source>画像上の２点で測る</source>
        <translation>Measure 2 Points on the Picture</translation>
    </message>
    <message>
        <source>スケール解除</source>
        <translation>Clear Scale</translation>
    </message>
    <message>
        <source>実寸スケールは正の数値で指定のこと</source>
        <translation>The real-unit scale must be a positive number</translation>
    </message>
    <message>
        <source>画像上で既知の長さの両端を順にクリックしてください</source>
        <translation>Click both ends of a known length on the picture, one after the other</translation>
    </message>
    <message>
        <source>実寸スケール : 元画像 1 ドット = %.6g mm</source>
        <translation>Real-unit scale: 1 source-picture dot = %.6g mm</translation>
    </message>
    <message>
        <source>実寸 (元画像 1 ドット = %.6g mm)</source>
        <translation>Real units (1 source-picture dot = %.6g mm)</translation>
    </message>
    <message>
        <source>面積&#x3000;   A</source>
        <translation>Area     A</translation>
    </message>
    <message>
        <source>周長&#x3000;   L</source>
        <translation>Perim.   L</translation>
    </message>
    <message>
        <source>幅&#x3000; &#x3000;  B</source>
        <translation>Width    B</translation>
    </message>
    <message>
        <source>高さ &#x3000;  H</source>
        <translation>Height   H</translation>
    </message>
    <message>
        <source>Iy Max&#x3000;&#x3000;</source>
        <translation>Iy Max    </translation>
    </message>
    <message>
        <source>Iz Min&#x3000;&#x3000;</source>
        <translation>Iz Min    </translation>
    </message>
    <message>
        <source>Z  Max&#x3000;&#x3000;</source>
        <translation>Z  Max    </translation>
    </message>
    <message>
        <source>Z  Min&#x3000;&#x3000;</source>
        <translation>Z  Min    </translation>
    </message>
    <message>
        <source>%Y年%m月%d日 %H:%M</source>
        <translation>%Y-%m-%d %H:%M</translation>
    </message>
    <message>
        <source>測定シート用の画像ファイルの書込みに失敗しました。</source>
        <translation>Could not write the picture file for the measurement sheet.</translation>
    </message>
    <message>
        <source>図形輪郭の自動トレース(&amp;T)</source>
        <translation>Auto-&amp;Trace Figure Outline</translation>
    </message>
    <message>
        <source>左ボタンで図形の内側をクリックしてください</source>
        <translation>Click inside the figure with the left button</translation>
    </message>
    <message>
        <source>サンプリングデータがあります。
トレース結果で置き換えますか？
「いいえ」で穴・部品として後ろに追加します。</source>
        <translation>There is sampling data.
Replace it with the trace result?
Choose &quot;No&quot; to append the result after it as holes or parts.</translation>
    </message>
    <message>
        <source>クリック位置に図形が見つかりません</source>
        <translation>No figure was found at the clicked position</translation>
    </message>
    <message>
        <source>図形の輪郭が複雑すぎて、サンプリングデータに入りきりません</source>
        <translation>The figure&apos;s outline is too complex to fit in the sampling data</translation>
    </message>
    <message>
        <source>クリック位置は図形の穴の中です。図形の内側をクリックしてください</source>
        <translation>The clicked position is inside a hole of the figure. Click inside the figure</translation>
    </message>
    <message>
        <source>図形の輪郭を確定できません</source>
        <translation>The figure&apos;s outline cannot be determined reliably</translation>
    </message>
    <message>
        <source>%d 行目からの円弧が図形の縁から離れています</source>
        <translation>The arc from row %d strays from the edge of the figure</translation>
    </message>
    <message>
        <source>輪郭の面積が図形の面積と合いません</source>
        <translation>The area of the outline does not match the area of the figure</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>点の追加</source>
        <translation>Add Point</translation>
    </message>
    <message>
        <source>セルの入力</source>
        <translation>Cell Entry</translation>
    </message>
    <message>
        <source>行の挿入</source>
        <translation>Insert Row</translation>
    </message>
    <message>
        <source>行の削除</source>
        <translation>Delete Row</translation>
    </message>
    <message>
        <source>行の貼り付け</source>
        <translation>Paste Rows</translation>
    </message>
    <message>
        <source>座標の修正</source>
        <translation>Point Correction</translation>
    </message>
    <message>
        <source>図形の追跡</source>
        <translation>Figure Trace</translation>
    </message>
    <message>
        <source>CSVデータ読込み</source>
        <translation>Open CSV Data</translation>
    </message>
    <message>
        <source>穴・部品の追加</source>
        <translation>Add Hole/Part</translation>
    </message>
    <message>
        <source>前回の作業が残っています。復元しますか？</source>
        <translation>Work from the last session was left over. Restore it?</translation>
    </message>
    <message>
        <source>前回の画像が見つかりません。座標データだけを復元しました。
%s</source>
        <translation>The picture of the last session was not found. Only the point data was restored.
%s</translation>
    </message>
    <message>
        <source>前回の作業の記録が壊れていたため、復元できません。
記録は %s に移しました。</source>
        <translation>The record of the last session&apos;s work is damaged and cannot be restored.
The record was moved to %s.</translation>
    </message>
    <message>
        <source>修正サンプリングデータ指定待ち中です。</source>
        <translation>Correction: waiting for a sampled point to be picked.</translation>
    </message>
    <message>
        <source>%d 番目のデータ修正中です。Ctrl+矢印で移動。完了メニューにて解除。</source>
        <translation>Correcting point %d. Move it with Ctrl+arrow keys; end with Finish Point Correction in the menu.</translation>
    </message>
    <message>
        <source>画像View Sr=%d DF=%s BxH=%dx%d ﾄﾞｯﾄ %d %% </source>
        <translation>Picture View Sr=%d File=%s WxH=%dx%d dots %d %% </translation>
    </message>
    <message>
        <source>サンプリングモード。左ボタンでクリックし、右回りで定義のこと。</source>
        <translation>Sampling mode. Click with the left button, going clockwise.</translation>
    </message>
    <message>
        <source>結果表示中。</source>
        <translation>Showing results.</translation>
    </message>
    <message>
        <source>データ修正完了。計算指示待ち中。</source>
        <translation>Data correction done. Waiting for Calculate.</translation>
    </message>
    <message>
        <source>修正データサーチ中。</source>
        <translation>Searching for the data to correct.</translation>
    </message>
    <message>
        <source>データ修正中。Ctrl+矢印キーで修正。完了メニュークリックのこと。</source>
        <translation>Correcting data. Adjust with Ctrl+arrow keys, then choose Finish Point Correction in the menu.</translation>
    </message>
    <message>
        <source>指示待ち中。</source>
        <translation>Waiting for instructions.</translation>
    </message>
    <message>
        <source>画像プロパティ</source>
        <translation>Picture Properties</translation>
    </message>
    <message>
        <source>DF名   %s
</source>
        <translation>File name     %s
</translation>
    </message>
    <message>
        <source>画像ｻｲｽﾞ  幅 %d x 高さ %d ドット
</source>
        <translation>Picture size  width %d x height %d dots
</translation>
    </message>
    <message>
        <source>サンプリングデータがあります。
表示倍率を変更するとデータ変換がうまくいかないかもしれません</source>
        <translation>There is sampling data.
Changing the display magnification may not convert the data correctly.</translation>
    </message>
    <message>
        <source>続行しますか？</source>
        <translation>Continue?</translation>
    </message>
    <message>
        <source>表示倍率 %d %% は指定できません。
1 %% 以上を指定してください。</source>
        <translation>A display magnification of %d %% cannot be used.
Give 1 %% or more.</translation>
    </message>
    <message>
        <source>表示倍率 %d %% では表示画像が大きすぎて作成できません。
小さい倍率を指定してください。</source>
        <translation>At a display magnification of %d %% the display picture is too large to be made.
Give a smaller magnification.</translation>
    </message>
    <message>
        <source>サンプリングデータがありません</source>
        <translation>There is no sampling data.</translation>
    </message>
    <message>
        <source>左ボタンで修正対象を選択してください</source>
        <translation>Pick the point to correct with the left button.</translation>
    </message>
    <message>
        <source>%d 番目のデータをCtrl+矢印キーで修正してください</source>
        <translation>Correct point %d with Ctrl+arrow keys.</translation>
    </message>
    <message>
        <source>修正後、完了メニューをクリックしてください</source>
        <translation>When done, choose Finish Point Correction in the menu</translation>
    </message>
    <message>
        <source>画像プロパティ表示(&amp;Y)</source>
        <translation>Picture &amp;Properties</translation>
    </message>
    <message>
        <source>画像変換(&amp;G)</source>
        <translation>Con&amp;vert</translation>
    </message>
    <message>
        <source>表示倍率指定(&amp;B)</source>
        <translation>Display &amp;Magnification</translation>
    </message>
    <message>
        <source>作画設定(&amp;S)</source>
        <translation>Drawing &amp;Settings</translation>
    </message>
    <message>
        <source>作画表示色選択 (&amp;C)</source>
        <translation>Drawing &amp;Colors</translation>
    </message>
    <message>
        <source>座標修正(&amp;Z)</source>
        <translation>Point Co&amp;rrection</translation>
    </message>
    <message>
        <source>サンプリング座標修正開始(&amp;S)</source>
        <translation>&amp;Start Point Correction</translation>
    </message>
    <message>
        <source>サンプリング座標修正完了(&amp;E)</source>
        <translation>&amp;Finish Point Correction</translation>
    </message>
    <message>
        <source>画像切出(&amp;G)</source>
        <translation>Cut &amp;Out</translation>
    </message>
    <message>
        <source>画像切出しトラッカゾーン指定(&amp;Z)</source>
        <translation>Set Cut-Out Tracker &amp;Zone</translation>
    </message>
    <message>
        <source>PNG ファイル書込み（トラッカゾーン）  (&amp;P)</source>
        <translation>Write Tracker Zone to &amp;PNG File</translation>
    </message>
    <message>
        <source>BMP ファイル書込み（トラッカゾーン） (&amp;B)</source>
        <translation>Write Tracker Zone to &amp;BMP File</translation>
    </message>
    <message>
        <source>画像切出しｶﾞｲﾄﾞ表示 (&amp;G)</source>
        <translation>Cut-Out &amp;Guide</translation>
    </message>
    <message>
        <source>View WndごとPNG DF書込み (&amp;D)</source>
        <translation>Write View Window to P&amp;NG File</translation>
    </message>
    <message>
        <source>View WndごとBMP DF書込み (&amp;C)</source>
        <translation>Write View Window to B&amp;MP File</translation>
    </message>
    <message>
        <source>クローズ(&amp;X)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>画像倍率指定</source>
        <translation>Picture Magnification</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>画像倍率指定(%)</source>
        <translation>Magnification (%)</translation>
    </message>
    <message>
        <source>25～400推奨</source>
        <translation>25-400 advised</translation>
    </message>
    <message>
        <source>換算ドット数</source>
        <translation>Converted size (dots)</translation>
    </message>
    <message>
        <source>元画像ドット数</source>
        <translation>Source picture (dots)</translation>
    </message>
    <message>
        <source>現在表示されている％には関係なく、元画像に対して何％になるかを指定ください。また大きな比率を指定すると、ハングアップするかもしれません。</source>
        <translation>Give the percentage relative to the source picture, whatever percentage is shown now. A large ratio may make the program hang.</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>印刷するファイルを読めません: </source>
        <translation>Cannot read the file to print: </translation>
    </message>
    <message>
        <source>印刷プレビュー - </source>
        <translation>Print Preview - </translation>
    </message>
    <message>
        <source>印刷できませんでした: </source>
        <translation>Could not print: </translation>
    </message>
    <message>
        <source>画像上の平面図形の断面性能を計測します</source>
        <translation>Measures the section properties of plane figures in pictures</translation>
    </message>
    <message>
        <source>[ 測定シート ]</source>
        <translation>[ Measurement sheet ]</translation>
    </message>
</context>
</TS>
