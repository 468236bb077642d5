#include <gtest/gtest.h>

#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <filesystem>

#include "MembersFixture.h"
#include "support/PdfText.h"
#include "ui/members/frmPlayer.h"

namespace gm::ui {
namespace {

using test::Member;
using test::MembersFixture;

// The members window on Anne, Bob and Carl, printing (when it prints) into a
// PDF file of the test's folder.
struct PinFixture {
    MembersFixture f{{Member("Anne", 1), Member("Bob", 2), Member("Carl", 3)}, "[Pool]\r\nTitle=Acme Office Pool\r\n"};
    QPrinter none;
    QString pdf;
    std::unique_ptr<frmPlayer> w;

    PinFixture() {
        none.setOutputFormat(QPrinter::PdfFormat);
        f.ctx.Printer = &none;
        pdf = QString::fromStdString((f.dir / "slips.pdf").string());
        f.ctx.ChooseSaveFile = [this](QWidget*, const QString&, const QString&) { return pdf; };
        w = std::make_unique<frmPlayer>(f.ctx);
        w->SetPinCost(net::QuickCost());
    }
    void Select(const QString& name) {
        auto* list = w->findChild<QListWidget*>("lstPlayer");
        list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
    }
    void Click(const char* name) { w->findChild<QPushButton*>(name)->click(); }
    net::PinStore Pins() const { return net::PinStore(f.dir.path()); }
    // Every 8-digit run in a text.
    static QStringList PinsIn(const QString& text) {
        QStringList out;
        auto it = QRegularExpression("\\b\\d{8}\\b").globalMatch(text);
        while (it.hasNext()) out << it.next().captured();
        return out;
    }
};

// Every file of the folder, read whole: a PIN must be in none of them.
bool AnyFileHolds(const std::filesystem::path& folder, const std::string& text) {
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
        if (e.is_regular_file() && test::ReadFile(e.path()).find(text) != std::string::npos) return true;
    return false;
}

TEST(frmPlayerPins, IssuedPinIsShownOnceWorksAndReplacesTheOldOne) {
    PinFixture p;
    std::string old;
    ASSERT_TRUE(p.Pins().Issue("Bob", old, net::QuickCost()).ok());
    p.Select("Bob");
    p.f.prompts.Answer(PromptAnswer::Yes);  // issue
    p.f.prompts.Answer(PromptAnswer::Ok);   // the PIN shown
    p.f.prompts.Answer(PromptAnswer::No);   // no slip
    p.Click("cmdPin");
    const auto& asked = p.f.prompts.Asked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_NE(asked[0].Text.indexOf("old PIN"), -1);
    EXPECT_EQ(asked[0].DefaultButton, PromptAnswer::No);
    const QStringList shown = PinFixture::PinsIn(asked[1].Text);
    ASSERT_EQ(shown.size(), 1) << asked[1].Text.toStdString();
    const std::string pin = shown[0].toStdString();
    EXPECT_TRUE(p.Pins().Verify("Bob", pin));
    EXPECT_FALSE(p.Pins().Verify("Bob", old));
    EXPECT_FALSE(p.Pins().Has("Anne"));
    EXPECT_FALSE(AnyFileHolds(p.f.dir.path(), pin));
    EXPECT_FALSE(std::filesystem::exists(p.f.dir / "slips.pdf"));
}

// A row that is not yet a saved member of its own name gets no PIN: the site
// would not find it.
TEST(frmPlayerPins, OnlyASavedMemberOfItsOwnNameGetsAPin) {
    PinFixture p;
    ASSERT_TRUE(p.w->AddName("Zed"));
    p.f.prompts.Clear();
    p.Select("Zed");
    p.Click("cmdPin");
    ASSERT_EQ(p.f.prompts.Asked().size(), 1u);
    EXPECT_NE(p.f.prompts.Asked()[0].Text.indexOf("press OK to save the member list"), -1);
    EXPECT_FALSE(p.Pins().Has("Zed"));
}

// Slips for the members without a PIN: new PINs that work, printed with the
// pool's title and the site's last address; the members with a PIN keep it.
TEST(frmPlayerPins, SlipsForTheMembersWithoutAPinPrintTheirNewPins) {
    PinFixture p;
    std::string annes;
    ASSERT_TRUE(p.Pins().Issue("Anne", annes, net::QuickCost()).ok());
    p.f.state.Settings.Write("Site", "Address", "http://192.168.1.20:8080/");
    p.f.prompts.Answer(PromptAnswer::No);  // only those without a PIN
    p.Click("cmdSlips");
    ASSERT_FALSE(p.f.prompts.Asked().empty());
    EXPECT_EQ(p.f.prompts.Asked()[0].Buttons, PromptButtons::YesNoCancel);
    EXPECT_TRUE(p.Pins().Verify("Anne", annes));
    const std::string text = test::PdfText(p.f.dir / "slips.pdf");
    if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
    EXPECT_EQ(text.find("Anne"), std::string::npos) << text;
    for (const char* name : {"Bob", "Carl"}) {
        const std::size_t at = text.find(std::string("Member: ") + name);
        ASSERT_NE(at, std::string::npos) << text;
        const QStringList pins = PinFixture::PinsIn(QString::fromStdString(text.substr(at, 40)));
        ASSERT_EQ(pins.size(), 1) << text.substr(at, 40);
        EXPECT_TRUE(p.Pins().Verify(name, pins[0].toStdString())) << name;
    }
    EXPECT_NE(text.find("Acme Office Pool"), std::string::npos);
    EXPECT_NE(text.find("http://192.168.1.20:8080/"), std::string::npos);
}

// Cancelled at the file dialog, the new PINs are shown instead: else they
// would be lost, and the old ones no longer work.
TEST(frmPlayerPins, SlipsNotPrintedShowTheNewPins) {
    PinFixture p;
    p.pdf.clear();
    p.f.prompts.Answer(PromptAnswer::Yes);
    p.Click("cmdSlips");
    const auto& asked = p.f.prompts.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].Text, "Issue picks site PINs for all 3 members and print their slips?");
    for (const char* name : {"Anne", "Bob", "Carl"}) {
        const qsizetype at = asked[1].Text.indexOf(QString(name) + ": ");
        ASSERT_NE(at, -1) << asked[1].Text.toStdString();
        EXPECT_TRUE(p.Pins().Verify(name, asked[1].Text.mid(at + static_cast<qsizetype>(std::strlen(name)) + 2, 8).toStdString()));
    }
}

}  // namespace
}  // namespace gm::ui
