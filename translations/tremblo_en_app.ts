<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>app</name>
    <message>
        <source>K-NET / KiK-net 観測波形解析プログラム TREMBLO Ver 4.2 (2016/07/28)

作者：TREMBLO 開発者
E-mail：tremblo@example.org
ホームページ：https://tremblo.example.org/
</source>
        <translation>TREMBLO Ver 4.2 (2016/07/28): strong-motion record analysis for K-NET / KiK-net

Author: the TREMBLO developers
E-mail: tremblo@example.org
Web site: https://tremblo.example.org/
</translation>
    </message>
    <message>
        <source>■ このプログラムについて
防災科学技術研究所の強震観測網 K-NET および KiK-net の強震記録を読み込み、加速度・速度・変位の波形を表示し、弾性応答スペクトル（加速度・速度・変位）を計算・表示します。Ver 2.1 からは、NS成分とEW成分から任意方向の水平成分を合成し、その応答スペクトルを求めることもできます。
観測データは K-NET・KiK-net のダウンロードページから入手してください。
</source>
        <translation>■ About this program
TREMBLO reads strong-motion records of NIED&apos;s K-NET and KiK-net networks, plots the acceleration, velocity and displacement time histories, and computes and plots elastic response spectra (acceleration, velocity and displacement). Since Ver 2.1 it can also rotate the NS and EW components to a horizontal component of any azimuth and compute the response spectra of that component.
Download the records from the K-NET and KiK-net download pages.
</translation>
    </message>
    <message>
        <source>■ バージョンごとの追加機能
Ver 4.2：波形のCSVファイル出力を小数点以下3桁にしました。
Ver 4.0：h=0.05 の Sa-Sd スペクトルを追加しました。観測点データを更新しました。画像の保存をGIFからPNGに変更しました。
Ver 3.1：中央防災会議の波形データを読めるようにしました（DATAフォルダーにサンプルファイルがあります）。
Ver 3.0：広島市地震情報ネットワークのファイルを読めるようにしました。
</source>
        <translation>■ What each version added
Ver 4.2: waveform CSV files are written with three decimal places.
Ver 4.0: Sa-Sd spectrum for h = 0.05; station data updated; pictures are saved as PNG instead of GIF.
Ver 3.1: reads the waveform data of the Central Disaster Prevention Council (sample files are in the DATA folder).
Ver 3.0: reads the files of the Hiroshima City seismic intensity network.
</translation>
    </message>
    <message>
        <source>■ リンク
画面右上の「K-NET」「KiK-net」「HRSM」をクリックすると、それぞれのダウンロードページ（ホームページ）が開きます。
</source>
        <translation>■ Links
Click &quot;K-NET&quot;, &quot;KiK-net&quot; or &quot;HRSM&quot; at the top right of the main window to open that network&apos;s download page (home page).
</translation>
    </message>
    <message>
        <source>■ ファイル名の規則
3成分のファイルは同じ名前で、拡張子がそれぞれ NS、EW、UD です。KiK-net の地中記録 NS1、EW1、UD1 と地表記録 NS2、EW2、UD2 も読み込めます。名前を変えたファイルも、拡張子はそのまま残してください。
</source>
        <translation>■ File names
The three component files of a record share one name, with the extensions NS, EW and UD. KiK-net borehole records (NS1, EW1, UD1) and surface records (NS2, EW2, UD2) can be read as well. If you rename the files, keep their extensions.
</translation>
    </message>
    <message>
        <source>■ 使い方
