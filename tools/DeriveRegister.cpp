// Refreshes the haiku register (haiku/register.tsv) from the haiku catalogue
// (haiku/catalogue.tsv) and the list of plant, animal and weather words
// (haiku/creatures.tsv). Host tool, UTF-8 throughout; the program compiles the
// register's texts to Shift-JIS through the generated rows.
//
//   derive_register <catalogue.tsv> <creatures.tsv> <register.tsv>
//       rewrites the register in place
//   derive_register --check <catalogue.tsv> <creatures.tsv> <register.tsv>
//       fails unless the file equals its refresh
//
// The register is the record of the numbers. regNo and the four anthology
// numbers were assigned once by the rules docs/register.md tells; text works,
// settings files and readers' notes refer to them, so they never change. A
// refresh keeps every row, its numbers and its catalogue id, and takes from
// the catalogue what the catalogue says: the three phrases and the dating
// (year, yearFrom, month, day; a row without a year gets the span 1662-1694,
// "year unknown"). The second row of a haiku that the chronicle (order 4)
// dates differently carries the chronicle's own dating, which stays as the
// register has it.
//
// Creatures are found in the haiku's text: every form of an item of the list
// that does not stand inside one of that item's "not within" words, in text
// order, at most four items and 20 bytes; creatureClass is the class of the
// first item (99 when none).
//
// The refresh fails when the numbers are not whole: regNo 1..1017 in order,
// each with one row or two adjacent rows, every catalogue id under one regNo,
// and in every anthology order each number from 1 to its count exactly once.
//
// Output columns (tab-separated, one header line, LF):
//   regNo chronicleNo completeNo collectionNo dailyNo phrase1 phrase2 phrase3
//   year yearFrom month day creatureClass creatures catalogueId
#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kUnknownFrom = 1662;
constexpr int kUnknownTo = 1694;
constexpr int kRegisterCount = 1017;
constexpr std::size_t kCreaturesBytes = 20;
constexpr std::size_t kCreaturesItems = 4;

struct Dating {
    int year = 0;
    int yearFrom = 0;
    int month = 99;
    int day = 99;
};

struct Haiku {
    int id = 0;
    std::string phrase[3];
    Dating dating;
};

struct Creature {
    std::string item;
    int code = 0;
    std::vector<std::string> forms;
    std::vector<std::string> notWithin;
};

// One row of the register file.
struct Row {
    int number[5] = {};  // regNo, chronicleNo, completeNo, collectionNo, dailyNo
    Dating dating;
    int catalogueId = 0;
};

// The anthology orders by their column: name and count.
struct Order {
    const char* name;
    int count;
};
constexpr std::array<Order, 5> kOrders = {{{"register", kRegisterCount},
                                           {"chronicle", 981},
                                           {"complete", 983},
                                           {"collection", 980},
                                           {"daily", 365}}};

const char* const kRegisterHeader =
    "regNo\tchronicleNo\tcompleteNo\tcollectionNo\tdailyNo\tphrase1\tphrase2\tphrase3\t"
    "year\tyearFrom\tmonth\tday\tcreatureClass\tcreatures\tcatalogueId";

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "derive_register: " << message << '\n';
    std::exit(1);
}

std::vector<std::string> SplitBy(const std::string& s, const std::string& sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t pos = s.find(sep, start);
        if (pos == std::string::npos) {
            parts.push_back(s.substr(start));
            return parts;
        }
        parts.push_back(s.substr(start, pos - start));
        start = pos + sep.size();
    }
}

int ToInt(const std::string& s, const std::string& where, const char* what) {
    if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos)
        Fail(where + ": " + what + " is not a number: '" + s + "'");
    return std::stoi(s);
}

// Byte length in code page 932, or nullopt when the text does not convert.
std::optional<std::size_t> Cp932Length(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) Fail("iconv cannot convert to CP932");
    std::string in = utf8;
    char* src = in.data();
    std::size_t srcLeft = in.size();
    std::string out(in.size() * 2 + 4, '\0');
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1) || srcLeft != 0) return std::nullopt;
    return out.size() - dstLeft;
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail("cannot open " + path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<Haiku> ReadCatalogue(const std::string& path) {
    const auto lines = ReadLines(path);
    if (lines.empty()) Fail(path + ": empty");
    const auto head = SplitBy(lines[0], "\t");
    auto col = [&](const char* name) {
        for (std::size_t i = 0; i < head.size(); ++i)
            if (head[i] == name) return i;
        Fail(path + ": no column " + name);
    };
    const std::size_t cId = col("id"), cP1 = col("phrase1"), cYear = col("year"),
                      cFrom = col("yearFrom"), cMonth = col("month"), cDay = col("day");
    std::vector<Haiku> haiku;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        if (lines[n].empty()) continue;
        const std::string where = path + ":" + std::to_string(n + 1);
        const auto f = SplitBy(lines[n], "\t");
        if (f.size() != head.size()) Fail(where + ": not " + std::to_string(head.size()) + " columns");
        Haiku h;
        h.id = ToInt(f[cId], where, "id");
        for (std::size_t i = 0; i < 3; ++i) h.phrase[i] = f[cP1 + i];
        if (f[cYear].empty()) {
            h.dating = {kUnknownTo, kUnknownFrom, 99, 99};
        } else {
            h.dating.year = ToInt(f[cYear], where, "year");
            h.dating.yearFrom = ToInt(f[cFrom], where, "yearFrom");
        }
        h.dating.month = ToInt(f[cMonth], where, "month");
        h.dating.day = ToInt(f[cDay], where, "day");
        if (h.id != static_cast<int>(haiku.size()) + 1) Fail(where + ": ids are not 1, 2, 3, ...");
        haiku.push_back(std::move(h));
    }
    return haiku;
}

