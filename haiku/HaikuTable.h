#pragma once
// The haiku table behind every haiku screen: the compiled rows arranged in
// one of the five orders; slot k holds the haiku numbered k + 1 in it.
#include "haiku/HaikuNotes.h"
#include "haiku/HaikuRecord.h"

class CHaikuTable {
public:
    static constexpr int kSlotCount = 1024;  // at least the highest number of any order

    CHaikuTable();

    // Sets the order and places every compiled row (no clearing first).
    void Build(int order);
    void AddRow(int regNo, int chronicleNo, int completeNo, int collectionNo, int dailyNo,
                const char* phrase1, const char* phrase2, const char* phrase3, int year,
                int yearFrom, int month, int day, int creatureClass, const char* creatures,
                int reserved1, int reserved2);
    // 0 for a slot no build has filled (and for a slot outside the table).
    int GetRegNo(int slot) const;
    // A copy of the slot (an empty record for a slot outside the table).
    HaikuRecord GetRecord(int slot) const;
    void SetNotes(const HaikuNotes& notes, int slot);
    int AgeInYear(int year) const { return year - 1643; }
    int GetOrder() const { return m_order; }

private:
    HaikuRecord m_slots[kSlotCount];
    int m_order = 0;
};
