// libFuzzer target: onepoint.txt as the tips window reads it. The first
// byte chooses the requested tip (-8 .. 247); the rest is the file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "platform/MessageBox.h"
#include "text/OnePointTips.h"

namespace {

const std::string& FilePath() {
    static const std::string path = [] {
        const std::filesystem::path dir = fuzzsupport::Scratch().Path();
        platform::SetMessageBoxHandler([](const std::string&, const std::string&) { return platform::kIdOk; });
        return (dir / "onepoint.txt").string();
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzzsupport::InputScope scope;
    if (size == 0) return 0;
    const int requested = static_cast<int>(data[0]) - 8;
    fuzzsupport::PutFile(FilePath(), data + 1, size - 1);

    text::COnePointTips tips;
    const int shown = tips.ShowTipFrom(FilePath(), requested);
    const int count = tips.GetTipCount();
    // The number shown is always one of the tips (or T = 0 when there are none).
    if (count > 0 && (shown < 1 || shown > count)) __builtin_trap();
    if (count == 0 && shown != (requested <= 0 ? 0 : 1)) __builtin_trap();
    // Every body line is at most 66 bytes and the body starts with a line break.
    const std::string& body = tips.GetBody();
    if (body.empty() || body[0] != '\n') __builtin_trap();
    std::size_t start = 0;
    for (std::size_t nl; (nl = body.find('\n', start)) != std::string::npos; start = nl + 1)
        if (nl - start > text::COnePointTips::kPieceMax) __builtin_trap();
    // The heading is a short first line with its line break, or the fixed one.
    if (tips.GetHeading().size() > text::COnePointTips::kHeadingMax + 1) __builtin_trap();
    return 0;
}