std::vector<std::string> List(const std::string& field) {
    std::vector<std::string> out;
    if (!field.empty())
        for (const std::string& s : SplitBy(field, ","))
            if (!s.empty()) out.push_back(s);
    return out;
}

std::vector<Creature> ReadCreatures(const std::string& path) {
    std::vector<Creature> list;
    bool header = true;
    const auto lines = ReadLines(path);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (lines[n].empty() || lines[n][0] == '#') continue;
        const std::string where = path + ":" + std::to_string(n + 1);
        const auto f = SplitBy(lines[n], "\t");
        if (f.size() != 4) Fail(where + ": expected item, class, forms, not within");
        if (header) {
            header = false;
            continue;
        }
        Creature c{f[0], ToInt(f[1], where, "class"), List(f[2]), List(f[3])};
        if (c.item.empty() || c.code < 1 || c.code > 12) Fail(where + ": bad item or class");
        if (c.forms.empty()) c.forms.push_back(c.item);
        list.push_back(std::move(c));
    }
    return list;
}

// The creatures a text names, in text order.
std::string FindCreatures(const std::string& text, const std::vector<Creature>& list, int* code) {
    struct Hit {
        std::size_t pos;
        const Creature* c;
    };
    std::vector<Hit> hits;
    for (const Creature& c : list) {
        std::vector<std::pair<std::size_t, std::size_t>> covered;
        for (const std::string& w : c.notWithin)
            for (std::size_t p = text.find(w); p != std::string::npos; p = text.find(w, p + 1))
                covered.emplace_back(p, p + w.size());
        std::optional<std::size_t> first;
        for (const std::string& form : c.forms)
            for (std::size_t p = text.find(form); p != std::string::npos; p = text.find(form, p + 1)) {
                const bool inside = std::any_of(covered.begin(), covered.end(), [&](const auto& r) {
                    return r.first <= p && p + form.size() <= r.second;
                });
                if (!inside && (!first || p < *first)) first = p;
            }
        if (first) hits.push_back({*first, &c});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.pos < b.pos; });
    std::string out;
    std::size_t items = 0;
    *code = 99;
    for (const Hit& h : hits) {
        const std::string next = out.empty() ? h.c->item : out + "・" + h.c->item;
        const auto len = Cp932Length(next);
        if (items == kCreaturesItems || !len || *len > kCreaturesBytes) break;
        if (out.empty()) *code = h.c->code;
        out = next;
        ++items;
    }
    return out;
}

void CheckPhrases(const Haiku& h) {
    const std::string id = "id " + std::to_string(h.id);
    for (const auto& p : h.phrase) {
        const auto len = Cp932Length(p);
        if (!len) Fail(id + ": a phrase is not Shift-JIS: " + p);
        if (*len == 0 || *len > 16) Fail(id + ": a phrase is empty or over 16 bytes: " + p);
        if (p.find_first_of("\t\"\\") != std::string::npos) Fail(id + ": bad character");
    }
    const Dating& d = h.dating;
    if (d.year < kUnknownFrom || d.year > kUnknownTo || (d.yearFrom != 0 && d.yearFrom >= d.year))
        Fail(id + ": year out of range");
}

std::vector<Row> ReadRegister(const std::string& path) {
    const auto lines = ReadLines(path);
    if (lines.empty() || lines[0] != kRegisterHeader) Fail(path + ": unexpected header line");
    std::vector<Row> rows;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        const std::string where = path + ":" + std::to_string(n + 1);
        const auto f = SplitBy(lines[n], "\t");
        if (f.size() != 15) Fail(where + ": not 15 columns");
        Row r;
        for (std::size_t k = 0; k < 5; ++k) r.number[k] = ToInt(f[k], where, "a number");
        r.dating = {ToInt(f[8], where, "year"), ToInt(f[9], where, "yearFrom"),
                    ToInt(f[10], where, "month"), ToInt(f[11], where, "day")};
        r.catalogueId = ToInt(f[14], where, "catalogueId");
        rows.push_back(r);
    }
    return rows;
}

