#pragma once
// The main window: one button per installed mod, the bot selector, "Edit Mod Config",
// "Launch Half-Life" and the menus. It lives from the start of the program to its end.
#include <QHash>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>

#include "core/UInitMain.h"
#include "ui/ModalRunner.h"

#include <memory>
#include <utility>

class QAction;
class QButtonGroup;
class QComboBox;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;
class TInstalledModsReadAhead;

class TMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TMain(QWidget* parent = nullptr);
    ~TMain() override;

    // The program's modal runner (ui/ModalRunner.h), under the names the tests know.
    using TModalRunner = ModalRunner::TRunner;
    static void SetModalRunner(TModalRunner runner) { ModalRunner::Set(std::move(runner)); }
    static int RunModal(QDialog& dialog) { return ModalRunner::Run(dialog); }

    // The application settings the main window relies on: its name, and that only closing the
    // main window ends the program (it is hidden while a mod window is open, so closing that
    // window, the last one on screen, must not end it), and the program's style
    // (ui/MainStyle.h).
    static void ConfigureApplication();

    void FormCreate();
    // Every activation of the window: lays the mod buttons out again, or asks for the game
    // directory while the game executable is missing.
    void FormActivate();

    // A mod button: selects the mod of that key.
    void ModButtonClick(const QString& key);
    void SB_EditConfClick();
    void SB_HLClick();
    // The user picked a bot.
    void CB_SelectBotChange();

    void EditBotNames1Click();
    void Exit();
    void BCloseClick() { Exit(); }
    void Additionalcommands1Click();
    void Directories1Click();
    void CB_CloseQORClick();
    void CB_AutostartClick();
    void CB_DedicatedClick();
    void CB_HLkeyfrClick();
    void ViewReadmetxt1Click();
    void About1Click();

    // The parts UInit's routines work on.
    // The mod's button, made the first time it is asked for (null for a key of no mod).
    QToolButton* ModButton(const QString& key);
    // The button if it was made.
    QToolButton* MadeModButton(const QString& key) const { return m_modButtons.value(key); }
    // The bot selector, ready for typing (made so on first use: see EnsureBotEdit).
    QComboBox* BotSelector();
    QWidget* ButtonArea() const { return m_buttonArea; }
    // Grows the scrolling area so that a button placed at top is reachable.
    void FitButtonArea(int bottom);
    // Sets the Options ticks from the option letters.
    void ShowOptionTicks();
    // Forgets the selected mod (its button is gone after a new layout).
    void ClearSelection();
    // After a new layout: the selected mod's selector offers its bots again.
    void RefreshSelection();
    // The note an empty button area shows: where the game folder is set (noGame: none is set,
    // else no mod of it is shown); hidden while buttons are shown.
    void ShowEmptyNote(bool empty, bool noGame);
    // At start, once the window is made: what telling the installed mods apart reads from disk
    // is read on a thread of its own while the window is being shown. The next listing takes
    // it, as the disk was a moment before, when it lists for the same checks
    // (UInit::InstallChecks); it is empty otherwise, and once taken.
    void ReadInstalledModsAhead();
    QList<bool> TakeInstalledModsReadAhead(const QList<UInit::TInstallCheck>& checks);

signals:
    // The window was closed: the program ends.
    void Closed();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void BuildMenus();
    void OpenGameDirectory();
    void ToggleOption(QAction* action, QString& letter);
    void StoreOptions(const QStringList& names);
    void OnBotEditTextEdited(const QString& text);
    void EnsureBotEdit();

    QScrollArea* m_scrollBox = nullptr;
    QWidget* m_buttonArea = nullptr;
    QHash<QString, QToolButton*> m_modButtons;
    QButtonGroup* m_modGroup = nullptr;
    QFrame* m_panel = nullptr;
    QLabel* m_selMod = nullptr;
    QToolButton* m_editConf = nullptr;
    QToolButton* m_launch = nullptr;
    QGroupBox* m_botGroup = nullptr;
    QLabel* m_botLabel = nullptr;
    QComboBox* m_selectBot = nullptr;
    QPushButton* m_close = nullptr;
    QLabel* m_emptyNote = nullptr;

    QAction* m_closeQOR = nullptr;
    QAction* m_autoStart = nullptr;
    QAction* m_dedicated = nullptr;
    QAction* m_hlKeyFr = nullptr;

    bool m_inActivate = false;
    // Set when the Game Directory dialog closed; the activation its closing causes must not
    // open it again, or the user could never leave it.
    bool m_skipActivation = false;
    bool m_activatedSinceShow = false;
    // When the showing listed the mods: the activation that the showing itself brings, right
    // after, finds the same folders and lists nothing new (the start drew the window later
    // for it). Any deactivation ends it.
    QElapsedTimer m_showingListed;
    bool m_centred = false;
    std::unique_ptr<TInstalledModsReadAhead> m_installedAhead;
};

// The main window while it exists.
extern TMain* Main;
