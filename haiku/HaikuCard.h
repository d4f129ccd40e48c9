#pragma once
// What the haiku card shows and decides: the order and its count, the
// position (a 0-based slot of the order), stepping, changing the order, the
// texts of the eight fields and the number line, the start-up check box and
// what closing stores. The dialog only draws and forwards.
#include <string>
#include <string_view>
#include <vector>

#include "calendar/OldCalendarTable.h"
#include "calendar/SexagenaryNames.h"
#include "haiku/HaikuNotes.h"
#include "haiku/HaikuRecord.h"
#include "haiku/HaikuTable.h"
#include "haiku/HaikuTextReader.h"

namespace haiku {

// The interpretation field shows rows of this many bytes (text::SplitRows).
constexpr int kCommentaryWidth = 44;

}  // namespace haiku

class CHaikuCard {
public:
    // The texts of the window (Shift-JIS).
    struct Texts {
        std::string numberLine;  // "%sの番号 : %d"
        std::string preface;     // 前書
        std::string haiku;       // 俳句: "%s %s %s"
        std::string reading;     // 詠み: "%s %s %s"
        std::string yearLine;    // 詠年, empty when the record's regNo is 0
        std::string season;      // 季節
        std::string seasonWord;  // 季語
        std::vector<std::string> commentary;  // 解釈, display rows
        std::string source;      // 出典
    };

    CHaikuCard();

    // Sets the order and its count; an order outside 0..4 is taken as 0.
    void SetOrder(int order);
    // Sets the position, clamped to 0..count-1.
    void SetPosition(int position);
    int GetOrder() const { return m_order; }
    int GetCount() const { return m_count; }
    int GetPosition() const { return m_position; }

    // A positive step moves to the next haiku, any other to the previous one;
    // clamped; the haiku is shown again even when the position did not move.
    void Step(int step);
    // Takes another order, keeping the position (clamped), and shows it.
    void ChangeOrder(int order);

    // Rebuilds the table, reads the notes of the slot and makes the texts.
    void ShowHaiku();
    const Texts& GetTexts() const { return m_texts; }
    const HaikuRecord& GetRecord() const { return m_record; }
    const HaikuNotes& GetNotes() const { return m_notes; }
    // How many times ShowHaiku ran (each showing reads the notes file again).
    int GetShowCount() const { return m_showCount; }

    // The start-up setting: the stored value, and a click that flips and
    // stores it; returns the new value.
    static int GetStartupView();
    static int ToggleStartupView();
    // Stores order and position as closing does (wait cursor meanwhile).
    void StoreOnClose() const;

private:
    CHaikuTable m_table;
    COldCalendarTable m_calendar;
    CSexagenaryNames m_cycles;
    CHaikuTextReader m_reader;
    HaikuRecord m_record{};
    HaikuNotes m_notes{};
    Texts m_texts;
    int m_order = 0;
    int m_count = 0;
    int m_position = 0;
    int m_showCount = 0;
};
