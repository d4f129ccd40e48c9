// MakeTxtData: builds the museum's Shift-JIS TxtData directory from the UTF-8
// sources in museum/TxtData and writes the per-haiku notes file kirono.txt
// from the haiku catalogue, the register and the hand-written notes.
//
//   MakeTxtData --catalogue haiku/catalogue.tsv --register haiku/register.tsv
//               [--notes museum/notes] --out <dir> [--kirono] <source.txt>...
//
// Every source line is converted to code page 932; a character without a
// CP932 form stops the build with the file and line. Placeholders name a haiku
// by its catalogue id and are replaced from the register:
//   {cat:552}    the register number (regNo) of catalogue id 552
//   {haiku:552}  the haiku's text, its three phrases written together
// An unknown id stops the build as well. When the register file does not exist
// yet, the register number of a catalogue id is the id itself.
//
// The notes (museum/notes/*.txt, UTF-8) hold one section per register number:
// a header "[regNo] phrase1 phrase2 phrase3" and then the interpretation, one
// paragraph a line; "#" lines are comments, blank lines are skipped. The
// headnote, reading, season, season word and source come from the catalogue,
// one place for each fact. A section for an unknown number, a number without
// a section, a header whose text is not the register's, a value over its
// field, and a line the notes readers would split or take for a key stop the
// build.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Codec.h"
#include "platform/ShiftJis.h"

namespace {

namespace fs = std::filesystem;

struct BuildError {
    std::string message;
};

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
    throw BuildError{where + ": " + what};
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string::npos) {
            out.push_back(line.substr(start));
            return out;
        }
        out.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

std::vector<std::string> ReadLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail(path.string(), "cannot be read");
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

int ToInt(const std::string& s, const std::string& where) {
    if (s.empty()) return 0;
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0') Fail(where, "not a number: " + s);
    return static_cast<int>(v);
}

// One haiku of the catalogue (UTF-8).
struct CatalogueRow {
    int id = 0;
    std::string phrase[3];
    int year = 0;  // 0: no source gives a year
    int yearFrom = 0;
    std::string reading[3];
    std::string season, seasonWord, source, preface;
};

struct RegisterEntry {
    int catalogueId = 0;
    int year = 0;
    int yearFrom = 0;
    bool hasYears = false;
};

class HaikuData {
public:
    void LoadCatalogue(const fs::path& path) {
        const auto lines = ReadLines(path);
        if (lines.empty()) Fail(path.string(), "empty catalogue");
        const auto head = SplitTabs(lines[0]);
        auto col = [&](const char* name) {
            for (std::size_t i = 0; i < head.size(); ++i)
                if (head[i] == name) return i;
            Fail(path.string(), std::string("no column ") + name);
        };
        const std::size_t cId = col("id"), cP1 = col("phrase1"), cYear = col("year"),
                          cFrom = col("yearFrom"), cR1 = col("reading1"),
                          cSeason = col("season"), cWord = col("seasonWord"),
                          cSource = col("source"), cPreface = col("preface");
        for (std::size_t n = 1; n < lines.size(); ++n) {
            if (lines[n].empty()) continue;
            const std::string where = path.string() + ":" + std::to_string(n + 1);
            const auto f = SplitTabs(lines[n]);
            if (f.size() < head.size()) Fail(where, "too few columns");
            CatalogueRow r;
            r.id = ToInt(f[cId], where);
            for (int k = 0; k < 3; ++k) {
                r.phrase[k] = f[cP1 + static_cast<std::size_t>(k)];
                r.reading[k] = f[cR1 + static_cast<std::size_t>(k)];
            }
            r.year = ToInt(f[cYear], where);
            r.yearFrom = ToInt(f[cFrom], where);
            r.season = f[cSeason];
            r.seasonWord = f[cWord];
            r.source = f[cSource];
            r.preface = f[cPreface];
            if (m_catalogue.count(r.id)) Fail(where, "duplicate id " + f[cId]);
            m_catalogue[r.id] = r;
        }
    }

