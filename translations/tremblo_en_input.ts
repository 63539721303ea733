<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>input</name>
    <message>
        <source>ファイルではなくフォルダーです</source>
        <translation>It is a folder, not a file</translation>
    </message>
    <message>
        <source>通常のファイルではありません（パイプや装置のファイルは読みません）</source>
        <translation>It is not a regular file (pipes and device files are not read)</translation>
    </message>
</context>
</TS>