(1) ファイルの読込
「ファイル」ボタンを押し、3成分のうちどれか1つのファイルを選びます。残りの2成分は名前から自動的に読み込まれます。「3成分読込」を外すと、選んだファイルだけを読み込みます。広島市消防局・中央防災会議のファイルは、メニューの「ファイル形式選択」で形式を選んでから読み込みます。
(2) 波形表示
加速度・速度・変位の波形を表示します。「波形/成分」で、1つの波形の3成分表示と、1つの成分の3波形表示を切り替えます。表示開始点は自動で決まりますが、「自動」を外すとスライダーや数値で指定できます。時間軸・振幅軸の目盛も選べます。
(3) 応答スペクトル
周期 0.05 秒から 10 秒までの 200 周期について、5 つの減衰定数の応答スペクトルを計算します。減衰定数の範囲（標準、×5、×10）や周期の刻み方はメニューで設定できます。
(4) スペクトルの重ね描き
拡大表示したスペクトルを選んで重ね描きできます。
(5) Sa-Sd スペクトル
h=0.05 の加速度応答と変位応答の関係を表示します。
(6) 観測点リスト
K-NET・KiK-net の観測点を一覧表示し、観測点コードで検索できます。
(7) 波形の合成
NS成分とEW成分から任意の方位の水平成分を合成し、K-NET形式のファイルとして保存します。
(8) ダウンロードリンク
K-NET・KiK-net のデータのダウンロードには、提供元での利用登録が必要です。
</source>
        <translation>■ How to use
(1) Opening a record
Click &quot;Open&quot; and choose any one of the three component files; the other two are found by name and read with it. Clear &quot;3 comps&quot; to read only the file you chose. For files of the Hiroshima City Fire Department or the Central Disaster Prevention Council, choose the format under &quot;Format&quot; in the menu first.
(2) Waveforms
The acceleration, velocity and displacement time histories are plotted. &quot;Qty/comp&quot; switches between the three components of one quantity and the three quantities of one component. The window start is chosen automatically; clear &quot;Auto&quot; to set it with the slider or as a sample number. The time and amplitude scales can be chosen too.
(3) Response spectra
Response spectra are computed at 200 periods from 0.05 s to 10 s for five damping ratios. The range of damping ratios (standard, ×5, ×10) and the spacing of the periods are set in the menu.
(4) Superposed spectra
Spectra shown enlarged can be chosen and drawn over one another.
(5) Sa-Sd spectrum
Plots spectral acceleration against spectral displacement for h = 0.05.
(6) Station list
Lists the K-NET and KiK-net stations and finds a station by its code.
(7) Rotated components
Rotates the NS and EW components to a horizontal component of any azimuth and saves it as a K-NET format file.
(8) Download links
Downloading K-NET and KiK-net data requires registering with NIED, which provides them.
</translation>
    </message>
    <message>
        <source>■ ご注意
DATAフォルダーの観測点ファイルは削除しないでください。
</source>
        <translation>■ Please note
Do not delete the station files in the DATA folder.
</translation>
    </message>
    <message>
        <source>■ 更新履歴
V1.0 2002/01/17 初版
V2.0 応答スペクトルの重ね描き
V2.1 水平成分の合成
V3.0 広島市地震情報ネットワークのファイルに対応
V3.1 中央防災会議の波形データに対応
V4.0 Sa-Sd スペクトル、PNG 出力
V4.2 2016/07/28 波形CSVの小数点以下3桁出力
</source>
        <translation>■ Version history
V1.0 2002/01/17 first release
V2.0 superposed response spectra
V2.1 rotated horizontal components
V3.0 files of the Hiroshima City seismic intensity network
V3.1 waveform data of the Central Disaster Prevention Council
V4.0 Sa-Sd spectrum, PNG output
V4.2 2016/07/28 waveform CSV with three decimal places
</translation>
    </message>
    <message>
        <source>ご意見・ご感想は tremblo@example.org までお寄せください。
</source>
        <translation>Comments and suggestions are welcome at tremblo@example.org.
</translation>
    </message>
    <message>
        <source>■ イベント一覧
メニューの「ファイル」→「イベントを開く...」で、防災科学技術研究所が地震ごとに配布するアーカイブ（.tar。中の .knt.tar.gz と .kik.tar.gz も展開せずに読みます）か、記録ファイルを1行に1つ書いたテキストファイルを開きます。「イベントのフォルダを開く...」は、記録ファイルの入ったフォルダーを下の階層まで探して開きます。
表には記録ごとに1行、観測点コード・名称、観測網、震央距離、各成分の最大加速度、最大速度、計測震度と震度階級、周期 0.2 秒と 1.0 秒の加速度応答（h=0.05）が、読み込みにつれて並びます。「中&#x3000;止」で読み込みを止めても、読み込んだ行は残ります。列の見出しをクリックすると並べ替え、「絞り込み」では観測点コード・名称の先頭と観測網で行を絞ります。行をダブルクリックするか「波形表示」を押すと、その記録をメイン画面に読み込みます。
表の横の地図には、表示中の行の観測点が震度階級の色で、震央が赤い星で描かれます。観測点をクリックするとその行が選ばれます。「CSVﾌｧｲﾙ」は表を tremblo-batch --summary と同じ形式で、「PNGﾌｧｲﾙ」は地図を保存します。
</source>
        <translation>■ Event records
