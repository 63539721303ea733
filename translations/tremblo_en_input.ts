<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>input</name>
    <message>
        <source>tar アーカイブが途中で切れています</source>
        <translation>the tar archive is cut short</translation>
    </message>
    <message>
        <source>tar アーカイブが壊れています</source>
        <translation>the tar archive is damaged</translation>
    </message>
    <message>
        <source>アーカイブの形式がわかりません</source>
        <translation>the archive&apos;s format is not recognised</translation>
    </message>
    <message>
        <source>ファイルが途中で終わっています</source>
        <translation>the file ends too early</translation>
    </message>
    <message>
        <source>入力ファイルが途中で切れています</source>
        <translation>the input file is cut short</translation>
    </message>
    <message>
        <source>gzip データが途中で切れています</source>
        <translation>gzip data cut short</translation>
    </message>
    <message>
        <source>bzip2 データが途中で切れています</source>
        <translation>bzip2 data cut short</translation>
    </message>
    <message>
        <source>xz データが途中で切れています</source>
        <translation>xz data cut short</translation>
    </message>
    <message>
        <source>zstd データが途中で切れています</source>
        <translation>zstd data cut short</translation>
    </message>
    <message>
        <source>gzip データを展開できません</source>
        <translation>gzip data cannot be decompressed</translation>
    </message>
    <message>
        <source>bzip2 データを展開できません</source>
        <translation>bzip2 data cannot be decompressed</translation>
    </message>
    <message>
        <source>xz データが壊れています</source>
        <translation>xz data damaged</translation>
    </message>
    <message>
        <source>xz データの形式がわかりません</source>
        <translation>the xz data&apos;s format is not recognised</translation>
    </message>
    <message>
        <source>zstd データを展開できません</source>
        <translation>zstd data cannot be decompressed</translation>
    </message>
    <message>
        <source>ZIP データの CRC が合いません</source>
        <translation>ZIP data damaged (CRC error)</translation>
    </message>
    <message>
        <source>tar の項目の大きさが正しくありません</source>
        <translation>a tar entry&apos;s size is wrong</translation>
    </message>
    <message>
        <source>tar の拡張ヘッダ (pax) が正しくありません</source>
        <translation>a tar extended (pax) header is wrong</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>原因のわからないエラー</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>ヘッダが正しくありません</source>
        <translation>wrong header</translation>
    </message>
    <message>
        <source>圧縮の方式がわかりません</source>
        <translation>unknown compression method</translation>
    </message>
    <message>
        <source>圧縮データが正しくありません</source>
        <translation>invalid compressed data</translation>
    </message>
    <message>
        <source>%s データが途中で切れています</source>
        <translation>%s data cut short</translation>
    </message>
    <message>
        <source>%s データが壊れています（%s）</source>
        <translation>%s data damaged (%s)</translation>
    </message>
    <message>
        <source>gzip データが壊れています（CRC が合いません）</source>
        <translation>gzip data damaged (CRC error)</translation>
    </message>
    <message>
        <source>gzip データが壊れています（長さが合いません）</source>
        <translation>gzip data damaged (length error)</translation>
    </message>
    <message>
        <source>%s データの展開中にメモリが足りなくなりました</source>
        <translation>out of memory decompressing %s data</translation>
    </message>
    <message>
        <source>%s データを展開できません</source>
        <translation>%s data cannot be decompressed</translation>
    </message>
    <message>
        <source>読み込みエラー</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>途中で切れています（アーカイブの終わりを示すブロックがありません）</source>
        <translation>cut short: the archive ends without its end-of-archive blocks</translation>
    </message>
    <message>
        <source>読んでいません: アーカイブは %d 段の入れ子までしか読みません</source>
        <translation>not read: archives are read no more than %d levels deep</translation>
    </message>
    <message>
        <source>%d MiB を超えています</source>
        <translation>larger than %d MiB</translation>
    </message>
    <message>
        <source>展開できません: %s</source>
        <translation>cannot decompress: %s</translation>
    </message>
</context>
</TS>
