#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "core/data/FileIO.h"
#include "core/data/FolderLock.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/sample/SamplePool.h"
#include "core/shell/Backup.h"
#include "core/shell/Help.h"
#include "core/shell/MenuRules.h"
#include "core/shell/PoolFolders.h"
#include "core/shell/SeasonImportView.h"
#include "core/shell/Startup.h"
#include "ui/display/ElectronicSign.h"
#include "ui/display/SignSetup.h"
#include "ui/shell/frmBgColor.h"
#include "ui/shell/frmImportSeason.h"
#include "ui/shell/InstallPaths.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/PrinterChoice.h"
#include "ui/shell/SchemePainter.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {
namespace {

void SetTextColor(QLabel* label, QColor colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

// A title drawn twice: the shadow, then the title over it a little up and left.
void AddTitle(QVBoxLayout* into, const QString& text, int points, QLabel* (&labels)[2], const QString& name) {
    auto* cell = new QGridLayout;
    constexpr int kShift = 3;
    for (int i = 0; i < 2; ++i) {
        auto* l = new QLabel(text);
        l->setObjectName(name + QString::number(i));
        l->setFont(QFont("Times New Roman", points, QFont::Bold));
        l->setAlignment(Qt::AlignCenter);
        l->setAttribute(Qt::WA_TranslucentBackground);
        // Index 0 is the shadow, down and right of index 1.
        if (i == 0) l->setContentsMargins(kShift, kShift, 0, 0);
        else l->setContentsMargins(0, 0, kShift, kShift);
        cell->addWidget(l, 0, 0);
        labels[i] = l;
    }
    into->addLayout(cell);
}

std::vector<fs::path> ShippedSeasonFolders() {
    std::vector<fs::path> out;
    for (const QString& f : ShippedFolders("seasons")) out.emplace_back(f.toStdString());
    return out;
}

}  // namespace

MainBackdrop::MainBackdrop(UiContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("MainBackdrop");
    setAttribute(Qt::WA_OpaquePaintEvent);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addStretch(1);
    AddTitle(layout, "The  1997  Office  Football  Pool", 30, label1_, "Label1");
    layout->addSpacing(12);
    AddTitle(layout, "The Gridmoot Edition", 24, label2_, "Label2");
    layout->addStretch(2);
    picDisplay_ = new QWidget;
    picDisplay_->setObjectName("PicDisplay");
    picDisplay_->setFixedHeight(64);
    layout->addWidget(picDisplay_);
    Repaint();
}

void MainBackdrop::Repaint() {
    const int scheme = ctx_.State.ColorScheme;
    for (QLabel* l : {label1_[1], label2_[1]}) SetTextColor(l, SchemeTitleColor(scheme));
    for (QLabel* l : {label1_[0], label2_[0]}) SetTextColor(l, SchemeShadowColor(scheme));
    cache_ = QPixmap();
    update();
}

void MainBackdrop::resizeEvent(QResizeEvent*) { cache_ = QPixmap(); }

void MainBackdrop::paintEvent(QPaintEvent*) {
    if (size().isEmpty()) return;
    const int scheme = ctx_.State.ColorScheme;
    if (scheme != cachedScheme_) Repaint();
    // The team blends draw thousands of lines: paint once per size and scheme.
    if (cache_.size() != size() || scheme != cachedScheme_) {
        cache_ = QPixmap(size());
        QPainter pp(&cache_);
        PaintScheme(pp, size(), scheme);
        cachedScheme_ = scheme;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, cache_);
}

frmMain::frmMain(UiContext& ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx) {
    setObjectName("frmMain");
    // The sample says so, so that nobody takes it for their own pool.
    setWindowTitle(IsSampleFolder(ctx_.State.DataFolder) ? "Gridmoot - Sample Pool" : "Gridmoot");
    ctx_.Printer = &printer_;
    // The printer kept from an earlier Printer Setup, when it is still there.
    ApplyPrinterChoice(ctx_.State, ReadPrinterChoice(ctx_.State), printer_);
    UsePaperPrinter(printer_);

    backdrop_ = new MainBackdrop(ctx_, this);
    setCentralWidget(backdrop_);
    sign_ = new ElectronicSign;
    SetupBannerSign(*sign_, backdrop_->PicDisplay());

    BuildMenus();
    resize(820, 600);
    CenterForm(this);
}

frmMain::~frmMain() {
    Shutdown();
    if (ctx_.Printer == &printer_) ctx_.Printer = nullptr;
}

QAction* frmMain::Item(const QString& name) const { return findChild<QAction*>(name); }

QAction* frmMain::AddItem(QMenu* menu, const QString& array, int index, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(array + QString::number(index));
    a->setParent(menu);
    return a;
}

QAction* frmMain::AddForm(QMenu* menu, const QString& array, int index, Display display, bool hourglass) {
    QAction* a = AddItem(menu, array, index, Q(DisplayCaption(display)));
    const bool known = ctx_.Windows && ctx_.Windows->Has(display);
    a->setEnabled(known);
    a->setProperty("form", Q(WindowName(display)));
    connect(a, &QAction::triggered, this, [this, display, hourglass] { OpenForm(display, hourglass); });
    return a;
}

void frmMain::AddSeparator(QMenu* menu, const QString& array, int index) {
    QAction* s = menu->addSeparator();
    s->setObjectName(array + QString::number(index));
}

void frmMain::BuildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* season = bar->addMenu("&Season");
    season->setObjectName("mnuSeason");
    const char* seasons[] = {"NFL 199&5", "NFL 199&6", "NFL Current"};
    for (int i = 0; i < 3; ++i)
        connect(AddItem(season, "SeasonItem", i, seasons[i]), &QAction::triggered, this, [this, i] { ChooseSeason(i); });
    AddSeparator(season, "SeasonItem", 3);
    connect(AddItem(season, "SeasonItem", 4, "&Import Season..."), &QAction::triggered, this, &frmMain::ImportSeason);
    AddSeparator(season, "SeasonItem", 5);
    connect(AddItem(season, "SeasonItem", 6, "&Open Pool Folder..."), &QAction::triggered, this,
            &frmMain::OpenPoolFolder);
    connect(AddItem(season, "SeasonItem", 7, "Ne&w Pool Folder..."), &QAction::triggered, this,
            &frmMain::NewPoolFolder);
    seasonMenu_ = season;
    ShowRecentFolders();

