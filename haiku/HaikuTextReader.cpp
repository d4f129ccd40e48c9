#include "haiku/HaikuTextReader.h"

#include <cstring>

#include "app/SettingsStore.h"
#include "haiku/HaikuTable.h"
#include "platform/ShiftJis.h"
#include "platform/TextFile.h"
#include "text/LineStore.h"
#include "text/SectionIndex.h"
#include "text/SectionLines.h"

namespace {

constexpr std::size_t kPiece = 254;  // longest line the single load reads at once

void Clear(HaikuNotes* notes) { std::memset(notes, 0, sizeof *notes); }

// The fields the bulk load fills (the table's) made empty; they are C
// strings, read up to their NUL.
void ClearTableFields(HaikuNotes* notes) {
    notes->reading1[0] = notes->reading2[0] = notes->reading3[0] = '\0';
    notes->season[0] = notes->seasonWord[0] = notes->source[0] = '\0';
}

template <std::size_t N>
void SetField(char (&field)[N], std::string_view value) {
    platform::CopyToField(field, N, value);
}

// Key 2: three parts cut at single-byte blanks (a blank is never a trail byte).
void SetReading(HaikuNotes* notes, std::string_view value) {
    std::string_view parts[3];
    const std::size_t first = value.find(' ');
    parts[0] = value.substr(0, first);
    if (first != std::string_view::npos) {
        const std::string_view rest = value.substr(first + 1);
        const std::size_t second = rest.find(' ');
        parts[1] = rest.substr(0, second);
        if (second != std::string_view::npos) parts[2] = rest.substr(second + 1);
    }
    SetField(notes->reading1, parts[0]);
    SetField(notes->reading2, parts[1]);
    SetField(notes->reading3, parts[2]);
}

}  // namespace

CHaikuTextReader::CHaikuTextReader() { Clear(&m_notes); }

int CHaikuTextReader::LoadAll(std::string_view fileName, int width, CHaikuTable& table,
                              int rowCount) {
    (void)width;  // the bulk load passes on no filled text
    const std::string path = CSettingsStore::Instance().GetDataFilePath(fileName);
    platform::CTextFile file;
    if (!file.Open(path)) return m_reporter.ReportUnreadable(path);
    m_reporter.ReportUnconvertible(path, file.UnconvertibleLine());
    CLineStore lines;
    lines.ReserveFor(file, kMaxBulkLines);
    std::string scratch;
    std::string_view line;
    while (static_cast<int>(lines.Count()) < kMaxBulkLines && file.ReadLine(&line, &scratch)) lines.Add(line);
    file.Close();

    CSectionIndex headers;
    headers.Build(lines, lines.Count());

    // The bulk load sets only the fields the table keeps; the rest stay clear.
    Clear(&m_notes);
    for (int row = 0; row < rowCount; ++row) {
        ClearTableFields(&m_notes);
        const int regNo = table.GetRegNo(row);
        if (regNo == 0) return m_reporter.ReportBadSequence(row, 0);
        if (const std::size_t header = headers.Find(regNo); header != CSectionIndex::npos) {
            for (std::size_t i = header + 1; i < lines.Count(); ++i) {
                const std::string_view l = lines[i];
                if (l.empty() || text::IsHeaderLine(l)) break;
                if (text::IsSpacerLine(l) || text::IsCommentLine(l)) continue;
                const std::string_view key = l.substr(0, 2);
                const std::string_view value = l.substr(2);
                if (key == "2:")
                    SetReading(&m_notes, value);
                else if (key == "3:")
                    SetField(m_notes.season, value);
                else if (key == "4:")
                    SetField(m_notes.seasonWord, value);
                else if (key == "5:")
                    SetField(m_notes.source, value);
            }
        }
        table.SetNotes(m_notes, row);
    }
    return 0;
}

int CHaikuTextReader::LoadOne(std::string_view fileName, int row, int width,
                              const CHaikuTable& table) {
    m_fileName = std::string(fileName);
    m_row = row;
    const std::string path = CSettingsStore::Instance().GetDataFilePath(fileName);
    platform::CTextFile file;
    if (!file.Open(path)) return m_reporter.ReportUnreadable(path);
    m_reporter.ReportUnconvertible(path, file.UnconvertibleLine());
    const int regNo = table.GetRegNo(row);
    if (regNo == 0) return m_reporter.ReportBadSequence(row, 0);
    Clear(&m_notes);

    const std::string header = text::FormatHeader(regNo);
    std::string line;
    bool inSection = false;
    while (file.ReadPiece(&line, kPiece)) {
        if (line.empty() || text::IsCommentLine(line)) continue;
        if (line == header) {
            inSection = true;
            break;
        }
    }
    if (!inSection) return 0;

    // The keys are ASCII digits and ":", which are never trail bytes, so a
    // byte search finds only real keys.
    static constexpr const char* kKeys[] = {"1:", "2:", "3:", "4:", "5:", "6:"};
    auto keyOf = [](std::string_view l, std::size_t* at) {
        for (int k = 0; k < 6; ++k) {
            const std::size_t pos = l.find(kKeys[k]);
            if (pos != std::string_view::npos) {
                *at = pos;
                return k + 1;
            }
        }
        return 0;
    };

    bool more = file.ReadPiece(&line, kPiece);
    while (more) {
        if (text::IsHeaderLine(line)) break;
        if (text::IsCommentLine(line)) {
            more = file.ReadPiece(&line, kPiece);
            continue;
        }
        std::size_t at = 0;
        const int key = keyOf(line, &at);
        const std::string_view value =
            key != 0 ? std::string_view(line).substr(at + 2) : std::string_view();
        switch (key) {
        case 1: SetField(m_notes.preface, value); break;
        case 2: SetReading(&m_notes, value); break;
        case 3: SetField(m_notes.season, value); break;
        case 4: SetField(m_notes.seasonWord, value); break;
        case 5: SetField(m_notes.source, value); break;
        case 6: {
            // The interpretation and its continuation lines, each filled with
            // blanks to the width; the field keeps what fits.
            constexpr std::size_t kLimit = sizeof m_notes.commentary;
            std::string commentary;
            text::AppendFilled(&commentary, std::string_view(line).substr(2), width);
            while ((more = file.ReadPiece(&line, kPiece))) {
                if (text::IsCommentLine(line)) continue;
                if (text::IsHeaderLine(line) || keyOf(line, &at) != 0) break;
                if (commentary.size() < kLimit) text::AppendFilled(&commentary, line, width);
            }
            SetField(m_notes.commentary, commentary);
            return 0;  // key 6 is the last key of a section
        }
        default: break;
        }
        more = file.ReadPiece(&line, kPiece);
    }
    return 0;
}
