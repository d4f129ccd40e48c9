// Turns the haiku register (haiku/register.tsv, UTF-8) into the compiled rows
// (HaikuRows.cpp). The texts stay UTF-8 literals; the core library's
// execution character set makes them Shift-JIS.
//
//   gen_haiku_rows <register.tsv> <HaikuRows.cpp>
//
// A malformed line stops the build with its line number.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kColumns = 15;

[[noreturn]] void Fail(const std::string& where, const std::string& message) {
    std::cerr << where << ": " << message << '\n';
    std::exit(1);
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

std::string Integer(const std::string& s, const std::string& where) {
    const std::size_t digits = s.find_first_not_of("0123456789", s.rfind('-', 0) == 0 ? 1 : 0);
    if (s.empty() || s == "-" || digits != std::string::npos)
        Fail(where, "not an integer: '" + s + "'");
    return s;
}

// A C++ string literal of the UTF-8 text; bytes >= 0x80 stay as they are so
// that the compiler converts them to the execution character set.
std::string Literal(const std::string& s, const std::string& where) {
    std::string out = "\"";
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7F) {
            Fail(where, "control character in a text");
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: gen_haiku_rows <register.tsv> <HaikuRows.cpp>\n";
        return 2;
    }
    const std::string inPath = argv[1];
    std::ifstream in(inPath, std::ios::binary);
    if (!in) Fail(inPath, "cannot open");

    std::ostringstream rows;
    std::string line;
    int lineNo = 0;
    int count = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        const std::string where = inPath + ":" + std::to_string(lineNo);
        if (lineNo == 1) {
            if (line.rfind("regNo\t", 0) != 0) Fail(where, "the header line is missing");
            continue;
        }
        if (line.empty()) continue;
        const auto f = SplitTabs(line);
        if (f.size() != kColumns) Fail(where, "expected 15 columns");
        // regNo chronicleNo completeNo collectionNo dailyNo phrase1..3 year yearFrom
        // month day creatureClass creatures catalogueId
        rows << "    {";
        for (int i = 0; i < 5; ++i) rows << Integer(f[i], where) << ", ";
        for (int i = 5; i < 8; ++i) rows << Literal(f[i], where) << ", ";
        for (int i = 8; i < 13; ++i) rows << Integer(f[i], where) << ", ";
        rows << Literal(f[13], where) << ", 0, 0},  // catalogue id " << Integer(f[14], where)
             << '\n';
        ++count;
    }
    if (count == 0) Fail(inPath, "no rows");

    const std::string outPath = argv[2];
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    out << "// Generated from haiku/register.tsv by gen_haiku_rows. Do not edit.\n"
           "#include \"haiku/HaikuRow.h\"\n\n"
           "const HaikuRow kHaikuRows[] = {\n"
        << rows.str()
        << "};\n\n"
           "const int kHaikuRowCount = static_cast<int>(sizeof kHaikuRows / sizeof kHaikuRows[0]);\n";
    if (!out) Fail(outPath, "cannot write");
    return 0;
}