In the menu, &quot;File&quot; → &quot;Open event...&quot; opens an archive of one earthquake as NIED hands it out (.tar; the .knt.tar.gz and .kik.tar.gz inside are read without unpacking them too) or a text file listing record files one per line. &quot;Open event folder...&quot; opens a folder of record files, searched to any depth.
The table fills as the records are read, one row per record: station code and name, network, epicentral distance, the peak acceleration of each component, the peak velocity, the JMA instrumental intensity and its class, and the spectral acceleration (h = 0.05) at periods of 0.2 s and 1.0 s. &quot;Stop&quot; stops the reading; the rows read stay. Click a column header to sort by it; &quot;Filter&quot; shows the rows whose station code or name starts with the text, of the network chosen. Double-click a row or click &quot;Waveforms&quot; to open its record in the main window.
The map beside the table shows the stations of the rows shown in the colour of their intensity class, and the epicentre as a red star. Click a station to select its row. &quot;CSV&quot; saves the table in the layout of tremblo-batch --summary, &quot;PNG&quot; saves the map.
</translation>
    </message>
    <message>
        <source>■ フーリエスペクトル
記録を読み込んだあと「ﾌｰﾘｴｽﾍﾟｸﾄﾙ」を押すと、表示中の区間の各成分のフーリエ振幅スペクトルを、生のスペクトル（細線）と Konno-Ohmachi ウィンドウで平滑化したスペクトル（太線）の両対数グラフで表示し、横にスペクトル比を表示します。
「平滑化 b」で平滑化ウィンドウの帯域幅 b（20、40、60）を選びます。「5%テーパー」をチェックすると、区間の両端5%にコサインテーパーをかけてから変換します。「生スペクトル」を外すと平滑化したスペクトルだけを描きます。
「スペクトル比」の「H/V」は、水平2成分の二乗平均を上下成分で割った比です（3成分の記録のみ）。「地表/地中」は、KiK-net の同じ観測点の地表記録（NS2 など）と地中記録（NS1 など）を両方このウィンドウで表示したあと選べる、成分ごとの地表と地中の比です。
「コピー」「PNGﾌｧｲﾙ」「CSVﾌｧｲﾙ」で図と数値を保存できます。
</source>
        <translation>■ Fourier spectra
Once a record is loaded, &quot;Fourier&quot; shows the Fourier amplitude spectra of every component over the displayed window on log-log axes, raw (thin lines) and smoothed with the Konno-Ohmachi window (bold lines), with a spectral ratio beside them.
&quot;Smoothing b&quot; chooses the bandwidth b of the smoothing window (20, 40, 60). Tick &quot;5% taper&quot; to apply a cosine taper to the first and last 5 % of the window before the transform. Clear &quot;Raw spectra&quot; to draw the smoothed spectra alone.
Under &quot;Spectral ratio&quot;, &quot;H/V&quot; is the quadratic mean of the two horizontal components over the vertical one (three-component records only). &quot;Surf./bore.&quot; is the ratio of the surface record to the borehole record of the same KiK-net station, component by component, once both records (NS2 and so on, NS1 and so on) have been shown in this window.
&quot;Copy&quot;, &quot;PNG&quot; and &quot;CSV&quot; save the graph and the values.
</translation>
    </message>
    <message>
        <source>■ 目標スペクトル
