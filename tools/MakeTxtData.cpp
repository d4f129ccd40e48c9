// MakeTxtData: builds the museum's Shift-JIS TxtData directory from the UTF-8
// sources in museum/TxtData and generates the per-haiku notes file kirono.txt
// from the haiku catalogue and the register.
//
//   MakeTxtData --catalogue haiku/catalogue.tsv --register haiku/register.tsv
//               [--kigo museum/kigo.tsv] [--places museum/haiku-places.tsv]
//               [--readings museum/haiku-readings.tsv]
//               --out <dir> [--kirono] <source.txt>...
//
// Every source line is converted to code page 932; a character without a
// CP932 form stops the build with the file and line. Placeholders name a haiku
// by its catalogue id and are replaced from the register:
//   {cat:552}    the register number (regNo) of catalogue id 552
//   {haiku:552}  the haiku's text, its three phrases written together
// An unknown id stops the build as well. When the register file does not exist
// yet, the register number of a catalogue id is the id itself. The season-word
// list (word, tab, one sentence) adds what a season word means to the notes;
// the places list (catalogue id, tab, one sentence) says where a haiku was made,
// the readings list (the same form) what a haiku shows.
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
    std::string season, seasonWord, source, preface, creatures;
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
                          cSource = col("source"), cPreface = col("preface"),
                          cCreatures = col("creatures");
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
            r.creatures = f[cCreatures];
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

    void LoadSeasonWords(const fs::path& path) {
        const auto lines = ReadLines(path);
        for (std::size_t n = 1; n < lines.size(); ++n) {
            if (lines[n].empty()) continue;
            const auto f = SplitTabs(lines[n]);
            if (f.size() != 2 || f[0].empty() || f[1].empty())
                Fail(path.string() + ":" + std::to_string(n + 1), "expected word<TAB>sentence");
            m_seasonWords[f[0]] = f[1];
        }
    }
    // A list of one sentence per catalogue id, with a header line.
    std::map<int, std::string> LoadSentences(const fs::path& path) const {
        std::map<int, std::string> out;
        const auto lines = ReadLines(path);
        for (std::size_t n = 1; n < lines.size(); ++n) {
            if (lines[n].empty()) continue;
            const std::string where = path.string() + ":" + std::to_string(n + 1);
            const auto f = SplitTabs(lines[n]);
            if (f.size() != 2 || f[1].empty()) Fail(where, "expected id<TAB>sentence");
            const int id = ToInt(f[0], where);
            RegNoOf(id, where);  // an unknown id stops the build
            if (!out.emplace(id, f[1]).second) Fail(where, "id " + f[0] + " twice");
        }
        return out;
    }
    void LoadPlaces(const fs::path& path) { m_places = LoadSentences(path); }
    void LoadReadings(const fs::path& path) { m_readings = LoadSentences(path); }
    const std::string* Place(int catalogueId) const { return Find(m_places, catalogueId); }
    const std::string* Reading(int catalogueId) const { return Find(m_readings, catalogueId); }
    const std::string* SeasonWordGloss(const std::string& word) const {
        const auto it = m_seasonWords.find(word);
        return it == m_seasonWords.end() ? nullptr : &it->second;
    }

private:
    std::map<int, CatalogueRow> m_catalogue;
    std::map<int, RegisterEntry> m_register;
    std::map<int, int> m_regOfCatalogue;
    std::map<std::string, std::string> m_seasonWords;
    static const std::string* Find(const std::map<int, std::string>& m, int id) {
        const auto it = m.find(id);
        return it == m.end() ? nullptr : &it->second;
    }

    std::map<int, std::string> m_places;
    std::map<int, std::string> m_readings;
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

struct Era {
    int first;
    const char* name;
};
// The eras of the poet's lifetime with their first Western year.
constexpr Era kEras[] = {{1624, "寛永"}, {1644, "正保"}, {1648, "慶安"}, {1652, "承応"},
                         {1655, "明暦"}, {1658, "万治"}, {1661, "寛文"}, {1673, "延宝"},
                         {1681, "天和"}, {1684, "貞享"}, {1688, "元禄"}, {1704, "宝永"}};

