#include "platform/Codec.h"

#include <cerrno>
#include <iconv.h>

namespace platform {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts in; calls onBad(in, remaining) at an invalid or incomplete
    // sequence, which appends a replacement and returns the bytes to skip.
    template <class OnBad>
    std::string Run(std::string_view in, OnBad onBad) {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buf[1024];
        while (srcLeft > 0) {
            char* dst = buf;
            std::size_t dstLeft = sizeof buf;
            const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buf, static_cast<std::size_t>(dst - buf));
            if (r == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) continue;
                // EILSEQ or EINVAL: replace visibly and go on.
                const std::size_t skip = onBad(out, std::string_view(src, srcLeft));
                src += skip;
                srcLeft -= skip;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

std::size_t Utf8SequenceLength(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;
}

}  // namespace

// One converter of each direction per thread, opened on first use: opening
// one costs far more than converting a line, and the lists convert every
// row. Run resets its state before each text.
std::string Cp932ToUtf8(std::string_view cp932) {
    thread_local Converter conv("UTF-8", "CP932");
    return conv.Run(cp932, [](std::string& out, std::string_view) {
        out += "\xEF\xBF\xBD";  // U+FFFD
        return std::size_t{1};
    });
}

std::string Utf8ToCp932(std::string_view utf8) {
    thread_local Converter conv("CP932", "UTF-8");
    return conv.Run(utf8, [](std::string& out, std::string_view rest) {
        out += "\x81\x48";  // full-width question mark
        // Skip the whole character when it is well formed but has no CP932
        // form; skip one byte of a malformed sequence.
        const std::size_t len = Utf8SequenceLength(static_cast<unsigned char>(rest[0]));
        std::size_t skip = 1;
        while (skip < len && skip < rest.size() &&
               (static_cast<unsigned char>(rest[skip]) & 0xC0) == 0x80)
            ++skip;
        return skip;
    });
}

namespace {

bool IsValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = Utf8SequenceLength(c);
        if (len == 1 && c >= 0x80) return false;
        if (i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += len;
    }
    return true;
}

}  // namespace

std::string PathForDisplay(std::string_view path) {
    return IsValidUtf8(path) ? Utf8ToCp932(path) : std::string(path);
}

}  // namespace platform
