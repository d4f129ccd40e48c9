#pragma once
// The one place where the windowing layer turns the core's Shift-JIS bytes
// into QString and back.
#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString ToQString(std::string_view cp932);
std::string FromQString(const QString& text);

}  // namespace platform
