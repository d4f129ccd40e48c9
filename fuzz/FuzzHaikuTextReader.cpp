// Reads an arbitrary notes file in bulk into a table and one haiku singly.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "haiku/HaikuTable.h"
#include "haiku/HaikuTextReader.h"

namespace {

constexpr int kRows = 24;

template <std::size_t N>
void CheckField(const char (&field)[N]) {
    fuzzsupport::Check(std::memchr(field, '\0', N) != nullptr);
}

// One table for the run: the bulk load fills every field it passes on for
// each of the rows, so nothing of one input stays for the next.
CHaikuTable& Table() {
    static const std::unique_ptr<CHaikuTable> table = [] {
        auto t = std::make_unique<CHaikuTable>();
        for (int regNo = 1; regNo <= kRows; ++regNo)
            t->AddRow(regNo, 0, 0, 0, 0, "", "", "", 1680, 0, 1, 1, 99, "", 0, 0);
        return t;
    }();
    return *table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using fuzzsupport::Check;
    fuzzsupport::DataDir();
    const fuzzsupport::InputScope scope;
    fuzzsupport::PutFile(CSettingsStore::Instance().GetDataFilePath("kirono.txt"), data, size);

    CHaikuTable* table = &Table();
    CHaikuTextReader reader;
    Check(reader.LoadAll("kirono.txt", 44, *table, kRows) == 0);
    for (int row = 0; row < kRows; ++row) {
        const HaikuRecord r = table->GetRecord(row);
        Check(r.regNo == row + 1);
        CheckField(r.season);
        CheckField(r.seasonWord);
        CheckField(r.source);
        CheckField(r.reading1);
        CheckField(r.reading2);
        CheckField(r.reading3);
    }
    // One row read singly, chosen by the input's length: mutations change the
    // length often, so every row is read over a run, at one file reading an
    // input instead of several.
    const int row = static_cast<int>(size % kRows);
    Check(reader.LoadOne("kirono.txt", row, 44, *table) == 0);
    const HaikuNotes n = reader.GetNotes();
    CheckField(n.preface);
    CheckField(n.reading1);
    CheckField(n.reading2);
    CheckField(n.reading3);
    CheckField(n.season);
    CheckField(n.seasonWord);
    CheckField(n.commentary);
    CheckField(n.source);
    // A row outside the table is reported, not read.
    Check(reader.LoadOne("kirono.txt", kRows, 44, *table) == -1);
    return 0;
}
