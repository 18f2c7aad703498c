// The program's own texts (the layout's captions, the report's lines) are
// plain ASCII in std::string_view; this makes Qt strings of them.
#pragma once

#include <QString>
#include <string_view>

inline QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