// The numbers must stay whole: see the head comment.
void CheckNumbers(const std::vector<Row>& rows, std::size_t catalogueSize) {
    std::map<int, int> regOfId;
    int expect = 1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const int reg = r.number[0];
        const bool second = i > 0 && rows[i - 1].number[0] == reg;
        if (!second && reg != expect) Fail("regNo " + std::to_string(expect) + " is missing or out of order");
        if (!second) ++expect;
        if (second && (i > 1 && rows[i - 2].number[0] == reg))
            Fail("regNo " + std::to_string(reg) + " has more than two rows");
        if (second && (rows[i - 1].catalogueId != r.catalogueId || rows[i - 1].number[1] != 0 ||
                       r.number[2] != 0 || r.number[3] != 0 || r.number[4] != 0))
            Fail("regNo " + std::to_string(reg) + ": its two rows are not one haiku in two datings");
        if (r.catalogueId < 1 || static_cast<std::size_t>(r.catalogueId) > catalogueSize)
            Fail("regNo " + std::to_string(reg) + ": unknown catalogue id");
        const auto [it, fresh] = regOfId.emplace(r.catalogueId, reg);
        if (!fresh && it->second != reg)
            Fail("catalogue id " + std::to_string(r.catalogueId) + " stands under two numbers");
    }
    if (expect != kRegisterCount + 1 || regOfId.size() != catalogueSize)
        Fail("the register does not hold every catalogue row under 1..1017");
    for (std::size_t k = 1; k < kOrders.size(); ++k) {
        std::vector<int> seen(static_cast<std::size_t>(kOrders[k].count) + 1, 0);
        for (const Row& r : rows) {
            const int no = r.number[k];
            if (no == 0) continue;
            if (no < 0 || no > kOrders[k].count || seen[static_cast<std::size_t>(no)]++)
                Fail(std::string(kOrders[k].name) + ": number " + std::to_string(no) + " out of range or twice");
        }
        for (int no = 1; no <= kOrders[k].count; ++no)
            if (!seen[static_cast<std::size_t>(no)])
                Fail(std::string(kOrders[k].name) + ": number " + std::to_string(no) + " is missing");
    }
}

std::string Refresh(const std::vector<Haiku>& haiku, const std::vector<Creature>& creatures,
                    const std::vector<Row>& rows) {
    CheckNumbers(rows, haiku.size());
    std::ostringstream out;
    out << kRegisterHeader << '\n';
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const Haiku& h = haiku[static_cast<std::size_t>(r.catalogueId) - 1];
        CheckPhrases(h);
        const bool chronicleRow = i > 0 && rows[i - 1].number[0] == r.number[0];
        const Dating& d = chronicleRow ? r.dating : h.dating;
        int code = 99;
        const std::string found = FindCreatures(h.phrase[0] + h.phrase[1] + h.phrase[2], creatures, &code);
        for (int n : r.number) out << n << '\t';
        out << h.phrase[0] << '\t' << h.phrase[1] << '\t' << h.phrase[2] << '\t' << d.year << '\t'
            << d.yearFrom << '\t' << d.month << '\t' << d.day << '\t' << code << '\t' << found
            << '\t' << h.id << '\n';
    }
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 5 && std::string(argv[1]) == "--check";
    if (argc != 4 && !check) {
        std::cerr << "usage: derive_register [--check] <catalogue.tsv> <creatures.tsv> <register.tsv>\n";
        return 2;
    }
    const int a = check ? 2 : 1;
    const std::string registerPath = argv[a + 2];
    const std::string derived =
        Refresh(ReadCatalogue(argv[a]), ReadCreatures(argv[a + 1]), ReadRegister(registerPath));
    if (check) {
        std::ifstream in(registerPath, std::ios::binary);
        std::ostringstream existing;
        existing << in.rdbuf();
        if (existing.str() == derived) return 0;
        std::istringstream a(existing.str()), b(derived);
        std::string la, lb;
        for (int line = 1;; ++line) {
            const bool ga = static_cast<bool>(std::getline(a, la));
            const bool gb = static_cast<bool>(std::getline(b, lb));
            if (!ga && !gb) break;
            if (!ga || !gb || la != lb) {
                std::cerr << registerPath << ":" << line << ": differs from the derivation\n"
                          << "  file:    " << (ga ? la : "(end)") << "\n"
                          << "  derived: " << (gb ? lb : "(end)") << "\n";
                break;
            }
        }
        return 1;
    }
    std::ofstream out(registerPath, std::ios::binary | std::ios::trunc);
    out << derived;
    if (!out) {
        std::cerr << "derive_register: cannot write " << registerPath << '\n';
        return 1;
    }
    return 0;
}
