#include "InstallPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace gm::ui {

QStringList ShippedFolders(const QString& what) {
    QStringList out;
    if (QCoreApplication::instance())
        out << QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/gridmoot/" + what);
    // The build tree keeps them in the sources ("seasons" lives under share/).
    const QString source = QStringLiteral(GRIDMOOT_SOURCE_DIR);
    out << QDir::cleanPath(source + (what == "docs" ? "/docs" : "/share/" + what));
    return out;
}

QString FindShippedFile(const QString& what, const QString& file) {
    for (const QString& folder : ShippedFolders(what)) {
        const QString path = folder + "/" + file;
        if (QFileInfo::exists(path)) return path;
    }
    return {};
}

}  // namespace gm::ui