    QMenu* edits = bar->addMenu("&Edits");
    edits->setObjectName("mnuEdits");
    AddForm(edits, "EditItem", 0, Display::NflTeams);
    AddForm(edits, "EditItem", 1, Display::NflSchedule);
    AddForm(edits, "EditItem", 2, Display::PointSpreads);
    AddForm(edits, "EditItem", 3, Display::Scores);
    AddSeparator(edits, "EditItem", 4);
    AddForm(edits, "EditItem", 5, Display::Members);
    AddForm(edits, "EditItem", 6, Display::Selections);

    QMenu* nfl = bar->addMenu("&NFL Displays");
    nfl->setObjectName("mnuNFL");
    AddForm(nfl, "NFLITEM", 0, Display::WeeklyResults);
    AddForm(nfl, "NFLITEM", 1, Display::TeamResults);
    AddSeparator(nfl, "NFLITEM", 2);
    AddForm(nfl, "NFLITEM", 3, Display::LeagueStandings);
    AddForm(nfl, "NFLITEM", 4, Display::ConferenceStandings);
    AddSeparator(nfl, "NFLITEM", 5);
    AddForm(nfl, "NFLITEM", 6, Display::WhosHot);
    AddForm(nfl, "NFLITEM", 7, Display::FavoriteUnderdog);
    AddForm(nfl, "NFLITEM", 8, Display::Matchups);
    AddForm(nfl, "NFLITEM", 9, Display::PointsForAgainst);
    AddSeparator(nfl, "NFLITEM", 10);
    AddForm(nfl, "NFLITEM", 11, Display::NflGraphs);
    AddForm(nfl, "NFLITEM", 12, Display::NflMarquee);
    AddSeparator(nfl, "NFLITEM", 13);
    AddForm(nfl, "NFLITEM", 14, Display::NflAnalyzer);