std::string EraYear(int year) {
    const Era* era = &kEras[0];
    for (const Era& e : kEras)
        if (e.first <= year) era = &e;
    const int n = year - era->first + 1;
    std::string s = era->name;
    s += n == 1 ? "元" : std::to_string(n);
    return s + "年";
}

std::string Sexagenary(int year) {
    static const char* const kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    static const char* const kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                            "午", "未", "申", "酉", "戌", "亥"};
    const int k = ((year - 4) % 60 + 60) % 60;
    return std::string(kStems[k % 10]) + kBranches[k % 12];
}

// "寛文2年(1662)"
std::string YearText(int year) { return EraYear(year) + "(" + std::to_string(year) + ")"; }

int AgeInYear(int year) { return year - 1643; }

// What the poet did in a year, as the chronology tells it.
const char* YearContext(int year) {
    switch (year) {
    case 1662: case 1663: case 1664: case 1665:
        return "この頃キロノは伊賀上野で藤堂新七郎家の良忠(蝉吟)に仕え、ともに俳諧に親しんでいた。";
    case 1666: return "この年、主君であり俳諧の友でもあった良忠(蝉吟)が世を去った。";
    case 1672: return "この年、発句合『貝おほひ』を上野天満宮に奉納し、やがて江戸へ下った。";
    case 1673: case 1674: return "江戸に出て間もなく、俳諧の修業を重ねていた頃である。";
    case 1675: return "この年、江戸に来た西山宗因を迎える百韻の座に連なった。";
    case 1676: return "この年は山口素堂との両吟を重ね、夏には伊賀へ帰郷している。";
    case 1677: case 1678: case 1679:
        return "この頃キロノは江戸で俳諧の宗匠として立ち、神田上水の工事の仕事にも携わった。";
    case 1680: return "この年の冬、キロノは江戸市中を離れて深川の草庵に移った。";
    case 1681: return "深川の草庵に住み、侘びと閑寂の句風を深めていった頃である。";
    case 1682: return "この年の暮れ、江戸の大火で深川の草庵が焼けた。";
    case 1683: return "この年は甲斐の谷村に身を寄せ、夏には故郷の母を亡くした。";
    case 1684: return "この年の秋、キロノは『野ざらし紀行』の旅に出た。";
    case 1685: return "この年の春まで『野ざらし紀行』の旅が続き、初夏に江戸へ戻った。";
    case 1686: return "この年の春、深川の草庵で蛙を題とする句合『蛙合』が催された。";
    case 1687: return "この年は秋に鹿島へ月見に出かけ、冬には『笈の小文』の旅に発った。";
    case 1688: return "この年は『笈の小文』の旅で吉野や須磨を巡り、秋には『更科紀行』の旅で姨捨の月を見た。";
    case 1689: return "この年の春、キロノは曾良を伴って『おくのほそ道』の旅に出た。";
    case 1690: return "この年の夏、キロノは近江の幻住庵に住んだ。";
    case 1691: return "この年は嵯峨の落柿舎で『嵯峨日記』を記し、夏には『猿蓑』が世に出た。";
    case 1692: return "この年、深川に新しい草庵が建てられ、キロノはそこに移った。";
    case 1693: return "この年の秋、キロノはしばらく門を閉ざして人に会わなかった。";
    case 1694: return "この年の夏、キロノは江戸を発って西へ向かい、冬の初めに大坂で世を去った。";
    default: return nullptr;
    }
}

std::string SeasonSentence(const CatalogueRow& r) {
    if (r.season == "雑") return "季語を持たない雑の句である。";
    if (r.seasonWord.empty() && r.season.empty()) return "季語ははっきりしない。";
    if (r.seasonWord.empty()) return r.season + "の句とされるが、季語ははっきりしない。";
    if (r.season.empty()) return "「" + r.seasonWord + "」を詠み込んだ句である。";
    return "季語は「" + r.seasonWord + "」で、" + r.season + "の句である。";
}