応答スペクトル画面の「目標スペクトル」欄で、設計用などの目標スペクトルを、応答スペクトル・Sa-Sd スペクトル・拡大図・重ね描きに重ねて描きます。
「告示 安全限界」「告示 損傷限界」は、平成12年建設省告示第1461号の解放工学的基盤における加速度応答スペクトル（極めて稀に発生する地震動、稀に発生する地震動）です。横の欄で地震地域係数 Z（1.0、0.9、0.8、0.7）を選びます。
「ファイル...」では、周期 [s] と加速度 [gal] を1行に1組ずつ書いた CSV ファイルを目標として追加します。目標は合わせて3つまで描けます。「消去」ですべて消します。
目標の速度・変位は加速度から求めた擬似値で、凡例に「(擬似)」と付きます。
</source>
        <translation>■ Target spectra
The group &quot;Target spectra&quot; of the response spectrum window draws target spectra, such as design spectra, over the response spectra, the Sa-Sd spectrum, the enlarged view and the superposed graph.
&quot;BSL safety&quot; and &quot;BSL damage&quot; are the acceleration response spectra at the engineering bedrock of Notification No. 1461 of the Ministry of Construction (2000), for the very rare and the rare earthquake motion. Choose the seismic zone factor Z (1.0, 0.9, 0.8, 0.7) in the box beside them.
&quot;File...&quot; adds a CSV file of period [s] and acceleration [gal] pairs, one pair a line, as a target. At most three targets are drawn in all. &quot;Clear&quot; removes them all.
The velocity and displacement of a target are pseudo values derived from its acceleration; the legend marks them &quot;(pseudo)&quot;.
</translation>
    </message>
    <message>
        <source>■ リファレンス
「リファレンス」タブには、README と doc フォルダーの説明ページ（英語）が表示されます。各画面・ファイル形式・tremblo-batch のオプション・計算方法の詳しい説明です。
</source>
        <translation>■ Reference
The tab &quot;Reference&quot; shows the README and the pages of the doc folder (in English): the full description of every window, the file formats, the options of tremblo-batch and the computations.
</translation>
    </message>
</context>
<context>
    <name>tremblo::Application</name>
    <message>
        <source>プログラムを起動できません
%1</source>
        <translation>TREMBLO cannot start.
%1</translation>
    </message>
    <message>
        <source>起動エラー</source>
        <translation>Start-up error</translation>
    </message>
</context>
<context>
    <name>tremblo::EventTableModel</name>
    <message>
        <source>震央と観測点の測地線距離 (WGS84)</source>
        <translation>Geodesic distance from the epicentre to the station (WGS84)</translation>
    </message>
    <message>
        <source>計測震度（3成分の記録全体）</source>
        <translation>JMA instrumental intensity (whole record, 3 components)</translation>
    </message>
    <message>
        <source>3成分の最大加速度の最大値</source>
        <translation>Largest peak ground acceleration of the 3 components</translation>
    </message>
    <message>
        <source>水平成分の最大速度の大きい方（表示範囲）</source>
        <translation>Larger horizontal peak ground velocity (shown window)</translation>
    </message>
    <message>
        <source>減衰5%の加速度応答スペクトル、水平成分の大きい方</source>
        <translation>Spectral acceleration at 5% damping, larger horizontal component</translation>
    </message>
    <message>
        <source>コード</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>観測点名</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>観測網</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>震央距離 [km]</source>
        <translation>Epi. dist. [km]</translation>
    </message>
    <message>
        <source>計測震度</source>
        <translation>JMA int.</translation>
    </message>
    <message>
        <source>震度階級</source>
        <translation>JMA class</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>要約表の列 %1（--measures）</source>
        <translation>Summary column %1 (--measures)</translation>
    </message>
</context>
<context>
    <name>tremblo::StationMapView</name>
    <message>
        <source>観測点をクリックすると表の行を選びます（同じ場所の観測点はクリックのたびに切り替わります）</source>
        <translation>Click a station to select its row in the table (clicks on a place several stations share go round them)</translation>
    </message>
</context>
<context>
    <name>tremblo::TAboutBox</name>
    <message>
        <source>バージョン情報</source>
        <translation>About TREMBLO</translation>
    </message>
