#pragma once
// Helpers for the tests of the file readers and the settings store: a
// temporary directory that is removed afterwards, file writing, and a
// recorder for the message box.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "tests/support/ScratchDir.h"

namespace testsupport {

using TempDir = ScratchDir;

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Records every message box while it lives; the box "returns" result.
class MessageRecorder {
public:
    explicit MessageRecorder(int result = platform::kIdOk) {
        m_previous = platform::SetMessageBoxHandler([this, result](const std::string& text,
                                                                   const std::string& caption) {
            texts.push_back(text);
            captions.push_back(caption);
            return result;
        });
    }
    ~MessageRecorder() { platform::SetMessageBoxHandler(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<std::string> texts;
    std::vector<std::string> captions;

private:
    platform::MessageBoxHandler m_previous;
};

}  // namespace testsupport
