#pragma once
// One loaded sectioned text file of TxtData: "[n]" / "[*]" section headers,
// "k:" part lines, continuation lines, "//" comments, one-byte spacers; an
// empty line ends the usable content.
#include <string>
#include <string_view>

#include "app/MessageReporter.h"
#include "text/LineStore.h"
#include "text/SectionIndex.h"

class CSectionTextFile {
public:
    static constexpr int kMaxLines = 10000;
    static constexpr std::size_t kMaxText = 2048;

    // Reads "<data dir>/TxtData/<fileName>"; 0, or -1 after the message.
    int Load(std::string_view fileName);
    int CountSections();
    // Part `part` of section `section`, each source line blank-filled to a
    // multiple of width bytes; empty when the section or part is missing.
    const std::string& GetPartText(int section, int part, int width);

    int GetLineCount() const { return static_cast<int>(m_lines.Count()); }
    std::string_view GetLine(int index) const { return m_lines[static_cast<std::size_t>(index)]; }
    int GetSectionCount() const { return m_sectionCount; }

private:
    CMessageReporter m_reporter;
    CLineStore m_lines;
    CSectionIndex m_headers;  // of the lines before the first empty one
    int m_sectionCount = 0;
    std::string m_text;
};