</context>
<context>
    <name>tremblo::TEventColumnChooser</name>
    <message>
        <source>記録</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>最大値</source>
        <translation>Peaks</translation>
    </message>
    <message>
        <source>震度</source>
        <translation>Intensity</translation>
    </message>
    <message>
        <source>応答スペクトル</source>
        <translation>Response spectra</translation>
    </message>
    <message>
        <source>強震動指標（読み込みに時間がかかります）</source>
        <translation>Intensity measures (reading takes longer)</translation>
    </message>
    <message>
        <source>水平動</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>表示する列</source>
        <translation>Columns shown</translation>
    </message>
    <message>
        <source>初期設定に戻す</source>
        <translation>Restore defaults</translation>
    </message>
</context>
<context>
    <name>tremblo::TEventList</name>
    <message>
        <source>イベント一覧</source>
        <translation>Event records</translation>
    </message>
    <message>
        <source>すべての観測網</source>
        <translation>All networks</translation>
    </message>
    <message>
        <source>KiK-net 地表</source>
        <translation>KiK-net surface</translation>
    </message>
    <message>
        <source>KiK-net 地中</source>
        <translation>KiK-net borehole</translation>
    </message>
    <message>
        <source>KiK-net 地表と地中</source>
        <translation>KiK-net surface and borehole</translation>
    </message>
    <message>
        <source>広島市</source>
        <translation>Hiroshima City</translation>
    </message>
    <message>
        <source>中央防災会議</source>
        <translation>Central Disaster Prevention Council</translation>
    </message>
    <message>
        <source>絞り込み</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>観測点コード・名称の先頭</source>
        <translation>Start of station code or name</translation>
    </message>
    <message>
        <source>中&#x3000;止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>記録の読み込みを止めます（読み込んだ行は残ります）</source>
        <translation>Stop reading the records (the rows read so far stay)</translation>
    </message>
    <message>
        <source>波形表示</source>
        <translation>Waveforms</translation>
    </message>
    <message>
        <source>選んだ記録をメイン画面で開きます（ダブルクリック・Enterでも開きます）</source>
        <translation>Open the chosen record in the main window (or double-click it, or press Enter)</translation>
    </message>
    <message>
        <source>CSVﾌｧｲﾙ</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>表をCSVファイルに保存します（tremblo-batch --summary と同じ形式）</source>
        <translation>Save the table as a CSV file (the format of tremblo-batch --summary)</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>地図をPNGファイルに保存します</source>
        <translation>Save the map as a PNG picture</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>イベント(*.tar;*.tar.gz;*.tgz;*.txt;*.lst)|*.tar;*.tar.gz;*.tgz;*.tar.bz2;*.tar.xz;*.tar.zst;*.txt;*.lst|すべて(*.*)|*.*</source>
        <translation>Events (*.tar;*.tar.gz;*.tgz;*.txt;*.lst)|*.tar;*.tar.gz;*.tgz;*.tar.bz2;*.tar.xz;*.tar.zst;*.txt;*.lst|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>読み込み中のイベントを中止して、新しいイベントを開きますか？</source>
        <translation>Stop reading the current event and open the new one?</translation>
    </message>
    <message>
        <source>読み込み中: %1</source>
        <translation>Reading: %1</translation>
    </message>
    <message>
        <source>中止しました: %1</source>
        <translation>Stopped: %1</translation>
    </message>
    <message>
        <source>読み込み完了: %1</source>
        <translation>Read: %1</translation>
    </message>
    <message>
        <source>（地震記録でないファイル %1 個を除外）</source>
        <translation> (%1 files that are not earthquake records left out)</translation>
    </message>
    <message>
        <source>表示 %1 / 読込 %2 / 失敗 %3</source>
        <translation>Shown %1 / read %2 / failed %3</translation>
    </message>
    <message>
        <source>記録を読み込み中...</source>
        <translation>Reading the record...</translation>
    </message>
    <message>
        <source>%1 を読めません
%2</source>
        <translation>Cannot read %1
