<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>record</name>
    <message>
        <source>データ形式エラー</source>
        <translation>Data format error</translation>
    </message>
    <message>
        <source>中央防災会議のデータ形式ではありません</source>
        <translation>Not a Central Disaster Prevention Council data file</translation>
    </message>
    <message>
        <source>ヘッダーが5行そろっていません</source>
        <translation>The header has fewer than 5 lines</translation>
    </message>
    <message>
        <source>データ数が正しくありません</source>
        <translation>The number of samples is invalid</translation>
    </message>
    <message>
        <source>サンプリング間隔が正しくありません</source>
        <translation>The sampling interval is invalid</translation>
    </message>
    <message>
        <source>ヘッダーが17行そろっていません</source>
        <translation>The header has fewer than 17 lines</translation>
    </message>
    <message>
        <source>サンプリング周波数が正しくありません</source>
        <translation>The sampling rate is invalid</translation>
    </message>
    <message>
        <source>スケールファクターの分母が0です</source>
        <translation>The scale factor&apos;s denominator is 0</translation>
    </message>
    <message>
        <source>広島市消防局データファイル</source>
        <translation>Hiroshima City Fire Department record file</translation>
    </message>
    <message>
        <source>中央防災会議データファイル</source>
        <translation>Central Disaster Prevention Council record file</translation>
    </message>
    <message>
        <source>K-NET/KiK-net データファイル</source>
        <translation>K-NET/KiK-net record file</translation>
    </message>
    <message>
        <source>行が長すぎます（%zu文字を超えています）</source>
        <translation>Line too long (more than %zu characters)</translation>
    </message>
    <message>
        <source>ファイルを読み込めませんでした</source>
        <translation>The file could not be read</translation>
    </message>
    <message>
        <source>地震波形データを読み込んでいます・・・・</source>
        <translation>Reading the record...</translation>
    </message>
    <message>
        <source>ファイル名が正しくありません !
多分，フォルダー名に余分なピリオドが付いていると思われます&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>The file name is not valid!
Perhaps a folder name contains an extra full stop.</translation>
    </message>
    <message>
        <source>ファイル名エラー</source>
        <translation>File name error</translation>
    </message>
    <message>
        <source>この観測点コードは登録されおりません&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;

データファイルの形式がK-NET/KiK-netと異なっている恐れがあります&#x3000;&#x3000;&#x3000;
</source>
        <translation>This station code is not in the station list.

The file may not be in the K-NET/KiK-net format.
</translation>
    </message>
    <message>
        <source>この観測点コードは登録されおりません&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;

データファイルの形式が広島市消防局と異なっている恐れがあります&#x3000;&#x3000;&#x3000;
</source>
        <translation>This station code is not in the station list.

The file may not be in the Hiroshima City Fire Department format.
</translation>
    </message>
    <message>
        <source>観測点コードエラー</source>
        <translation>Station code error</translation>
    </message>
    <message>
        <source>このデータファイルには発震日時が記載されていません。&#x3000;

記録日時を発震日時に設定します。</source>
        <translation>This record file gives no origin time.

The recording time is used as the origin time.</translation>
    </message>
    <message>
        <source>発震日時記載なし</source>
        <translation>No origin time</translation>
    </message>
    <message>
        <source>対になる３成分データファイルが揃っていません</source>
        <translation>The files of the three components are not all there</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>データファイルエラー</source>
        <translation>Record file error</translation>
    </message>
    <message>
        <source>
３成分のデータを読み込めません

データファイル %s がありません   </source>
        <translation>
Cannot read the three components.

The record file %s is missing.</translation>
    </message>
    <message>
        <source>データファイル %s を読み込めません

%s</source>
        <translation>Cannot read the record file %s

%s</translation>
    </message>
    <message>
        <source>データファイル %s にはデータがありません</source>
        <translation>The record file %s holds no samples</translation>
    </message>
    <message>
        <source>データなし</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>%d行目: </source>
        <translation>Line %d: </translation>
    </message>
    <message>
        <source>地震ﾌｧｲﾙ(.*.ns*)|*.ns*|地震ﾌｧｲﾙ(*.ew*)|*.ew*|地震ﾌｧｲﾙ(,*.ud*)|*.ud*|すべて(*.*)|*.*</source>
        <translation>Record files (*.ns*)|*.ns*|Record files (*.ew*)|*.ew*|Record files (*.ud*)|*.ud*|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>観測地点名ファイル</source>
        <translation>Files named after the station</translation>
    </message>
    <message>
        <source>この観測点の情報がありませんので,ファイル名を変更することはできません</source>
        <translation>This station is not in the station list, so the files cannot be renamed</translation>
    </message>
    <message>
        <source>データファイル %s を読み込めません
