#pragma once

#include <QString>
#include <string>
#include <string_view>

// Core texts are UTF-8 std::strings; controls hold QStrings.
namespace gm::ui {

inline QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::string S(const QString& s) {
    return s.toUtf8().toStdString();
}

}  // namespace gm::ui