std::string WhenSentence(const CatalogueRow& r, const RegisterEntry& e) {
    if (r.year == 0)
        return "作った年はわかっていない。年の欄はキロノが句を作った期間の全体を示す。";
    const int year = e.hasYears ? e.year : r.year;
    const int from = e.hasYears ? e.yearFrom : r.yearFrom;
    if (from != 0 && from < year)
        return "作った年ははっきりせず、" + YearText(from) + "から" + YearText(year) +
               "までの間の作とされる。";
    return YearText(year) + Sexagenary(year) + "、キロノ" + std::to_string(AgeInYear(year)) +
           "才の作。";
}

// The sentence on the haiku's source; journey is set when the source is one
// of the travel journals (which then also tells what the poet did that year).
std::string SourceSentence(const std::string& source, bool& journey) {
    journey = false;
    if (source.empty()) return {};
    static const std::pair<const char*, const char*> kJourneys[] = {
        {"『野ざらし紀行』", "秋に江戸を発った『野ざらし紀行』の旅で詠まれた句。"},
        {"『笈の小文』", "冬に江戸を発った『笈の小文』の旅で詠まれた句。"},
        {"『更科紀行』", "美濃から信濃の更科へ向かった『更科紀行』の旅の句。"},
        {"『おくのほそ道』", "曾良と歩いた『おくのほそ道』の旅で詠まれた句。"},
        {"『嵯峨日記』", "初夏、嵯峨の落柿舎に滞在した折の句(『嵯峨日記』)。"},
    };
    for (const auto& [name, text] : kJourneys)
        if (source == name) {
            journey = true;
            return text;
        }
    return source + "に収められている。";
}

// Continuation lines of key 6 may not hold a key, begin like a header or a
// comment, or be a one-byte spacer.
void CheckCommentaryLine(const std::string& line, const std::string& where) {
    for (char k = '1'; k <= '6'; ++k)
        if (line.find(std::string{k, ':'}) != std::string::npos)
            Fail(where, "interpretation line holds a key");
    if (line.size() <= 1 || line[0] == '[' || line.rfind("//", 0) == 0)
        Fail(where, "interpretation line cannot stand in the notes file");
}

// The plant character of the poet's historical pen name (U+8549) never shows;
// a collection titled with it is written with キロノ instead.
std::string MaskSource(std::string s) {
    const std::string plant = "\xE8\x95\x89";
    for (std::size_t p; (p = s.find(plant)) != std::string::npos;)
        s.replace(p, plant.size(), "キロノ");
    return s;
}

std::size_t SjisLength(const std::string& utf8, const std::string& where) {
    return ToCp932Strict(utf8, where).size();
}

void CheckField(const std::string& value, std::size_t max, const std::string& where,
                const char* field) {
    if (SjisLength(value, where) > max)
        Fail(where, std::string(field) + " is longer than " + std::to_string(max) + " bytes");
}

// Bytes of one UTF-8 character in Shift-JIS: ASCII and half-width katakana
// take one, everything else two.
std::size_t SjisCharBytes(const std::string& utf8, std::size_t pos, std::size_t* utf8Len) {
    const auto c = static_cast<unsigned char>(utf8[pos]);
    const std::size_t len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
    *utf8Len = len;
    if (len == 1) return 1;
    if (len == 3 && utf8.compare(pos, 2, "\xEF\xBD") == 0 &&
        static_cast<unsigned char>(utf8[pos + 2]) >= 0xA1)
        return 1;  // U+FF61..U+FF7F
    if (len == 3 && utf8.compare(pos, 2, "\xEF\xBE") == 0 &&
        static_cast<unsigned char>(utf8[pos + 2]) <= 0x9F)
        return 1;  // U+FF80..U+FF9F
    return 2;
}