</source>
        <translation>Cannot read the record file %s
</translation>
    </message>
    <message>
        <source>ファイル %s を作成できません
</source>
        <translation>Cannot create the file %s
</translation>
    </message>
    <message>
        <source>観測地点名で表したデータファイルを作成しました&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>Record files named after the station were written.</translation>
    </message>
    <message>
        <source>%d 番目の値「%s」が9文字ごとの欄の整数になっていません（K-NET/KiK-net の固定欄形式ではありません）</source>
        <translation>Value %d, &quot;%s&quot;, is not an integer in its 9-character field (this is not the fixed-column K-NET/KiK-net layout).</translation>
    </message>
    <message>
        <source>行が値の途中で終わっています（ファイルが途中で切れています）</source>
        <translation>The line ends inside a value (the file is cut short).</translation>
    </message>
    <message>
        <source>行に NUL 文字があります（ファイルが壊れています）</source>
        <translation>The line holds a NUL character (the file is damaged)</translation>
    </message>
    <message>
        <source>1成分に %d 個を超えるデータは読み込めません</source>
        <translation>Records of more than %d samples per component cannot be read.</translation>
    </message>
    <message>
        <source>%s と %s のサンプリング周波数が異なります（%d Hz と %d Hz）</source>
        <translation>%s and %s have different sampling frequencies (%d Hz and %d Hz).</translation>
    </message>
    <message>
        <source>%s と %s のサンプリング間隔が異なります（%d ms と %d ms）</source>
        <translation>%s and %s have different sampling intervals (%d ms and %d ms).</translation>
    </message>
    <message>
        <source>%s と %s の観測点コードが異なります（%s と %s）</source>
        <translation>%s and %s are of different stations (%s and %s).</translation>
    </message>
    <message>
        <source>%s と %s のデータ数が異なります（%d 個と %d 個）</source>
        <translation>%s and %s hold different numbers of samples (%d and %d).</translation>
    </message>
    <message>
        <source>データが %d 個しかなく、ヘッダーの記録時間とサンプリング周波数による %d 個（%g 秒、%d Hz）に足りません（ファイルが途中で切れています）</source>
        <translation>It holds only %d samples, fewer than the %d its header&apos;s duration and sampling frequency give (%g s, %d Hz): the file is cut short.</translation>
    </message>
    <message>
        <source>データが %d 個しかなく、ヘッダーのデータ数 %d 個に足りません（ファイルが途中で切れています）</source>
        <translation>It holds only %d samples, fewer than the %d its header states: the file is cut short.</translation>
    </message>
    <message>
        <source>データが %d 個しかなく、1行目の NDATA=%d に足りません（ファイルが途中で切れています）</source>
        <translation>It holds only %d samples, fewer than the NDATA=%d of its first line: the file is cut short.</translation>
    </message>
    <message>
        <source>%s は ZIP 書庫です。ZIP 書庫は読めません。
展開して、中の地震記録ファイルを開いてください</source>
        <translation>%s is a ZIP archive. ZIP archives are not read.
Unpack it and open the record files inside.</translation>
    </message>
    <message>
        <source>%s は地震記録の成分ファイルの名前ではありません。
3成分の記録は拡張子が NS, EW, UD (KiK-net は NS1 … UD2) のファイルから読みます</source>
        <translation>%s is not named as a component file of a record.
