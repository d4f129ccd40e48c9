#pragma once
// The program's 16-bit resource and command ids.

namespace res {

enum : int {
    // Menus, icons, tool bar, accelerators, document string.
    IDR_MAINFRAME = 128,     // menu, icon, tool bar, accelerators, main title
    IDR_KIROKATYPE = 129,    // document windows: menu, icon, document string
    IDB_SEARCH = 136,        // the search bar's button image

    // Dialogs and their controls.
    IDOK = 1,
    IDCANCEL = 2,
    IDD_ABOUTBOX = 100,
    IDC_ABOUT_TITLE = 1000,
    IDC_ABOUT_ICON = 1001,
    IDC_ABOUT_LINE = 1002,
    IDD_NEWTYPE = 30721,     // the chooser of the new command
    IDC_NEWTYPE_LIST = 1003,
    IDD_HAIKU_CARD = 131,    // the haiku card "キロノの俳句"
    IDC_CARD_UPDOWN = 1000,
    IDC_CARD_ORDER = 1001,
    IDC_CARD_NUMBER = 1002,
    IDC_CARD_SEASON = 1003,
    IDC_CARD_PREFACE = 1004,
    IDC_CARD_SOURCE = 1005,
    IDC_CARD_STARTUP = 1006,
    IDC_CARD_HAIKU = 1023,
    IDC_CARD_READING = 1024,
    IDC_CARD_YEAR = 1025,
    IDC_CARD_SEASON_WORD = 1026,
    IDC_CARD_COMMENTARY = 1027,
    IDD_DISPLAY_YEAR = 135,  // the display-year window of the calendar hall
    IDD_MUSEUM_SEARCH = 150,   // the museum-wide search window (data hall)
    IDD_DATE_CONVERTER = 151,  // the date converter (calendar hall)
    IDC_AREA_LABEL = 1006,
    IDC_YEAR_EDIT = 1007,
    IDC_MONTH_EDIT = 1008,
    IDC_AREA_COMBO = 1014,
    IDC_MONTH_LABEL = 1016,
    IDC_YEAR_SPIN = 32778,
    IDC_MONTH_SPIN = 32780,
    // The date converter (dialog 141): 1400..1449.
    IDC_CONV_OLD_GROUP = 1400,
    IDC_CONV_ERA = 1401,
    IDC_CONV_ERA_YEAR = 1402,
    IDC_CONV_OLD_MONTH = 1403,
    IDC_CONV_LEAP = 1404,
    IDC_CONV_OLD_DAY = 1405,
    IDC_CONV_TO_WESTERN = 1406,
    IDC_CONV_WESTERN_GROUP = 1410,
    IDC_CONV_WESTERN_YEAR = 1411,
    IDC_CONV_WESTERN_MONTH = 1412,
    IDC_CONV_WESTERN_DAY = 1413,
    IDC_CONV_JULIAN = 1414,
    IDC_CONV_TO_OLD = 1415,
    IDC_CONV_RESULT_GROUP = 1420,
    IDC_CONV_ROW_LABEL = 1421,  // 1421..1427: the labels of the result rows
    IDC_CONV_ROW_VALUE = 1431,  // 1431..1437: their values
    IDC_CONV_MESSAGE = 1440,
    IDC_CONV_CALENDAR = 1441,
    // The museum-wide search window (1450-1499).
    IDC_MSEARCH_QUERY = 1450,      // the query: editable, its list the remembered queries
    IDC_MSEARCH_RESULTS = 1451,    // the results, grouped
    IDC_MSEARCH_STATUS = 1452,     // the status line and the window's messages
    IDC_MSEARCH_SEASON_FIRST = 1453,  // 1453..1458: 春 夏 秋 冬 新年 雑
    IDC_MSEARCH_YEAR_FROM = 1459,
    IDC_MSEARCH_YEAR_TO = 1460,
    IDC_MSEARCH_KIND_FIRST = 1461,    // 1461..1468: the kinds searched (text::SearchKind bits)
    IDC_MSEARCH_OPEN = 1469,
    IDC_MSEARCH_QUERY_LABEL = 1470,

    // Haiku hall.
    ID_HAIKU_REGISTER = 32778,
    ID_HAIKU_OUFUSHA = 32772,
    ID_HAIKU_SHINCHOSHA = 32771,
    ID_HAIKU_ICHINICHI = 32773,
    ID_HAIKU_NENPU = 32785,
    // Works hall.
    ID_WORK_COLLECTION = 32783,
    ID_WORK_OKUNO = 32776,
    ID_WORK_SARASINA = 32789,
    ID_WORK_NOZARASI = 32791,
    ID_WORK_KASIMA = 32793,
    ID_WORK_KOBUMI = 32794,
    ID_WORK_SAGA = 32798,
    // Life hall.
    ID_LIFE_CHRONOLOGY = 32779,
    ID_LIFE_FRIENDS = 32781,
    ID_LIFE_MEMORIALS = 32786,
    ID_LIFE_MONUMENTS = 32777,
    // Data hall.
    ID_DATA_HAIKU_CARD = 32775,
    ID_DATA_NATURE = 32782,
    ID_DATA_GLOSSARY = 32788,
    ID_DATA_SEARCH = 32810,       // this program's own: the museum-wide search
    // Calendar hall.
    ID_CALENDAR_TABLE = 32774,
    ID_CALENDAR_YEAR = 32780,
    ID_CALENDAR_CONVERT = 32811,  // this program's own: the date converter
    // Help.
    ID_HELP_CONTENTS = 32787,
    ID_ONE_POINT = 32795,
    ID_FIND = 32801,
    // Search bar.
    ID_SEARCH_BAR = 32799,
    IDS_SEARCH_BAR = 32800,
    IDC_SEARCH_COMBO = 32802,

    // Framework commands.
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_WINDOW_NEW = 57648,
    ID_WINDOW_ARRANGE = 57649,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE_HORZ = 57651,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_CONTEXT_HELP = 57669,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,     // also the tool bar's bar id
    ID_VIEW_STATUS_BAR = 59393,  // also the status bar's bar id

    // Strings of their own.
    IDS_APP_TITLE = 57344,
    IDS_IDLE_MESSAGE = 57345,
};

}  // namespace res
