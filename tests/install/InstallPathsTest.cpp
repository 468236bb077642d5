// Where the program looks for the seasons and help pages shipped with it.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "ui/shell/InstallPaths.h"

namespace {

using gm::ui::ShippedFoldersFor;

TEST(ShippedFolders, InstalledProgramUsesOnlyItsPrefixAndBuildTreeProgramAlsoTheSources) {
    QTemporaryDir root;
    const QString r = root.path();
    for (const char* folder : {"src", "build/src/ui", "build-other/src/ui", "usr/bin"}) QDir(r).mkpath(folder);

    struct Case {
        const char* what;
        QString programFolder;
        QStringList expected;
    };
    const Case cases[] = {
        // Installed: never the sources it was built from.
        {"seasons", r + "/usr/bin", {r + "/usr/share/gridmoot/seasons"}},
        {"docs", r + "/usr/bin", {r + "/usr/share/gridmoot/docs"}},
        // A sibling folder whose name merely starts like the build tree's is not in it.
        {"docs", r + "/build-other/src/ui", {r + "/build-other/src/share/gridmoot/docs"}},
        // Run from the build tree: the installed place first, then the sources.
        {"seasons", r + "/build/src/ui", {r + "/build/src/share/gridmoot/seasons", r + "/src/share/seasons"}},
        {"docs", r + "/build/src/ui/../ui", {r + "/build/src/share/gridmoot/docs", r + "/src/docs"}},
        // No program (no application object): the sources.
        {"docs", QString(), {r + "/src/docs"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShippedFoldersFor(c.what, c.programFolder, r + "/src", r + "/build"), c.expected)
            << c.what << " from " << c.programFolder.toStdString();
}

}  // namespace
