// The texts and the layout of the date converter (dialog 141).
#include "res/DateConverterTexts.h"

#include "res/FontNames.h"
#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr DialogControl kDateConverterControls[] = {
    // From the old calendar: era (or 西暦) and year, month, leap flag, day.
    {ControlKind::GroupBox, IDC_CONV_OLD_GROUP, "旧暦から", 4, 2, 256, 30, kStyleNone},
    {ControlKind::ComboBox, IDC_CONV_ERA, "", 10, 13, 64, 120, kVScroll | kTabStop},
    {ControlKind::Edit, IDC_CONV_ERA_YEAR, "", 77, 13, 22, 12, kBorder | kRight | kTabStop},
    {ControlKind::Static, 0, "年", 101, 15, 9, 9, kStyleNone},
    {ControlKind::CheckBox, IDC_CONV_LEAP, "閏(&L)", 112, 14, 28, 10, kTabStop},
    {ControlKind::Edit, IDC_CONV_OLD_MONTH, "", 141, 13, 15, 12, kBorder | kRight | kTabStop},
    {ControlKind::Static, 0, "月", 158, 15, 9, 9, kStyleNone},
    {ControlKind::Edit, IDC_CONV_OLD_DAY, "", 168, 13, 15, 12, kBorder | kRight | kTabStop},
    {ControlKind::Static, 0, "日", 185, 15, 9, 9, kStyleNone},
    {ControlKind::PushButton, IDC_CONV_TO_WESTERN, "西暦へ(&W)", 200, 12, 54, 14, kTabStop},
    // From the Western calendar.
    {ControlKind::GroupBox, IDC_CONV_WESTERN_GROUP, "西暦から", 4, 35, 256, 30, kStyleNone},
    {ControlKind::Edit, IDC_CONV_WESTERN_YEAR, "", 10, 46, 26, 12, kBorder | kRight | kTabStop},
    {ControlKind::Static, 0, "年", 38, 48, 9, 9, kStyleNone},
    {ControlKind::Edit, IDC_CONV_WESTERN_MONTH, "", 49, 46, 15, 12, kBorder | kRight | kTabStop},
    {ControlKind::Static, 0, "月", 66, 48, 9, 9, kStyleNone},
    {ControlKind::Edit, IDC_CONV_WESTERN_DAY, "", 76, 46, 15, 12, kBorder | kRight | kTabStop},
    {ControlKind::Static, 0, "日", 93, 48, 9, 9, kStyleNone},
    {ControlKind::CheckBox, IDC_CONV_JULIAN, "ユリウス暦(&J)", 112, 47, 70, 10, kTabStop},
    {ControlKind::PushButton, IDC_CONV_TO_OLD, "旧暦へ(&O)", 200, 45, 54, 14, kTabStop},
    // The result: seven rows of label and value.
    {ControlKind::GroupBox, IDC_CONV_RESULT_GROUP, "換算の結果", 4, 68, 256, 84, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_LABEL + 0, "", 10, 79, 42, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_VALUE + 0, "", 54, 79, 200, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_LABEL + 1, "", 10, 89, 42, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_VALUE + 1, "", 54, 89, 200, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_LABEL + 2, "", 10, 99, 42, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_VALUE + 2, "", 54, 99, 200, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_LABEL + 3, "", 10, 109, 42, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_VALUE + 3, "", 54, 109, 200, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_LABEL + 4, "", 10, 119, 42, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_VALUE + 4, "", 54, 119, 200, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_LABEL + 5, "", 10, 129, 42, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_VALUE + 5, "", 54, 129, 200, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_LABEL + 6, "", 10, 139, 42, 9, kStyleNone},
    {ControlKind::Static, IDC_CONV_ROW_VALUE + 6, "", 54, 139, 200, 9, kStyleNone},
    // Why an input names no day.
    {ControlKind::Static, IDC_CONV_MESSAGE, "", 6, 155, 252, 18, kStyleNone},
    {ControlKind::PushButton, IDC_CONV_CALENDAR, "対照表で見る(&C)", 4, 176, 72, 14, kTabStop | kDisabled},
    {ControlKind::PushButton, IDCANCEL, "閉じる", 206, 176, 54, 14, kTabStop},
};

}  // namespace

extern const DialogTemplate kDateConverterDialogTemplate{
    IDD_DATE_CONVERTER, "日付の換算", 264, 194, "ＭＳ Ｐゴシック", kDialogPointSize, kDateConverterControls};

const char* const kConvWesternYearItem = "西暦";
const char* const kConvEraItemFormat = "%s %d";
const char* const kConvNorthernEraItemFormat = "%s %d 北朝";

const char* const kConvRowOld = "旧暦";
const char* const kConvRowNorthern = "北朝";
const char* const kConvRowEraWestern = "和暦";
const char* const kConvRowWestern = "西暦";
const char* const kConvRowJulian = "ユリウス暦";
const char* const kConvRowDayCycle = "日の干支";
const char* const kConvRowYearCycle = "年の干支";
const char* const kConvRowAge = "キロノ";

const char* const kConvFirstYear = "元";
const char* const kConvLeap = "閏";
const char* const kConvSouthernMark = "(南朝)";
const char* const kConvWeekdayFormat = "(%s曜日)";
const char* const kConvCycleFormat = "%s(%s)";
const char* const kConvAgeFormat = "数え年%d歳";
const char* const kConvWesternPrefix = "西暦";

const char* const kConvMsgUnknownEra = "「%s」は元号の一覧にありません。";
const char* const kConvMsgNoEra = "元号を選ぶか入れてください(年を西暦で入れるときは「西暦」)。";
const char* const kConvMsgYear = "年を数字で入れてください。";
const char* const kConvMsgMonth = "月は1から12の数字で入れてください。";
const char* const kConvMsgDay = "日を数字で入れてください。";
const char* const kConvMsgOldRange = "旧暦は%d年から%d年までです。";
const char* const kConvMsgEraLastYear = "%sは%s年までです。";
const char* const kConvMsgNoLeapMonth = "%sに閏%d月はありません(この年の閏月は閏%d月です)。";
const char* const kConvMsgNoLeapInYear = "%sに閏月はありません。";
const char* const kConvMsgMonthEnd = "%s%s%d月は%d日までです。";
const char* const kConvMsgEraStarts = "%sは%sからです。";
const char* const kConvMsgEraEnds = "%sは%sまでです。";
const char* const kConvMsgWesternMonthEnd = "%d年%d月は%d日までです。";
const char* const kConvMsgWesternRange = "換算できるのは西暦%sから%sまでです。";
const char* const kConvMsgJulianEnd = "ユリウス暦で入れられるのは%sまでです。";

}  // namespace res