    QMenu* pool = bar->addMenu("&Pool Displays");
    pool->setObjectName("mnuPool");
    AddForm(pool, "PoolItem", 0, Display::PlayerMatrix);
    AddSeparator(pool, "PoolItem", 1);
    AddForm(pool, "PoolItem", 2, Display::PoolStandings);
    AddSeparator(pool, "PoolItem", 3);
    AddForm(pool, "PoolItem", 4, Display::PlayerStatPak);
    AddForm(pool, "PoolItem", 5, Display::PlayerAnalyst);
    AddForm(pool, "PoolItem", 6, Display::PlayerGraphs);
    AddSeparator(pool, "PoolItem", 7);
    AddForm(pool, "PoolItem", 8, Display::PoolRoom);
    AddForm(pool, "PoolItem", 9, Display::PoolMarquee);
    AddForm(pool, "PoolItem", 10, Display::PoolStatPak);
    AddForm(pool, "PoolItem", 11, Display::PoolAnalyst);
    AddForm(pool, "PoolItem", 12, Display::PoolExperts);
    AddSeparator(pool, "PoolItem", 13);
    AddForm(pool, "PoolItem", 14, Display::SportsBox);
    QMenu* digital = pool->addMenu("&Digital Pool");
    digital->menuAction()->setObjectName("PoolItem15");
    const QAction* d0 = AddForm(digital, "DigitItem", 0, Display::DigitalPlayers);
    const QAction* d1 = AddForm(digital, "DigitItem", 1, Display::DigitalPool);
    digital->menuAction()->setEnabled(d0->isEnabled() || d1->isEnabled());
    AddSeparator(pool, "PoolItem", 16);
    // The picks site's window is modeless and stays for the run: an item of
    // its own rather than a form the menu waits on.
    QAction* site = AddItem(pool, "PoolItem", 17, Q(DisplayCaption(Display::PicksSite)));
    site->setEnabled(ctx_.Windows && ctx_.Windows->Has(Display::PicksSite));
    connect(site, &QAction::triggered, this, [this] { OpenForm(Display::PicksSite, false); });

    QMenu* options = bar->addMenu("&Options");
    options->setObjectName("mnuOptions");
    AddForm(options, "OptionItem", 0, Display::PoolOptions);
    AddSeparator(options, "OptionItem", 1);
    connect(AddItem(options, "OptionItem", 2, "Printer &Setup"), &QAction::triggered, this, &frmMain::PrinterSetup);
    AddSeparator(options, "OptionItem", 3);
    connect(AddItem(options, "OptionItem", 4, Q(DisplayCaption(Display::BackgroundColors))), &QAction::triggered, this,
            &frmMain::OpenBackgroundColors);
    AddSeparator(options, "OptionItem", 5);
    // There is no diskette drive to name: the user picks the folder.
    connect(AddItem(options, "OptionItem", 6, "Backup &Data Files to Folder..."), &QAction::triggered, this,
            &frmMain::Backup);

    QMenu* tools = bar->addMenu("&Tools");
    tools->setObjectName("mnuTools");
    connect(AddItem(tools, "ToolItem", 0, "&Notepad"), &QAction::triggered, this,
            [this] { RunTool(DesktopTool::Notepad); });
    connect(AddItem(tools, "ToolItem", 1, "Clip&board"), &QAction::triggered, this,
            [this] { RunTool(DesktopTool::Clipboard); });
    connect(AddItem(tools, "ToolItem", 2, "&Calculator"), &QAction::triggered, this,
            [this] { RunTool(DesktopTool::Calculator); });

    QMenu* reports = bar->addMenu("&Reports");
    reports->setObjectName("mnuReports");
    QMenu* picks = reports->addMenu("&Pick Sheets");
    picks->menuAction()->setObjectName("ReportItem0");
    const Display sheets[] = {Display::StandardSheet, Display::CompactSheet, Display::TearoffSheet,
                              Display::TopTenSheet, Display::NoExcuseSheet};
    bool anySheet = false;
    for (int i = 0; i < 5; ++i) anySheet |= AddForm(picks, "PiksheetItem", i, sheets[i])->isEnabled();
    picks->menuAction()->setEnabled(anySheet);
    AddSeparator(reports, "ReportItem", 1);
    AddForm(reports, "ReportItem", 2, Display::AllPicks);
    AddSeparator(reports, "ReportItem", 3);
    AddForm(reports, "ReportItem", 4, Display::SportsBoxSheet, false);
    AddSeparator(reports, "ReportItem", 5);
    AddForm(reports, "ReportItem", 6, Display::EzEntrySheet);

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("mnuHelp");
    connect(AddItem(help, "HelpItem", 0, "&Contents"), &QAction::triggered, this, [this] { ShowHelpContents(ctx_, this); });
    connect(AddItem(help, "HelpItem", 1, "&Search"), &QAction::triggered, this, [this] { ShowHelpIndex(ctx_, this); });
    AddSeparator(help, "HelpItem", 2);
    AddForm(help, "HelpItem", 3, Display::About);
    AddSeparator(help, "HelpItem", 9);
    connect(AddItem(help, "HelpItem", 10, "&Quick Tour"), &QAction::triggered, this, &frmMain::QuickTour);
    AddSeparator(help, "HelpItem", 11);
    connect(AddItem(help, "HelpItem", 12, "&Exit"), &QAction::triggered, this, &QWidget::close);

