<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>spectrum</name>
    <message>
        <source>RotD50/RotD100 は水平2成分（NS, EW）の記録が必要です</source>
        <translation>RotD50/RotD100 need both horizontal components (NS, EW)</translation>
    </message>
    <message>
        <source>Sa-Sdスペクトラム&#x3000;h=</source>
        <translation>Sa-Sd spectrum  h=</translation>
    </message>
    <message>
        <source>変位 Sd [cm]</source>
        <translation>Displacement Sd [cm]</translation>
    </message>
    <message>
        <source>加速度 Sa [gal]</source>
        <translation>Acceleration Sa [gal]</translation>
    </message>
    <message>
        <source>周&#x3000;期 [s]</source>
        <translation>Period [s]</translation>
    </message>
    <message>
        <source>振動数 [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source> (擬似)</source>
        <translation> (pseudo)</translation>
    </message>
    <message>
        <source>サンプリング間隔 %g 秒では応答を計算できません (0 秒を超え 1 秒以下が必要です)</source>
        <translation>The response cannot be computed at a sampling interval of %g s (it must be above 0 s and at most 1 s)</translation>
    </message>
    <message>
        <source>周期 %g 秒の応答は計算できません (正の有限の周期が必要です)</source>
        <translation>The response at a period of %g s cannot be computed (a positive finite period is needed)</translation>
    </message>
    <message>
        <source>周期 %g 秒の応答は計算できません (サンプリング間隔 %g 秒に対して短すぎます)</source>
        <translation>The response at a period of %g s cannot be computed (too short for the sampling interval of %g s)</translation>
    </message>
    <message>
        <source>第%d成分の周期 %g 秒 (減衰 %g%%) の応答が有限の値になりません</source>
        <translation>The response of component %d at a period of %g s (damping %g%%) is not a finite number</translation>
    </message>
    <message>
        <source>（厳密解）</source>
        <translation> (exact)</translation>
    </message>
    <message>
        <source>pSa-Sdスペクトラム&#x3000;h=</source>
        <translation>pSa-Sd spectrum  h=</translation>
    </message>
    <message>
        <source>擬似加速度 pSa [gal]</source>
        <translation>Pseudo acc. pSa [gal]</translation>
    </message>
    <message>
        <source>周期 %g 秒 (減衰 %g%%) の RotD50/RotD100 が有限の値になりません</source>
        <translation>RotD50/RotD100 at a period of %g s (damping %g%%) is not a finite number</translation>
    </message>
    <message>
        <source>水平2成分の方位（%g° と %g°）が直交していないため RotD50/RotD100 を求められません</source>
        <translation>RotD50/RotD100 cannot be computed: the two horizontal components (%g° and %g°) are not perpendicular</translation>
    </message>
    <message>
        <source>水平2成分の方位がファイルに書かれていないため RotD50/RotD100 を求められません</source>
        <translation>RotD50/RotD100 cannot be computed: the files do not state the azimuths of the two horizontal components</translation>
    </message>
    <message>
        <source>直交する水平2成分の記録でないため、水平動の SI 値と最大値の RotD50/RotD100 を求められません</source>
        <translation>The record does not hold two perpendicular horizontal components: no SI value of the horizontal motion and no RotD50/RotD100 of the peaks</translation>
    </message>
</context>
<context>
    <name>tremblo::TLarge</name>
    <message>
        <source>地震応答スペクトラム</source>
        <translation>Response spectra</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ(*.png)|*.PNG|すべて(*.*)|*.*</source>
        <translation>PNG pictures (*.png)|*.PNG|All files (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>tremblo::TNextStep</name>
    <message>
        <source>地震応答スペクトラム</source>
        <translation>Response spectra</translation>
    </message>
    <message>
        <source>地震応答スペクトラム拡大図</source>
        <translation>Enlarged response spectrum</translation>
    </message>
    <message>
        <source>地震応答スペクトラムの重ね合わせ図</source>
        <translation>Superposed response spectra</translation>
    </message>
    <message>
        <source>次&#x3000;へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>次の拡大図</source>
        <translation>Next enlarged spectrum</translation>
    </message>
    <message>
        <source>戻&#x3000;る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>前の拡大図</source>
        <translation>Previous enlarged spectrum</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>ｸﾘｯﾌﾟボードへｺﾋﾟｰ</source>
        <translation>Copy to the clipboard</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>現在の拡大図をPNGﾌｧｲﾙで保存</source>
        <translation>Save this enlarged spectrum as a PNG picture</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>拡大図を終了</source>
        <translation>Close the enlarged view</translation>
    </message>
    <message>
        <source>新規作図</source>
        <translation>New</translation>
    </message>
    <message>
        <source>現在の拡大図で新規にｽﾍﾟｸﾄﾗﾑを作成</source>
        <translation>Start a superposed graph with this spectrum</translation>
    </message>
    <message>
        <source>重ね合わせ</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>現在の拡大図を追加する</source>
        <translation>Add this spectrum to the superposed graph</translation>
    </message>
    <message>
        <source>重ね合わせｽﾍﾟｸﾄﾗﾑをPNGﾌｧｲﾙで保存</source>
        <translation>Save the superposed graph as a PNG picture</translation>
    </message>
    <message>
        <source>重ね合わせ図を終了</source>
        <translation>Close the superposed view</translation>
    </message>
</context>
<context>
    <name>tremblo::TSdSa</name>
    <message>
        <source>Sa-Sdスペクトラム</source>
        <translation>Sa-Sd spectrum</translation>
    </message>
    <message>
        <source>Sa-Sdスペクトラム&#x3000;h=0.05</source>
        <translation>Sa-Sd spectrum  h=0.05</translation>
    </message>
    <message>
        <source>変位調整</source>
        <translation>Adjusted Sd</translation>
    </message>
    <message>
        <source>線サイズ</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ(*.png)|*.png|すべて(*.*)|*.*</source>
        <translation>PNG pictures (*.png)|*.png|All files (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>tremblo::TSpect</name>
    <message>
        <source>地震応答スペクトラム</source>
        <translation>Response spectra</translation>
    </message>
    <message>
        <source>地震応答ｽﾍﾟｸﾄﾗﾑ</source>
        <translation>Spectra</translation>
    </message>
    <message>
        <source>成分ごと</source>
        <translation>By component</translation>
    </message>
    <message>
        <source>応答ごと</source>
        <translation>By response</translation>
    </message>
    <message>
        <source>成分</source>
        <translation>Component</translation>
    </message>
    <message>
        <source>１ (NS)</source>
        <translation>1 (NS)</translation>
    </message>
    <message>
        <source>２ (EW)</source>
        <translation>2 (EW)</translation>
    </message>
    <message>
        <source>３ (UD)</source>
        <translation>3 (UD)</translation>
    </message>
    <message>
        <source>応答</source>
        <translation>Response</translation>
    </message>
    <message>
        <source>加速度</source>
        <translation>Accel.</translation>
    </message>
    <message>
        <source>速&#x3000;度</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>変&#x3000;位</source>
        <translation>Displ.</translation>
    </message>
    <message>
        <source>横&#x3000;軸</source>
        <translation>X axis</translation>
    </message>
    <message>
        <source>目盛り</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>線形</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>対数</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>縦&#x3000;軸</source>
        <translation>Y axis</translation>
    </message>
    <message>
        <source>減衰比</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>色分け</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>減衰比による色分け</source>
        <translation>Colour the curves by damping ratio</translation>
    </message>
    <message>
        <source>拡大図</source>
        <translation>Enlarge</translation>
    </message>
    <message>
        <source>拡大ｽﾍﾟｸﾄﾗﾑ</source>
        <translation>Show the spectra one by one, enlarged</translation>
    </message>
    <message>
        <source>線サイズ</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>計&#x3000;算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Sd-Saスペクトラム</source>
        <translation>Sa-Sd spectrum</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>Redraw</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ</source>
        <translation>Copy the graph to the clipboard</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>ｽﾍﾟｸﾄﾗﾑをPNGﾌｧｲﾙで保存</source>
        <translation>Save the spectra as a PNG picture</translation>
    </message>
    <message>
        <source>CSVﾌｧｲﾙ</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>ｽﾍﾟｸﾄﾙをCSVﾌｧｲﾙで保存</source>
        <translation>Save the spectra as a CSV table</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ (*,png)|*.png|すべて (*.*)|*.*</source>
        <translation>PNG pictures (*.png)|*.png|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>CSVﾌｧｲﾙ(*.*)|*.csv|ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべて|*.*</source>
        <translation>CSV files (*.csv)|*.csv|Text files (*.txt)|*.txt|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>応答スペクトルを計算しています・・・・</source>
        <translation>Calculating the response spectra...</translation>
    </message>
    <message>
        <source>応答スペクトルの計算に必要なメモリが足りません</source>
        <translation>Not enough memory to calculate the response spectra.</translation>
    </message>
    <message>
        <source>メモリ不足</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>計算方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Newmark β=1/6</source>
        <translation>Newmark β=1/6</translation>
    </message>
    <message>
        <source>厳密解(区分線形)</source>
        <translation>Exact (piecewise linear)</translation>
    </message>
    <message>
        <source>応答の計算方法: 線形加速度法、または地動加速度を区分線形とした厳密解</source>
        <translation>How the response is calculated: the linear acceleration method, or the exact solution for a ground acceleration linear between samples</translation>
    </message>
    <message>
        <source>擬似応答 (pSA, pSV)</source>
        <translation>Pseudo (pSA, pSV)</translation>
    </message>
    <message>
        <source>SA と SV の代わりに擬似加速度 ω²SD と擬似速度 ωSD を表示</source>
        <translation>Shows the pseudo acceleration ω²SD and the pseudo velocity ωSD in place of SA and SV</translation>
    </message>
    <message>
        <source>応答スペクトルを計算できません</source>
        <translation>Cannot calculate the response spectra</translation>
    </message>
</context>
<context>
    <name>tremblo::TSuper</name>
    <message>
        <source>地震応答ｽﾍﾟｸﾄﾗﾑ</source>
        <translation>Response spectra</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ(*.png)|*.png|すべて(*.*)|*.*</source>
        <translation>PNG pictures (*.png)|*.png|All files (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>tremblo::TargetChooser</name>
    <message>
        <source>CSVﾌｧｲﾙ(*.csv)|*.csv|すべて(*.*)|*.*</source>
        <translation>CSV tables (*.csv)|*.csv|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>目標スペクトル</source>
        <translation>Target spectra</translation>
    </message>
    <message>
        <source>告示 安全限界</source>
        <translation>BSL safety</translation>
    </message>
    <message>
        <source>平成12年建設省告示第1461号 解放工学的基盤の加速度応答スペクトル (極めて稀)</source>
        <translation>Acceleration response spectrum at the engineering bedrock, Ministry of Construction Notification No. 1461 (2000): very rare earthquakes (safety limit)</translation>
    </message>
    <message>
        <source>告示 損傷限界</source>
        <translation>BSL damage</translation>
    </message>
    <message>
        <source>平成12年建設省告示第1461号 解放工学的基盤の加速度応答スペクトル (稀)</source>
        <translation>Acceleration response spectrum at the engineering bedrock, Ministry of Construction Notification No. 1461 (2000): rare earthquakes (damage limit)</translation>
    </message>
    <message>
        <source>地震地域係数</source>
        <translation>Seismic zone factor</translation>
    </message>
    <message>
        <source>ファイル...</source>
        <translation>File...</translation>
    </message>
    <message>
        <source>周期 [s], 加速度 [gal] の CSV ファイルを追加</source>
        <translation>Add a CSV table of period [s] and acceleration [gal]</translation>
    </message>
    <message>
        <source>消去</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>目標スペクトルをすべて消す</source>
        <translation>Remove all target spectra</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
</TS>
