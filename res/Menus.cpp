#include "res/Menus.h"

#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr MenuItem kSeparator{0, ""};

constexpr MenuItem kFile128[] = {
    {ID_FILE_CLOSE, "閉じる(&C)"},
    kSeparator,
    {ID_APP_EXIT, "Kirokanの終了(&X)"},
};
constexpr MenuItem kFile129[] = {
    {ID_FILE_CLOSE, "閉じる(&C)"},
    {ID_APP_EXIT, "DKironoの終了(&X)"},
};
constexpr MenuItem kView[] = {
    {ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰ(&T)"},
    {ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"},
};
constexpr MenuItem kHaikuHall[] = {
    {ID_HAIKU_REGISTER, "登録全句"},
    {ID_HAIKU_OUFUSHA, "キロノ全句集(桜楓社)"},
    {ID_HAIKU_SHINCHOSHA, "キロノ句集(新潮社)"},
    {ID_HAIKU_ICHINICHI, "キロノ一日一句(近代文芸社)"},
    {ID_HAIKU_NENPU, "キロノ年譜大成(角川書店)"},
};
constexpr MenuItem kWorksHall[] = {
    {ID_WORK_COLLECTION, "作品集"},
    {ID_WORK_OKUNO, "おくのほそ道"},
    {ID_WORK_SARASINA, "更科紀行"},
    {ID_WORK_NOZARASI, "野ざらし紀行"},
    {ID_WORK_KASIMA, "鹿島詣"},
    {ID_WORK_KOBUMI, "笈の小文"},
    {ID_WORK_SAGA, "嵯峨日記"},
};
constexpr MenuItem kLifeHall[] = {
    {ID_LIFE_CHRONOLOGY, "キロノの略年譜"},
    {ID_LIFE_FRIENDS, "キロノの弟子・友人"},
    {ID_LIFE_MEMORIALS, "キロノの記念館"},
    {ID_LIFE_MONUMENTS, "キロノの句碑"},
};
constexpr MenuItem kDataHall[] = {
    {ID_DATA_HAIKU_CARD, "キロノの俳句"},
    {ID_DATA_NATURE, "キロノが詠む動植物"},
    {ID_DATA_GLOSSARY, "語彙"},
    kSeparator,
    {ID_DATA_SEARCH, "総合検索"},
};
constexpr MenuItem kCalendarHall[] = {
    {ID_CALENDAR_TABLE, "旧暦・西暦対照表"},
    kSeparator,
    {ID_CALENDAR_YEAR, "表示年の設定"},
    kSeparator,
    {ID_CALENDAR_CONVERT, "日付の換算"},
};
constexpr MenuItem kWindow[] = {
    {ID_WINDOW_NEW, "新しいｳｨﾝﾄﾞｳを開く(&N)"},
    {ID_WINDOW_CASCADE, "重ねて表示(&C)"},
    {ID_WINDOW_TILE_HORZ, "並べて表示(&T)"},
    {ID_WINDOW_ARRANGE, "ｱｲｺﾝの整列(&A)"},
};
constexpr MenuItem kHelp128[] = {
    {ID_HELP_CONTENTS, "目次(&I)"},
    kSeparator,
    {ID_APP_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報(Kirokan)(&A)..."},
    kSeparator,
    {ID_ONE_POINT, "ワンポイント(&O)"},
};
constexpr MenuItem kHelp129[] = {
    {ID_HELP_CONTENTS, "目次(&I)"},
    kSeparator,
    {ID_APP_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報(Kirokan)(&A)..."},
    kSeparator,
    {ID_ONE_POINT, "ワンポイント(&O)"},
    kSeparator,
    {ID_FIND, "検索(&F)"},
};

constexpr const char* kFileTitle = "ﾌｧｲﾙ(&F)";
constexpr const char* kViewTitle = "表示(&V)";
constexpr const char* kHaikuTitle = "俳句館(&B)";
constexpr const char* kWorksTitle = "作品館(&S)";
constexpr const char* kLifeTitle = "生涯館(&L)";
constexpr const char* kDataTitle = "データ館(&D)";
constexpr const char* kCalendarTitle = "暦館(&K)";
constexpr const char* kWindowTitle = "ｳｨﾝﾄﾞｳ(&W)";
constexpr const char* kHelpTitle = "ﾍﾙﾌﾟ(&H)";

constexpr MenuPopup kMenu128[] = {
    {kFileTitle, kFile128},      {kViewTitle, kView},       {kHaikuTitle, kHaikuHall},
    {kWorksTitle, kWorksHall},   {kLifeTitle, kLifeHall},   {kDataTitle, kDataHall},
    {kCalendarTitle, kCalendarHall}, {kHelpTitle, kHelp128},
};
constexpr MenuPopup kMenu129[] = {
    {kFileTitle, kFile129},      {kViewTitle, kView},       {kHaikuTitle, kHaikuHall},
    {kWorksTitle, kWorksHall},   {kLifeTitle, kLifeHall},   {kDataTitle, kDataHall},
    {kCalendarTitle, kCalendarHall}, {kWindowTitle, kWindow}, {kHelpTitle, kHelp129},
};

constexpr MenuResource kMenus[] = {
    {IDR_MAINFRAME, kMenu128},
    {IDR_KIROKATYPE, kMenu129},
};

}  // namespace

const MenuResource* FindMenu(int id) {
    for (const MenuResource& m : kMenus)
        if (m.id == id) return &m;
    return nullptr;
}

const char* FindMenuLabel(int menuId, int id) {
    const MenuResource* menu = FindMenu(menuId);
    if (!menu || id == 0) return nullptr;
    for (const MenuPopup& popup : menu->popups)
        for (const MenuItem& item : popup.items)
            if (item.id == id) return item.label;
    return nullptr;
}

}  // namespace res
