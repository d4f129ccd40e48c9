// Host tool of clang builds: copies a UTF-8 source file, writing every
// non-ASCII character as the octal escapes of its Shift-JIS (CP932) bytes.
// In a string literal that gives the bytes -fexec-charset=CP932 would give;
// in a comment it is harmless. Usage: cp932_escape <in> <out>
#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: cp932_escape <in> <out>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        std::cerr << "no CP932 converter\n";
        return 1;
    }
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out.push_back(text[i++]);
            continue;
        }
        std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        if (i + len > text.size()) len = text.size() - i;
        std::string ch = text.substr(i, len);
        char buffer[8];
        char* src = ch.data();
        std::size_t srcLeft = ch.size();
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
            std::cerr << argv[1] << ": no CP932 form for a character at byte " << i << "\n";
            return 1;
        }
        for (char* p = buffer; p < dst; ++p) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\%03o", static_cast<unsigned char>(*p));
            out += esc;
        }
        i += len;
    }
    iconv_close(cd);
    std::ofstream(argv[2], std::ios::binary) << out;
    return 0;
}
