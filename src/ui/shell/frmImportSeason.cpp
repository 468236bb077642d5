#include "frmImportSeason.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/shell/SeasonImportView.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

namespace {

QString Joined(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& l : lines) out << Q(l);
    return out.join('\n');
}

QPlainTextEdit* ListBox(const char* name, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(70, 'x')));
    return box;
}

}  // namespace

frmImportSeason::frmImportSeason(UiContext& ctx, std::string text, const QString& fileName, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      text_(std::move(text)),
      fileName_(S(fileName)),
      season_(new QSpinBox(this)),
      lines_(new QCheckBox("Replace &lines of games members have picked", this)),
      read_(ListBox("txtRead", this)),
      changes_(ListBox("txtChanges", this)),
      ok_(Button("cmdOK", "&OK", this)) {
    setObjectName("frmImportSeason");
    setWindowTitle(Q(kImportSeasonTitle));
    setModal(true);

    season_->setObjectName("spnSeason");
    season_->setRange(1920, 2099);
    season_->setValue(OfferedImportSeason(ctx_.State, text_));
    lines_->setObjectName("chkLines");

    auto* top = new QHBoxLayout;
    auto* seasonCaption = new QLabel("&Season", this);
    seasonCaption->setBuddy(season_);
    top->addWidget(seasonCaption);
    top->addWidget(season_);
    top->addSpacing(16);
    top->addWidget(lines_);
    top->addStretch();

    auto* readCaption = new QLabel("&Read from the file", this);
    readCaption->setBuddy(read_);
    read_->setMaximumHeight(read_->fontMetrics().height() * 8);
    auto* changesCaption = new QLabel("&What importing changes", this);
    changesCaption->setBuddy(changes_);
    changes_->setMinimumHeight(changes_->fontMetrics().height() * 14);

    auto* cancel = Button("cmdCancel", "&Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(readCaption);
    layout->addWidget(read_);
    layout->addWidget(changesCaption);
    layout->addWidget(changes_, 1);
    layout->addLayout(buttons);

    connect(season_, &QSpinBox::valueChanged, this, &frmImportSeason::Replan);
    connect(lines_, &QCheckBox::toggled, this, &frmImportSeason::Replan);
    connect(ok_, &QPushButton::clicked, this, &frmImportSeason::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    Replan();
    adjustSize();
    CenterForm(this);
}

void frmImportSeason::Replan() {
    Hourglass wait;
    const ImportView view =
        PlanImportView(ctx_.State, text_, fileName_, season_->value(), lines_->isChecked(), plan_);
    read_->setPlainText(Joined(view.Read));
    changes_->setPlainText(Joined(view.Changes));
    ok_->setEnabled(view.CanSave);
    ok_->setDefault(view.CanSave);
}

void frmImportSeason::OnOK() {
    if (!plan_.Allowed() || !plan_.ChangesAnything()) return;
    Status saved;
    {
        Hourglass wait;
        saved = ApplySeasonImport(ctx_.State, plan_);
    }
    if (!saved) {
        ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(kImportNotSavedTitle), Q(saved.message));
        return;
    }
    saved_ = true;
    ctx_.Prompts.Tell(this, PromptIcon::Information, Q(kImportSeasonTitle), Q(ImportSavedText(plan_)));
    accept();
}

}  // namespace gm::ui
