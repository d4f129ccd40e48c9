// The museum-wide search window: its layout and texts. The results area is
// drawn by the window (a tree of groups and results).
#include "res/MuseumSearchTexts.h"

#include "res/FontNames.h"
#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr DialogControl kMuseumSearchControls[] = {
    {ControlKind::Static, IDC_MSEARCH_QUERY_LABEL, "言葉(&W)", 7, 8, 34, 10, kStyleNone},
    {ControlKind::ComboBox, IDC_MSEARCH_QUERY, "", 42, 6, 270, 120, kVScroll | kTabStop},
    {ControlKind::PushButton, IDC_MSEARCH_OPEN, "開く(&O)", 318, 5, 55, 14, kTabStop | kDisabled},
    {ControlKind::Static, 0, "季節", 7, 25, 34, 10, kStyleNone},
    {ControlKind::CheckBox, IDC_MSEARCH_SEASON_FIRST + 0, "春", 42, 24, 26, 11, kTabStop},
    {ControlKind::CheckBox, IDC_MSEARCH_SEASON_FIRST + 1, "夏", 70, 24, 26, 11, kTabStop},
    {ControlKind::CheckBox, IDC_MSEARCH_SEASON_FIRST + 2, "秋", 98, 24, 26, 11, kTabStop},
    {ControlKind::CheckBox, IDC_MSEARCH_SEASON_FIRST + 3, "冬", 126, 24, 26, 11, kTabStop},
    {ControlKind::CheckBox, IDC_MSEARCH_SEASON_FIRST + 4, "新年", 154, 24, 34, 11, kTabStop},
    {ControlKind::CheckBox, IDC_MSEARCH_SEASON_FIRST + 5, "雑", 190, 24, 26, 11, kTabStop},
    {ControlKind::Static, 0, "詠んだ年", 232, 25, 38, 10, kStyleNone},
    {ControlKind::Edit, IDC_MSEARCH_YEAR_FROM, "", 272, 23, 36, 12, kBorder | kTabStop},
    {ControlKind::Static, 0, "～", 311, 25, 9, 10, kCenter},
    {ControlKind::Edit, IDC_MSEARCH_YEAR_TO, "", 322, 23, 36, 12, kBorder | kTabStop},
    {ControlKind::Static, 0, "探す所", 7, 42, 34, 10, kStyleNone},
    {ControlKind::CheckBox, IDC_MSEARCH_KIND_FIRST + 0, "俳句", 42, 41, 30, 11, kTabStop},
    {ControlKind::CheckBox, IDC_MSEARCH_KIND_FIRST + 1, "詠み", 74, 41, 30, 11, kTabStop},
    {ControlKind::CheckBox, IDC_MSEARCH_KIND_FIRST + 2, "季語", 106, 41, 30, 11, kTabStop},
    {ControlKind::CheckBox, IDC_MSEARCH_KIND_FIRST + 3, "覚え書き", 138, 41, 46, 11, kTabStop},
    {ControlKind::CheckBox, IDC_MSEARCH_KIND_FIRST + 4, "作品・生涯", 186, 41, 56, 11, kTabStop},
    {ControlKind::CheckBox, IDC_MSEARCH_KIND_FIRST + 5, "語彙", 244, 41, 30, 11, kTabStop},
    {ControlKind::CheckBox, IDC_MSEARCH_KIND_FIRST + 6, "動植物", 276, 41, 40, 11, kTabStop},
    {ControlKind::CheckBox, IDC_MSEARCH_KIND_FIRST + 7, "ヘルプ", 318, 41, 40, 11, kTabStop},
    {ControlKind::Custom, IDC_MSEARCH_RESULTS, "", 7, 57, 366, 171, kBorder | kTabStop},
    {ControlKind::Static, IDC_MSEARCH_STATUS, "", 7, 234, 305, 10, kStyleNone},
    {ControlKind::PushButton, IDCANCEL, "閉じる", 318, 231, 55, 14, kTabStop},
};

}  // namespace

extern const DialogTemplate kMuseumSearchDialogTemplate{
    IDD_MUSEUM_SEARCH, "総合検索", 380, 252, "ＭＳ Ｐゴシック", kDialogPointSize, kMuseumSearchControls};

const char* const kSearchGroupHaikuText = "俳句";
const char* const kSearchGroupReading = "俳句の詠み";
const char* const kSearchGroupSeasonWord = "季語";
const char* const kSearchGroupNotes = "俳句の覚え書き";
const char* const kSearchGroupHelp = "ヘルプ";

const char* const kSearchHaikuLocation = "俳句 %d";
const char* const kSearchHeadnoteLocation = "俳句 %d の前書";
const char* const kSearchSourceLocation = "俳句 %d の出典";
const char* const kSearchCommentaryLocation = "俳句 %d の解釈";
const char* const kSearchLocationJoin = " ― ";
const char* const kSearchPartJoin = "　";
const char* const kSearchNoteJoin = "・";

const char* const kSearchSeasonNames[6] = {"春", "夏", "秋", "冬", "新年", "雑"};

const char* const kSearchHelpFile = "Topics.txt";
const char* const kSearchHelpIncludes = "ヘルプの続きのファイル";
const char* const kSearchMissingPrefix = "読めなかったファイル: ";

const char* const kSearchPromptText = "探す言葉を入れてください";
const char* const kSearchNothingText = "見つかりませんでした";
const char* const kSearchFoundFormat = "%d件見つかりました";
const char* const kSearchGroupFormat = "%s(%d件)";
const char* const kSearchGroupPartFormat = "%s(%d件のうち%d件を表示)";
const char* const kSearchYearRangeMessage = "詠んだ年は %d から %d までの数で入れてください";
const char* const kSearchYearOrderMessage = "詠んだ年のはじめが終わりより後になっています";
const char* const kSearchColumnPlace = "場所";
const char* const kSearchColumnText = "見つかった所";


}  // namespace res
