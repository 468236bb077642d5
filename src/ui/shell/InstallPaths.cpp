#include "InstallPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace gm::ui {
namespace {

// `folder` itself or a folder below `tree`, comparing the real paths so that
// links and "..", as in "build/src/ui/../cli", do not matter.
bool IsInside(const QString& folder, const QString& tree) {
    const QString real = QFileInfo(folder).canonicalFilePath();
    const QString root = QFileInfo(tree).canonicalFilePath();
    if (real.isEmpty() || root.isEmpty()) return false;
    return real == root || real.startsWith(root + '/');
}

}  // namespace

QStringList ShippedFoldersFor(const QString& what, const QString& programFolder, const QString& sourceTree,
                              const QString& buildTree) {
    QStringList out;
    if (!programFolder.isEmpty()) {
        out << QDir::cleanPath(programFolder + "/../share/gridmoot/" + what);
        if (!IsInside(programFolder, buildTree)) return out;
    }
    out << QDir::cleanPath(sourceTree + (what == "docs" ? "/docs" : "/share/" + what));
    return out;
}

QStringList ShippedFolders(const QString& what) {
    const QString program = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return ShippedFoldersFor(what, program, QStringLiteral(GRIDMOOT_SOURCE_DIR), QStringLiteral(GRIDMOOT_BINARY_DIR));
}

QString FindShippedFile(const QString& what, const QString& file) {
    for (const QString& folder : ShippedFolders(what)) {
        const QString path = folder + "/" + file;
        if (QFileInfo::exists(path)) return path;
    }
    return {};
}

}  // namespace gm::ui
