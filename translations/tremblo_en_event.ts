<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>event</name>
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
        <source>震度%s</source>
        <translation>JMA %s</translation>
    </message>
    <message>
        <source>座標のある観測点がありません</source>
        <translation>No station with coordinates</translation>
    </message>
    <message>
        <source>震央</source>
        <translation>Epicentre</translation>
    </message>
    <message>
        <source>KiK-net 地表</source>
        <translation>KiK-net surface</translation>
    </message>
    <message>
        <source>KiK-net 地中</source>
        <translation>KiK-net borehole</translation>
    </message>
    <message>
        <source>広島市</source>
        <translation>Hiroshima City</translation>
    </message>
    <message>
        <source>中央防災会議</source>
        <translation>CDPC</translation>
    </message>
    <message>
        <source>震央距離 [km]</source>
        <translation>Epicentral distance [km]</translation>
    </message>
    <message>
        <source>計測震度</source>
        <translation>JMA instrumental intensity</translation>
    </message>
    <message>
        <source>アリアス強度</source>
        <translation>Arias intensity</translation>
    </message>
    <message>
        <source>ブラケット継続時間</source>
        <translation>Bracketed duration</translation>
    </message>
    <message>
        <source>ハウスナーSI</source>
        <translation>Housner SI</translation>
    </message>
    <message>
        <source>SI値</source>
        <translation>SI value</translation>
    </message>
    <message>
        <source>SI値 水平動</source>
        <translation>SI value horizontal</translation>
    </message>
    <message>
        <source>値なし</source>
        <translation>No value</translation>
    </message>
</context>
</TS>
