#pragma once
// Files are bytes; the windows show them as UTF-8, or as Latin-1 where the bytes are not
// valid UTF-8, and hand typed text back as UTF-8.

#include <QString>

#include <string>
#include <string_view>

namespace vostrel::app {

QString ToDisplayText(std::string_view bytes);
std::string FromDisplayText(const QString& text);

}  // namespace vostrel::app