    // The register: one line per compiled row, the catalogue id last. The
    // columns regNo, year and yearFrom are found by their header names
    // (regNo falls back to the first column).
    void LoadRegister(const fs::path& path) {
        if (!fs::exists(path)) {
            std::cerr << "MakeTxtData: " << path.string()
                      << " not found; register numbers are catalogue ids\n";
            for (const auto& [id, row] : m_catalogue) {
                m_regOfCatalogue[id] = id;
                m_register[id] = RegisterEntry{id, 0, 0, false};
            }
            return;
        }
        const auto lines = ReadLines(path);
        if (lines.empty()) Fail(path.string(), "empty register");
        const auto head = SplitTabs(lines[0]);
        auto find = [&](std::string_view name) -> long {
            for (std::size_t i = 0; i < head.size(); ++i) {
                std::string h = head[i];
                for (char& c : h)
                    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
                if (h == name) return static_cast<long>(i);
            }
            return -1;
        };
        long cReg = find("regno");
        if (cReg < 0) cReg = 0;
        const long cYear = find("year"), cFrom = find("yearfrom");
        for (std::size_t n = 1; n < lines.size(); ++n) {
            if (lines[n].empty()) continue;
            const std::string where = path.string() + ":" + std::to_string(n + 1);
            const auto f = SplitTabs(lines[n]);
            if (f.size() != head.size()) Fail(where, "wrong number of columns");
            const int reg = ToInt(f[static_cast<std::size_t>(cReg)], where);
            const int cat = ToInt(f.back(), where);
            if (!m_catalogue.count(cat)) Fail(where, "unknown catalogue id " + f.back());
            RegisterEntry e{cat, 0, 0, false};
            if (cYear >= 0 && cFrom >= 0) {
                e.year = ToInt(f[static_cast<std::size_t>(cYear)], where);
                e.yearFrom = ToInt(f[static_cast<std::size_t>(cFrom)], where);
                e.hasYears = true;
            }
            // Several rows of one number: the last one is the haiku's record.
            m_register[reg] = e;
            auto it = m_regOfCatalogue.find(cat);
            if (it != m_regOfCatalogue.end() && it->second != reg)
                Fail(where, "catalogue id " + f.back() + " has two register numbers");
            m_regOfCatalogue[cat] = reg;
        }
    }

    int RegNoOf(int catalogueId, const std::string& where) const {
        const auto it = m_regOfCatalogue.find(catalogueId);
        if (it == m_regOfCatalogue.end())
            Fail(where, "catalogue id " + std::to_string(catalogueId) + " is not registered");
        return it->second;
    }
    const CatalogueRow& Catalogue(int id) const { return m_catalogue.at(id); }
    const std::map<int, RegisterEntry>& Register() const { return m_register; }

private:
    std::map<int, CatalogueRow> m_catalogue;
    std::map<int, RegisterEntry> m_register;
    std::map<int, int> m_regOfCatalogue;
};

// ---------------------------------------------------------------------------
// Placeholders and the strict conversion.

std::string ResolvePlaceholders(const std::string& line, const HaikuData& data,
                                const std::string& where) {
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = line.find('{', pos);
        if (open == std::string::npos) break;
        const std::size_t close = line.find('}', open);
        if (close == std::string::npos) Fail(where, "unclosed placeholder");
        const std::string body = line.substr(open + 1, close - open - 1);
        const std::size_t colon = body.find(':');
        if (colon == std::string::npos) Fail(where, "placeholder without kind: {" + body + "}");
        const std::string kind = body.substr(0, colon);
        const int id = ToInt(body.substr(colon + 1), where);
        const int reg = data.RegNoOf(id, where);
        out += line.substr(pos, open - pos);
        if (kind == "cat") {
            out += std::to_string(reg);
        } else if (kind == "haiku") {
            const auto& r = data.Catalogue(id);
            out += r.phrase[0] + r.phrase[1] + r.phrase[2];
        } else {
            Fail(where, "unknown placeholder {" + body + "}");
        }
        pos = close + 1;
    }
    out += line.substr(pos);
    return out;
}

std::size_t Utf8Length(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    return 4;
}

