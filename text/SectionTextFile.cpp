#include "text/SectionTextFile.h"

#include <charconv>

#include "app/SettingsStore.h"
#include "platform/TextFile.h"
#include "text/SectionLines.h"

using text::AppendFilled;
using text::FormatHeader;
using text::IsCommentLine;
using text::IsHeaderLine;
using text::IsSpacerLine;

int CSectionTextFile::Load(std::string_view fileName) {
    const std::string path = CSettingsStore::Instance().GetDataFilePath(fileName);
    platform::CTextFile file;
    if (!file.Open(path)) return m_reporter.ReportUnreadable(path);
    m_reporter.ReportUnconvertible(path, file.UnconvertibleLine());

    m_lines.Clear();
    m_lines.ReserveFor(file, kMaxLines);
    int counter = 1;
    std::string scratch;
    std::string_view line;
    // Lines beyond the array's 10000 are not read.
    while (GetLineCount() < kMaxLines && file.ReadLine(&line, &scratch)) {
        if (line == "[*]")
            m_lines.Add(FormatHeader(counter++));
        else
            m_lines.Add(line);
    }
    // The headers before the first empty line (a spacer or a comment is
    // never read as one).
    std::size_t usable = 0;
    while (usable < m_lines.Count() && !m_lines[usable].empty()) ++usable;
    m_headers.Build(m_lines, usable);
    return 0;
}

int CSectionTextFile::CountSections() {
    int count = 0;
    for (std::size_t i = 0; i < m_lines.Count(); ++i) {
        const std::string_view line = m_lines[i];
        if (line.empty()) break;
        if (IsSpacerLine(line) || IsCommentLine(line)) continue;
        if (IsHeaderLine(line)) ++count;
    }
    m_sectionCount = count;
    return count;
}

const std::string& CSectionTextFile::GetPartText(int section, int part, int width) {
    m_text.clear();
    std::size_t i = m_headers.Find(section);
    if (i == CSectionIndex::npos) return m_text;
    char markerBytes[13];
    char* markerEnd = std::to_chars(markerBytes, markerBytes + 12, part).ptr;
    *markerEnd++ = ':';
    const std::string_view marker(markerBytes, static_cast<std::size_t>(markerEnd - markerBytes));
    const std::size_t n = m_lines.Count();

    for (++i;; ++i) {
        if (i >= n) return m_text;
        const std::string_view line = m_lines[i];
        if (line.empty() || line[0] == '[') return m_text;
        if (IsSpacerLine(line) || IsCommentLine(line)) continue;
        if (line.starts_with(marker)) break;
    }
    AppendFilled(&m_text, m_lines[i].substr(marker.size()), width);
    for (++i; i < n; ++i) {
        const std::string_view line = m_lines[i];
        if (line.empty() || IsHeaderLine(line) || (line.size() >= 2 && line[1] == ':')) break;
        if (IsSpacerLine(line) || IsCommentLine(line)) continue;
        if (m_text.size() >= kMaxText) {
            m_reporter.ReportTooLong(static_cast<int>(m_text.size()));
            break;
        }
        AppendFilled(&m_text, line, width);
    }
    return m_text;
}
