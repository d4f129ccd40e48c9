// Derives the haiku register (haiku/register.tsv) from the haiku catalogue
// (haiku/catalogue.tsv). Host tool, UTF-8 throughout; the program compiles the
// register's texts to Shift-JIS through the generated rows.
//
//   derive_register <catalogue.tsv> <register.tsv>           writes the register
//   derive_register --check <catalogue.tsv> <register.tsv>   fails unless the file
//                                                             equals the derivation
//
// The rules (docs/register.md tells the same in prose):
//
// Dating. Every catalogue row is dated by its year (the later end of a span),
// yearFrom (0 without a span), month and day (99 when unknown). A row without a
// year gets the span 1662-1694: "year unknown", within the poet's writing life.
// Rows sort by the dating key: year; then rows with a single year before spans;
// then the wider span later (yearFrom descending); then the catalogue id.
//
// Membership.
//   order 0, register ("登録全句"): every catalogue row, 1,017.
//   order 4, chronicle: the rows the source dataset dates itself, which by the
//     catalogue's convention are ids 1..981; 981.
//   order 2, collection: the chronicle's haiku except 人声や (pinned out: the
//     register's closing entry, which only the chronicle holds); 980.
//   order 1, complete edition: every dated row that is not one of the variant
//     wordings added from other pages (provenance "PG:"), except 人声や, plus
//     the undated rows whose season the complete edition's pages confirm
//     (provenance "+ws"); 983.
//   order 3, one haiku a day: 365 haiku of the complete edition with one of the
//     four seasons, one for each day of a common year (see below).
//
// Numbering. In orders 0, 1, 2 and 4 the members are numbered 1..count by the
// dating key; the pinned haiku below take their numbers first and the others
// fill the remaining numbers in key order. The chronicle sorts by its own
// dating, which differs from the catalogue's for two haiku (pinned datings):
// 月ぞしるべ 1664, month 9; 女夫鹿や 1672, month 1, day 25, without a span.
//
// Pins (catalogue id -> number), where the dating key alone cannot place the
// example haiku where the register has them:
//   order 0: 1 -> 1, 2 -> 2, 43 -> 40, 867 -> 1017 (the last entry)
//   order 1: 1 -> 1, 2 -> 2, 43 -> 40
//   order 2: 1 -> 1, 2 -> 2, 43 -> 40
//   order 4: 1 -> 1, 2 -> 3, 43 -> 40, 867 -> 918
//   order 3: 1 -> 35, 2 -> 259
//
// One haiku a day. The days of a common year (1..365) fall into the four
// seasons at the usual solar terms: spring from 4 Feb (day 35) to 5 May,
// summer from 6 May (day 126) to 7 Aug, autumn from 8 Aug (day 220) to 6 Nov,
// winter from 7 Nov (day 311) round the new year to 3 Feb (day 34). Pinned
// haiku take their days first. For each season the free days, taken from the
// season's first day onwards, and the season's candidates (members of the
// complete edition with that season that are not pinned, in complete-edition
// order) are matched by spreading: with m free days and n >= m candidates,
// free day j (0-based) gets candidate floor(j * n / m). So each season walks
// through the poet's life once.
//
// Rows. Each haiku gives one row in register order. A haiku that the chronicle
// dates differently gives two adjacent rows: first the catalogue's dating with
// the numbers of orders 0 to 3, then the chronicle's dating with the numbers of
// orders 0 and 4. creatureClass is the class of the first item of creatures
// (99 when empty); an item outside the class table is an error.
//
// Output columns (tab-separated, one header line, LF):
//   regNo chronicleNo completeNo collectionNo dailyNo phrase1 phrase2 phrase3
//   year yearFrom month day creatureClass creatures catalogueId
#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int kUnknownFrom = 1662;
constexpr int kUnknownTo = 1694;
constexpr int kSourceDatedLastId = 981;
constexpr int kLastEntryId = 867;  // 人声や

struct Dating {
    int year = 0;
    int yearFrom = 0;
    int month = 99;
    int day = 99;
    bool operator==(const Dating&) const = default;
};

struct Haiku {
    int id = 0;
    std::string phrase[3];
    Dating dating;
    bool undated = false;
    std::string season;
    std::string creatures;
    std::string provenance;
};

