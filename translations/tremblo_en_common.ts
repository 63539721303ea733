<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>common</name>
    <message>
        <source>値 %s は扱える範囲を超えています</source>
        <translation>The value %s is out of range</translation>
    </message>
    <message>
        <source>インターネットエクスプローラの起動に失敗しました&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>The web browser could not be started.</translation>
    </message>
    <message>
        <source>readme.htm呼び出しエラー</source>
        <translation>Browser error</translation>
    </message>
    <message>
        <source>ファイル %s を作成できません</source>
        <translation>Cannot create the file %s</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>TREMBLO 開発者</source>
        <translation>The TREMBLO developers</translation>
    </message>
</context>
</TS>
