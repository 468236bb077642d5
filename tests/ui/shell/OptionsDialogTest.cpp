#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "Fixture.h"
#include "ui/shell/frmBgColor.h"
#include "ui/shell/frmOptions.h"

namespace gm::ui {
namespace {

template <typename T>
T* Find(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

bool On(QWidget& w, const char* name) { return Find<QAbstractButton>(w, name)->isChecked(); }

TEST(OptionsDialog, OpensOnTheDefaultsAndLinksTheTiebreakers) {
    test::ShellFixture f;
    frmOptions d(*f.ctx);
    EXPECT_FALSE(On(d, "ckPS"));
    EXPECT_TRUE(On(d, "OpUnd"));
    EXPECT_TRUE(On(d, "OpSort2"));
    EXPECT_TRUE(On(d, "OpCPts1"));
    EXPECT_TRUE(On(d, "OpTBMethod0"));
    EXPECT_TRUE(On(d, "ckMondayAlso"));
    EXPECT_TRUE(On(d, "OpTb0"));
    EXPECT_EQ(Find<QLineEdit>(d, "txtTitle")->text(), "The Acme Office Pool");

    Find<QRadioButton>(d, "OpTBMethod3")->click();
    EXPECT_FALSE(On(d, "OpTBMethod0"));
    EXPECT_FALSE(On(d, "ckMondayAlso"));
    EXPECT_FALSE(On(d, "OpTb0"));
    EXPECT_FALSE(On(d, "OpTb1"));

    // A second click on a chosen option keeps it chosen.
    Find<QRadioButton>(d, "OpTBMethod3")->click();
    EXPECT_TRUE(On(d, "OpTBMethod3"));

    Find<QRadioButton>(d, "OpTb1")->click();
    EXPECT_TRUE(On(d, "ckMondayAlso"));
    EXPECT_FALSE(On(d, "OpTBMethod3"));

    Find<QCheckBox>(d, "ckMondayAlso")->click();  // unchecked: no Monday anything
    EXPECT_FALSE(On(d, "OpTb1"));
    Find<QRadioButton>(d, "OpTBMethod0")->click();
    EXPECT_TRUE(On(d, "ckMondayAlso"));
}

// The title box selects its whole text when entered, by mouse as by keyboard,
// so typing replaces the title.
TEST(OptionsDialog, TheTitleIsSelectedWhenEntered) {
    test::ShellFixture f;
    frmOptions d(*f.ctx);
    d.show();
    QApplication::setActiveWindow(&d);
    auto* title = Find<QLineEdit>(d, "txtTitle");
    QTest::mouseClick(title, Qt::LeftButton, {}, QPoint(4, title->height() / 2));
    QApplication::processEvents();
    ASSERT_TRUE(title->hasFocus());
    EXPECT_EQ(title->selectedText(), "The Acme Office Pool");
    QTest::keyClicks(title, "Lunch Bunch");
    EXPECT_EQ(title->text(), "Lunch Bunch");
}

TEST(OptionsDialog, MondayTiebreakerWithoutAMeasureIsRefused) {
    test::ShellFixture f;
    frmOptions d(*f.ctx);
    Find<QRadioButton>(d, "OpTBMethod3")->click();
    Find<QCheckBox>(d, "ckMondayAlso")->click();
    Find<QPushButton>(d, "cmdOK")->click();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "Missing Data");
    EXPECT_EQ(f.prompts.Asked()[0].Text,
              "You need to specify if the Monday Nite Tiebreaker\nuses Total Points or Winning Margin. ");
    EXPECT_EQ(f.prompts.Asked()[0].Icon, PromptIcon::Exclamation);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(std::filesystem::exists(f.state->Settings.path()));
}

TEST(OptionsDialog, NoTiebreakersWritesTheKeysInOrder) {
    test::ShellFixture f;
    frmOptions d(*f.ctx);
    Find<QRadioButton>(d, "OpTBMethod3")->click();
    Find<QPushButton>(d, "cmdOK")->click();
    EXPECT_TRUE(f.prompts.Asked().empty());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(f.Settings(),
              "[Options]\r\nPoolSort=Confidence\r\nMondayPts=NotUsed\r\nPointSpreads=No\r\nMaxCPoints=GamesPlayed\r\n"
              "TBMethod=NotUsed\r\nSecondaryTB=None\r\nPSEntrys=Underdog\r\n\r\n"
              "[WebPage]\r\nTitle=The Acme Office Pool\r\nColor=BW\r\n");
    EXPECT_EQ(f.state->TBMethod, "NotUsed");
    EXPECT_EQ(f.state->SecondaryTB, "None");
}

TEST(OptionsDialog, ClosingWithChangesAsks) {
    struct Case {
        PromptAnswer answer;
        bool stillOpen;
        const char* title;
    };
    for (const Case c : {Case{PromptAnswer::No, false, "The Acme Office Pool"},
                         Case{PromptAnswer::Cancel, true, "The Acme Office Pool"},
                         Case{PromptAnswer::Yes, false, "Monday Crew"}}) {
        test::ShellFixture f;
        frmOptions d(*f.ctx);
        d.show();
        Find<QLineEdit>(d, "txtTitle")->setText(" Monday Crew");
        f.prompts.Answer(c.answer);
        d.close();
        ASSERT_EQ(f.prompts.Asked().size(), 1u);
        EXPECT_EQ(f.prompts.Asked()[0].Title, "Gridmoot Options");
        EXPECT_EQ(f.prompts.Asked()[0].Text,
                  "The Pool Options has been changed.\nWould you like to save these changes?");
        EXPECT_EQ(f.prompts.Asked()[0].Buttons, PromptButtons::YesNoCancel);
        EXPECT_EQ(d.isVisible(), c.stillOpen);
        EXPECT_EQ(f.state->Title, c.title);
    }

    // Nothing changed: no question.
    test::ShellFixture f;
    frmOptions d(*f.ctx);
    d.show();
    Find<QPushButton>(d, "cmdCancel")->click();
    EXPECT_TRUE(f.prompts.Asked().empty());
    EXPECT_FALSE(d.isVisible());
}

TEST(OptionsDialog, WebButtonsSayWhatHappened) {
    test::ShellFixture f;
    frmOptions d(*f.ctx);
    Find<QPushButton>(d, "cmdView")->click();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "View Web Pages");
    EXPECT_TRUE(f.urls.empty());

