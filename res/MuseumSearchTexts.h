#pragma once
// The texts and the layout of the museum-wide search window (Shift-JIS).
// The window's control ids are in res/ResourceIds.h (1450-1499).
#include "res/DialogTemplates.h"

namespace res {

// The window: caption, controls, first size (it may grow).
extern const DialogTemplate kMuseumSearchDialogTemplate;

// Names of the result groups (the text works' groups take the works' titles).
extern const char* const kSearchGroupHaikuText;   // "俳句"
extern const char* const kSearchGroupReading;     // "俳句の詠み"
extern const char* const kSearchGroupSeasonWord;  // "季語"
extern const char* const kSearchGroupNotes;       // "俳句の覚え書き"
extern const char* const kSearchGroupHelp;        // "ヘルプ"

// Where a result is.
extern const char* const kSearchHaikuLocation;       // "俳句 %d"
extern const char* const kSearchHeadnoteLocation;    // "俳句 %d の前書"
extern const char* const kSearchSourceLocation;      // "俳句 %d の出典"
extern const char* const kSearchCommentaryLocation;  // "俳句 %d の解釈"
extern const char* const kSearchLocationJoin;        // " ― " between a work and its section
extern const char* const kSearchPartJoin;            // the full-width blank between indexed parts
extern const char* const kSearchNoteJoin;            // "・" between a season and its haiku

// The seasons as the notes file names them, in filter order.
extern const char* const kSearchSeasonNames[6];  // 春 夏 秋 冬 新年 雑

// Files the index could not read.
extern const char* const kSearchHelpFile;      // "Topics.txt"
extern const char* const kSearchHelpIncludes;  // the help's included files
extern const char* const kSearchMissingPrefix;  // "読めなかったファイル: "

// The status line and the group rows.
extern const char* const kSearchPromptText;   // before a query
extern const char* const kSearchNothingText;  // no match
extern const char* const kSearchFoundFormat;  // "%d件"
extern const char* const kSearchGroupFormat;      // "%s (%d件)"
extern const char* const kSearchGroupPartFormat;  // "%s (%d件、はじめの%d件)"
extern const char* const kSearchYearRangeMessage;  // "%d" "%d": the first and last year
extern const char* const kSearchYearOrderMessage;
// The result columns.
extern const char* const kSearchColumnPlace;
extern const char* const kSearchColumnText;

// The remembered queries in the settings.

}  // namespace res