// Converts one line; any character that does not come back unchanged from
// code page 932 stops the build.
std::string ToCp932Strict(const std::string& utf8, const std::string& where) {
    const std::string sjis = platform::Utf8ToCp932(utf8);
    if (platform::Cp932ToUtf8(sjis) == utf8) return sjis;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = Utf8Length(static_cast<unsigned char>(utf8[i]));
        const std::string ch = utf8.substr(i, n);
        if (platform::Cp932ToUtf8(platform::Utf8ToCp932(ch)) != ch)
            Fail(where, "character \"" + ch + "\" has no Shift-JIS form");
        i += n;
    }
    Fail(where, "line does not convert to Shift-JIS");
}

void WriteCp932(const fs::path& out, const std::vector<std::string>& utf8Lines,
                const std::string& name) {
    std::string bytes;
    for (std::size_t n = 0; n < utf8Lines.size(); ++n) {
        bytes += ToCp932Strict(utf8Lines[n], name + ":" + std::to_string(n + 1));
        bytes += '\n';
    }
    const fs::path tmp = out.string() + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) Fail(tmp.string(), "cannot be written");
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!f) Fail(tmp.string(), "cannot be written");
    }
    fs::rename(tmp, out);
}

// ---------------------------------------------------------------------------
// kirono.txt

// Continuation lines of key 6 may not hold a key, begin like a header or a
// comment, or be a one-byte spacer.
void CheckCommentaryLine(const std::string& line, const std::string& where) {
    for (char k = '1'; k <= '6'; ++k)
        if (line.find(std::string{k, ':'}) != std::string::npos)
            Fail(where, "interpretation line holds a key");
    if (line.size() <= 1 || line[0] == '[' || line.rfind("//", 0) == 0)
        Fail(where, "interpretation line cannot stand in the notes file");
}

// The poet is キロノ throughout the museum: the characters of the poet's
// historical pen name (U+8549, U+82AD) never stand in a shipped text. A work
// or place whose real name holds them is described, not renamed.
void CheckNoPenName(const std::string& utf8, const std::string& where) {
    for (const char* c : {"\xE8\x95\x89", "\xE8\x8A\xAD"})
        if (utf8.find(c) != std::string::npos)
            Fail(where, "holds a character of the poet's historical name; write キロノ, or describe the work or place");
}

std::size_t SjisLength(const std::string& utf8, const std::string& where) {
    return ToCp932Strict(utf8, where).size();
}

void CheckField(const std::string& value, std::size_t max, const std::string& where,
                const char* field) {
    if (SjisLength(value, where) > max)
        Fail(where, std::string(field) + " is longer than " + std::to_string(max) + " bytes");
}

// The boxes that show the texts cut them into rows of 44 (the card) or 46
// bytes (the text-work window). A double-byte character that would stand
// across the end of a row goes to the next row, and every later row of that
// line would start one byte off, leaving a one-byte row before the next
// line. A blank before such a character keeps the rows in step: it ends the
// row, where the box drops it.
std::string AlignToRows(const std::string& utf8, std::size_t width, std::size_t offset,
                        const std::string& where) {
    const std::string sjis = ToCp932Strict(utf8, where);
    std::string out;
    std::size_t col = offset % width;
    for (std::size_t i = 0; i < sjis.size();) {
        const std::size_t n = platform::IsLeadByte(static_cast<unsigned char>(sjis[i])) ? 2 : 1;
        if (n == 2 && col == width - 1) {
            out += ' ';
            col = 0;
        }
        out.append(sjis, i, n);
        col = (col + n) % width;
        i += n;
    }
    return platform::Cp932ToUtf8(out);
}

// The thirteen text-work files: the lines of parts 2 and 3 (the hover text and
// the click text) are aligned to the text box's 46-byte rows; titles, section
// headers and comments stay as written.
bool IsTextWorkFile(const std::string& name) {
    static const char* const kNames[] = {"okuno.txt", "sarasina.txt", "nozarasi.txt", "kasima.txt",
                                         "kobumi.txt", "saga.txt",    "work.txt",     "life.txt",
                                         "friend.txt", "kinenkan.txt", "kuhi.txt",    "nature.txt",
                                         "goi.txt"};
    for (const char* n : kNames)
        if (name == n) return true;
    return false;
}