    gm::test::WriteFile(f.dir / "Webpages" / "index.htm", "<html></html>");
    Find<QPushButton>(d, "cmdView")->click();
    ASSERT_EQ(f.urls.size(), 1u);
    EXPECT_TRUE(f.urls[0].endsWith("/Webpages/index.htm"));

    // The home page is written over the placeholder, and the confirmation says so.
    Find<QPushButton>(d, "cmdCreate")->click();
    EXPECT_EQ(f.prompts.Asked().back().Title, "Office Pool Home Page");
    EXPECT_EQ(f.prompts.Asked().back().Icon, PromptIcon::Information);
    EXPECT_NE(gm::test::ReadFile(f.dir / "Webpages" / "index.htm").find("The Acme Office Pool"), std::string::npos);

    Find<QPushButton>(d, "cmdHelp")->click();
    ASSERT_EQ(f.urls.size(), 2u);
    EXPECT_TRUE(f.urls[1].endsWith("/docs/options.html"));
}

// Without a "Webpages" folder the home page goes to the data folder, and
// View Web Pages finds it there.
TEST(OptionsDialog, ViewWebPagesFindsTheHomePageWhereItWasWritten) {
    test::ShellFixture f;
    std::filesystem::remove_all(f.dir / "Webpages");
    frmOptions d(*f.ctx);
    Find<QPushButton>(d, "cmdCreate")->click();
    ASSERT_TRUE(std::filesystem::exists(f.dir / "index.htm"));
    f.prompts.Clear();
    Find<QPushButton>(d, "cmdView")->click();
    EXPECT_TRUE(f.prompts.Asked().empty());
    ASSERT_EQ(f.urls.size(), 1u);
    EXPECT_TRUE(f.urls[0].endsWith("/index.htm")) << f.urls[0].toStdString();
    EXPECT_FALSE(f.urls[0].contains("Webpages"));
}

TEST(BgColorDialog, On256ColoursTheTeamSchemesAreOff) {
    test::ShellFixture f(256);
    f.state->ColorScheme = 4;
    frmBgColor d(*f.ctx);
    EXPECT_EQ(Find<QLabel>(d, "lblDepth")->text(), "Your display is set to 8 bit or 256 colors.");
    EXPECT_TRUE(On(d, "OpColor3"));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(Find<QRadioButton>(d, QString("OpColor%1").arg(i).toUtf8().constData())->isEnabled(), i < 6) << i;
    EXPECT_EQ(Find<QRadioButton>(d, "OpColor0")->text(), "Fade Blue to Black (Default)");

    Find<QRadioButton>(d, "OpColor5")->click();
    EXPECT_EQ(f.state->ColorScheme, 6);  // in force at once
    Find<QPushButton>(d, "cmdCancel")->click();
    EXPECT_FALSE(d.ColorsChanged());
    EXPECT_FALSE(std::filesystem::exists(f.state->Settings.path()));
}

TEST(BgColorDialog, SaveKeepsTheSchemeAndHintExplains) {
    test::ShellFixture f(1LL << 24);
    frmBgColor d(*f.ctx);
    EXPECT_EQ(Find<QLabel>(d, "lblDepth")->text(), "Your display is set to 24 bit or 16,777,216 colors.");
    Find<QPushButton>(d, "cmdHint")->click();
    ASSERT_EQ(f.prompts.Asked().size(), 1u);
    EXPECT_EQ(f.prompts.Asked()[0].Title, "For 16, 24 & 32 bit Displays");
    Find<QRadioButton>(d, "OpColor10")->click();
    Find<QPushButton>(d, "cmdSave")->click();
    EXPECT_TRUE(d.ColorsChanged());
    EXPECT_EQ(f.Settings(), "[Colors]\r\nColor=11\r\n");
}

}  // namespace
}  // namespace gm::ui