// The chronicle's own datings where they differ from the catalogue's.
const std::map<int, Dating> kChronicleDatings = {
    {2, {1664, 0, 9, 99}},
    {43, {1672, 0, 1, 25}},
};

using Pins = std::map<int, int>;  // catalogue id -> number
const Pins kRegisterPins = {{1, 1}, {2, 2}, {43, 40}, {kLastEntryId, 1017}};
const Pins kCompletePins = {{1, 1}, {2, 2}, {43, 40}};
const Pins kCollectionPins = {{1, 1}, {2, 2}, {43, 40}};
const Pins kChroniclePins = {{1, 1}, {2, 3}, {43, 40}, {kLastEntryId, 918}};
const Pins kDailyPins = {{1, 35}, {2, 259}};

constexpr int kRegisterCount = 1017;
constexpr int kCompleteCount = 983;
constexpr int kCollectionCount = 980;
constexpr int kDailyCount = 365;
constexpr int kChronicleCount = 981;

struct CreatureClass {
    int code;
    std::vector<std::string> items;
};

const std::vector<CreatureClass> kClasses = {
    {1, {"鹿", "馬", "猫", "猿", "猪", "狐", "鼠", "犬", "兎"}},
    {2, {"杜鵑", "烏", "雀", "水鶏", "鶯", "鷹", "鶴", "鴨", "雉"}},
    {3, {"郭公", "雁", "鸛", "雲雀", "千鳥", "鳰", "燕", "鶉"}},
    {4, {"蝶", "蛍", "蝉", "蚊", "蚤", "蜘蛛", "蜂"}},
    {5, {"白魚", "鮭", "田螺", "鰹", "鮎", "蛤", "海鼠", "烏賊"}},
    {6, {"雨", "雪", "風", "涼", "雲", "霜", "寒", "露", "霰"}},
    {7, {"夕顔", "朝顔", "蓮", "椿", "躑躅", "山吹", "紫陽花", "藤"}},
    {8, {"菊", "桜", "梅", "杜若", "桃", "木槿", "卯の花"}},
    {9, {"薺", "萩", "蔦", "荻", "菫", "葎", "芹", "薄"}},
    {10, {"唐辛子", "瓢箪", "茄子", "松茸", "大根"}},
    {11, {"酒", "麦", "餅", "米", "粽", "蕎麦", "豆腐"}},
    {12, {"柳", "竹", "松", "栗", "杉", "椎", "榎"}},
};

// Seasons: name and first day of a common year.
struct Season {
    const char* name;
    int firstDay;
};
const std::array<Season, 4> kSeasons = {{
    {"春", 35},
    {"夏", 126},
    {"秋", 220},
    {"冬", 311},
}};

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

int ToInt(const std::string& s, int id, const char* what) {
    if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos)
        Fail("id " + std::to_string(id) + ": " + what + " is not a number: '" + s + "'");
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

std::vector<Haiku> ReadCatalogue(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail("cannot open " + path);
    std::string line;
    std::getline(in, line);
    const std::string header =
        "id\tphrase1\tphrase2\tphrase3\tyear\tyearFrom\tmonth\tday\treading1\treading2\t"
        "reading3\tseason\tseasonWord\tsource\tpreface\tcreatures\tprovenance";
    if (line != header) Fail(path + ": unexpected header line");
    std::vector<Haiku> haiku;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        const auto f = SplitBy(line, "\t");
        if (f.size() != 17) Fail(path + ": a line without 17 columns: " + line);
        Haiku h;
        h.id = ToInt(f[0], 0, "id");
        for (int i = 0; i < 3; ++i) h.phrase[i] = f[1 + i];
        h.undated = f[4].empty();
        if (h.undated) {
            h.dating = {kUnknownTo, kUnknownFrom, 99, 99};
        } else {
            h.dating.year = ToInt(f[4], h.id, "year");
            h.dating.yearFrom = ToInt(f[5], h.id, "yearFrom");
        }
        h.dating.month = ToInt(f[6], h.id, "month");
        h.dating.day = ToInt(f[7], h.id, "day");
        h.season = f[11];
        h.creatures = f[15];
        h.provenance = f[16];
        if (h.id != static_cast<int>(haiku.size()) + 1) Fail("ids are not 1, 2, 3, ...");
        haiku.push_back(std::move(h));
    }
    return haiku;
}

