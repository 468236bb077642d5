#pragma once

#include <QString>
#include <QStringList>

namespace gm::ui {

// Where the files shipped with the program are: installed beside it
// ("<program dir>/../share/gridmoot/<what>") or, in a build tree, in the sources.
QStringList ShippedFolders(const QString& what);

// The first of them holding `what`/`file`; empty when none does.
QString FindShippedFile(const QString& what, const QString& file);

}  // namespace gm::ui
