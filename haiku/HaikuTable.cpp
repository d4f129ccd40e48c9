#include "haiku/HaikuTable.h"

#include <cstring>
#include <string_view>

#include "haiku/HaikuRow.h"
#include "platform/ShiftJis.h"

namespace {

// Copies a row text into its field. A text that fits (the compiled rows' do)
// is copied whole; a longer one is cut at a character boundary so that the
// field stays terminated.
template <std::size_t N>
void CopyText(char (&field)[N], const char* text) {
    if (text == nullptr) {
        field[0] = '\0';
        return;
    }
    const std::size_t length = strnlen(text, N);
    if (length < N)
        std::memcpy(field, text, length + 1);
    else
        platform::CopyToField(field, N, std::string_view(text, N));
}

// Copies a notes value, cut to the field at a character boundary.
template <std::size_t N, std::size_t M>
void CopyNotes(char (&field)[N], const char (&value)[M]) {
    if (value[0] == '\0') {
        field[0] = '\0';  // nothing to cut
        return;
    }
    platform::CopyToField(field, N, std::string_view(value, strnlen(value, M)));
}

bool IsSlot(int slot) { return slot >= 0 && slot < CHaikuTable::kSlotCount; }

}  // namespace

CHaikuTable::CHaikuTable() : m_slots{} {}

void CHaikuTable::Build(int order) {
    m_order = order;
    for (int i = 0; i < kHaikuRowCount; ++i) {
        const HaikuRow& r = kHaikuRows[i];
        AddRow(r.regNo, r.chronicleNo, r.completeNo, r.collectionNo, r.dailyNo, r.phrase1,
               r.phrase2, r.phrase3, r.year, r.yearFrom, r.month, r.day, r.creatureClass,
               r.creatures, r.reserved1, r.reserved2);
    }
}

void CHaikuTable::AddRow(int regNo, int chronicleNo, int completeNo, int collectionNo,
                         int dailyNo, const char* phrase1, const char* phrase2,
                         const char* phrase3, int year, int yearFrom, int month, int day,
                         int creatureClass, const char* creatures, int reserved1,
                         int reserved2) {
    int number = 0;
    switch (m_order) {
    case 0: number = regNo; break;
    case 1: number = completeNo; break;
    case 2: number = collectionNo; break;
    case 3: number = dailyNo; break;
    case 4: number = chronicleNo; break;
    default: break;
    }
    if (number == 0 || !IsSlot(number - 1)) return;

    HaikuRecord& rec = m_slots[number - 1];
    rec.regNo = regNo;
    rec.chronicleNo = chronicleNo;
    rec.completeNo = completeNo;
    rec.collectionNo = collectionNo;
    rec.dailyNo = dailyNo;
    CopyText(rec.phrase1, phrase1);
    CopyText(rec.phrase2, phrase2);
    CopyText(rec.phrase3, phrase3);
    rec.year = year;
    rec.yearFrom = yearFrom;
    rec.month = month;
    rec.day = day;
    rec.reserved1 = reserved1;
    rec.reserved2 = reserved2;
    rec.creatureClass = creatureClass;
    CopyText(rec.creatures, creatures);
}

int CHaikuTable::GetRegNo(int slot) const { return IsSlot(slot) ? m_slots[slot].regNo : 0; }

HaikuRecord CHaikuTable::GetRecord(int slot) const {
    return IsSlot(slot) ? m_slots[slot] : HaikuRecord{};
}

void CHaikuTable::SetNotes(const HaikuNotes& notes, int slot) {
    if (!IsSlot(slot)) return;
    HaikuRecord& rec = m_slots[slot];
    CopyNotes(rec.season, notes.season);
    CopyNotes(rec.seasonWord, notes.seasonWord);
    CopyNotes(rec.source, notes.source);
    CopyNotes(rec.reading1, notes.reading1);
    CopyNotes(rec.reading2, notes.reading2);
    CopyNotes(rec.reading3, notes.reading3);
}
