#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "core/site/EasternTime.h"
#include "net/SiteServer.h"

class QCheckBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QTreeWidget;

namespace gm::ui {

struct UiContext;
class DesktopPool;

// The members' picks site, served by the program while it runs: where it
// listens, Start and Stop, the address to give members, the site's options
// and who has saved the open week. The window is modeless; closing it leaves
// the site running, and the site stops with Stop or when the program ends.
class frmSite : public QDialog {
    Q_OBJECT
public:
    explicit frmSite(UiContext& ctx, QWidget* parent = nullptr);
    ~frmSite() override;  // stops the site and waits for the requests in hand

    bool Running() const;
    // Whether a stop has been asked for and the last request is still being answered.
    bool Stopping() const;
    const net::SiteServer* Server() const { return server_.get(); }
    // Tests give the site their own clock.
    void SetClock(std::function<SiteTime()> clock);

public slots:
    void OnStart();
    void OnStop();
    void OnApply();
    void OnHelp();
    // Reads the audit log again and lists who has saved the open week.
    void RefreshSaved();

private:
    SiteTime Now() const;
    int OpenWeekNow() const;
    void LoadOptions();
    void ShowState();
    void ShowPins();
    // Coming to the front counts the PINs again (issued elsewhere meanwhile).
    void changeEvent(QEvent* event) override;
    void SheetSaved(const net::SiteSave& save);
    void PoolGone();
    void FinishStop();
    QString ChooseFile(const QString& title);

    UiContext& ctx_;
    std::function<SiteTime()> clock_;
    std::unique_ptr<DesktopPool> pool_;
    std::unique_ptr<net::SiteServer> server_;  // after pool_: it goes first
    QTimer* stopPoll_;
    QTimer* refresh_;
    QString stoppedBecause_;
    int optionsWeek_ = 0;  // the week the deadline shown is for

    QLineEdit* txtListen_;
    QSpinBox* spnPort_;
    QLineEdit* txtCert_;
    QLineEdit* txtKey_;
    QPushButton* cmdStart_;
    QPushButton* cmdStop_;
    QLabel* lblStatus_;
    QLabel* lblAddress_;
    QLabel* lblPins_;
    QCheckBox* chkAutoAdvance_;
    QCheckBox* chkDeadline_;
    QDateTimeEdit* dtDeadline_;
    QPushButton* cmdApply_;
    QLabel* lblSavedCount_;
    QTreeWidget* lstSaved_;
};

}  // namespace gm::ui
