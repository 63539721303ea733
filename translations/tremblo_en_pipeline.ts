<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>batch</name>
    <message>
        <source>フォルダ %s を読めません (%s)</source>
        <translation>Cannot read the folder %s (%s)</translation>
    </message>
    <message>
        <source>フォルダ %s を最後まで読めません (%s)</source>
        <translation>Cannot read the folder %s to the end (%s)</translation>
    </message>
    <message>
        <source>フォルダ %s に地震記録ファイルがありません</source>
        <translation>The folder %s holds no earthquake record files</translation>
    </message>
    <message>
        <source>ファイル %s を開けません (%s)</source>
        <translation>Cannot open the file %s (%s)</translation>
    </message>
    <message>
        <source>ファイル %s を最後まで読めません</source>
        <translation>Cannot read the file %s to the end</translation>
    </message>
    <message>
        <source>ファイル %s に地震記録ファイルの名前がありません</source>
        <translation>The file %s names no earthquake record files</translation>
    </message>
    <message>
        <source>ファイル %s がありません</source>
        <translation>The file %s does not exist</translation>
    </message>
    <message>
        <source>ファイル %s は読めるファイルではありません</source>
        <translation>%s is not a file that can be read</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>読み込めません</source>
        <translation>Cannot read the record</translation>
    </message>
    <message>
        <source>値が有限でないため AT2 ファイルを書けません</source>
        <translation>Cannot write AT2 files: a value is not finite</translation>
    </message>
    <message>
        <source>合成波形</source>
        <translation>Rotated component</translation>
    </message>
    <message>
        <source>応答スペクトル</source>
        <translation>Response spectra</translation>
    </message>
    <message>
        <source>要約表で空欄にした値 (有限の数になりません): %s</source>
        <translation>summary cells left empty (no finite number): %s</translation>
    </message>
    <message>
        <source>値が有限でないため SAC ファイルを書けません</source>
        <translation>The SAC files cannot be written: a value is not finite</translation>
    </message>
    <message>
        <source>値が有限でないため miniSEED ファイルを書けません</source>
        <translation>The miniSEED file cannot be written: a value is not finite</translation>
    </message>
    <message>
        <source>壊れたメンバー %s: %s</source>
        <translation>damaged member %s: %s</translation>
    </message>
    <message>
        <source>アーカイブはメンバー %zu 個の後が壊れています: %s</source>
        <translation>the archive is damaged after %zu members: %s</translation>
    </message>
    <message>
        <source>アーカイブを読めません: %s</source>
        <translation>the archive cannot be read: %s</translation>
    </message>
    <message>
        <source>アーカイブをメンバー %zu 個より先は読めません: %s</source>
        <translation>the archive cannot be read on after %zu members: %s</translation>
    </message>
    <message>
        <source>; 処理していない記録:</source>
        <translation>; records not processed:</translation>
    </message>
    <message>
        <source>; その記録は処理していません</source>
        <translation>; its records are not processed</translation>
    </message>
    <message>
        <source>アーカイブに地震記録ファイルがありません</source>
        <translation>no record file in the archive</translation>
    </message>
</context>
</TS>
