#pragma once
// The Qt-free side of the text-work window: the kind, the loaded file, the
// titles and hover texts of its sections, the index pane, and what a click
// on a title does.
#include <string>
#include <vector>

#include "app/MessageReporter.h"
#include "text/SectionTextFile.h"
#include "text/TextWorkIndex.h"
#include "text/TextWorkKind.h"

namespace text {

struct TextWorkClickResult {
    enum Action { Nothing, ShowText, OpenHaikuCard, Beep } action = Nothing;
    std::string text;  // ShowText: the new contents of the text box
    int position = 0;  // OpenHaikuCard: the 0-based position in order 0
};

class CTextWork {
public:
    static constexpr int kWrapWidth = 46;

    // Stores the kind and loads its file: 1, or -1 after the unreadable
    // message (a kind outside 0..12 fails the same way).
    int SetKind(int kind);
    // Counts the sections and fetches every title and hover text.
    void Start();

    int GetKind() const { return m_kind; }
    const std::string& GetTitle() const { return m_title; }
    const std::string& GetFileName() const { return m_fileName; }
    const std::vector<std::string>& Titles() const { return m_titles; }
    const std::vector<std::string>& Texts() const { return m_texts; }
    CTextWorkIndex& Index() { return m_index; }
    const CTextWorkIndex& Index() const { return m_index; }

    // A left click at (x, y) in index-pane coordinates.
    TextWorkClickResult Click(int x, int y);

private:
    int m_kind = -1;
    std::string m_title;
    std::string m_fileName;
    CSectionTextFile m_file;
    CMessageReporter m_reporter;
    std::vector<std::string> m_titles;
    std::vector<std::string> m_texts;
    CTextWorkIndex m_index;
};

// The integer at the start of text, read as the run-time library's atoi does
// (leading blanks, an optional sign, digits); 0 when there is none.
int LeadingInteger(const std::string& text);

}  // namespace text
