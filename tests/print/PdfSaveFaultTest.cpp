#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "core/data/FileIO.h"
#include "core/output/PrintJob.h"
#include "print/QtPageSurface.h"
#include "support/TempDir.h"

namespace gm {
namespace {

// A printout to PDF that cannot be put in place (each step of putting it
// there made to fail in turn) says which file and why, and an older printout
// of that name stays as it was, with nothing left beside it.
TEST(PdfSurface, AFailedFinishKeepsTheOldPrintout) {
    for (const SaveStep failing : {SaveStep::OpenFolder, SaveStep::SyncFile, SaveStep::Rename}) {
        SCOPED_TRACE(static_cast<int>(failing));
        test::TempDir dir;
        test::WriteFile(dir / "standings.pdf", "older printout");
        Status status;
        {
            ScopedSaveFault fault([failing](SaveStep step, const fs::path&) { return step == failing ? EIO : 0; });
            status = RunPrintJob(*MakePdfSurface(dir / "standings.pdf", "Pool Standings"), 1,
                                 [](PageSurface& s, int) { s.PrintLine("Standings"); });
        }
        EXPECT_FALSE(status);
        EXPECT_NE(status.message.find("\"standings.pdf\""), std::string::npos) << status.message;
        EXPECT_NE(status.message.find(std::strerror(EIO)), std::string::npos) << status.message;
        EXPECT_EQ(test::ReadFile(dir / "standings.pdf"), "older printout");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    }
}

}  // namespace
}  // namespace gm