void AlignTextWork(std::vector<std::string>& lines, const std::string& file) {
    int part = 0;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::string& line = lines[n];
        if (line.empty() || line[0] == '[' || line.rfind("//", 0) == 0) {
            if (!line.empty() && line[0] == '[') part = 0;
            continue;
        }
        std::size_t prefix = 0;
        if (line.size() >= 2 && line[0] >= '1' && line[0] <= '9' && line[1] == ':') {
            part = line[0] - '0';
            prefix = 2;
        }
        if (part != 2 && part != 3) continue;
        line = line.substr(0, prefix) +
               AlignToRows(line.substr(prefix), 46, 0, file + ":" + std::to_string(n + 1));
    }
}

// The hand-written notes: register number -> paragraphs.
std::map<int, std::vector<std::string>> LoadNotes(const fs::path& dir, const HaikuData& data) {
    std::vector<fs::path> files;
    if (!fs::is_directory(dir)) Fail(dir.string(), "is not a directory");
    for (const auto& e : fs::directory_iterator(dir))
        if (e.is_regular_file() && e.path().extension() == ".txt") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    std::map<int, std::vector<std::string>> notes;
    for (const fs::path& file : files) {
        const auto lines = ReadLines(file);
        std::vector<std::string>* current = nullptr;
        for (std::size_t n = 0; n < lines.size(); ++n) {
            const std::string& line = lines[n];
            const std::string where = file.string() + ":" + std::to_string(n + 1);
            if (line.empty() || line[0] == '#') continue;
            if (line[0] == '[') {
                const std::size_t close = line.find("] ");
                if (close == std::string::npos) Fail(where, "expected \"[regNo] phrase1 phrase2 phrase3\"");
                const int reg = ToInt(line.substr(1, close - 1), where);
                const auto it = data.Register().find(reg);
                if (reg <= 0 || it == data.Register().end()) Fail(where, "unknown register number " + std::to_string(reg));
                const CatalogueRow& r = data.Catalogue(it->second.catalogueId);
                if (line.substr(close + 2) != r.phrase[0] + " " + r.phrase[1] + " " + r.phrase[2])
                    Fail(where, "the haiku of [" + std::to_string(reg) + "] is " + r.phrase[0] + " " +
                                    r.phrase[1] + " " + r.phrase[2]);
                const auto [slot, fresh] = notes.emplace(reg, std::vector<std::string>{});
                if (!fresh) Fail(where, "[" + std::to_string(reg) + "] twice");
                current = &slot->second;
                continue;
            }
            if (!current) Fail(where, "text before the first section");
            if (line.front() == ' ' || line.back() == ' ') Fail(where, "blank at the start or end of a line");
            current->push_back(line);
        }
    }
    for (const auto& [reg, entry] : data.Register())
        if (!notes.count(reg)) Fail(dir.string(), "no notes section [" + std::to_string(reg) + "]");
    return notes;
}

// The single load reads lines of at most 254 bytes; the commentary field holds
// 1023 bytes after every line is filled with blanks to rows of 44.
constexpr std::size_t kNoteLineBytes = 254;
constexpr std::size_t kCardRow = 44;
constexpr std::size_t kCommentaryBytes = 1023;

