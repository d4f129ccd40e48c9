#include "haiku/HaikuCard.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/SettingsStore.h"
#include "haiku/HaikuOrders.h"
#include "haiku/YearLine.h"
#include "platform/MessageBox.h"
#include "text/BlankFill.h"
#include "platform/ShiftJis.h"

namespace {

template <std::size_t N>
std::string_view FieldView(const char (&field)[N]) {
    return std::string_view(field, strnlen(field, N));
}

template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    return std::string(FieldView(field));
}

template <std::size_t A, std::size_t B, std::size_t C>
std::string ThreeParts(const char (&a)[A], const char (&b)[B], const char (&c)[C]) {
    std::string out(FieldView(a));
    out += ' ';
    out += FieldView(b);
    out += ' ';
    out += FieldView(c);
    return out;
}

}  // namespace


CHaikuCard::CHaikuCard() { SetOrder(0); }

void CHaikuCard::SetOrder(int order) {
    m_order = order >= 0 && order < haiku::kOrderCount ? order : 0;
    m_count = haiku::GetOrderCount(m_order);
}

void CHaikuCard::SetPosition(int position) {
    m_position = std::clamp(position, 0, m_count - 1);
}

void CHaikuCard::Step(int step) {
    SetPosition(step > 0 ? m_position + 1 : m_position - 1);
    ShowHaiku();
}

void CHaikuCard::ChangeOrder(int order) {
    SetOrder(order);
    SetPosition(m_position);
    ShowHaiku();
}

void CHaikuCard::ShowHaiku() {
    ++m_showCount;
    m_table.Build(m_order);
    m_record = m_table.GetRecord(m_position);
    m_reader.LoadOne("kirono.txt", m_position, haiku::kCommentaryWidth, m_table);
    m_notes = m_reader.GetNotes();

    Texts t;
    t.preface = FieldText(m_notes.preface);
    t.haiku = ThreeParts(m_record.phrase1, m_record.phrase2, m_record.phrase3);
    t.reading = ThreeParts(m_notes.reading1, m_notes.reading2, m_notes.reading3);
    if (m_record.regNo != 0)
        t.yearLine = haiku::FormatYearLine(m_record.year, m_record.yearFrom, m_table, m_calendar,
                                           m_cycles);
    t.season = FieldText(m_notes.season);
    t.seasonWord = FieldText(m_notes.seasonWord);
    t.commentary = text::SplitRows(FieldView(m_notes.commentary), haiku::kCommentaryWidth);
    t.source = FieldText(m_notes.source);
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%sの番号 : %d", haiku::GetOrderLabel(m_order),
                  m_position + 1);
    t.numberLine = buffer;
    m_texts = std::move(t);
}

int CHaikuCard::GetStartupView() { return CSettingsStore::Instance().GetKironoView(); }

int CHaikuCard::ToggleStartupView() {
    CSettingsStore& settings = CSettingsStore::Instance();
    const int value = settings.GetKironoView() ^ 1;
    settings.SetKironoView(value);
    return value;
}

void CHaikuCard::StoreOnClose() const {
    platform::CWaitCursor wait;
    CSettingsStore& settings = CSettingsStore::Instance();
    settings.SetKironoMode(m_order);
    settings.SetKironoNo(m_position);
}