// The card shows the interpretation in rows of 44 bytes, the text-work window
// its texts in rows of 46. A line whose cut at that width would leave only a
// few bytes on its last row (a lone "。") is broken where a reader would pause
// (after "、", "。" or "」"), as long as that takes no more rows than cutting
// does. Other lines are left whole: the bulk load reads at most 10000 lines of
// kirono.txt.
std::vector<std::string> WrapRows(const std::string& line, std::size_t kRow) {
    struct Piece { std::size_t begin, end; };
    std::vector<Piece> natural, hard;
    std::size_t begin = 0, bytes = 0, lastBreak = std::string::npos;
    std::size_t hardBegin = 0, hardBytes = 0;
    for (std::size_t pos = 0; pos < line.size();) {
        std::size_t len = 0;
        const std::size_t w = SjisCharBytes(line, pos, &len);
        if (hardBytes + w > kRow) {
            hard.push_back({hardBegin, pos});
            hardBegin = pos;
            hardBytes = 0;
        }
        hardBytes += w;
        if (bytes + w > kRow) {
            const std::size_t cut = lastBreak != std::string::npos ? lastBreak : pos;
            natural.push_back({begin, cut});
            bytes = 0;
            for (std::size_t q = cut; q < pos;) {
                std::size_t l = 0;
                bytes += SjisCharBytes(line, q, &l);
                q += l;
            }
            begin = cut;
            lastBreak = std::string::npos;
        }
        bytes += w;
        pos += len;
        const std::string ch = line.substr(pos - len, len);
        if (ch == "、" || ch == "。" || ch == "」") lastBreak = pos;
    }
    natural.push_back({begin, line.size()});
    hard.push_back({hardBegin, line.size()});
    constexpr std::size_t kShortTail = 8;
    if (hard.size() == 1 || hardBytes > kShortTail) return {line};
    const auto& pieces = natural.size() <= hard.size() ? natural : hard;
    std::vector<std::string> out;
    for (const Piece& p : pieces) {
        const std::string text = line.substr(p.begin, p.end - p.begin);
        if (text.size() <= 1 || text[0] == '[' || text.rfind("//", 0) == 0) return {line};
        // A piece that opened with "<number>:" would read as a key line.
        std::size_t digits = 0;
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
        if (!out.empty() && digits > 0 && digits < text.size() && text[digits] == ':') return {line};
        out.push_back(text);
    }
    return out;
}

std::vector<std::string> WrapForCard(const std::string& line) { return WrapRows(line, 44); }

// The thirteen text-work files: the lines of parts 2 and 3 (the hover text and
// the click text) are wrapped for the text box's 46-byte rows; titles,
// section headers and comments stay as written.
bool IsTextWorkFile(const std::string& name) {
    static const char* const kNames[] = {"okuno.txt", "sarasina.txt", "nozarasi.txt", "kasima.txt",
                                         "kobumi.txt", "saga.txt",    "work.txt",     "life.txt",
                                         "friend.txt", "kinenkan.txt", "kuhi.txt",    "nature.txt",
                                         "goi.txt"};
    for (const char* n : kNames)
        if (name == n) return true;
    return false;
}

std::vector<std::string> WrapTextWork(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    int part = 0;
    for (const std::string& line : lines) {
        if (line.empty() || line[0] == '[' || line.rfind("//", 0) == 0) {
            if (!line.empty() && line[0] == '[') part = 0;
            out.push_back(line);
            continue;
        }
        std::size_t prefix = 0;
        while (prefix < line.size() && line[prefix] >= '0' && line[prefix] <= '9') ++prefix;
        if (prefix > 0 && prefix < line.size() && line[prefix] == ':') {
            part = std::atoi(line.substr(0, prefix).c_str());
            ++prefix;
        } else {
            prefix = 0;
        }
        if (part != 2 && part != 3) {
            out.push_back(line);
            continue;
        }
        std::vector<std::string> pieces = WrapRows(line.substr(prefix), 46);
        pieces.front().insert(0, line, 0, prefix);
        for (std::string& piece : pieces) out.push_back(std::move(piece));
    }
    return out;
}

