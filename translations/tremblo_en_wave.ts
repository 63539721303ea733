<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>tremblo::WavePlotView</name>
    <message>
        <source>ファイルボタンをクリックしてファイルを指定してください</source>
        <translation>Click Open and choose a record file.</translation>
    </message>
    <message>
        <source>中央防災会議ファイル</source>
        <translation>For Central Disaster Prevention Council files</translation>
    </message>
    <message>
        <source>広島市地震情報ネットワークシステムのファイルはメニューバーの</source>
        <translation>and Hiroshima City seismic network files, choose</translation>
    </message>
    <message>
        <source>「ファイル」でファイル形式を選択してください</source>
        <translation>the file format in the Format menu first.</translation>
    </message>
</context>
<context>
    <name>wave</name>
    <message>
        <source>5弱</source>
        <translation>5 Lower</translation>
    </message>
    <message>
        <source>5強</source>
        <translation>5 Upper</translation>
    </message>
    <message>
        <source>6弱</source>
        <translation>6 Lower</translation>
    </message>
    <message>
        <source>6強</source>
        <translation>6 Upper</translation>
    </message>
    <message>
        <source>記録が0.3秒に満たないため計測震度を求められません</source>
        <translation>No JMA intensity: the record is shorter than 0.3 s</translation>
    </message>
    <message>
        <source>計測震度の計算に必要なメモリが足りません</source>
        <translation>Not enough memory to compute the JMA intensity</translation>
    </message>
    <message>
        <source>揺れがないため計測震度を求められません</source>
        <translation>No JMA intensity: the record shows no motion</translation>
    </message>
    <message>
        <source>三成分の記録でないため計測震度を求められません</source>
        <translation>No JMA intensity: the record does not have three components</translation>
    </message>
    <message>
        <source>計測震度 %.1f (震度%s)</source>
        <translation>JMA intensity %.1f (%s)</translation>
    </message>
    <message>
        <source>開始点番号が大きすぎます</source>
        <translation>The start sample is too large</translation>
    </message>
    <message>
        <source>開始点番号には整数を入力してください</source>
        <translation>Enter a whole number as the start sample</translation>
    </message>
    <message>
        <source>開始点番号エラー</source>
        <translation>Start sample error</translation>
    </message>
    <message>
        <source>振幅軸目盛には数値を入力してください</source>
        <translation>Enter a number as the amplitude scale</translation>
    </message>
    <message>
        <source>振幅軸目盛エラー</source>
        <translation>Amplitude scale error</translation>
    </message>
    <message>
        <source>直交する水平2成分と上下成分の記録でないため計測震度を求められません</source>
        <translation>The JMA intensity cannot be computed: the record is not of two perpendicular horizontal components and a vertical one</translation>
    </message>
    <message>
        <source>時間 [s]</source>
        <translation>Time [s]</translation>
    </message>
    <message>
        <source>揺れなし</source>
        <translation>No motion</translation>
    </message>
    <message>
        <source>Husid 曲線 (∫a²dt の累積の割合)   %s   %s</source>
        <translation>Husid curve (cumulative share of ∫a²dt)   %s   %s</translation>
    </message>
</context>
</TS>