using SortKey = std::tuple<int, int, int, int>;
SortKey KeyOf(const Dating& d, int id) {
    return {d.year, d.yearFrom == 0 ? 0 : 1, -d.yearFrom, id};
}

Dating ChronicleDating(const Haiku& h) {
    const auto it = kChronicleDatings.find(h.id);
    return it == kChronicleDatings.end() ? h.dating : it->second;
}

// Numbers 1..members.size(): pins first, then the others in key order.
std::map<int, int> Number(std::vector<int> members, const std::vector<Haiku>& haiku,
                          bool chronicle, const Pins& pins, const char* order) {
    std::sort(members.begin(), members.end(), [&](int a, int b) {
        const Haiku& ha = haiku[a - 1];
        const Haiku& hb = haiku[b - 1];
        const Dating da = chronicle ? ChronicleDating(ha) : ha.dating;
        const Dating db = chronicle ? ChronicleDating(hb) : hb.dating;
        return KeyOf(da, a) < KeyOf(db, b);
    });
    const int count = static_cast<int>(members.size());
    std::map<int, int> numbers;
    std::set<int> taken;
    for (const auto& [id, no] : pins) {
        if (std::find(members.begin(), members.end(), id) == members.end())
            Fail(std::string(order) + ": pinned id " + std::to_string(id) + " is not a member");
        if (no < 1 || no > count || !taken.insert(no).second)
            Fail(std::string(order) + ": bad pinned number " + std::to_string(no));
        numbers[id] = no;
    }
    int next = 1;
    for (int id : members) {
        if (pins.count(id)) continue;
        while (taken.count(next)) ++next;
        numbers[id] = next++;
    }
    return numbers;
}

void ExpectCount(const std::map<int, int>& numbers, int count, const char* order) {
    if (static_cast<int>(numbers.size()) != count)
        Fail(std::string(order) + ": " + std::to_string(numbers.size()) + " haiku, not " +
             std::to_string(count));
}

std::map<int, int> NumberDaily(const std::vector<Haiku>& haiku,
                               const std::map<int, int>& complete) {
    std::vector<int> byComplete(complete.size() + 1, 0);
    for (const auto& [id, no] : complete) byComplete[no] = id;
    std::map<int, int> daily;
    std::set<int> takenDays;
    for (const auto& [id, day] : kDailyPins) {
        if (!complete.count(id)) Fail("daily: pinned id is not in the complete edition");
        if (day < 1 || day > kDailyCount || !takenDays.insert(day).second)
            Fail("daily: bad pinned day");
        daily[id] = day;
    }
    for (std::size_t s = 0; s < kSeasons.size(); ++s) {
        const int first = kSeasons[s].firstDay;
        const int end = kSeasons[(s + 1) % kSeasons.size()].firstDay;  // exclusive
        std::vector<int> days;
        for (int d = first; d != end; d = d % kDailyCount + 1)
            if (!takenDays.count(d)) days.push_back(d);
        std::vector<int> candidates;
        for (std::size_t no = 1; no < byComplete.size(); ++no) {
            const int id = byComplete[no];
            if (haiku[id - 1].season == kSeasons[s].name && !kDailyPins.count(id))
                candidates.push_back(id);
        }
        const std::size_t m = days.size();
        const std::size_t n = candidates.size();
        if (n < m) Fail(std::string("daily: too few haiku of season ") + kSeasons[s].name);
        for (std::size_t j = 0; j < m; ++j) daily[candidates[j * n / m]] = days[j];
    }
    return daily;
}

int ClassOf(const std::string& creatures, int id) {
    if (creatures.empty()) return 99;
    const std::string first = SplitBy(creatures, "・").front();
    for (const auto& c : kClasses)
        if (std::find(c.items.begin(), c.items.end(), first) != c.items.end()) return c.code;
    Fail("id " + std::to_string(id) + ": creature '" + first + "' has no class");
}

void CheckTexts(const Haiku& h) {
    const std::string id = "id " + std::to_string(h.id);
    for (const auto& p : h.phrase) {
        const auto len = Cp932Length(p);
        if (!len) Fail(id + ": a phrase is not Shift-JIS: " + p);
        if (*len == 0 || *len > 16) Fail(id + ": a phrase is empty or over 16 bytes: " + p);
        if (p.find_first_of("\t\"\\") != std::string::npos) Fail(id + ": bad character");
    }
    const auto len = Cp932Length(h.creatures);
    if (!len || *len > 20) Fail(id + ": creatures over 20 bytes or not Shift-JIS");
    if (!h.creatures.empty() && SplitBy(h.creatures, "・").size() > 4)
        Fail(id + ": more than four creatures");
}

