#include "DataFolder.h"

#include <QStandardPaths>
#include <QString>

#include "core/data/FileIO.h"

namespace gm {

std::filesystem::path UserDataFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(base.toStdString()) / "gridmoot";
}

std::filesystem::path ResolveDataFolder(const std::filesystem::path& given,
                                        const std::filesystem::path& programFolder) {
    if (!given.empty()) return std::filesystem::absolute(given);
    std::error_code ec;
    if (!programFolder.empty() && (std::filesystem::exists(FindFile(programFolder, "Vask97.ini"), ec) ||
                                   std::filesystem::exists(FindFile(programFolder, "Pool97.dat"), ec)))
        return programFolder;
    return UserDataFolder();
}

}  // namespace gm
