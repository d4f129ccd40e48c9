#include "text/TextWork.h"

#include <climits>

#include "app/SettingsStore.h"

namespace text {

int LeadingInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = INT_MAX;  // saturate instead of overflowing
    }
    return static_cast<int>(negative ? -value : value);
}

int CTextWork::SetKind(int kind) {
    const TextWorkKind* entry = FindTextWorkKind(kind);
    if (!entry) {
        m_kind = -1;
        m_title.clear();
        m_fileName.clear();
        return m_reporter.ReportUnreadable(CSettingsStore::Instance().GetDataFilePath(""));
    }
    m_kind = kind;
    m_title = entry->title;
    m_fileName = entry->fileName;
    return m_file.Load(m_fileName) == 0 ? 1 : -1;
}

void CTextWork::Start() {
    const int n = m_kind < 0 ? 0 : m_file.CountSections();
    m_titles.clear();
    m_texts.clear();
    for (int s = 1; s <= n; ++s) {
        m_titles.push_back(m_file.GetPartText(s, 1, kWrapWidth));
        m_texts.push_back(m_file.GetPartText(s, 2, kWrapWidth));
    }
    m_index.SetCount(n);
}

TextWorkClickResult CTextWork::Click(int x, int y) {
    TextWorkClickResult result;
    const int section = m_index.HitSection(x, y);
    const TextWorkKind* entry = FindTextWorkKind(m_kind);
    if (section < 0 || !entry) return result;
    switch (entry->click) {
    case TextWorkClick::ShowPart3:
        result.action = TextWorkClickResult::ShowText;
        result.text = m_file.GetPartText(section + 1, 3, kWrapWidth);
        break;
    case TextWorkClick::OpenHaikuCard: {
        const std::string part3 = m_file.GetPartText(section + 1, 3, kWrapWidth);
        const int number = part3.empty() ? 0 : LeadingInteger(part3);
        // A part 3 that names no haiku number (none, or below 1) beeps.
        if (number < 1) {
            result.action = TextWorkClickResult::Beep;
        } else {
            result.action = TextWorkClickResult::OpenHaikuCard;
            result.position = number - 1;
        }
        break;
    }
    case TextWorkClick::Beep:
        result.action = TextWorkClickResult::Beep;
        break;
    }
    return result;
}

}  // namespace text