    // The spread item follows the season shown.
    Item("EditItem2")->setEnabled(Item("EditItem2")->isEnabled() && ctx_.State.CurrentSeasonOpen);
}

void frmMain::OpenForm(Display display, bool hourglass) {
    if (!ctx_.Windows || !ctx_.Windows->Has(display)) return;
    if (const auto refusal = CheckMenuCommand(ctx_.State, display)) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(refusal->Title), Q(refusal->Text));
        return;
    }
    // The hourglass shows while the window loads: it goes once the window's
    // own event loop runs, or when the opener returns, whichever is first.
    auto waiting = std::make_shared<bool>(hourglass);
    auto stopWaiting = [waiting] {
        if (!*waiting) return;
        *waiting = false;
        QApplication::restoreOverrideCursor();
    };
    if (hourglass) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QTimer::singleShot(0, this, stopWaiting);
    }
    ctx_.Windows->Open(display, ctx_, this);
    stopWaiting();
    backdrop_->update();
}

void frmMain::ChooseSeason(int n) {
    SeasonSwitch result;
    {
        Hourglass wait;
        result = SelectSeason(ctx_.State, static_cast<SeasonChoice>(n));
    }
    QAction* spreads = Item("EditItem2");
    spreads->setEnabled(result.SpreadsEnabled && ctx_.Windows && ctx_.Windows->Has(Display::PointSpreads));
    if (!result.Load.ok() || result.Load.isWarning())
        ctx_.Prompts.Tell(this, result.Load.ok() ? PromptIcon::Exclamation : PromptIcon::Stop, Q(result.Title),
                          Q(result.Load.message));
    if (!result.Load.ok()) return;  // the switch stopped at the file: nothing changed
    ctx_.Prompts.Tell(this, PromptIcon::Information, Q(result.Title), Q(result.Text));
}

void frmMain::PrinterSetup() {
    // The dialog opens on the kept choice: the printer, or "Print to File (PDF)" in its folder.
    ApplyPrinterChoice(ctx_.State, ReadPrinterChoice(ctx_.State), printer_);
    QPrintDialog dialog(&printer_, this);
    dialog.setWindowTitle("Printer Setup");
    // This only chooses the printer: its button must not promise a printout.
    for (auto* buttons : dialog.findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText("&OK");
    if (dialog.exec() == QDialog::Accepted) KeepPrinterSetup();
    UsePaperPrinter(printer_);
    ctx_.Printer = &printer_;
}

void frmMain::KeepPrinterSetup() {
    if (const Status kept = WritePrinterChoice(ctx_.State, ChoiceFromPrinter(printer_)); !kept)
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, "Printer Setup",
                          "The printer chosen could not be kept for the next start:\n" + Q(kept.message));
}

void frmMain::OpenBackgroundColors() {
    frmBgColor dialog(ctx_, this);
    dialog.exec();
    if (dialog.ColorsChanged()) {
        Hourglass wait;
        backdrop_->Repaint();
        backdrop_->repaint();
    } else {
        // A scheme clicked but not saved still shows: the area the dialog
        // covered is not repainted by the window system on its own.
        backdrop_->update();
    }
}

void frmMain::Backup() {
    const QString start = lastBackupFolder_.isEmpty() ? QDir::homePath() : lastBackupFolder_;
    const QString folder = QFileDialog::getExistingDirectory(this, Q(kBackupTitle), start);
    if (folder.isEmpty()) return;
    lastBackupFolder_ = folder;
    BackupTo(folder);
}