%2</translation>
    </message>
    <message>
        <source>CSVﾌｧｲﾙ(*.csv)|*.csv</source>
        <translation>CSV files (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ(*.png)|*.png</source>
        <translation>PNG pictures (*.png)|*.png</translation>
    </message>
    <message>
        <source>海外機関などの形式</source>
        <translation>Agency formats (PEER, COSMOS, ESM...)</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>中止 %p%</source>
        <translation>Stopped %p%</translation>
    </message>
    <message>
        <source>波形を表示する記録の行を表で選んでください</source>
        <translation>Choose the row of the record to show in the table</translation>
    </message>
    <message>
        <source>この行には開ける記録がありません
%1</source>
        <translation>This row has no record to open
%1</translation>
    </message>
    <message>
        <source>強震動指標の列のため、記録を読み直しています（指標も計算します）: %1</source>
        <translation>Reading the records again for the intensity measure columns (the measures are computed too): %1</translation>
    </message>
    <message>
        <source>震度階級</source>
        <translation>JMA class</translation>
    </message>
    <message>
        <source>観測点を塗り分ける列（表に表示している数値の列から選びます）</source>
        <translation>The column that colours the stations (one of the numeric columns shown in the table)</translation>
    </message>
    <message>
        <source>地図の色</source>
        <translation>Map colours</translation>
    </message>
    <message>
        <source>列...</source>
        <translation>Columns...</translation>
    </message>
    <message>
        <source>表示する列を選びます（表の見出しの右クリックでも選べます）</source>
        <translation>Chooses the columns shown (also by right-clicking the table&apos;s header)</translation>
    </message>
</context>
<context>
    <name>tremblo::TForm1</name>
    <message>
        <source> K-NET / KiK-net 観測波形解析  TREMBLO Ver 4.2</source>
        <translation> K-NET / KiK-net strong-motion record analysis  TREMBLO Ver 4.2</translation>
    </message>
    <message>
        <source>観測点リスト</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>合成波形</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>終&#x3000;了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>ﾌｰﾘｴｽﾍﾟｸﾄﾙ</source>
        <translation>Fourier</translation>
    </message>
    <message>
        <source>フーリエスペクトル表示</source>
        <translation>Show Fourier amplitude spectra</translation>
    </message>
    <message>
        <source>観測地点情報ﾘｽﾄ表示</source>
        <translation>Show the station list</translation>
    </message>
    <message>
        <source>水平成分を合成した波形作成</source>
        <translation>Make a horizontal component rotated to any azimuth</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>開く(&amp;F)</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>イベントを開く(&amp;E)...</source>
        <translation>Open &amp;event...</translation>
    </message>
    <message>
        <source>イベントのフォルダを開く...</source>
        <translation>Open event folder...</translation>
    </message>
    <message>
        <source>（記号→地点名）ファイル作成</source>
        <translation>Write station code file (code → site name)</translation>
    </message>
    <message>
        <source>終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>ファイル形式選択(&amp;S)</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>K-NET/KiK-netファイル</source>
        <translation>K-NET/KiK-net files</translation>
    </message>
    <message>
        <source>広島市消防局ファイル</source>
        <translation>Hiroshima City Fire Department files</translation>
    </message>
    <message>
        <source>中央防災会議ファイル</source>
        <translation>Central Disaster Prevention Council files</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>使い方(&amp;T)</source>
        <translation>&amp;How to use</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;V)</source>
        <translation>&amp;About TREMBLO</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>3成分読込</source>
        <translation>3 comps</translation>
    </message>
    <message>
        <source> 波形表示</source>
        <translation> Waveforms</translation>
    </message>
    <message>
        <source>地震波形表示</source>
        <translation>Show the waveforms</translation>
    </message>
    <message>
        <source>DC除去</source>
        <translation>DC off</translation>
    </message>
    <message>
        <source>CSVﾌｧｲﾙ</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>波形表示部分のCSVﾌｧｲﾙ出力</source>
        <translation>Save the shown part of the waveforms as CSV</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>波形表示部分をPNGﾌｧｲﾙ保存</source>
        <translation>Save the shown waveforms as a PNG picture</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>表示波形をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ</source>
        <translation>Copy the shown waveforms to the clipboard</translation>
    </message>
    <message>
        <source>応答ｽﾍﾟｸﾄﾗﾑ</source>
        <translation>Spectra</translation>
    </message>
    <message>
        <source>地震応答ｽﾍﾟｸﾄﾗﾑ表示</source>
        <translation>Show the response spectra</translation>
    </message>
    <message>
        <source>波形</source>
        <translation>Waveform</translation>
    </message>
    <message>
        <source>加速度</source>
        <translation>Accel.</translation>
    </message>
    <message>
        <source>速&#x3000; 度</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>変&#x3000; 位</source>
        <translation>Displ.</translation>
    </message>
    <message>
        <source>波形/成分</source>
        <translation>Qty/comp</translation>
    </message>
    <message>
        <source>波形/成分表示の選択</source>
        <translation>Show one quantity in three components, or one component in three quantities</translation>
    </message>
    <message>
        <source>成分</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source> ＮＳ</source>
        <translation> NS</translation>
    </message>
    <message>
        <source> ＥＷ</source>
        <translation> EW</translation>
    </message>
    <message>
        <source> ＵＤ</source>
        <translation> UD</translation>
    </message>
    <message>
        <source>波形表示開始点</source>
        <translation>Window start</translation>
    </message>
    <message>
        <source>波形表示開始点設定</source>
        <translation>Sample at which the shown window starts</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>時間軸目盛</source>
        <translation>Time span</translation>
    </message>
    <message>
        <source>波形表示時間幅</source>
        <translation>Length of the shown window</translation>
    </message>
    <message>
        <source>振幅軸目盛</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>振幅軸目盛りの設定</source>
        <translation>Amplitude scale of the rows</translation>
    </message>
    <message>
        <source>1ch指定</source>
        <translation>Per row</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀｶｳﾝﾄ</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>最大値</source>
        <translation>Peaks</translation>
    </message>
    <message>
        <source>最大位置</source>
        <translation>Peak marks</translation>
    </message>
    <message>
        <source>K-NETダウンロードページへリンク</source>
        <translation>Open the K-NET download page</translation>
    </message>
    <message>
        <source>KiK-netダウンロードページへリンク</source>
        <translation>Open the KiK-net download page</translation>
    </message>
    <message>
        <source>広島市地震情報ネットワークへリンク</source>
        <translation>Open the Hiroshima City seismic network page</translation>
    </message>
    <message>
        <source>%1 はフォルダです。
