// Loads an arbitrary sectioned text file and fetches its parts. The first
// input byte chooses the fill width.
#include <cstdint>
#include <string>

#include "app/SettingsStore.h"
#include "fuzz/FuzzSupport.h"
#include "text/SectionTextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using fuzzsupport::Check;
    fuzzsupport::DataDir();
    const fuzzsupport::InputScope scope;
    if (size == 0) return 0;
    const int width = 1 + data[0] % 64;
    fuzzsupport::PutFile(CSettingsStore::Instance().GetDataFilePath("f.txt"), data + 1, size - 1);

    CSectionTextFile file;
    Check(file.Load("f.txt") == 0);
    Check(file.GetLineCount() <= CSectionTextFile::kMaxLines);
    const int sections = file.CountSections();
    Check(sections >= 0 && sections <= file.GetLineCount());
    for (int section = 0; section <= sections + 1 && section <= 24; ++section) {
        for (int part = 0; part <= 4; ++part) {
            const std::string& text = file.GetPartText(section, part, width);
            Check(text.size() % static_cast<std::size_t>(width) == 0);
            Check(text.size() <= size * static_cast<std::size_t>(width) + 1);
        }
    }
    return 0;
}
