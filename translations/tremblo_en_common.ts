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
    <message>
        <source>ファイルではなくフォルダーです</source>
        <translation>It is a folder, not a file</translation>
    </message>
    <message>
        <source>ファイルでもパイプでもありません（装置のファイルは読みません）</source>
        <translation>It is neither a file nor a pipe (device files are not read)</translation>
    </message>
    <message>
        <source>通常のファイルではありません（パイプや装置のファイルは読みません）</source>
        <translation>It is not a regular file (pipes and device files are not read)</translation>
    </message>
    <message>
        <source>パイプに書き込んでいるプログラムがありません</source>
        <translation>No program is writing to the pipe</translation>
    </message>
</context>
</TS>
