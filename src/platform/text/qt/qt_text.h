#pragma once

// Windows-1252 texts of the system to and from Qt strings, through the text
// module's UTF-8 conversion.

#include <QString>
#include <string>
#include <string_view>

#include "platform/text/cp1252.h"

namespace lumar::text {

inline QString toQString(std::string_view cp1252) {
    return QString::fromStdString(toUtf8(cp1252));
}

// Characters Windows-1252 lacks become '?'.
inline std::string fromQString(const QString& text) {
    return fromUtf8(text.toStdString());
}

}  // namespace lumar::text
