<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>tools</name>
    <message>
        <source>

合成波形ファイルは出力していません</source>
        <translation>

No rotated record file was written</translation>
    </message>
    <message>
        <source>%s成分のデータファイル %s</source>
        <translation>the %s component&apos;s record file %s</translation>
    </message>
    <message>
        <source>%s を読み込めません

%d行目: ヘッダーが17行そろっていません</source>
        <translation>Cannot read %s

Line %d: the header has fewer than 17 lines</translation>
    </message>
    <message>
        <source>合成波形はＮＳ・ＥＷ・ＵＤの３成分を読み込んだ記録から作成します</source>
        <translation>Rotation needs a record read with all three components (NS, EW, UD)</translation>
    </message>
    <message>
        <source>合成波形はK-NET/KiK-net形式の記録から作成します</source>
        <translation>Rotation needs a record in the K-NET/KiK-net format</translation>
    </message>
    <message>
        <source>スケールファクターが0のため合成波形を作成できません</source>
        <translation>The scale factor is 0: no rotated record can be made</translation>
    </message>
    <message>
        <source>%s のスケールファクターが読み込んだときと異なります

データファイルを読み込み直してください</source>
        <translation>The scale factor of %s has changed since the record was read

Read the record again</translation>
    </message>
    <message>
        <source>出力ファイル %s を作成できません</source>
        <translation>Cannot create the output file %s</translation>
    </message>
    <message>
        <source>出力ファイルボタンを押してファイル名を設定してください</source>
        <translation>Press Output file to name the file to write</translation>
    </message>
    <message>
        <source>実行ボタンを押してください</source>
        <translation>Press Write</translation>
    </message>
    <message>
        <source>ファイルに出力しました</source>
        <translation>The file has been written</translation>
    </message>
    <message>
        <source>ファイル名に付けられた拡張子が不正です</source>
        <translation>The file name&apos;s extension is not valid</translation>
    </message>
    <message>
        <source>ファイル拡張子エラー</source>
        <translation>Extension error</translation>
    </message>
    <message>
        <source>拡張子が方位角を表していませんが，この名前でよろしいですか？</source>
        <translation>The extension is not the azimuth. Use this name anyway?</translation>
    </message>
    <message>
        <source>ファイル拡張子</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>方位角には整数（北を０度，東を９０度とする度数）を入力してください</source>
        <translation>Enter the azimuth as a whole number of degrees (north 0, east 90)</translation>
    </message>
    <message>
        <source>方位角エラー</source>
        <translation>Azimuth error</translation>
    </message>
    <message>
        <source>合成波形ファイルエラー</source>
        <translation>Rotated record error</translation>
    </message>
    <message>
        <source>%s は読み込んだ記録のファイルです
別のファイル名を指定してください</source>
        <translation>%s is a file of the loaded record
Choose another file name</translation>
    </message>
    <message>
        <source>%s を開けません (%s)</source>
        <translation>Cannot open %s (%s)</translation>
    </message>
</context>
<context>
    <name>tremblo::THRSMList</name>
    <message>
        <source>広島市地震情報ネットワークシステム&#x3000;</source>
        <translation>Hiroshima City seismic network</translation>
    </message>
    <message>
        <source>広島市地震情報ネットワークシステム&#x3000;観測点リスト</source>
        <translation>Hiroshima City seismic network: stations</translation>
    </message>
    <message>
        <source>コード</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;観測点名称</source>
        <translation> Station</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;観測点所在地</source>
        <translation> Location</translation>
    </message>
    <message>
        <source>&#x3000;経度</source>
        <translation> Long.</translation>
    </message>
    <message>
        <source>&#x3000;緯度</source>
        <translation> Lat.</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tremblo::TSiteList</name>
    <message>
        <source>K-NET / KiK-net 観測点リスト</source>
        <translation>K-NET / KiK-net stations</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>K-netコード</source>
        <translation>K-NET code</translation>
    </message>
    <message>
        <source>K-NETコード検索</source>
        <translation>Find a K-NET code</translation>
    </message>
    <message>
        <source>KiK-netコード</source>
        <translation>KiK-net code</translation>
    </message>
    <message>
        <source>KiK-netコード検索</source>
        <translation>Find a KiK-net code</translation>
    </message>
    <message>
        <source>編集・コピー</source>
        <translation>Edit / copy</translation>
    </message>
    <message>
        <source>文字編集・クリップボードへコピー</source>
        <translation>Edit the cells, copy them to the clipboard</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>編集後保存する</source>
        <translation>Save the edited lists</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 地点</source>
        <translation>%1 stations</translation>
    </message>
    <message>
        <source>そのような観測点コードはありません</source>
        <translation>No station has such a code</translation>
    </message>
    <message>
        <source>観測点コードエラー</source>
        <translation>Station code error</translation>
    </message>
    <message>
        <source>%1 %2 行目、%3の列: %4
保存しませんでした</source>
        <translation>%1 row %2, column %3: %4
Nothing was saved</translation>
    </message>
    <message>
        <source>観測点リスト保存</source>
        <translation>Save the station list</translation>
    </message>
    <message>
        <source>K-NET/KiK-net観測点情報ファイルがありません</source>
        <translation>The K-NET/KiK-net station file is missing</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>観測点リストを %1 に保存しました</source>
        <translation>The station list was saved to %1</translation>
    </message>
    <message>
        <source>観測点リストを閉じる</source>
        <translation>Close the station lists</translation>
    </message>
    <message>
        <source>%1観測点リストの編集結果が保存されていません。
観測点リストを閉じますか？</source>
        <translation>The edits to the %1 station list are not saved.
Close the station list?</translation>
    </message>
</context>
<context>
    <name>tremblo::TSynthe</name>
    <message>
        <source>水平成分波形の合成</source>
        <translation>Rotate horizontal components</translation>
    </message>
    <message>
        <source>ＮＳおよびEWの２成分を合成します</source>
        <translation>Combines the NS and EW components into one horizontal component</translation>
    </message>
    <message>
        <source>合成波の方位角を，北を０度，東を９０度とし０～３６０度の範囲で指定してください</source>
        <translation>Give its azimuth from 0 to 360 degrees (north 0, east 90)</translation>
    </message>
    <message>
        <source>方位角</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>度</source>
        <translation>°</translation>
    </message>
    <message>
        <source>（拡張子を指定しなければ，設定された方位角が拡張子となります）</source>
        <translation>(A file name without an extension gets the azimuth as its extension)</translation>
    </message>
    <message>
        <source>出力ファイル名</source>
        <translation>Output file</translation>
    </message>
    <message>
        <source>出力ファイル</source>
        <translation>Output file</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>すべて(*.*)|*.*</source>
        <translation>All files (*.*)|*.*</translation>
    </message>
</context>
</TS>