Three components are read from files with the extensions NS, EW and UD (KiK-net: NS1 ... UD2).</translation>
    </message>
    <message>
        <source>記録を読み込むメモリーが足りません</source>
        <translation>There is not enough memory to read the record.</translation>
    </message>
    <message>
        <source>データファイル %s には加速度の成分がありません</source>
        <translation>Data file %s holds no acceleration component</translation>
    </message>
    <message>
        <source>このファイル形式は読み込めません</source>
        <translation>This file format cannot be read</translation>
    </message>
    <message>
        <source>広島市消防局</source>
        <translation>Hiroshima City Fire Department</translation>
    </message>
    <message>
        <source>中央防災会議</source>
        <translation>Central Disaster Prevention Council</translation>
    </message>
    <message>
        <source>「%s」は数値ではありません</source>
        <translation>&quot;%s&quot; is not a number</translation>
    </message>
    <message>
        <source>データに欠測値「%s」があります（波形として読み込めません）</source>
        <translation>The data hold the undefined value &quot;%s&quot; (the waveform cannot be read)</translation>
    </message>
    <message>
        <source>ヘッダーではデータ数が %d 個ですが、値は %d 個しかありません（ファイルが途中で切れています）</source>
        <translation>The header states %d values, but there are only %d (the file is cut short)</translation>
    </message>
    <message>
        <source>ヘッダーのデータ数 %d 個より多くの値があります</source>
        <translation>There are more values than the %d the header states</translation>
    </message>
    <message>
        <source>サンプリング間隔「%s」が正しくありません（正の秒数が必要です）</source>
        <translation>The sampling interval &quot;%s&quot; is wrong (a positive number of seconds is needed)</translation>
    </message>
    <message>
        <source>データ数「%s」が正しくありません（1 以上の整数が必要です）</source>
        <translation>The number of values &quot;%s&quot; is wrong (an integer of 1 or more is needed)</translation>
    </message>
    <message>
        <source>加速度の単位「%s」は読めません（g, m/s^2, cm/s^2, mm/s^2, gal のどれかが必要です）</source>
        <translation>The acceleration unit &quot;%s&quot; cannot be read (g, m/s^2, cm/s^2, mm/s^2 or gal is needed)</translation>
    </message>
    <message>
        <source>ヘッダーが %d 行そろっていません（ファイルが途中で切れています）</source>
        <translation>The header does not have its %d lines (the file is cut short)</translation>
    </message>
    <message>
        <source>1行目のサンプリング間隔 dT=%s を使えません（0 秒より長く 1 秒以下であること）</source>
        <translation>The sampling interval dT=%s on line 1 cannot be used (it must be above 0 s and at most 1 s)</translation>
    </message>
    <message>
        <source>サンプリング間隔「%s」とデータの長さ（%s 秒、%d 個）が合いません</source>
        <translation>The sampling interval &quot;%s&quot; does not agree with the record length (%s s, %d values)</translation>
    </message>
    <message>
        <source>ESM/ITACA の ASCII 形式のヘッダー（EVENT_NAME: ... などの行）がありません</source>
        <translation>There is no ESM/ITACA ASCII header (lines like EVENT_NAME: ...)</translation>
    </message>
    <message>
        <source>ヘッダーに %s の行がありません（ESM/ITACA の ASCII 形式ではないか、ヘッダーが壊れています）</source>
        <translation>The header has no %s line (the file is not ESM/ITACA ASCII, or its header is damaged)</translation>
    </message>
    <message>
        <source>このファイルは加速度ではなく「%s」のデータです（読み込めるのは加速度のファイル ACC です）</source>
        <translation>This file holds &quot;%s&quot; data, not acceleration (the program reads the acceleration file, ACC)</translation>
    </message>
    <message>
        <source>ヘッダーの行が多すぎます（%d 行を超えています）</source>
        <translation>The header has too many lines (more than %d)</translation>
    </message>
    <message>
        <source>%sのデータの値「%s」が数値になっていません</source>
        <translation>The %s data value &quot;%s&quot; is not a number</translation>
    </message>
    <message>
        <source>%sのデータは %d 個と書かれていますが、%d 個しかありません</source>
        <translation>The %s data should hold %d values but hold only %d</translation>
    </message>
    <message>
        <source>%sのデータは %d 個と書かれていますが、それより多くあります</source>
        <translation>The %s data should hold %d values but hold more</translation>
    </message>
    <message>
        <source>%sのデータに欠測値「%s」があります</source>
        <translation>The %s data hold the null value &quot;%s&quot;</translation>
    </message>
    <message>
        <source>%sの値「%s」が数値になっていません</source>
        <translation>The %s value &quot;%s&quot; is not a number</translation>
    </message>
    <message>
        <source>%s 形式のファイルではありません</source>
        <translation>This is not a %s file</translation>
    </message>
    <message>
        <source>%s 形式の行ではありません（%sがあるはずの行です）</source>
        <translation>This line is not in %s format (the %s should be here)</translation>
    </message>
    <message>
        <source>加速度のデータがありません（速度・変位だけのファイルは読み込めません）</source>
        <translation>There is no acceleration data (files of velocity or displacement only cannot be read)</translation>
    </message>
    <message>
        <source>サンプリング間隔「%s」が正しくありません</source>
        <translation>The sampling interval &quot;%s&quot; is not valid</translation>
    </message>
    <message>
        <source>サンプリング間隔が書かれていません</source>
        <translation>The sampling interval is not stated</translation>
    </message>
    <message>
        <source>単位コード %d は加速度の単位ではありません</source>
        <translation>Units code %d is not an acceleration unit</translation>
    </message>
    <message>
        <source>加速度の単位「%s」が分かりません</source>
        <translation>Unknown acceleration unit &quot;%s&quot;</translation>
    </message>
    <message>
        <source>データの個数「%s」が正しくありません</source>
        <translation>The number of values &quot;%s&quot; is not valid</translation>
    </message>
    <message>
        <source>テキストヘッダー</source>
        <translation>text header</translation>
    </message>
    <message>
        <source>整数ヘッダー</source>
        <translation>integer header</translation>
    </message>
    <message>
        <source>実数ヘッダー</source>
        <translation>real header</translation>
    </message>
    <message>
        <source>コメント行</source>
        <translation>comment lines</translation>
    </message>
    <message>
        <source>データの開始行</source>
        <translation>data start line</translation>
    </message>
    <message>
        <source>データの終わりを示す行</source>
        <translation>end-of-data line</translation>
    </message>
    <message>
        <source>加速度</source>
        <translation>acceleration</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>velocity</translation>
    </message>
    <message>
        <source>変位</source>
        <translation>displacement</translation>
    </message>
    <message>
        <source>ファイルが途中で終わっています（%sがありません）</source>
        <translation>The file ends too early (the %s is missing)</translation>
    </message>
    <message>
        <source>1行目が K-NET/KiK-net の CSV 形式の見出し（#K-NET CSV など）ではありません</source>
        <translation>Line 1 is not the title of a K-NET/KiK-net CSV file (#K-NET CSV or the like)</translation>
    </message>
    <message>
        <source>ヘッダーにサンプリング周波数（#SamplingFrequency(Hz)）の行がありません</source>
        <translation>The header has no sampling frequency line (#SamplingFrequency(Hz))</translation>
    </message>
    <message>
        <source>サンプリング周波数「%s」が正しくありません（正の数が必要です）</source>
        <translation>The sampling frequency &quot;%s&quot; is wrong (a positive number is needed)</translation>
    </message>
    <message>
        <source>列の見出しの行（Time,RelativeTime(s),N-S(gal),...）がありません</source>
        <translation>There is no line of column names (Time,RelativeTime(s),N-S(gal),...)</translation>
    </message>
    <message>
        <source>列の見出しに波形の列（N-S(gal) など）がありません</source>
        <translation>The column names include no waveform column (N-S(gal) or the like)</translation>
    </message>
    <message>
        <source>列「%s」はカウント値ですが、ヘッダーにスケールファクター（#ScaleFactor）がありません</source>
        <translation>Column &quot;%s&quot; holds counts, but the header has no scale factor (#ScaleFactor)</translation>
    </message>
    <message>
        <source>スケールファクター「%s」が正しくありません</source>
        <translation>The scale factor &quot;%s&quot; is wrong</translation>
    </message>
    <message>
        <source>列の見出しの後にデータの行がありません</source>
        <translation>There are no data rows after the column names</translation>
    </message>
    <message>
        <source>この行の値は %d 個ですが、列の見出しは %d 個です</source>
        <translation>This line holds %d values, but there are %d column names</translation>
    </message>
    <message>
        <source>1行目が PEER の時刻歴ファイルの見出し（PEER NGA STRONG MOTION DATABASE RECORD など）ではありません</source>
        <translation>Line 1 is not the title of a PEER time series file (PEER NGA STRONG MOTION DATABASE RECORD or the like)</translation>
    </message>
    <message>
        <source>このファイルは PEER の速度または変位の時刻歴です（読み込めるのは加速度のファイル .AT2 です）</source>
        <translation>This file is a PEER velocity or displacement time series (the program reads the acceleration file, .AT2)</translation>
    </message>
    <message>
        <source>3行目に加速度の時刻歴（ACCELERATION ...）であることが書かれていません</source>
        <translation>Line 3 does not say that the file is an acceleration time series (ACCELERATION ...)</translation>
    </message>
    <message>
        <source>4行目にデータ数と時間間隔（NPTS=..., DT=...）がありません</source>
        <translation>Line 4 does not give the number of values and the interval (NPTS=..., DT=...)</translation>
    </message>
    <message>
        <source>%s データファイル</source>
        <translation>%s data file</translation>
    </message>
    <message>
        <source>自動判別（形式は内容から判断します）</source>
        <translation>Automatic (the format is recognised from the content)</translation>
    </message>
    <message>
        <source>%s と %s のサンプリング間隔が異なります（%g 秒と %g 秒）</source>
        <translation>%s and %s have different sampling intervals (%g s and %g s)</translation>
    </message>
    <message>
        <source>値「%s」は %.6g gal になり、加速度としてありえません（欠測値か壊れた値です）</source>
        <translation>The value &quot;%s&quot; would be %.6g gal, which no acceleration can be (a null value or damage)</translation>
    </message>
    <message>
        <source>実数ヘッダーのサンプリング間隔 %g 秒がテキストヘッダーの %g 秒と合いません</source>
        <translation>The sampling interval of the real header, %g s, does not agree with the text header&apos;s %g s</translation>
    </message>
    <message>
        <source>サンプリング間隔 %g 秒とデータ数 %d 個がヘッダーの継続時間 %g 秒と合いません</source>
        <translation>The sampling interval of %g s and the %d samples do not agree with the header&apos;s duration of %g s</translation>
    </message>
    <message>
        <source>%s ほか %d ファイル</source>
        <translation>%s and %d other files</translation>
    </message>
    <message>
        <source>%s には成分の組が %d 組あります（地表と地中など）。1 組目を読み込みました。
2〜%d 組目はイベント一覧（ファイル → イベントのフォルダを開く...）で、また tremblo-batch では %s#2 のように組の番号を付けた名前で読み込めます</source>
        <translation>%s holds %d sets of components (surface and borehole, say). The first set was read.
Sets 2 to %d open from the event list (File → Open an event folder...), and tremblo-batch reads them by the name with the set&apos;s number, as %s#2</translation>
    </message>
    <message>
        <source>同じ観測点と地震のファイルがほかに %d 個ありますが、3 成分がそろったため読み込んでいません:%s</source>
        <translation>%d more files of the same station and event were not read: the three components were complete:%s</translation>
    </message>
    <message>
        <source>成分の組</source>
        <translation>Sets of components</translation>
    </message>
    <message>
        <source>このファイルの成分は %d 組で、%d 組目はありません</source>
        <translation>The file holds %d sets of components: there is no set %d</translation>
    </message>
    <message>
        <source>単位コード %d と単位「%s」が合いません</source>
        <translation>The units code %d and the units &quot;%s&quot; disagree</translation>
    </message>
    <message>
        <source>SAC ヘッダーの %s が正しくありません（%.7g）</source>
        <translation>The SAC header&apos;s %s is wrong (%.7g)</translation>
    </message>
    <message>
        <source>SAC ファイルの値が等間隔ではありません（LEVEN が偽）。等間隔の波形しか読み込めません</source>
        <translation>The SAC file&apos;s values are not evenly spaced (LEVEN false). Only evenly spaced waveforms can be read</translation>
    </message>
    <message>
        <source>SAC ファイルが時刻歴ではありません（IFTYPE = %d）</source>
        <translation>The SAC file is not a time series (IFTYPE = %d)</translation>
    </message>
    <message>
        <source>SAC ファイルの値が加速度ではありません（IDEP が速度か変位）。加速度の記録しか読み込めません</source>
        <translation>The SAC file&apos;s values are not acceleration (IDEP is velocity or displacement). Only acceleration records can be read</translation>
    </message>
    <message>
        <source>SAC ファイルのヘッダー（IDEP）が値の単位を示していません。tremblo-batch の --units gal|m/s2|nm/s2|g で単位を指定してください</source>
        <translation>The SAC file&apos;s header (IDEP) does not state the unit of its values. Give the unit with tremblo-batch&apos;s --units gal|m/s2|nm/s2|g</translation>
    </message>
    <message>
        <source>SAC ファイルの値が加速度ではありません（IDEP = %d）</source>
        <translation>The SAC file&apos;s values are not acceleration (IDEP = %d)</translation>
    </message>
    <message>
        <source>%d 番目の値が有限の数ではありません（ファイルが壊れています）</source>
        <translation>Value %d is not a finite number (the file is damaged)</translation>
    </message>
    <message>
        <source>%d 番目の値は %.6g gal になり、加速度としてありえません（壊れた値です）</source>
        <translation>Value %d is %.6g gal, impossible as an acceleration (a damaged value)</translation>
    </message>
    <message>
        <source>SAC ファイルのヘッダーがありません（ファイルが壊れているか SAC ではありません）</source>
        <translation>The SAC file has no header (the file is damaged or not SAC)</translation>
    </message>
    <message>
        <source>%s は値の単位を示していません（SAC の IDEP が未定義か IUNKN）。値の単位を選んでください（同じ記録のほかの成分にも使います）</source>
        <translation>%s does not state the unit of its values (SAC IDEP undefined or IUNKN). Choose the unit of the values (it is used for the record&apos;s other components too)</translation>
    </message>
    <message>
        <source>値の単位</source>
        <translation>Unit of the values</translation>
    </message>
    <message>
        <source>StationXML (*.xml)|*.xml|すべて(*.*)|*.*</source>
        <translation>StationXML (*.xml)|*.xml|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>チャンネル %s（%g Hz）と %s（%g Hz）はサンプリング周波数が違うため一つの記録にできません</source>
        <translation>Channels %s (%g Hz) and %s (%g Hz) have different sampling rates and cannot make one record</translation>
    </message>
    <message>
        <source>チャンネル %s（%s 開始）と %s（%s 開始）はサンプルの時刻がそろわないため一つの記録にできません</source>
        <translation>Channels %s (starting %s) and %s (starting %s) do not have their samples at the same times and cannot make one record</translation>
    </message>
    <message>
        <source>チャンネル %s と %s は同じ時間帯の値がありません</source>
        <translation>Channels %s and %s have no values over a common time span</translation>
    </message>
    <message>
        <source>チャンネル %s: miniSEED の値をガルにするには観測点の StationXML が要ります（tremblo-batch では --inventory FILE）</source>
        <translation>Channel %s: a StationXML of the station is needed to turn miniSEED values into gal (tremblo-batch: --inventory FILE)</translation>
    </message>
    <message>
        <source>チャンネル %s: StationXML にこのチャンネルの %s を含む期間がありません</source>
        <translation>Channel %s: the StationXML has no epoch of this channel holding %s</translation>
    </message>
    <message>
        <source>チャンネル %s が StationXML にありません</source>
        <translation>Channel %s is not in the StationXML</translation>
    </message>
    <message>
        <source>チャンネル %s: StationXML に感度（InstrumentSensitivity の Value）がないか 0 です</source>
        <translation>Channel %s: the StationXML gives no sensitivity (InstrumentSensitivity Value) or 0</translation>
    </message>
    <message>
        <source>チャンネル %s: 入力の単位 &quot;%s&quot; は加速度でも速度でもありません</source>
        <translation>Channel %s: the input unit &quot;%s&quot; is neither acceleration nor velocity</translation>
    </message>
    <message>
        <source>チャンネル %s: 加速度計（計器コード N）なのに入力の単位が &quot;%s&quot; です</source>
        <translation>Channel %s: an accelerometer (instrument code N) whose input unit is &quot;%s&quot;</translation>
    </message>
    <message>
        <source>チャンネル %s は加速度計（計器コード N）ではありません（速度計の記録は tremblo-batch の --differentiate-velocity で微分して読めます）</source>
        <translation>Channel %s is not an accelerometer (instrument code N) (velocity sensors can be read differentiated with tremblo-batch&apos;s --differentiate-velocity)</translation>
    </message>
    <message>
        <source>チャンネル %s: %zu 番目の値は %.6g gal になり、加速度としてありえません</source>
        <translation>Channel %s: value %zu is %.6g gal, impossible as an acceleration</translation>
    </message>
    <message>
        <source>miniSEED ファイルが大きすぎます（1 GiB まで読めます）</source>
        <translation>The miniSEED file is too large (up to 1 GiB can be read)</translation>
    </message>
    <message>
        <source>miniSEED ファイルを読めません</source>
        <translation>Cannot read the miniSEED file</translation>
    </message>
    <message>
        <source>miniSEED の %zu バイト目のレコード: %s</source>
        <translation>miniSEED record at byte %zu: %s</translation>
    </message>
    <message>
        <source>チャンネル %s: ヘッダーの %lld 個のうち %lld 個しか値を復号できません</source>
        <translation>Channel %s: of the header&apos;s %lld values only %lld could be decoded</translation>
    </message>
    <message>
        <source>チャンネル %s: 値が数ではなく文字です</source>
        <translation>Channel %s: the values are text, not numbers</translation>
    </message>
    <message>
        <source>チャンネル %s: %lld 番目の値が有限の数ではありません</source>
        <translation>Channel %s: value %lld is not a finite number</translation>
    </message>
    <message>
        <source>レコードが途中で切れています（ファイルの終わりが欠けています）</source>
        <translation>The record is cut short (the end of the file is missing)</translation>
    </message>
    <message>
        <source>データレコードの見出しが壊れているか途中で切れています</source>
        <translation>The data record&apos;s header is damaged or cut short</translation>
    </message>
    <message>
        <source>チャンネル %s: ヘッダーの値の数 %lld はレコード（%d バイト）に入りきりません</source>
        <translation>Channel %s: the header&apos;s %lld values do not fit in the record (%d bytes)</translation>
    </message>
    <message>
        <source>チャンネル %s: サンプリング周波数 %g が正の数ではありません</source>
        <translation>Channel %s: the sampling rate %g is not a positive number</translation>
    </message>
    <message>
        <source>チャンネル %s のサンプリング周波数が %s に %g Hz から %g Hz に変わります</source>
        <translation>The sampling rate of channel %s changes at %s from %g Hz to %g Hz</translation>
    </message>
    <message>
        <source>チャンネル %s に %s から %s まで欠測があります（つなげません）</source>
        <translation>Channel %s has a gap from %s to %s (it cannot be joined)</translation>
    </message>
    <message>
        <source>チャンネル %s のデータが %s から %s まで重なっています</source>
        <translation>The data of channel %s overlap from %s to %s</translation>
    </message>
    <message>
        <source>miniSEED のデータレコードではありません</source>
        <translation>Not a miniSEED data record</translation>
    </message>
    <message>
        <source>チャンネル %s は %lld 個の値を持ち、読める長さ（%d 個）を超えます</source>
        <translation>Channel %s holds %lld values, more than can be read (%d)</translation>
    </message>
    <message>
        <source>miniSEED ファイルに値のあるデータレコードがありません</source>
        <translation>The miniSEED file has no data record holding values</translation>
    </message>
    <message>
        <source>ヘッダーの最大加速度 %.3f gal がデータの最大値 %.3f gal と合いません（データが壊れています）</source>
        <translation>the header&apos;s maximum acceleration, %.3f gal, does not match the data&apos;s largest value, %.3f gal (the data are damaged)</translation>
    </message>
</context>
<context>
    <name>tremblo::RecordInfoPanel</name>
    <message>
        <source>発震日時</source>
        <translation>Origin time</translation>
    </message>
    <message>
        <source>震源緯度</source>
        <translation>Epicentre lat.</translation>
    </message>
    <message>
        <source>経度</source>
        <translation>Long.</translation>
    </message>
    <message>
        <source>震源深さ</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>観測点</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>計測時間</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>ｻﾝﾌﾟﾘﾝｸﾞ率</source>
        <translation>Sampling rate</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀ総数</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>ﾏｸﾞﾆﾁｭｰﾄﾞ</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>wave</name>
    <message>
        <source>加速度</source>
        <translation>Acc.</translation>
    </message>
    <message>
        <source>速&#x3000;度</source>
        <translation>Vel.</translation>
    </message>
    <message>
        <source>変&#x3000;位</source>
        <translation>Disp.</translation>
    </message>
</context>
</TS>
