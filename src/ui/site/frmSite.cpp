#include "ui/site/frmSite.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/data/FileIO.h"
#include "core/site/PicksSite.h"
#include "core/site/SiteAddress.h"
#include "core/site/SiteSaves.h"
#include "core/site/SiteSettings.h"
#include "net/MachineAddresses.h"
#include "net/PinStore.h"
#include "ui/members/frmPicks.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/site/DesktopPool.h"

namespace gm::ui {

namespace {

constexpr const char* kTitle = "Picks Site";
constexpr const char* kDeadlineFormat = "yyyy-MM-dd HH:mm";

QDateTime FromEastern(EasternClock c) {
    return QDateTime(QDate(static_cast<int>(c.Date / 10000), static_cast<int>(c.Date / 100 % 100),
                           static_cast<int>(c.Date % 100)),
                     QTime(c.Time / 100, c.Time % 100));
}

EasternClock ToEastern(const QDateTime& t) {
    const QDate d = t.date();
    const QTime h = t.time();
    return {static_cast<std::uint32_t>(d.year() * 10000 + d.month() * 100 + d.day()),
            static_cast<std::uint16_t>(h.hour() * 100 + h.minute())};
}

}  // namespace

frmSite::frmSite(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      clock_([] { return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()); }),
      stopPoll_(new QTimer(this)),
      refresh_(new QTimer(this)),
      txtListen_(new QLineEdit("127.0.0.1", this)),
      spnPort_(new QSpinBox(this)),
      txtCert_(new QLineEdit(this)),
      txtKey_(new QLineEdit(this)),
      cmdStart_(Button("cmdStart", "&Start", this)),
      cmdStop_(Button("cmdStop", "S&top", this)),
      lblStatus_(new QLabel(this)),
      lblAddress_(new QLabel(this)),
      lblPins_(new QLabel(this)),
      chkAutoAdvance_(new QCheckBox(
          "Open the next week by &itself once every game of the current week has kicked off", this)),
      chkDeadline_(new QCheckBox(this)),
      dtDeadline_(new QDateTimeEdit(this)),
      cmdApply_(Button("cmdApply", "&Apply", this)),
      lblSavedCount_(new QLabel(this)),
      lstSaved_(new QTreeWidget(this)) {
    setObjectName("frmSite");
    setWindowTitle("Picks Site");
    setModal(false);
    txtListen_->setObjectName("txtListen");
    spnPort_->setObjectName("spnPort");
    spnPort_->setRange(0, 65535);
    spnPort_->setValue(8080);
    spnPort_->setSpecialValueText("any free port");
    txtCert_->setObjectName("txtCert");
    txtKey_->setObjectName("txtKey");
    lblStatus_->setObjectName("lblStatus");
    lblAddress_->setObjectName("lblAddress");
    lblAddress_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPins_->setObjectName("lblPins");
    lblPins_->setWordWrap(true);
    chkAutoAdvance_->setObjectName("chkAutoAdvance");
    chkDeadline_->setObjectName("chkDeadline");
    dtDeadline_->setObjectName("dtDeadline");
    dtDeadline_->setDisplayFormat(kDeadlineFormat);
    dtDeadline_->setCalendarPopup(true);
    lblSavedCount_->setObjectName("lblSavedCount");
    lstSaved_->setObjectName("lstSaved");
    lstSaved_->setHeaderLabels({"Member", "Saved", "From", "Saves"});
    lstSaved_->setRootIsDecorated(false);
    lstSaved_->setMinimumHeight(140);
    lstSaved_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    // Where the site listens.
    auto* where = new QGroupBox("Where members find the site", this);
    auto* whereLayout = new QVBoxLayout(where);
    auto* form = new QFormLayout;
    whereLayout->addLayout(form);
    auto* listenCaption = new QLabel("&Listen on", where);
    listenCaption->setBuddy(txtListen_);
    form->addRow(listenCaption, txtListen_);
    auto* portCaption = new QLabel("P&ort", where);
    portCaption->setBuddy(spnPort_);
    form->addRow(portCaption, spnPort_);
    auto fileRow = [&](const char* caption, QLineEdit* edit, const char* button, const QString& title) {
        auto* row = new QHBoxLayout;
        row->addWidget(edit, 1);
        QPushButton* browse = Button(button, "...", where);
        browse->setMaximumWidth(32);
        row->addWidget(browse);
        connect(browse, &QPushButton::clicked, this, [this, edit, title] {
            const QString file = ChooseFile(title);
            if (!file.isEmpty()) edit->setText(file);
        });
        auto* label = new QLabel(caption, where);
        label->setBuddy(edit);
        form->addRow(label, row);
    };
    fileRow("Ce&rtificate (PEM)", txtCert_, "cmdCert", "HTTPS Certificate");
    fileRow("&Key (PEM)", txtKey_, "cmdKey", "HTTPS Private Key");
    auto* hint = new QLabel("Listen on 127.0.0.1 for this computer only, on 0.0.0.0 for every network it is on "
                            "(the office network). With a certificate and its key the site is HTTPS, so that "
                            "PINs cross the network unread; leave both empty for plain HTTP.",
                            where);
    hint->setObjectName("lblWhereHint");
    hint->setWordWrap(true);
    whereLayout->addWidget(hint);

    auto* run = new QHBoxLayout;
    run->addWidget(cmdStart_);
    run->addWidget(cmdStop_);
    run->addWidget(lblStatus_, 1);

    // The site's options.
    auto* options = new QGroupBox("Options", this);
    auto* opt = new QVBoxLayout(options);
    opt->addWidget(chkAutoAdvance_);
    auto* deadline = new QHBoxLayout;
    deadline->addWidget(chkDeadline_);
    deadline->addWidget(dtDeadline_);
    deadline->addStretch();
    deadline->addWidget(cmdApply_);
    opt->addLayout(deadline);

    // Who has saved.
    auto* saved = new QGroupBox("Saved through the site", this);
    auto* sv = new QVBoxLayout(saved);
    sv->addWidget(lblSavedCount_);
    sv->addWidget(lstSaved_);

    auto* note = new QLabel("The site runs until you press Stop or close Gridmoot; closing this window "
                            "leaves it running.",
                            this);
    note->setObjectName("lblRuns");
    note->setWordWrap(true);
    auto* cmdClose = Button("cmdClose", "&Close", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note, 1);
    buttons->addWidget(cmdClose);
    buttons->addWidget(cmdHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addLayout(run);
    layout->addWidget(lblAddress_);
    layout->addWidget(lblPins_);
    layout->addWidget(options);
    layout->addWidget(saved, 1);
    layout->addLayout(buttons);

    connect(cmdStart_, &QPushButton::clicked, this, &frmSite::OnStart);
    connect(cmdStop_, &QPushButton::clicked, this, &frmSite::OnStop);
    connect(cmdApply_, &QPushButton::clicked, this, &frmSite::OnApply);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(cmdHelp, &QPushButton::clicked, this, &frmSite::OnHelp);
    connect(chkDeadline_, &QCheckBox::toggled, dtDeadline_, &QWidget::setEnabled);
    stopPoll_->setInterval(50);
    connect(stopPoll_, &QTimer::timeout, this, [this] {
        if (server_ && server_->Finished()) FinishStop();
    });
    // The open week moves on by itself with auto-advance, and the season's
    // week with the organiser: the list follows now and then.
    refresh_->setInterval(60 * 1000);
    connect(refresh_, &QTimer::timeout, this, &frmSite::RefreshSaved);
    refresh_->start();

    LoadOptions();
    ShowState();
    RefreshSaved();
    resize(560, 640);
    CenterForm(this);
}

frmSite::~frmSite() {
    if (!server_) return;
    // Workers waiting for this thread give up as soon as the pool says it is
    // stopping, so the wait ends although this thread answers no more work.
    pool_->SetStopping(true);
    server_->Stop();
    server_->Wait();
    server_.reset();
}

bool frmSite::Running() const {
    return server_ && !pool_->Stopping() && !server_->Finished();
}

bool frmSite::Stopping() const {
    return server_ && pool_->Stopping();
}

void frmSite::SetClock(std::function<SiteTime()> clock) {
    clock_ = std::move(clock);
    LoadOptions();
    RefreshSaved();
}

SiteTime frmSite::Now() const {
    return clock_();
}

int frmSite::OpenWeekNow() const {
    return OpenSheetAt(ctx_.State, ReadSiteSettings(ctx_.State), Now()).Week;
}

QString frmSite::ChooseFile(const QString& title) {
    const QString filter = "PEM files (*.pem *.crt *.key);;All files (*)";
    if (ctx_.ChooseOpenFile) return ctx_.ChooseOpenFile(this, title, filter);
    return QFileDialog::getOpenFileName(this, title, QString(), filter);
}

void frmSite::LoadOptions() {
    const AppState& state = ctx_.State;
    const SiteSettings settings = ReadSiteSettings(state);
    const int week = OpenWeekNow();
    optionsWeek_ = week;
    chkAutoAdvance_->setChecked(settings.AutoAdvance);
    // Only a season with kick-off times can tell when a week is over.
    chkAutoAdvance_->setEnabled(state.League().Kind != LeagueKind::Nfl1997);
    chkDeadline_->setText(QString("&Deadline for week %1 (Eastern time)").arg(week));
    const bool has = settings.Deadline && settings.DeadlineWeek == week;
    chkDeadline_->setChecked(has);
    dtDeadline_->setEnabled(has);
    if (has) {
        dtDeadline_->setDateTime(FromEastern(*settings.Deadline));
        return;
    }
    // Offered: the week's first kick-off, else one o'clock today.
    std::optional<SiteTime> first;
    for (int g = 0; g < state.League().Slots; ++g) {
        const auto k = KickoffInstant(state.Games[static_cast<std::size_t>(week - 1)][static_cast<std::size_t>(g)]);
        if (k && (!first || *k < *first)) first = k;
    }
    EasternClock offered = UtcToEastern(Now());
    offered.Time = 1300;
    if (first) offered = UtcToEastern(*first);
    dtDeadline_->setDateTime(FromEastern(offered));
}

void frmSite::OnApply() {
    SiteSettings settings;
    settings.AutoAdvance = chkAutoAdvance_->isChecked();
    if (chkDeadline_->isChecked()) {
        settings.DeadlineWeek = OpenWeekNow();
        settings.Deadline = ToEastern(dtDeadline_->dateTime());
    }
    if (const Status s = WriteSiteSettings(ctx_.State, settings); !s) {
        ctx_.Prompts.Tell(this, PromptIcon::Stop, kTitle, "The site's options could not be saved:\n" + Q(s.message));
        return;
    }
    // Auto-advance may open another week at once.
    LoadOptions();
    RefreshSaved();
}

void frmSite::OnStart() {
    if (server_) return;
    if (!ctx_.State.CurrentSeasonOpen) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, kTitle,
                          "The picks site takes picks for the current season: choose Season, NFL Current first.");
        return;
    }
    net::SiteConfig config;
    config.Address = S(txtListen_->text().trimmed());
    config.Port = spnPort_->value();
    config.CertFile = S(txtCert_->text().trimmed());
    config.KeyFile = S(txtKey_->text().trimmed());
    config.Clock = clock_;
    if (config.CertFile.empty() != config.KeyFile.empty()) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, kTitle,
                          "HTTPS needs both a certificate and its private key; leave both empty for plain HTTP.");
        return;
    }
    pool_ = std::make_unique<DesktopPool>(ctx_.State, ctx_.State.DataFolder);
    pool_->OnPoolGone([this] { PoolGone(); });
    server_ = std::make_unique<net::SiteServer>(ctx_.State.DataFolder, *pool_, config);
    // Called on a worker thread: the window hears of it on its own.
    server_->OnSaved([this](const net::SiteSave& save) {
        QMetaObject::invokeMethod(this, [this, save] { SheetSaved(save); }, Qt::QueuedConnection);
    });
    std::string error;
    bool started = false;
    {
        Hourglass wait;
        started = server_->Start(&error);
    }
    if (!started) {
        server_.reset();
        pool_.reset();
        ctx_.Prompts.Tell(this, PromptIcon::Stop, kTitle, "The picks site could not start:\n" + Q(error));
        ShowState();
        return;
    }
    stoppedBecause_.clear();
    const auto addresses = MemberAddresses(config.Address, server_->Port(), !config.CertFile.empty(),
                                           net::MachineAddresses());
    if (const Status s = WriteSiteAddress(ctx_.State, addresses.front()); !s)
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, kTitle,
                          "The site's address could not be kept for the PIN slips:\n" + Q(s.message));
    QStringList lines;
    for (const std::string& a : addresses) lines << Q(a);
    lblAddress_->setText("Give members this address:\n" + lines.join('\n'));
    ShowState();
    RefreshSaved();
}

