<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>plot</name>
    <message>
        <source>負のデータを対数目盛りでは表せません</source>
        <translation>Negative values cannot be shown on a logarithmic scale.</translation>
    </message>
    <message>
        <source>目盛り設定エラー</source>
        <translation>Scale error</translation>
    </message>
    <message>
        <source>画像がありません</source>
        <translation>There is no picture.</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀ %d - %d</source>
        <translation>Samples %d - %d</translation>
    </message>
</context>
</TS>
