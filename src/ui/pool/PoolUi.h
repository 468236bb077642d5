#pragma once

// Small pieces shared by the pool display windows.

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <string>

#include "core/output/TextOutput.h"
#include "ui/output/RunOutput.h"

namespace gm::ui::poolui {

inline QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

inline QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

inline QLabel* Named(const char* name, QWidget* parent, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// Report lines keep their columns only in a fixed-pitch font.
inline void UseFixedPitch(QWidget* w) { w->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); }

inline void FillList(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const auto& line : lines) list->addItem(Q(line));
}

}  // namespace gm::ui::poolui