void frmSite::OnStop() {
    if (!server_ || pool_->Stopping()) return;
    pool_->SetStopping(true);
    server_->Stop();
    ShowState();
    // The requests in hand are answered on the workers; the window stays live meanwhile.
    stopPoll_->start();
}

void frmSite::FinishStop() {
    stopPoll_->stop();
    server_->Wait();
    server_.reset();
    pool_.reset();
    ShowState();
}

void frmSite::PoolGone() {
    if (!Running()) return;
    stoppedBecause_ = "The site stopped: Gridmoot now shows another pool folder or an archived season.";
    OnStop();
}

void frmSite::ShowState() {
    const bool running = Running();
    const bool stopping = Stopping();
    cmdStart_->setEnabled(!server_);
    cmdStop_->setEnabled(running);
    for (QWidget* w : {static_cast<QWidget*>(txtListen_), static_cast<QWidget*>(spnPort_),
                       static_cast<QWidget*>(txtCert_), static_cast<QWidget*>(txtKey_)})
        w->setEnabled(!server_);
    if (running) {
        lblStatus_->setText("The site is open.");
    } else if (stopping) {
        lblStatus_->setText("Stopping: answering the requests in hand...");
    } else {
        lblStatus_->setText(stoppedBecause_.isEmpty() ? "The site is stopped." : stoppedBecause_);
        lblAddress_->clear();
    }
    ShowPins();
}

