<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>target</name>
    <message>
        <source>目標スペクトルは %d つまで選べます。
消去してから選び直してください。</source>
        <translation>Up to %d target spectra can be chosen.
Clear them and choose again.</translation>
    </message>
    <message>
        <source>告示 安全限界</source>
        <translation>BSL safety</translation>
    </message>
    <message>
        <source>告示 損傷限界</source>
        <translation>BSL damage</translation>
    </message>
    <message>
        <source>%s の %d 行目: %s</source>
        <translation>%s, line %d: %s</translation>
    </message>
    <message>
        <source>周期 [s] と加速度 [gal] の 2 つの数値をカンマで区切って書いてください</source>
        <translation>write two numbers separated by a comma, period [s] and acceleration [gal]</translation>
    </message>
    <message>
        <source>周期と加速度は 0 より大きい値にしてください</source>
        <translation>period and acceleration must be greater than 0</translation>
    </message>
    <message>
        <source>周期は短い順に、同じ周期を重ねずに並べてください</source>
        <translation>periods must be in ascending order, each only once</translation>
    </message>
    <message>
        <source>行が多すぎます (%d 行まで)</source>
        <translation>too many lines (at most %d)</translation>
    </message>
    <message>
        <source>行が長すぎます (表ではありません)</source>
        <translation>line too long (not a table)</translation>
    </message>
    <message>
        <source>%s を読めません</source>
        <translation>Cannot read %s</translation>
    </message>
    <message>
        <source>%s には周期と加速度の行が 2 行以上必要です</source>
        <translation>%s needs at least two lines of period and acceleration</translation>
    </message>
    <message>
        <source>%s が見つかりません</source>
        <translation>%s was not found</translation>
    </message>
    <message>
        <source>%s は表のファイルではありません</source>
        <translation>%s is not a table file</translation>
    </message>
    <message>
        <source>%s を開けません</source>
        <translation>Cannot open %s</translation>
    </message>
    <message>
        <source>目標スペクトル</source>
        <translation>Target spectra</translation>
    </message>
    <message>
        <source>地震地域係数 Z は %.1f から %.1f の値にしてください</source>
        <translation>the zone coefficient Z must be from %.1f to %.1f</translation>
    </message>
    <message>
        <source>NUL 文字 (0x00) があります (文字の表ではありません)</source>
        <translation>holds a NUL byte (not a text table)</translation>
    </message>
</context>
</TS>