std::string Derive(const std::vector<Haiku>& haiku) {
    if (static_cast<int>(haiku.size()) != kRegisterCount)
        Fail("the catalogue does not hold 1017 rows");
    std::vector<int> all, chronicle, collection, complete;
    for (const Haiku& h : haiku) {
        CheckTexts(h);
        if (h.dating.year < kUnknownFrom || h.dating.year > kUnknownTo ||
            (h.dating.yearFrom != 0 && h.dating.yearFrom >= h.dating.year))
            Fail("id " + std::to_string(h.id) + ": year out of range");
        all.push_back(h.id);
        if (h.id <= kSourceDatedLastId) {
            if (h.undated) Fail("a row of the source-dated range has no year");
            chronicle.push_back(h.id);
            if (h.id != kLastEntryId) collection.push_back(h.id);
        }
        const bool added = h.provenance.rfind("PG:", 0) == 0;
        const bool edition = h.provenance.find("+ws") != std::string::npos;
        if (h.id != kLastEntryId && ((!h.undated && !added) || (h.undated && edition)))
            complete.push_back(h.id);
    }
    const auto regNo = Number(all, haiku, false, kRegisterPins, "register");
    const auto chronNo = Number(chronicle, haiku, true, kChroniclePins, "chronicle");
    const auto collNo = Number(collection, haiku, false, kCollectionPins, "collection");
    const auto complNo = Number(complete, haiku, false, kCompletePins, "complete");
    const auto dailyNo = NumberDaily(haiku, complNo);
    ExpectCount(regNo, kRegisterCount, "register");
    ExpectCount(chronNo, kChronicleCount, "chronicle");
    ExpectCount(collNo, kCollectionCount, "collection");
    ExpectCount(complNo, kCompleteCount, "complete");
    ExpectCount(dailyNo, kDailyCount, "daily");

    std::vector<int> byReg(kRegisterCount + 1, 0);
    for (const auto& [id, no] : regNo) byReg[no] = id;

    auto numberIn = [](const std::map<int, int>& numbers, int id) {
        const auto it = numbers.find(id);
        return it == numbers.end() ? 0 : it->second;
    };
    std::ostringstream out;
    out << "regNo\tchronicleNo\tcompleteNo\tcollectionNo\tdailyNo\tphrase1\tphrase2\tphrase3\t"
           "year\tyearFrom\tmonth\tday\tcreatureClass\tcreatures\tcatalogueId\n";
    auto writeRow = [&](int reg, int chron, int compl_, int coll, int daily, const Haiku& h,
                        const Dating& d) {
        out << reg << '\t' << chron << '\t' << compl_ << '\t' << coll << '\t' << daily << '\t'
            << h.phrase[0] << '\t' << h.phrase[1] << '\t' << h.phrase[2] << '\t' << d.year
            << '\t' << d.yearFrom << '\t' << d.month << '\t' << d.day << '\t'
            << ClassOf(h.creatures, h.id) << '\t' << h.creatures << '\t' << h.id << '\n';
    };
    for (int reg = 1; reg <= kRegisterCount; ++reg) {
        const Haiku& h = haiku[byReg[reg] - 1];
        const int chron = numberIn(chronNo, h.id);
        const bool twoDatings = chron != 0 && !(ChronicleDating(h) == h.dating);
        writeRow(reg, twoDatings ? 0 : chron, numberIn(complNo, h.id), numberIn(collNo, h.id),
                 numberIn(dailyNo, h.id), h, h.dating);
        if (twoDatings) writeRow(reg, chron, 0, 0, 0, h, ChronicleDating(h));
    }
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 4 && std::string(argv[1]) == "--check";
    if (argc != 3 && !check) {
        std::cerr << "usage: derive_register [--check] <catalogue.tsv> <register.tsv>\n";
        return 2;
    }
    const std::string cataloguePath = argv[check ? 2 : 1];
    const std::string registerPath = argv[check ? 3 : 2];
    const std::string derived = Derive(ReadCatalogue(cataloguePath));
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