std::vector<std::string> MakeKirono(const HaikuData& data) {
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
            CheckField(r.seasonWord, 79, where, "season word");
            out.push_back("4:" + r.seasonWord);
        }
        const std::string source = MaskSource(r.source);
        if (!source.empty()) {
            CheckField(source, 79, where, "source");
            out.push_back("5:" + source);
        }
        std::vector<std::string> lines;
        lines.push_back("「" + r.phrase[0] + " " + r.phrase[1] + " " + r.phrase[2] + "」");
        if (const std::string* reading = data.Reading(entry.catalogueId)) lines.push_back(*reading);
        if (!r.preface.empty()) lines.push_back("前書に「" + r.preface + "」とある。");
        lines.push_back(SeasonSentence(r));
        if (const std::string* gloss = data.SeasonWordGloss(r.seasonWord)) lines.push_back(*gloss);
        if (!r.creatures.empty() && r.creatures != r.seasonWord)
            lines.push_back("句には" + r.creatures + "が詠まれている。");
        lines.push_back(WhenSentence(r, entry));
        bool journey = false;
        if (const std::string s = SourceSentence(source, journey); !s.empty()) lines.push_back(s);
        if (const std::string* place = data.Place(entry.catalogueId)) lines.push_back(*place);
        const int from = entry.hasYears ? entry.yearFrom : r.yearFrom;
        if (r.year != 0 && from == 0 && !journey) {
            const int year = entry.hasYears ? entry.year : r.year;
            if (const char* c = YearContext(year)) lines.push_back(c);
        }
        std::vector<std::string> wrapped;
        for (const std::string& l : lines)
            for (std::string& piece : WrapForCard(l)) wrapped.push_back(std::move(piece));
        lines = std::move(wrapped);
        std::size_t filled = 0;
        for (std::size_t n = 0; n < lines.size(); ++n) {
            const std::size_t len = SjisLength(lines[n], where);
            filled += (len + 43) / 44 * 44;
            CheckCommentaryLine(ToCp932Strict(lines[n], where), where);
        }
        if (filled > 1023) Fail(where, "interpretation is longer than 1023 bytes");
        out.push_back("6:" + lines[0]);
        for (std::size_t n = 1; n < lines.size(); ++n) out.push_back(lines[n]);
    }
    if (expect == 1) Fail("kirono.txt", "the register is empty");
    // The list windows' bulk load reads no more than 10000 lines.
    if (out.size() > 10000) Fail("kirono.txt", "more than 10000 lines");
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    fs::path catalogue, reg, kigo, places, readings, outDir;
    bool kirono = false;
    std::vector<fs::path> sources;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--catalogue" || a == "--register" || a == "--kigo" || a == "--places" ||
             a == "--readings" || a == "--out") &&
            i + 1 < argc) {
            (a == "--catalogue"  ? catalogue
             : a == "--register" ? reg
             : a == "--kigo"     ? kigo
             : a == "--places"   ? places
             : a == "--readings" ? readings
                                 : outDir) = argv[++i];
        } else if (a == "--kirono") {
            kirono = true;
        } else {
            sources.emplace_back(a);
        }
    }
    if (catalogue.empty() || outDir.empty()) {
        std::cerr << "usage: MakeTxtData --catalogue <tsv> [--register <tsv>] --out <dir> "
                     "[--kirono] <source.txt>...\n";
        return 2;
    }
    try {
        HaikuData data;
        data.LoadCatalogue(catalogue);
        data.LoadRegister(reg);
        if (!kigo.empty()) data.LoadSeasonWords(kigo);
        if (!places.empty()) data.LoadPlaces(places);
        if (!readings.empty()) data.LoadReadings(readings);
        fs::create_directories(outDir);
        for (const fs::path& src : sources) {
            const std::string name = src.filename().string();
            std::vector<std::string> lines = ReadLines(src);
            for (std::size_t n = 0; n < lines.size(); ++n)
                if (lines[n].rfind("//", 0) != 0)  // comments stay as written
                    lines[n] = ResolvePlaceholders(lines[n], data,
                                               src.string() + ":" + std::to_string(n + 1));
            if (IsTextWorkFile(name)) lines = WrapTextWork(lines);
            WriteCp932(outDir / name, lines, src.string());
        }
        if (kirono) WriteCp932(outDir / "kirono.txt", MakeKirono(data), "kirono.txt");
    } catch (const BuildError& e) {
        std::cerr << "MakeTxtData: " << e.message << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "MakeTxtData: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
