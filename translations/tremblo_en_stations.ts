<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>stations</name>
    <message>
        <source>%s はフォルダです</source>
        <translation>%s is a folder</translation>
    </message>
    <message>
        <source>%s はファイルではありません</source>
        <translation>%s is not a file</translation>
    </message>
    <message>
        <source>%s を読めません</source>
        <translation>Cannot read %s</translation>
    </message>
    <message>
        <source>K-NET/KiK-net観測点情報ファイルがありません</source>
        <translation>The K-NET/KiK-net station file is missing</translation>
    </message>
    <message>
        <source>K-NET/KiK-net観測点情報ファイル </source>
        <translation>K-NET/KiK-net station file: </translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>広島市消防局観測点リストファイルがありません&#x3000;&#x3000;&#x3000;</source>
        <translation>The Hiroshima City Fire Department station file is missing</translation>
    </message>
    <message>
        <source>広島市消防局観測点リストファイル </source>
        <translation>Hiroshima City Fire Department station file: </translation>
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
        <source>3列目</source>
        <translation>Column 3</translation>
    </message>
    <message>
        <source>所在地</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>5列目</source>
        <translation>Column 5</translation>
    </message>
    <message>
        <source>コンマ（,）は使えません</source>
        <translation>Commas (,) are not allowed</translation>
    </message>
    <message>
        <source>改行や制御文字は使えません</source>
        <translation>Line breaks and control characters are not allowed</translation>
    </message>
    <message>
        <source>Shift-JISにない文字があります</source>
        <translation>Contains a character that Shift-JIS lacks</translation>
    </message>
    <message>
        <source>長すぎます（%zu バイトまで）</source>
        <translation>Too long (at most %zu bytes)</translation>
    </message>
    <message>
        <source>コードが空です</source>
        <translation>The code is empty</translation>
    </message>
    <message>
        <source>K-NETのコードは4文字目が数字です</source>
        <translation>A K-NET code has a digit as its 4th character</translation>
    </message>
    <message>
        <source>KiK-netのコードは4文字目が数字ではありません</source>
        <translation>A KiK-net code has no digit as its 4th character</translation>
    </message>
    <message>
        <source>%zu 行目と同じコードです（大文字・小文字は区別しません）</source>
        <translation>Same code as row %zu (case is ignored)</translation>
    </message>
    <message>
        <source>標高</source>
        <translation>Elev.</translation>
    </message>
    <message>
        <source>StationXML %s: Network に code がありません</source>
        <translation>StationXML %s: a Network has no code</translation>
    </message>
    <message>
        <source>StationXML %s: %s の %s &quot;%s&quot; が数ではありません</source>
        <translation>StationXML %s: %s&apos;s %s &quot;%s&quot; is not a number</translation>
    </message>
    <message>
        <source>StationXML %s: %s の %s &quot;%s&quot; が日時ではありません</source>
        <translation>StationXML %s: %s&apos;s %s &quot;%s&quot; is not a date and time</translation>
    </message>
    <message>
        <source>StationXML %s: 観測網 %s の Station に code がありません</source>
        <translation>StationXML %s: a Station of network %s has no code</translation>
    </message>
    <message>
        <source>StationXML %s: 観測点 %s.%s の Channel に code がありません</source>
        <translation>StationXML %s: a Channel of station %s.%s has no code</translation>
    </message>
    <message>
        <source>StationXML ファイル %s を開けません: %s</source>
        <translation>Cannot open StationXML file %s: %s</translation>
    </message>
    <message>
        <source>StationXML ファイル %s は大きすぎます</source>
        <translation>StationXML file %s is too large</translation>
    </message>
    <message>
        <source>StationXML ファイル %s を読めません</source>
        <translation>Cannot read StationXML file %s</translation>
    </message>
    <message>
        <source>StationXML %s は XML として読めません（%ld バイト目: %s）</source>
        <translation>StationXML %s cannot be read as XML (at byte %ld: %s)</translation>
    </message>
    <message>
        <source>%s は StationXML ではありません（根の要素が FDSNStationXML ではなく %s です）</source>
        <translation>%s is not StationXML (its root element is %s, not FDSNStationXML)</translation>
    </message>
    <message>
        <source>フォルダ %s に StationXML ファイル（*.xml）がありません</source>
        <translation>Folder %s holds no StationXML file (*.xml)</translation>
    </message>
</context>
</TS>