void frmSite::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) ShowPins();
}

void frmSite::ShowPins() {
    // Read afresh each time: PINs are issued from the members window and by gridmoot-cli pin too.
    const int withPin = net::PinStore(ctx_.State.DataFolder).MembersWithPin(ctx_.State);
    lblPins_->setText(QString("%1 of %2 members have a PIN (Edits, Pool Members: Issue PIN... gives one).")
                          .arg(withPin)
                          .arg(ctx_.State.MemberCount));
}

void frmSite::RefreshSaved() {
    const int week = OpenWeekNow();
    std::string log;
    const std::filesystem::path file = ctx_.State.File(kSiteAuditFileName);
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) (void)ReadFileBytes(file, log);
    const std::vector<SavedSheetRow> rows = WhoSaved(log, week);
    ShowPins();
    lblSavedCount_->setText(Q(WhoSavedSummary(static_cast<int>(rows.size()), ctx_.State.MemberCount, week)));
    lstSaved_->clear();
    for (const SavedSheetRow& r : rows)
        new QTreeWidgetItem(lstSaved_, {Q(r.Member), Q(r.When), Q(r.Address), QString::number(r.Saves)});
    // Another week has opened (auto-advance, or the organiser moved the pool on): its deadline shows.
    if (week != optionsWeek_) LoadOptions();
}

void frmSite::SheetSaved(const net::SiteSave& save) {
    RefreshSaved();
    // An open selections window shows the new picks.
    const int member = FindMember(ctx_.State, save.Member);
    if (member < 0) return;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* picks = qobject_cast<frmPicks*>(w)) picks->PoolSavedElsewhere(member, save.Week);
}

void frmSite::OnHelp() {
    ShowHelp(ctx_, this, Display::PicksSite);
}

}  // namespace gm::ui
