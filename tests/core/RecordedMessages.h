#pragma once
// Records the texts of the message boxes shown while an instance lives, and
// restores the previous handler afterwards.
#include <string>
#include <utility>
#include <vector>

#include "platform/MessageBox.h"

class RecordedMessages {
public:
    RecordedMessages()
        : m_previous(platform::SetMessageBoxHandler([this](const std::string& text, const std::string&) {
              m_texts.push_back(text);
              return platform::kIdOk;
          })) {}
    ~RecordedMessages() { platform::SetMessageBoxHandler(std::move(m_previous)); }
    RecordedMessages(const RecordedMessages&) = delete;
    RecordedMessages& operator=(const RecordedMessages&) = delete;

    const std::vector<std::string>& Texts() const { return m_texts; }
    void Clear() { m_texts.clear(); }

private:
    std::vector<std::string> m_texts;
    platform::MessageBoxHandler m_previous;
};
