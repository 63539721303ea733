<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>batch</name>
    <message>
        <source>読み込めません</source>
        <translation>cannot be read</translation>
    </message>
</context>
<context>
    <name>python</name>
    <message>
        <source>数値の配列ではありません</source>
        <translation>not an array of numbers</translation>
    </message>
    <message>
        <source>実数の型ではありません</source>
        <translation>not of a real number type</translation>
    </message>
    <message>
        <source>float32 に変換できません</source>
        <translation>cannot be converted to float32</translation>
    </message>
    <message>
        <source>行数が違います</source>
        <translation>wrong number of rows</translation>
    </message>
    <message>
        <source>次元数が違います</source>
        <translation>wrong number of dimensions</translation>
    </message>
    <message>
        <source>サンプルがありません</source>
        <translation>no samples</translation>
    </message>
    <message>
        <source>サンプル数が多すぎます</source>
        <translation>too many samples</translation>
    </message>
    <message>
        <source>有限の数でない値があります</source>
        <translation>a value is not a finite number</translation>
    </message>
    <message>
        <source>0 より大きい有限の数でなければなりません</source>
        <translation>must be a finite number above zero</translation>
    </message>
    <message>
        <source>float32 の範囲外です</source>
        <translation>out of the range of float32</translation>
    </message>
    <message>
        <source>数値または数値の並びではありません</source>
        <translation>not a number or a sequence of numbers</translation>
    </message>
    <message>
        <source>数値または1次元の並びでなければなりません</source>
        <translation>must be a number or a one-dimensional sequence</translation>
    </message>
    <message>
        <source>空です</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>負でない有限の数でなければなりません</source>
        <translation>must be a finite number, not negative</translation>
    </message>
    <message>
        <source>表示時間は次のいずれかの秒数です</source>
        <translation>The span must be one of these numbers of seconds</translation>
    </message>
    <message>
        <source>&quot;auto&quot; かサンプル番号（0 以上の整数）を指定してください</source>
        <translation>Give &quot;auto&quot; or a sample number (a whole number, 0 or more)</translation>
    </message>
    <message>
        <source>開始位置がサンプルの範囲外です</source>
        <translation>The start lies outside the samples</translation>
    </message>
    <message>
        <source>周波数の刻みは 0 より大きくなければなりません</source>
        <translation>the frequency step must be above zero</translation>
    </message>
    <message>
        <source>周波数と振幅の数が違います</source>
        <translation>as many frequencies as amplitudes expected</translation>
    </message>
    <message>
        <source>周波数は 0, df, 2 df, ... でなければなりません</source>
        <translation>the frequencies must be 0, df, 2 df, ...</translation>
    </message>
    <message>
        <source>1次元のスペクトルか、スペクトル×周波数の配列を指定してください</source>
        <translation>give one spectrum or spectra x frequencies</translation>
    </message>
    <message>
        <source>周波数が二つ以上必要です</source>
        <translation>at least two frequencies are needed</translation>
    </message>
    <message>
        <source>形式名が違います</source>
        <translation>an unknown format name</translation>
    </message>
    <message>
        <source>アーカイブにこの名前の記録がありません（記録は最初のメンバーの名前で呼ばれます）</source>
        <translation>no record of the archive has this name (a record is named by its first member)</translation>
    </message>
    <message>
        <source>記録がありません</source>
        <translation>no record in it</translation>
    </message>
    <message>
        <source>newmark か exact を指定してください</source>
        <translation>give newmark or exact</translation>
    </message>
    <message>
        <source>減衰定数は 1 未満の比で指定します (5 % は 0.05)</source>
        <translation>damping ratios are fractions below 1 (0.05 for 5 %)</translation>
    </message>
    <message>
        <source>求められるのは 50 (RotD50) と 100 (RotD100) だけです</source>
        <translation>only 50 (RotD50) and 100 (RotD100) are computed</translation>
    </message>
    <message>
        <source>ns とサンプル数が違います</source>
        <translation>a sample count other than that of ns</translation>
    </message>
    <message>
        <source>減衰定数は一つだけ指定します</source>
        <translation>give one damping ratio</translation>
    </message>
</context>
</TS>
