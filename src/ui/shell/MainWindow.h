#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QPrinter>
#include <filesystem>
#include <string>

#include "core/shell/Displays.h"
#include "core/shell/Tools.h"

class QAction;
class QLabel;
class QMenu;

namespace gm::ui {

struct UiContext;
class ElectronicSign;

// The main window's client area: the painted scheme, the two titles with
// their shadows and the sign's picture box.
class MainBackdrop : public QWidget {
    Q_OBJECT
public:
    MainBackdrop(UiContext& ctx, QWidget* parent);
    QWidget* PicDisplay() const { return picDisplay_; }
    // Sets the title colours of the current scheme and repaints.
    void Repaint();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    UiContext& ctx_;
    QPixmap cache_;
    int cachedScheme_ = 0;
    QLabel* label1_[2]{};
    QLabel* label2_[2]{};
    QWidget* picDisplay_ = nullptr;
};

// The main window: every command of the program starts from its menus.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(UiContext& ctx, QWidget* parent = nullptr);
    ~frmMain() override;

    // A menu item by its name ("SeasonItem0", "EditItem5", "DigitItem1").
    QAction* Item(const QString& name) const;
    ElectronicSign* Sign() const { return sign_; }
    MainBackdrop* Backdrop() const { return backdrop_; }

    // What the menu items do.
    void OpenForm(Display display, bool hourglass = true);
    void ChooseSeason(int n);
    void PrinterSetup();
    // Keeps in the settings what Printer Setup left in the printer (a
    // printer, or PDF files and their folder) for the next start.
    void KeepPrinterSetup();
    void OpenBackgroundColors();
    void Backup();
    void BackupTo(const QString& folder);
    void RunTool(DesktopTool tool);
    void QuickTour();
    // "Import Season...": a season's games CSV read, shown and saved on OK.
    void ImportSeason();
    void ImportSeasonFrom(const QString& file);
    // Pool folders: open another, or make a new one, and switch to it.
    void OpenPoolFolder();
    void NewPoolFolder();
    // Takes the folder's lock, loads it and makes it the open pool; the old
    // folder keeps its week and gives up its lock. False (and the open pool
    // stays) when the folder is in use or cannot be prepared.
    bool SwitchToFolder(const std::filesystem::path& folder, bool created);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    QAction* AddItem(QMenu* menu, const QString& array, int index, const QString& caption);
    // The display's menu item, with its caption from the catalogue.
    QAction* AddForm(QMenu* menu, const QString& array, int index, Display display, bool hourglass = true);
    void AddSeparator(QMenu* menu, const QString& array, int index);
    void Shutdown();
    // After the season changed under the menus (an import, another folder).
    void SeasonChanged();
    void RememberFolder();
    void ShowRecentFolders();

    UiContext& ctx_;
    // Printouts are laid out in twips: a screen-resolution printer would round them coarsely.
    QPrinter printer_{QPrinter::HighResolution};
    MainBackdrop* backdrop_ = nullptr;
    ElectronicSign* sign_ = nullptr;
    QString lastBackupFolder_;
    QMenu* seasonMenu_ = nullptr;
    QList<QAction*> recentItems_;
    bool shutDown_ = false;
};

}  // namespace gm::ui