std::vector<std::string> MakeKirono(const HaikuData& data,
                                    const std::map<int, std::vector<std::string>>& notes) {
    std::vector<std::string> out;
    out.push_back("// キロノの俳句の覚え書き: 登録番号ごとに前書(1)、詠み(2)、季節(3)、季語(4)、出典(5)、解釈(6)");
    int expect = 1;
    for (const auto& [reg, entry] : data.Register()) {
        const std::string where = "kirono.txt [" + std::to_string(reg) + "]";
        if (reg != expect) Fail(where, "register numbers are not 1.." + std::to_string(reg));
        ++expect;
        const CatalogueRow& r = data.Catalogue(entry.catalogueId);
        out.push_back("[" + std::to_string(reg) + "]");
        if (!r.preface.empty()) {
            CheckField(r.preface, 79, where, "headnote");
            out.push_back("1:" + r.preface);
        }
        for (const auto& part : r.reading) {
            CheckField(part, 29, where, "reading");
            if (part.find(' ') != std::string::npos) Fail(where, "reading holds a blank");
        }
        out.push_back("2:" + r.reading[0] + " " + r.reading[1] + " " + r.reading[2]);
        if (!r.season.empty()) {
            CheckField(r.season, 5, where, "season");
            out.push_back("3:" + r.season);
        }
        if (!r.seasonWord.empty()) {
            CheckField(r.seasonWord, 29, where, "season word");  // the list shows 29 bytes
            out.push_back("4:" + r.seasonWord);
        }
        CheckNoPenName(r.source + r.preface, where);
        const std::string& source = r.source;
        if (!source.empty()) {
            CheckField(source, 79, where, "source");
            out.push_back("5:" + source);
        }
        std::vector<std::string> lines{
            AlignToRows("「" + r.phrase[0] + " " + r.phrase[1] + " " + r.phrase[2] + "」", kCardRow, 0, where)};
        for (const std::string& paragraph : notes.at(reg)) {
            CheckNoPenName(paragraph, where);
            lines.push_back(AlignToRows(paragraph, kCardRow, 0, where));
        }
        std::size_t filled = 0;
        for (std::size_t n = 0; n < lines.size(); ++n) {
            const std::string sjis = ToCp932Strict(lines[n], where);
            const std::size_t len = sjis.size() + (n == 0 ? 2 : 0);  // the first follows "6:"
            if (len > kNoteLineBytes)
                Fail(where, "a paragraph of " + std::to_string(len) + " bytes (at most " +
                                std::to_string(kNoteLineBytes) + "): " + lines[n]);
            filled += (sjis.size() + kCardRow - 1) / kCardRow * kCardRow;
            CheckCommentaryLine(sjis, where);
        }
        if (filled > kCommentaryBytes)
            Fail(where, "interpretation is " + std::to_string(filled) + " bytes on the card (at most " +
                            std::to_string(kCommentaryBytes) + ")");
        out.push_back("6:" + lines[0]);
        for (std::size_t n = 1; n < lines.size(); ++n) out.push_back(lines[n]);
    }
    if (expect == 1) Fail("kirono.txt", "the register is empty");
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    fs::path catalogue, reg, notesDir, outDir;
    bool kirono = false;
    std::vector<fs::path> sources;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--catalogue" || a == "--register" || a == "--notes" || a == "--out") &&
            i + 1 < argc) {
            (a == "--catalogue"  ? catalogue
             : a == "--register" ? reg
             : a == "--notes"    ? notesDir
                                 : outDir) = argv[++i];
        } else if (a == "--kirono") {
            kirono = true;
        } else {
            sources.emplace_back(a);
        }
    }
    if (catalogue.empty() || outDir.empty()) {
        std::cerr << "usage: MakeTxtData --catalogue <tsv> [--register <tsv>] --out <dir> "
                     "[--notes <dir>] [--kirono] <source.txt>...\n";
        return 2;
    }
    try {
        HaikuData data;
        data.LoadCatalogue(catalogue);
        data.LoadRegister(reg);
        fs::create_directories(outDir);
        for (const fs::path& src : sources) {
            const std::string name = src.filename().string();
            std::vector<std::string> lines = ReadLines(src);
            for (std::size_t n = 0; n < lines.size(); ++n) CheckNoPenName(lines[n], src.string() + ":" + std::to_string(n + 1));
            for (std::size_t n = 0; n < lines.size(); ++n)
                if (lines[n].rfind("//", 0) != 0)  // comments stay as written
                    lines[n] = ResolvePlaceholders(lines[n], data,
                                               src.string() + ":" + std::to_string(n + 1));
            if (IsTextWorkFile(name)) AlignTextWork(lines, src.string());
            WriteCp932(outDir / name, lines, src.string());
        }
        if (kirono) {
            if (notesDir.empty()) Fail("kirono.txt", "--kirono needs --notes <dir>");
            WriteCp932(outDir / "kirono.txt", MakeKirono(data, LoadNotes(notesDir, data)), "kirono.txt");
        }
    } catch (const BuildError& e) {
        std::cerr << "MakeTxtData: " << e.message << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "MakeTxtData: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
