#include "res/Strings.h"

#include <algorithm>
#include <iterator>

namespace res {
namespace {

struct StringEntry {
    int id;
    const char* text;
};

constexpr StringEntry kStrings[] = {
    {IDR_MAINFRAME, "『キロノ』博物館 V1.08"},
    {IDR_KIROKATYPE, "\nKiroka\nKiroka\n\n\nKirokan.Document\nKiroka Document"},
    {IDS_APP_TITLE, "『キロノ』博物館 V1.08"},
    {IDS_IDLE_MESSAGE, "ﾍﾙﾌﾟを表示するには [F1] を押してください。"},
    {IDS_SEARCH_BAR, "検索\n検索"},

    // Command prompts: "status text\ntool tip".
    {ID_HAIKU_REGISTER, "『キロノ』辞典に登録されている全句を表示します.\n登録全句"},
    {ID_HAIKU_OUFUSHA, "キロノ全句集(桜楓社)を表示します。\nキロノ全句集(桜楓社)"},
    {ID_HAIKU_SHINCHOSHA, "キロノ句集(新潮社)を表示します。\nキロノ句集(新潮社)"},
    {ID_HAIKU_ICHINICHI, "キロノ一日一句(近代文芸社)を表示します。\nキロノ一日一句(近代文芸社)"},
    {ID_HAIKU_NENPU, "キロノ年譜大成(角川書店)を表示します\nキロノ年譜大成(角川書店)"},
    {ID_WORK_COLLECTION, "キロノの作品集を表示します。\nキロノの作品集"},
    {ID_WORK_OKUNO, "おくのほそ道の行程を表示します\nおくのほそ道"},
    {ID_WORK_SARASINA, "更科紀行の全文を表示します\n更科紀行"},
    {ID_WORK_NOZARASI, "野ざらし紀行の全文を表示します\n野ざらし紀行"},
    {ID_WORK_KASIMA, "鹿島詣の全文を表示します\n鹿島詣"},
    {ID_WORK_KOBUMI, "笈の小文の全文を表示します\n笈の小文"},
    {ID_WORK_SAGA, "嵯峨日記の全文を表示します\n嵯峨日記"},
    {ID_LIFE_CHRONOLOGY, "キロノの略年譜を表示します.\nキロノの略年譜"},
    {ID_LIFE_FRIENDS, "キロノの弟子・友人などを表示します。\n弟子・友人など"},
    {ID_LIFE_MEMORIALS, "キロノの記念館を表示します。\nキロノの記念館"},
    {ID_LIFE_MONUMENTS, "キロノの句碑を表示します.\nキロノの句碑"},
    {ID_DATA_HAIKU_CARD, "キロノの俳句を表示します\nキロノの俳句"},
    {ID_DATA_NATURE, "キロノが詠む動植物を表示します。\nキロノが詠む動植物"},
    {ID_DATA_GLOSSARY, "語彙を表示します\n語彙"},
    {ID_CALENDAR_TABLE, "旧暦・西暦対照表を表示します。\n旧暦・西暦対照表"},
    {ID_CALENDAR_YEAR, "旧暦の表示年の設定\n表示年の設定"},
    {ID_DATA_SEARCH, "博物館の俳句・解釈・作品・語彙・ヘルプをまとめて検索します。\n総合検索"},
    {ID_CALENDAR_CONVERT, "旧暦と西暦の日付を換算します。\n日付の換算"},
    {ID_HELP_CONTENTS, "簡易ヘルプの目次を表示します\n簡易ヘルプの目次"},
    {ID_APP_ABOUT, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {ID_ONE_POINT, "ワンポイントを表示します。\nワンポイント"},
    {ID_FIND, "検索\n検索"},
    {ID_FILE_CLOSE, "作業中のﾌｧｲﾙを閉じる\n閉じる"},
    {ID_APP_EXIT, "Kirokanを終了\n終了"},
    {ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示/非表示"},
    {ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示/非表示"},
    {ID_WINDOW_NEW, "作業中のｳｨﾝﾄﾞｳを複写して表示\n新規ｳｨﾝﾄﾞｳ"},
    {ID_WINDOW_CASCADE, "ｳｨﾝﾄﾞｳを重ねて表示\n重ねて表示"},
    {ID_WINDOW_TILE_HORZ, "ｳｨﾝﾄﾞｳを上下に並べて表示\n上下に並べて表示"},
    {ID_WINDOW_ARRANGE, "ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列\nｱｲｺﾝの整列"},
};

const StringEntry* Find(int id) {
    auto it = std::find_if(std::begin(kStrings), std::end(kStrings),
                           [id](const StringEntry& e) { return e.id == id; });
    return it == std::end(kStrings) ? nullptr : &*it;
}

}  // namespace

std::string LoadString(int id) {
    const StringEntry* e = Find(id);
    return e ? std::string(e->text) : std::string();
}

bool HasString(int id) { return Find(id) != nullptr; }

std::string LoadStringField(int id, int n) {
    const std::string text = LoadString(id);
    std::string::size_type start = 0;
    for (int i = 0; i < n; ++i) {
        const auto nl = text.find('\n', start);
        if (nl == std::string::npos) return {};
        start = nl + 1;
    }
    const auto end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace res