void frmMain::BackupTo(const QString& folder) {
    const fs::path target = folder.toStdString();
    if (ctx_.Prompts.Ask(this, PromptIcon::Information, PromptButtons::OkCancel, Q(kBackupTitle),
                         Q(BackupPrompt(target))) == PromptAnswer::Cancel)
        return;
    BackupResult result;
    {
        Hourglass wait;
        result = BackUpDataFiles(ctx_.State.DataFolder, target);
    }
    if (result.Error) {
        ShowError(ctx_.Prompts, this, result.Error->Number, Q(result.Error->Description));
        return;
    }
    ctx_.Prompts.Ask(this, PromptIcon::Information, PromptButtons::OkCancel, Q(kBackupTitle),
                     Q(BackupReport(result.Copied)));
}

void frmMain::RunTool(DesktopTool tool) {
    const auto program = FindTool(tool, qEnvironmentVariable("PATH").toStdString());
    if (!program || !StartDetachedProgram(ctx_, QString::fromStdString(program->string())))
        ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(kToolMissingTitle), Q(ToolMissingText(tool)));
}

void frmMain::QuickTour() {
    for (const TourStop& stop : QuickTourStops()) {
        // A stop whose menu item is off now (the spreads of an archived season) is passed by.
        const QString name = Q(WindowName(stop.Form));
        bool available = false;
        for (const QAction* a : findChildren<QAction*>())
            if (a->property("form").toString() == name) available = a->isEnabled();
        if (!available) continue;
        if (ctx_.Prompts.Ask(this, PromptIcon::Information, PromptButtons::OkCancel, Q(kQuickTourTitle),
                             Q(stop.Text)) == PromptAnswer::Cancel)
            return;
        OpenForm(stop.Form);
    }
}

void frmMain::ImportSeason() {
    const QString title = Q(kImportSeasonTitle);
    const QString filter = "Games CSV (*.csv *.CSV);;All files (*)";
    const QString file = ctx_.ChooseOpenFile ? ctx_.ChooseOpenFile(this, title, filter)
                                             : QFileDialog::getOpenFileName(this, title, QDir::homePath(), filter);
    if (file.isEmpty()) return;
    ImportSeasonFrom(file);
}

void frmMain::ImportSeasonFrom(const QString& file) {
    std::string text;
    if (const Status read = ReadFileBytes(fs::path(file.toStdString()), text); !read) {
        ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(kImportSeasonTitle), Q(read.message));
        return;
    }
    frmImportSeason dialog(ctx_, std::move(text), QFileInfo(file).fileName(), this);
    dialog.exec();
    if (dialog.Saved()) SeasonChanged();
}

void frmMain::SeasonChanged() {
    const League& league = ctx_.State.League();
    ctx_.State.CurrentWeek = std::clamp(ctx_.State.CurrentWeek, 1, league.Weeks);
    QAction* spreads = Item("EditItem2");
    spreads->setEnabled(ctx_.State.CurrentSeasonOpen && ctx_.Windows && ctx_.Windows->Has(Display::PointSpreads));
    setWindowTitle(IsSampleFolder(ctx_.State.DataFolder) ? "Gridmoot - Sample Pool" : "Gridmoot");
    backdrop_->Repaint();
}

void frmMain::OpenPoolFolder() {
    const QString title = Q(kOpenFolderTitle);
    const QString folder = ctx_.ChooseFolder ? ctx_.ChooseFolder(this, title)
                                             : QFileDialog::getExistingDirectory(this, title, QDir::homePath());
    if (folder.isEmpty()) return;
    SwitchToFolder(fs::path(folder.toStdString()), false);
}

void frmMain::NewPoolFolder() {
    const QString title = Q(kNewFolderTitle);
    const QString folder = ctx_.ChooseFolder ? ctx_.ChooseFolder(this, title)
                                             : QFileDialog::getExistingDirectory(this, title, QDir::homePath());
    if (folder.isEmpty()) return;
    const fs::path path = folder.toStdString();
    if (const std::string refusal = NewFolderRefusal(path); !refusal.empty()) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, title, Q(refusal));
        return;
    }
    SwitchToFolder(path, true);
}

