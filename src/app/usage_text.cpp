#include "app/usage_text.h"

#include "common/translation.h"

namespace tremblo {

namespace {

// One entry per section, each translated as a whole.
constexpr const char* kSections[] = {
    QT_TRANSLATE_NOOP("app", "K-NET / KiK-net 観測波形解析プログラム TREMBLO Ver 4.2 (2016/07/28)\n"
                             "\n"
                             "作者：TREMBLO 開発者\n"
                             "E-mail：tremblo@example.org\n"
                             "ホームページ：https://tremblo.example.org/\n"),
    QT_TRANSLATE_NOOP("app", "■ このプログラムについて\n"
                             "防災科学技術研究所の強震観測網 K-NET および KiK-net の強震記録を読み込み、加速度・速度・変位の波形を表示し、"
                             "弾性応答スペクトル（加速度・速度・変位）を計算・表示します。Ver 2.1 からは、NS成分とEW成分から任意方向の"
                             "水平成分を合成し、その応答スペクトルを求めることもできます。\n"
                             "観測データは K-NET・KiK-net のダウンロードページから入手してください。\n"),
    QT_TRANSLATE_NOOP("app", "■ バージョンごとの追加機能\n"
                             "Ver 4.2：波形のCSVファイル出力を小数点以下3桁にしました。\n"
                             "Ver 4.0：h=0.05 の Sa-Sd スペクトルを追加しました。観測点データを更新しました。画像の保存をGIFからPNGに変更しました。\n"
                             "Ver 3.1：中央防災会議の波形データを読めるようにしました（DATAフォルダーにサンプルファイルがあります）。\n"
                             "Ver 3.0：広島市地震情報ネットワークのファイルを読めるようにしました。\n"),
    QT_TRANSLATE_NOOP("app", "■ リンク\n"
                             "画面右上の「K-NET」「KiK-net」「HRSM」をクリックすると、それぞれのダウンロードページ（ホームページ）が開きます。\n"),
    QT_TRANSLATE_NOOP("app", "■ ファイル名の規則\n"
                             "3成分のファイルは同じ名前で、拡張子がそれぞれ NS、EW、UD です。KiK-net の地中記録 NS1、EW1、UD1 と"
                             "地表記録 NS2、EW2、UD2 も読み込めます。名前を変えたファイルも、拡張子はそのまま残してください。\n"),
    QT_TRANSLATE_NOOP("app", "■ 使い方\n"
                             "(1) ファイルの読込\n"
                             "「ファイル」ボタンを押し、3成分のうちどれか1つのファイルを選びます。残りの2成分は名前から自動的に読み込まれます。"
                             "「3成分読込」を外すと、選んだファイルだけを読み込みます。広島市消防局・中央防災会議のファイルは、メニューの"
                             "「ファイル形式選択」で形式を選んでから読み込みます。\n"
                             "(2) 波形表示\n"
                             "加速度・速度・変位の波形を表示します。「波形/成分」で、1つの波形の3成分表示と、1つの成分の3波形表示を切り替えます。"
                             "表示開始点は自動で決まりますが、「自動」を外すとスライダーや数値で指定できます。時間軸・振幅軸の目盛も選べます。\n"
                             "(3) 応答スペクトル\n"
                             "周期 0.05 秒から 10 秒までの 200 周期について、5 つの減衰定数の応答スペクトルを計算します。"
                             "減衰定数の範囲（標準、×5、×10）や周期の刻み方はメニューで設定できます。\n"
                             "(4) スペクトルの重ね描き\n"
                             "拡大表示したスペクトルを選んで重ね描きできます。\n"
                             "(5) Sa-Sd スペクトル\n"
                             "h=0.05 の加速度応答と変位応答の関係を表示します。\n"
                             "(6) 観測点リスト\n"
                             "K-NET・KiK-net の観測点を一覧表示し、観測点コードで検索できます。\n"
                             "(7) 波形の合成\n"
                             "NS成分とEW成分から任意の方位の水平成分を合成し、K-NET形式のファイルとして保存します。\n"
                             "(8) ダウンロードリンク\n"
                             "K-NET・KiK-net のデータのダウンロードには、提供元での利用登録が必要です。\n"),
    QT_TRANSLATE_NOOP("app", "■ ご注意\n"
                             "DATAフォルダーの観測点ファイルは削除しないでください。\n"),
    QT_TRANSLATE_NOOP("app", "■ 更新履歴\n"
                             "V1.0 2002/01/17 初版\n"
                             "V2.0 応答スペクトルの重ね描き\n"
                             "V2.1 水平成分の合成\n"
                             "V3.0 広島市地震情報ネットワークのファイルに対応\n"
                             "V3.1 中央防災会議の波形データに対応\n"
                             "V4.0 Sa-Sd スペクトル、PNG 出力\n"
                             "V4.2 2016/07/28 波形CSVの小数点以下3桁出力\n"),
    QT_TRANSLATE_NOOP("app", "ご意見・ご感想は tremblo@example.org までお寄せください。\n"),
};

}  // namespace

std::string UsageText() {
    std::string text;
    for (const char* section : kSections) {
        if (!text.empty()) text += '\n';
        text += TrText("app", section);
    }
    return text;
}

}  // namespace tremblo