記録ファイルをドロップしてください（フォルダの記録は ファイル → イベントのフォルダを開く... で開けます）</source>
        <translation>%1 is a folder.
Drop a record file (the records of a folder open with File → Open event folder...).</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>KELDOR CSV ﾌｧｲﾙ (*.csv)|*.csv</source>
        <translation>KELDOR CSV files (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ (*.png)|*.png|すべて (*.*)|*.*</source>
        <translation>PNG pictures (*.png)|*.png|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>DC成分を除去するためには，ファイルデータの再読込が必要です</source>
        <translation>The record must be read again to remove its DC component.</translation>
    </message>
    <message>
        <source>DC成分を除去しないためには，ファイルデータの再読込が必要です</source>
        <translation>The record must be read again to keep its DC component.</translation>
    </message>
    <message>
        <source>ファイル再読込</source>
        <translation>Read again</translation>
    </message>
    <message>
        <source>地震波形データを処理しています・・・・</source>
        <translation>Processing the waveforms...</translation>
    </message>
    <message>
        <source>プログラムを終了します．よろしいですか？</source>
        <translation>Quit TREMBLO?</translation>
    </message>
    <message>
        <source>プログラム終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>表示単位(&amp;T)</source>
        <translation>&amp;Units</translation>
    </message>
    <message>
        <source>減衰比倍率</source>
        <translation>Damping ratio multiplier</translation>
    </message>
    <message>
        <source>×１</source>
        <translation>×1</translation>
    </message>
    <message>
        <source>×５</source>
        <translation>×5</translation>
    </message>
    <message>
        <source>×１０</source>
        <translation>×10</translation>
    </message>
    <message>
        <source>線形目盛り最長周期</source>
        <translation>Longest period of a linear axis</translation>
    </message>
    <message>
        <source>２秒</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>５秒</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>１０秒</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>書き出し</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>PEER AT2 形式 (成分ごと、単位 g)...</source>
        <translation>PEER AT2 (one file per component, in g)...</translation>
    </message>
    <message>
        <source>自動判別</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>PEER AT2 ﾌｧｲﾙ (*.AT2)|*.AT2</source>
        <translation>PEER AT2 files (*.AT2)|*.AT2</translation>
    </message>
    <message>
        <source>値が有限でないため AT2 ファイルを書けません</source>
        <translation>Cannot write AT2 files: a value is not finite</translation>
    </message>
    <message>
        <source>解析(&amp;A)</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <source>強震動指標(&amp;I)...</source>
        <translation>&amp;Intensity measures...</translation>
    </message>
    <message>
        <source>SAC ﾌｧｲﾙ (*.sac)|*.sac</source>
        <translation>SAC files (*.sac)|*.sac</translation>
    </message>
    <message>
        <source>値が有限でないため SAC ファイルを書けません</source>
        <translation>The SAC files cannot be written: a value is not finite</translation>
    </message>
    <message>
        <source>SAC 形式 (成分ごと、単位 gal)...</source>
        <translation>SAC (one file per component, in gal)...</translation>
    </message>
    <message>
        <source>miniSEED 形式 (StationXML 付き、単位 gal)...</source>
        <translation>miniSEED (with StationXML, in gal)...</translation>
    </message>
    <message>
        <source>miniSEED ﾌｧｲﾙ (*.mseed)|*.mseed</source>
        <translation>miniSEED file (*.mseed)|*.mseed</translation>
    </message>
    <message>
        <source>値が有限でないため miniSEED ファイルを書けません</source>
        <translation>The miniSEED file cannot be written: a value is not finite</translation>
    </message>
</context>
<context>
    <name>tremblo::THowTo</name>
    <message>
        <source>使い方</source>
        <translation>How to use</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>表示するページ（英語）</source>
        <translation>The page shown (in English)</translation>
    </message>
    <message>
        <source>リファレンス</source>
        <translation>Reference</translation>
    </message>
</context>
<context>
    <name>tremblo::TMeasures</name>
    <message>
        <source>強震動指標</source>
        <translation>Intensity measures</translation>
    </message>
    <message>
        <source>ブラケット継続時間のしきい値 (g)</source>
        <translation>Bracketed duration threshold (g)</translation>
    </message>
    <message>
        <source>計&#x3000;算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>表をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ</source>
        <translation>Copy the table to the clipboard</translation>
    </message>
    <message>
        <source>表CSV</source>
        <translation>Table CSV</translation>
    </message>
    <message>
        <source>表をCSVﾌｧｲﾙで保存</source>
        <translation>Save the table as a CSV file</translation>
    </message>
    <message>
        <source>Husid CSV</source>
        <translation>Husid CSV</translation>
    </message>
    <message>
        <source>HusidプロットをCSVﾌｧｲﾙで保存</source>
        <translation>Save the Husid plot as a CSV file</translation>
    </message>
    <message>
        <source>Husid PNG</source>
        <translation>Husid PNG</translation>
    </message>
    <message>
        <source>HusidプロットをPNGﾌｧｲﾙで保存</source>
        <translation>Save the Husid plot as a PNG file</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>強震動指標を計算しています・・・・</source>
        <translation>Calculating the intensity measures...</translation>
    </message>
    <message>
        <source>強震動指標の計算に必要なメモリが足りません</source>
        <translation>Not enough memory to calculate the intensity measures</translation>
    </message>
    <message>
        <source>メモリ不足</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>水平動</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>アリアス強度 (m/s)</source>
        <translation>Arias intensity (m/s)</translation>
    </message>
    <message>
        <source>ブラケット %1 g (s)</source>
        <translation>Bracketed %1 g (s)</translation>
    </message>
    <message>
        <source>ハウスナーSI (cm)</source>
        <translation>Housner SI (cm)</translation>
    </message>
    <message>
        <source>SI値 (kine)</source>
        <translation>SI value (kine)</translation>
    </message>
    <message>
        <source>CSVﾌｧｲﾙ(*.*)|*.csv|ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべて|*.*</source>
        <translation>CSV files (*.*)|*.csv|Text files|*.txt|All|*.*</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ (*.png)|*.png|すべて (*.*)|*.*</source>
        <translation>PNG files (*.png)|*.png|All (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>tremblo::TWait</name>
    <message>
        <source>&#x3000;&#x3000;お待ちください</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source>応答スペクトルを計算しています・・・・</source>
        <translation>Calculating the response spectra...</translation>
    </message>
</context>
</TS>
