#pragma once
// The texts and the layout of the date converter (dialog IDD_DATE_CONVERTER,
// Shift-JIS).
// The window's control ids are in res/ResourceIds.h (1400..1449).
#include "res/DialogTemplates.h"

namespace res {

// The layout; built by calendar/DateConverterDlg.cpp.
extern const DialogTemplate kDateConverterDialogTemplate;

// The era chooser's first item: the year is then a Western year number.
extern const char* const kConvWesternYearItem;  // "西暦"
// An era in the chooser: name and the Western year it began; a northern
// court's era is marked.
extern const char* const kConvEraItemFormat;          // "%s %d"
extern const char* const kConvNorthernEraItemFormat;  // "%s %d 北朝"

// The labels of the result rows.
extern const char* const kConvRowOld;          // "旧暦"
extern const char* const kConvRowNorthern;     // "北朝"
extern const char* const kConvRowEraWestern;   // "和暦"
extern const char* const kConvRowWestern;      // "西暦"
extern const char* const kConvRowJulian;       // "ユリウス暦"
extern const char* const kConvRowDayCycle;     // "日の干支"
extern const char* const kConvRowYearCycle;    // "年の干支"
extern const char* const kConvRowAge;          // "キロノ"

// Pieces of the result texts.
extern const char* const kConvFirstYear;       // "元" (元年)
extern const char* const kConvLeap;            // "閏"
extern const char* const kConvSouthernMark;    // "(南朝)"
extern const char* const kConvWeekdayFormat;   // "(%s曜日)"
extern const char* const kConvCycleFormat;     // "%s(%s)"
extern const char* const kConvAgeFormat;       // "数え年%d歳"
extern const char* const kConvWesternPrefix;   // "西暦" before a Western date in a message

// Messages for input that names no day.
extern const char* const kConvMsgUnknownEra;      // "「%s」は元号の一覧にありません。"
extern const char* const kConvMsgNoEra;           // "元号を選ぶか入れてください。"
extern const char* const kConvMsgYear;            // "年を数字で入れてください。"
extern const char* const kConvMsgMonth;           // "月は1から12の数字で入れてください。"
extern const char* const kConvMsgDay;             // "日を数字で入れてください。"
extern const char* const kConvMsgOldRange;        // "旧暦は%d年から%d年までです。"
extern const char* const kConvMsgEraLastYear;     // "%sは%s年までです。"
extern const char* const kConvMsgNoLeapMonth;     // "%sに閏%d月はありません(閏月は閏%d月です)。"
extern const char* const kConvMsgNoLeapInYear;    // "%sに閏月はありません。"
extern const char* const kConvMsgMonthEnd;        // "%s%s%d月は%d日までです。"
extern const char* const kConvMsgEraStarts;       // "%sは%sからです。"
extern const char* const kConvMsgEraEnds;         // "%sは%sまでです。"
extern const char* const kConvMsgWesternMonthEnd; // "%d年%d月は%d日までです。"
extern const char* const kConvMsgWesternRange;    // "換算できるのは西暦%sから%sまでです。"
extern const char* const kConvMsgJulianEnd;       // "ユリウス暦で入れられるのは%sまでです。"

}  // namespace res
