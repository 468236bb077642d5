#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <QTimer>

#include "core/nfl/NflResults.h"
#include "core/pool/fixtures/PoolFixture.h"
#include "ui/output/RunOutput.h"
#include "ui/output/frmAPrint.h"
#include "ui/output/frmCompact.h"
#include "ui/output/frmCopies.h"
#include "ui/output/frmPNFLResults.h"
#include "ui/output/frmStandard.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

// Writes pictures of every state of the output dialogs for a person to look
// at; runs only when GRIDMOOT_SCREENSHOTS names a folder.
TEST(Screenshots, OutputDialogs) {
    const QString folder = qEnvironmentVariable("GRIDMOOT_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set GRIDMOOT_SCREENSHOTS to a folder to write pictures";
    QDir().mkpath(folder);
    test::PoolFixture pool;
    ScriptedPrompter prompts;
    UiContext ctx{pool.State, prompts};
    const auto shoot = [&](QWidget& w, const QString& name, std::initializer_list<const char*> clicks) {
        w.show();
        for (const char* c : clicks) w.findChild<QAbstractButton*>(c)->click();
        for (int i = 0; i < 3; ++i) QApplication::processEvents();  // layouts settle from the inside out
        EXPECT_TRUE(w.grab().save(folder + "/" + name + ".png"));
    };
    {
        frmPNFLResults d(ctx);
        shoot(d, "send-output-opened", {});
        shoot(d, "send-output-printer", {"OpPrinter"});
        shoot(d, "send-output-one-per-player", {"ckOnePerPlayer"});
        shoot(d, "send-output-text-after-printer", {"OpText"});
    }
    {
        frmAPrint d(ctx);
        shoot(d, "aprint", {});
    }
    {
        frmCopies d(ctx);
        shoot(d, "copies-opened", {});
        shoot(d, "copies-one-per-player", {"ckOnePerPlayer"});
    }
    {
        frmStandard d(ctx);
        shoot(d, "standard-opened", {});
        shoot(d, "standard-text", {"OpOutput0"});
        shoot(d, "standard-one-per-player", {"OpOutput1", "CkNum"});
    }
    {
        frmCompact d(ctx);
        shoot(d, "compact-one-per-player", {"CkNum"});
    }

    // Printing with no printer: the desktop's own save dialog, answered with its suggestion.
    QPrinter none;
    none.setOutputFormat(QPrinter::PdfFormat);
    ctx.Printer = &none;
    QTimer::singleShot(300, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return ADD_FAILURE() << "no save dialog";
        EXPECT_TRUE(dialog->grab().save(folder + "/print-to-file.png"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    pool.State.CurrentWeek = 1;
    NflResults results(pool.State);
    DispatchToWindow(ctx, nullptr, results, OutputRequest::Printer());
    ASSERT_EQ(prompts.Asked().size(), 1u);
    EXPECT_TRUE(prompts.Asked()[0].Text.contains(QString::fromStdString(pool.Dir.path().string())))
        << prompts.Asked()[0].Text.toStdString();
}

}  // namespace
}  // namespace gm::ui
