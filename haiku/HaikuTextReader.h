#pragma once
// Reader of the per-haiku notes file (kirono.txt): in bulk into a table for
// the haiku list, or one haiku at a time for the haiku card.
#include <string>
#include <string_view>

#include "app/MessageReporter.h"
#include "haiku/HaikuNotes.h"

class CHaikuTable;

class CHaikuTextReader {
public:
    // Lines the bulk load holds: room for notes far longer than the shipped
    // ones, still a bound against a hostile file.
    static constexpr int kMaxBulkLines = 100000;

    CHaikuTextReader();

    // Fills the notes fields of slots 0..rowCount-1; 0, or -1 after a message.
    int LoadAll(std::string_view fileName, int width, CHaikuTable& table, int rowCount);
    // Fills the notes record of one slot; 0, or -1 after a message.
    int LoadOne(std::string_view fileName, int row, int width, const CHaikuTable& table);
    HaikuNotes GetNotes() const { return m_notes; }

private:
    CMessageReporter m_reporter;
    HaikuNotes m_notes;
    std::string m_fileName;
    int m_row = -1;
};
