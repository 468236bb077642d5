#pragma once

#include <QString>
#include <QStringList>

namespace gm::ui {

// Where the files shipped with the program ("seasons", "docs") are for a
// program in `programFolder`: "<programFolder>/../share/gridmoot/<what>", as
// installed under a prefix; and, only for a program run from inside the build
// tree `buildTree`, the sources in `sourceTree` too ("seasons" lives under
// share/, the help pages under docs/). An installed program never reads the
// sources it was built from: they may be gone, or newer than what it installed.
QStringList ShippedFoldersFor(const QString& what, const QString& programFolder, const QString& sourceTree,
                              const QString& buildTree);

// The same for this program (the build's own source and build trees).
QStringList ShippedFolders(const QString& what);

// The first of them holding `what`/`file`; empty when none does.
QString FindShippedFile(const QString& what, const QString& file);

}  // namespace gm::ui