bool frmMain::SwitchToFolder(const fs::path& folder, bool created) {
    const QString title = Q(created ? kNewFolderTitle : kOpenFolderTitle);
    std::error_code ec;
    if (fs::equivalent(folder, ctx_.State.DataFolder, ec)) return true;
    if (!created && !fs::is_directory(folder, ec)) {
        ctx_.Prompts.Tell(this, PromptIcon::Stop, title, Q(folder.string() + " is not a folder."));
        return false;
    }
    // The new folder's lock first: while another program has it, this one stays as it is.
    FolderLock lock;
    std::string reason;
    if (fs::is_directory(folder, ec)) {
        const FolderLock::Outcome taken = lock.Take(folder, &reason);
        if (taken == FolderLock::Outcome::Busy) {
            ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kFolderInUseTitle), Q(FolderInUseText(folder)));
            return false;
        }
    }
    std::vector<Status> problems;
    {
        Hourglass wait;
        problems = PrepareDataFolder(folder, ShippedSeasonFolders());
    }
    if (!fs::is_directory(folder, ec)) {
        for (const Status& s : problems) ctx_.Prompts.Tell(this, PromptIcon::Stop, title, Q(s.message));
        return false;
    }
    if (!lock.Held() && lock.Take(folder, &reason) == FolderLock::Outcome::Busy) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kFolderInUseTitle), Q(FolderInUseText(folder)));
        return false;
    }

    AppState next(folder);
    {
        Hourglass wait;
        const auto loaded = LoadAtStartup(next, ScreenColors(ctx_));
        problems.insert(problems.end(), loaded.begin(), loaded.end());
    }
    // The folder left keeps the week it showed, as closing the program does.
    if (const Status kept = WriteCurrentWeek(ctx_.State); !kept.ok())
        ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(kWeekNotKeptTitle), Q(WeekNotKeptText(kept)));
    ctx_.State = std::move(next);
    if (ctx_.Lock != nullptr) *ctx_.Lock = std::move(lock);  // the old folder's lock goes with it
    SeasonChanged();
    RememberFolder();
    for (const Status& s : problems)
        ctx_.Prompts.Tell(this, s.ok() ? PromptIcon::Exclamation : PromptIcon::Stop, "Gridmoot", Q(s.message));
    if (PoolFolderIsEmpty(ctx_.State))
        ctx_.Prompts.Tell(this, PromptIcon::Information, Q(kEmptyFolderTitle), Q(EmptyFolderText(folder)));
    return true;
}

void frmMain::RememberFolder() {
    if (ctx_.ConfigFile.empty()) return;
    const IniFile config(ctx_.ConfigFile);
    std::error_code ec;
    fs::create_directories(ctx_.ConfigFile.parent_path(), ec);
    const PoolFolderList list = WithPoolFolder(ReadPoolFolders(config), fs::absolute(ctx_.State.DataFolder, ec));
    if (const Status s = WritePoolFolders(config, list); !s)
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kOpenFolderTitle),
                          "The pool folder could not be kept for the next start:\n" + Q(s.message));
    ShowRecentFolders();
}

void frmMain::ShowRecentFolders() {
    for (QAction* a : recentItems_) a->deleteLater();
    recentItems_.clear();
    if (ctx_.ConfigFile.empty() || seasonMenu_ == nullptr) return;
    const PoolFolderList list = ReadPoolFolders(IniFile(ctx_.ConfigFile));
    std::error_code ec;
    int index = 0;
    for (const fs::path& folder : list.Recent) {
        if (index == 0) {
            QAction* sep = seasonMenu_->addSeparator();
            sep->setObjectName("RecentItemSeparator");
            recentItems_ << sep;
        }
        QAction* a = AddItem(seasonMenu_, "RecentItem", index, Q(RecentFolderCaption(index, folder)));
        a->setEnabled(fs::is_directory(folder, ec));
        connect(a, &QAction::triggered, this, [this, folder] { SwitchToFolder(folder, false); });
        recentItems_ << a;
        ++index;
    }
}

void frmMain::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    // The week shown is the one the next start opens at; say so if it could not be kept.
    if (const Status saved = WriteCurrentWeek(ctx_.State); !saved.ok())
        ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(kWeekNotKeptTitle), Q(WeekNotKeptText(saved)));
    if (sign_) sign_->StopDisplay();
    // Close what is still open, the most recent first.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (*it != this && (*it)->isVisible()) (*it)->close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Shutdown();
    event->accept();
}

}  // namespace gm::ui
