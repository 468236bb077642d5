#include "InstallPaths.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/data/DataFolder.h"

namespace gm::ui {

QStringList ShippedFoldersFor(const QString& what, const QString& programFolder, const QString& sourceTree,
                              const QString& buildTree) {
    QStringList out;
    for (const std::filesystem::path& f :
         gm::ShippedFoldersFor(what.toStdString(), programFolder.toStdString(), sourceTree.toStdString(),
                               buildTree.toStdString()))
        out << QString::fromStdString(f.string());
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
