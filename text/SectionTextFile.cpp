#include "text/SectionTextFile.h"

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

    std::vector<std::string> lines;
    int counter = 1;
    std::string line;
    // Lines beyond the array's 10000 are not read.
    while (static_cast<int>(lines.size()) < kMaxLines && file.ReadLine(&line)) {
        if (line == "[*]") line = FormatHeader(counter++);
        lines.push_back(std::move(line));
    }
    m_lines = std::move(lines);
    m_headers.clear();
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::string& l = m_lines[i];
        if (l.empty()) break;
        if (IsSpacerLine(l) || IsCommentLine(l) || l[0] != '[') continue;
        m_headers.emplace(l, i);
    }
    return 0;
}

int CSectionTextFile::CountSections() {
    int count = 0;
    for (const std::string& line : m_lines) {
        if (line.empty()) break;
        if (IsSpacerLine(line) || IsCommentLine(line)) continue;
        if (IsHeaderLine(line)) ++count;
    }
    m_sectionCount = count;
    return count;
}

const std::string& CSectionTextFile::GetPartText(int section, int part, int width) {
    m_text.clear();
    const std::string header = FormatHeader(section);
    const std::string marker = std::to_string(part) + ":";
    const std::size_t n = m_lines.size();

    const auto found = m_headers.find(header);
    if (found == m_headers.end()) return m_text;
    std::size_t i = found->second;
    for (++i;; ++i) {
        if (i >= n || m_lines[i].empty() || m_lines[i][0] == '[') return m_text;
        const std::string& line = m_lines[i];
        if (IsSpacerLine(line) || IsCommentLine(line)) continue;
        if (line.compare(0, marker.size(), marker) == 0) break;
    }
    AppendFilled(&m_text, std::string_view(m_lines[i]).substr(marker.size()), width);
    for (++i; i < n; ++i) {
        const std::string& line = m_lines[i];
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
