<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
        <translation>3 components</translation>
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
        <translation>Remove DC</translation>
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
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>速&#x3000; 度</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>変&#x3000; 位</source>
        <translation>Displacement</translation>
    </message>
    <message>
        <source>波形/成分</source>
        <translation>Wave/comp.</translation>
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
</context>
</TS>
