<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>fourier</name>
    <message>
        <source>振動数 [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>フーリエスペクトル %s   %s   b=%.0f%s</source>
        <translation>Fourier amplitude %s   %s   b=%.0f%s</translation>
    </message>
    <message>
        <source>   5%テーパー</source>
        <translation>   5% taper</translation>
    </message>
    <message>
        <source>地表と地中の記録が揃っていません</source>
        <translation>No surface/borehole pair</translation>
    </message>
    <message>
        <source>地表と地中の振動数が異なります</source>
        <translation>Frequencies of the pair differ</translation>
    </message>
    <message>
        <source>地表/地中 スペクトル比</source>
        <translation>Surface/borehole spectral ratio</translation>
    </message>
    <message>
        <source>H/V スペクトル比</source>
        <translation>H/V spectral ratio</translation>
    </message>
    <message>
        <source>3成分の記録が必要です</source>
        <translation>Needs three components</translation>
    </message>
    <message>
        <source>%s: %d の振動数で値がありません (平滑化した %s のスペクトルが 0 です)。CSV のその欄は空です</source>
        <translation>%s: no value at %d frequencies (the smoothed %s spectrum is 0 there); those cells of the CSV are empty</translation>
    </message>
    <message>
        <source>地中のスペクトルが 0 です</source>
        <translation>The borehole spectrum is 0</translation>
    </message>
    <message>
        <source>UD のスペクトルが 0 です</source>
        <translation>The UD spectrum is 0</translation>
    </message>
    <message>
        <source>スペクトルがありません</source>
        <translation>no spectra</translation>
    </message>
    <message>
        <source>地表 (X.NS2) と地中 (X.NS1) の記録の組ではありません</source>
        <translation>not a surface (X.NS2) and a borehole (X.NS1) record</translation>
    </message>
    <message>
        <source>地表と地中の記録のファイルが異なります</source>
        <translation>the surface and borehole records are of other files</translation>
    </message>
    <message>
        <source>2 つの記録の成分が異なります</source>
        <translation>the two records have other components</translation>
    </message>
    <message>
        <source>2 つの記録のスペクトルの振動数が異なります (サンプリングまたはウィンドウの長さ)</source>
        <translation>the two records&apos; spectra are on other frequencies (sampling or window length)</translation>
    </message>
    <message>
        <source>2 つの記録のスペクトルの設定が異なります (テーパーまたは平滑化 b)</source>
        <translation>the two records&apos; spectra were made with other settings (taper or smoothing b)</translation>
    </message>
</context>
<context>
    <name>tremblo::TFourier</name>
    <message>
        <source>フーリエスペクトル</source>
        <translation>Fourier spectra</translation>
    </message>
    <message>
        <source>平滑化 b</source>
        <translation>Smoothing b</translation>
    </message>
    <message>
        <source>スペクトル比</source>
        <translation>Spectral ratio</translation>
    </message>
    <message>
        <source>地表/地中</source>
        <translation>Surf./bore.</translation>
    </message>
    <message>
        <source>生スペクトル</source>
        <translation>Raw spectra</translation>
    </message>
    <message>
        <source>5%テーパー</source>
        <translation>5% taper</translation>
    </message>
    <message>
        <source>両端5%のコサインテーパー</source>
        <translation>Cosine taper over 5% at each end</translation>
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
        <source>ｽﾍﾟｸﾄﾙをPNGﾌｧｲﾙで保存</source>
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
        <source>フーリエスペクトルを計算しています・・・・</source>
        <translation>Calculating the Fourier spectra...</translation>
    </message>
    <message>
        <source>フーリエスペクトルの計算に必要なメモリが足りません</source>
        <translation>Not enough memory to calculate the Fourier spectra.</translation>
    </message>
    <message>
        <source>メモリ不足</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ (*.png)|*.png|すべて (*.*)|*.*</source>
        <translation>PNG pictures (*.png)|*.png|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>CSVﾌｧｲﾙ(*.*)|*.csv|ﾃｷｽﾄﾌｧｲﾙ|*.txt|すべて|*.*</source>
        <translation>CSV files (*.csv)|*.csv|Text files (*.txt)|*.txt|All files (*.*)|*.*</translation>
    </message>
</context>
</TS>
