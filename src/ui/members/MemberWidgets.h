#pragma once

#include <QPushButton>
#include <QString>
#include <string>
#include <string_view>

// Small pieces shared by the members and selections windows.
namespace gm::ui::memberui {

inline QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::string S(const QString& s) {
    return s.toUtf8().toStdString();
}

// A push button that never becomes the default: Enter belongs to the boxes.
inline QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace gm::ui::memberui
