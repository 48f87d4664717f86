#include "ui/UMain.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UInitMain.h"
#include "core/UQOR_Launch.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "ui/ButtonWithColor.h"
#include "ui/MainStyle.h"
#include "ui/StoredPicture.h"
#include "ui/UAbout.h"
#include "ui/UCommLine.h"
#include "ui/UEditor.h"
#include "ui/UPreview.h"
#include "ui/URep.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QIconEngine>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <thread>
#include <utility>

TMain* Main = nullptr;

namespace {

constexpr int kBackgroundBGR = 13806739;   // 0xD2AC93 as Windows writes it: RGB 147, 172, 210
const QString kYes = QStringLiteral("O");
const QString kNo = QStringLiteral("N");
const QString kModButtonStyle = QStringLiteral(
    "QToolButton { background-color: rgb(147,172,210); border: 2px solid;"
    " border-color: rgb(222,231,245) rgb(70,86,116) rgb(70,86,116) rgb(222,231,245); }"
    "QToolButton:checked { background-color: rgb(116,140,181);"
    " border-color: rgb(70,86,116) rgb(222,231,245) rgb(222,231,245) rgb(70,86,116); }"
    // The button the keyboard is on shows a dotted frame, as the style's own buttons do.
    "QToolButton:focus { border: 2px dotted rgb(0,0,0); }");

QColor Background()
{
    return TBitBtnWithColor::DelphiColorToQColor(kBackgroundBGR);
}

QFont MainFont(bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(bold);
    return font;
}

void Paint(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Background());
    palette.setColor(QPalette::Button, Background());
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A picture of the resources (ui/StoredPicture.h), taken the first time it is painted. The main
// window makes a button for each of the 31 mods, and only those of installed mods are ever
// shown; their logos are looked at when they first appear, not all of them before the window
// can show, and scaled once for each size. Painted as
// QIcon's own engine paints a picture file: scaled down smoothly to fit, the other modes
// derived by the style.
class TLazyPicture : public QIconEngine {
public:
    // shownPath: the same picture packed at the size it is mostly shown at (or "").
    TLazyPicture(QString path, QString shownPath)
        : m_path(std::move(path)), m_shownPath(std::move(shownPath))
    {
    }

    QIconEngine* clone() const override { return new TLazyPicture(*this); }
    QString key() const override { return QStringLiteral("TLazyPicture"); }
    bool isNull() override { return false; }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        QSize own = Size();
        if (own.width() > size.width() || own.height() > size.height())
            own.scale(size, Qt::KeepAspectRatio);
        return own;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const QSize fit = actualSize(size, mode, state);
        const quint64 key = (quint64(fit.width()) << 40) | (quint64(fit.height()) << 8) | quint64(mode);
        auto it = m_made.constFind(key);
        if (it != m_made.constEnd())
            return *it;
        QPixmap made;
        if (!m_shownPath.isEmpty() && StoredPicture::Size(m_shownPath) == fit) {
            // Packed already scaled, as below would scale it.
            made = StoredPicture::Pixmap(m_shownPath);
        } else {
            if (m_picture.isNull())
                m_picture = StoredPicture::Pixmap(m_path);
            made = m_picture.size() == fit || m_picture.isNull()
                       ? m_picture
                       : m_picture.scaled(fit, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        if (mode != QIcon::Normal && !made.isNull()) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            made = QApplication::style()->generatedIconPixmap(mode, made, &option);
        }
        m_made.insert(key, made);
        return made;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    // The picture's size, read from its header.
    QSize Size()
    {
        if (!m_size.isValid())
            m_size = m_picture.isNull() ? StoredPicture::Size(m_path) : m_picture.size();
        return m_size;
    }

    QString m_path;
    QString m_shownPath;
    QSize m_size;
    QPixmap m_picture;
    QHash<quint64, QPixmap> m_made;
};

QToolButton* MakeGlyphButton(QWidget* parent, const QString& name, const QString& hint,
                             const QPixmap& glyph)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(QIcon(glyph));
    button->setIconSize(QSize(56, 56));
    button->setAutoRaise(false);
    return button;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The main window.

void TMain::ConfigureApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Qorvane"));
    QGuiApplication::setQuitOnLastWindowClosed(false);
    TMainStyle::Install();
}

TMain::TMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint)
{
    Main = this;
    InitProgramResources();
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Qorvane"));
    setFont(MainFont());
    Paint(this);
    BuildWindow();
    BuildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    UPreview::StartFollower(this);
    FormCreate();
}

// The installed-mod checks of the start, on a thread of their own (TMain::ReadInstalledModsAhead).
class TInstalledModsReadAhead {
public:
    explicit TInstalledModsReadAhead(QList<UInit::TInstallCheck> checks)
        : m_checks(std::move(checks))
    {
        // The thread reads only its own copy of the checks, and the disk.
        m_thread = std::thread([this] {
            for (const UInit::TInstallCheck& check : std::as_const(m_checks))
                m_installed << UInit::Installed(check);
        });
    }
    ~TInstalledModsReadAhead() { Finish(); }
    TInstalledModsReadAhead(const TInstalledModsReadAhead&) = delete;
    TInstalledModsReadAhead& operator=(const TInstalledModsReadAhead&) = delete;

    QList<bool> Take(const QList<UInit::TInstallCheck>& checks)
    {
        Finish();
        return checks == m_checks ? m_installed : QList<bool>();
    }

private:
    void Finish()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

    const QList<UInit::TInstallCheck> m_checks;
    QList<bool> m_installed;
    std::thread m_thread;
};

void TMain::ReadInstalledModsAhead()
{
    m_installedAhead.reset();
    if (!UInit::GameProgram().isEmpty())
        m_installedAhead = std::make_unique<TInstalledModsReadAhead>(UInit::InstallChecks());
}

QList<bool> TMain::TakeInstalledModsReadAhead(const QList<UInit::TInstallCheck>& checks)
{
    if (!m_installedAhead)
        return {};
    const QList<bool> installed = m_installedAhead->Take(checks);
    m_installedAhead.reset();
    return installed;
}

TMain::~TMain()
{
    if (Main == this)
        Main = nullptr;
}

void TMain::BuildWindow()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(586, 297);
    Paint(client);
    setCentralWidget(client);

    m_scrollBox = new QScrollArea(client);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setGeometry(4, 4, 409, 245);
    m_scrollBox->setFrameShape(QFrame::StyledPanel);
    m_scrollBox->setFrameShadow(QFrame::Sunken);
    m_scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollBox->setWidgetResizable(false);
    Paint(m_scrollBox);

    m_buttonArea = new QWidget;
    m_buttonArea->setObjectName(QStringLiteral("ButtonArea"));
    Paint(m_buttonArea);
    m_buttonArea->resize(405, 241);
    m_scrollBox->setWidget(m_buttonArea);
    Paint(m_scrollBox->viewport());

    auto* selectLabel = new QLabel(QStringLiteral("Select a mod"), m_buttonArea);
    selectLabel->setObjectName(QStringLiteral("Label1"));
    selectLabel->setFont(MainFont(true));
    selectLabel->setGeometry(10, 2, 200, 17);

    // What an empty area says: without it a first start cancelled leaves a blank window.
    m_emptyNote = new QLabel(m_buttonArea);
    m_emptyNote->setObjectName(QStringLiteral("Lab_Empty"));
    m_emptyNote->setFont(MainFont());
    m_emptyNote->setWordWrap(true);
    m_emptyNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_emptyNote->setGeometry(10, 28, 385, 80);
    m_emptyNote->hide();

    // The mod buttons: a raised edge, sunk while the mod is the selected one, as speed buttons
    // of a group. One sheet for the area rather than one per button: each sheet is parsed on its
    // own, and 31 of them cost the start of the program more than the rest of the window.
    m_buttonArea->setStyleSheet(kModButtonStyle);
    // A button is made when its mod is first shown (or asked for): most of the 31 mods are not
    // installed, and each button cost the start its making and its style.
    m_modGroup = new QButtonGroup(this);
    m_modGroup->setExclusive(true);

    m_panel = new QFrame(client);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setGeometry(416, 4, 164, 245);
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setFrameShadow(QFrame::Raised);
    m_panel->setLineWidth(1);
    Paint(m_panel);

    m_selMod = new QLabel(QStringLiteral("Selected : none"), m_panel);
    m_selMod->setObjectName(QStringLiteral("Label_SelMod"));
    m_selMod->setFont(MainFont(true));
    m_selMod->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_selMod->setGeometry(2, 4, 160, 17);

    m_editConf = MakeGlyphButton(m_panel, QStringLiteral("SB_EditConf"),
                                 QStringLiteral("Edit Mod Config"),
                                 StoredPicture::Pixmap(QStringLiteral(":/glyphs/edit")));
    m_editConf->setGeometry(53, 24, 65, 65);
    m_editConf->setEnabled(false);
    connect(m_editConf, &QToolButton::clicked, this, &TMain::SB_EditConfClick);

    m_launch = MakeGlyphButton(m_panel, QStringLiteral("SB_HL"), QStringLiteral("Launch Half-Life"),
                               StoredPicture::Pixmap(QStringLiteral(":/glyphs/launch")));
    m_launch->setGeometry(53, 100, 65, 65);
    m_launch->setEnabled(false);
    connect(m_launch, &QToolButton::clicked, this, &TMain::SB_HLClick);

    m_botGroup = new QGroupBox(client);
    m_botGroup->setObjectName(QStringLiteral("GB_SelectBot"));
    m_botGroup->setGeometry(122, 253, 276, 39);
    Paint(m_botGroup);
    m_botGroup->hide();

    m_botLabel = new QLabel(QStringLiteral("Current bot for"), m_botGroup);
    m_botLabel->setObjectName(QStringLiteral("LB_SelectBot"));
    m_botLabel->setFont(MainFont(true));
    m_botLabel->setGeometry(4, 11, 167, 19);

    m_selectBot = new QComboBox(m_botGroup);
    m_selectBot->setObjectName(QStringLiteral("CB_SelectBot"));
    // Typing names no new bot: the list holds the bots of the mod's data file only.
    m_selectBot->setInsertPolicy(QComboBox::NoInsert);
    m_selectBot->setGeometry(172, 9, 100, 22);
    // Only a pick of the user counts; refilling the list must not store anything.
    connect(m_selectBot, &QComboBox::activated, this, [this](int) { CB_SelectBotChange(); });

    auto* close = new TBitBtnWithColor(QStringLiteral("Quit QOR"), client);
    close->setObjectName(QStringLiteral("BClose"));
    close->SetColor(kBackgroundBGR);
    close->setGeometry(481, 261, 87, 30);
    connect(close, &QPushButton::clicked, this, &TMain::BCloseClick);
    m_close = close;
}

QToolButton* TMain::ModButton(const QString& key)
{
    if (QToolButton* made = m_modButtons.value(key))
        return made;
    const TModRow* row = ModTable::Find(key);
    if (!row)
        return nullptr;
    auto* button = new QToolButton(m_buttonArea);
    button->setObjectName(row->Button);
    button->setToolTip(row->Hint);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setFixedSize(65, 65);
    const QString logo = QStringLiteral(":/logos/") + row->Key;
    if (QFile::exists(logo)) {
        // The build packs each logo at this size too (CMakeLists.txt, ":/logos/59/<key>").
        button->setIcon(QIcon(new TLazyPicture(logo, QStringLiteral(":/logos/59/") + row->Key)));
        button->setIconSize(QSize(59, 59));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        button->setText(row->Label);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    button->hide();
    connect(button, &QToolButton::clicked, this, [this, key = row->Key] { ModButtonClick(key); });
    m_modGroup->addButton(button);
    m_modButtons.insert(row->Key, button);
    // The keyboard goes through the buttons in the table's order, whenever each was made: after
    // the made button of the mod before it, or first.
    QWidget* before = m_emptyNote;
    for (const TModRow* earlier = ModTable::Rows().constData(); earlier != row; ++earlier)
        if (QToolButton* made = m_modButtons.value(earlier->Key))
            before = made;
    QWidget::setTabOrder(before, button);
    return button;
}

void TMain::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setFont(MainFont());

    auto addItem = [this](QMenu* menu, const QString& name, const QString& caption,
                          auto handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto addTick = [this](QMenu* menu, const QString& name, const QString& caption,
                          auto handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* file = bar->addMenu(QStringLiteral("File   "));
    file->setObjectName(QStringLiteral("File1"));
    addItem(file, QStringLiteral("EditBotNames1"), QStringLiteral("Edit Bot Names"),
            [this] { EditBotNames1Click(); });
    file->addSeparator();
    addItem(file, QStringLiteral("Exit1"), QStringLiteral("Exit"), [this] { Exit(); });

    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("Options1"));
    addItem(options, QStringLiteral("Additionalcommands1"), QStringLiteral("Additional commands"),
            [this] { Additionalcommands1Click(); });
    options->addSeparator();
    addItem(options, QStringLiteral("Directories1"), QStringLiteral("Directory Setting"),
            [this] { Directories1Click(); });
    options->addSeparator();
    m_closeQOR = addTick(options, QStringLiteral("CB_CloseQOR"),
                         QStringLiteral("Close QOR when HL starts"), [this] {
                             ToggleOption(m_closeQOR, UInit::CloseQORSetting);
                             StoreOptions({QStringLiteral("CloseQOR")});
                         });
    m_autoStart = addTick(options, QStringLiteral("CB_Autostart"), QStringLiteral("Automatic start"),
                          [this] {
                              ToggleOption(m_autoStart, UInit::AutoStartSetting);
                              StoreOptions({QStringLiteral("AutoStart")});
                          });
    m_dedicated = addTick(options, QStringLiteral("CB_Dedicated"),
                          QStringLiteral("Start as Dedicated Server"), [this] {
                              ToggleOption(m_dedicated, UInit::DedicatedSetting);
                              if (m_dedicated->isChecked()) {
                                  m_hlKeyFr->setChecked(false);
                                  UInit::HLKeyFrSetting = kNo;
                              }
                              StoreOptions({QStringLiteral("Dedicated"), QStringLiteral("HLkeyfr")});
                          });
    m_hlKeyFr = addTick(options, QStringLiteral("CB_HLkeyfr"), QStringLiteral("Start with HLKeyFr"),
                        [this] {
                            ToggleOption(m_hlKeyFr, UInit::HLKeyFrSetting);
                            if (m_hlKeyFr->isChecked()) {
                                m_dedicated->setChecked(false);
                                UInit::DedicatedSetting = kNo;
                            }
                            StoreOptions({QStringLiteral("Dedicated"), QStringLiteral("HLkeyfr")});
                        });
    m_hlKeyFr->setEnabled(false);

    QMenu* help = bar->addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("N1"));
    addItem(help, QStringLiteral("ViewReadmetxt1"), QStringLiteral("View Readme.txt"),
            [this] { ViewReadmetxt1Click(); });
    help->addSeparator();
    addItem(help, QStringLiteral("About1"), QStringLiteral("About QOR..."), [this] { About1Click(); });
}

void TMain::FormCreate()
{
    try {
        UInit::InitProgram();
    } catch (...) {
        Dialogs::ShowError(QStringLiteral("Can't prepare parameters."), this);
    }
}

void TMain::FormActivate()
{
    if (m_inActivate)
        return;
    m_inActivate = true;
    m_activatedSinceShow = true;

    if (!UInit::HLPath.isEmpty() && FileSys::FileExists(UInit::HLFile(QStringLiteral("HLKeyFr.exe"))))
        m_hlKeyFr->setEnabled(true);

    const bool haveGame =
        !UInit::GameProgram().isEmpty();
    if (haveGame) {
        m_skipActivation = false;
        UInit::ShowInstalledMods();
    } else if (m_skipActivation) {
        // The activation that closing Game Directory causes: leave the window usable.
        m_skipActivation = false;
        UInit::ShowInstalledMods();
    } else {
        UInit::ShowInstalledMods();
        OpenGameDirectory();
    }
    m_inActivate = false;
}

void TMain::OpenGameDirectory()
{
    TRep rep(this);
    RunModal(rep);
    m_skipActivation = true;
}

void TMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    const bool showingJustListed = m_showingListed.isValid() && m_showingListed.elapsed() < 2000;
    m_showingListed.invalidate();
    if (isActiveWindow()) {
        if (showingJustListed)
            return;
        if (m_skipActivation && UInit::GameProgram().isEmpty()) {
            m_skipActivation = false;
            return;
        }
        FormActivate();
    } else if (!QApplication::activeModalWidget()) {
        // The user went to another program: the next return here is a real activation.
        m_skipActivation = false;
    }
}

void TMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* s = screen())
            move(s->availableGeometry().center() - frameGeometry().center() + pos());
    }
    // Without a window manager the window may never be told it is active; the first showing
    // still has to lay out the buttons or ask for the game directory.
    m_activatedSinceShow = false;
    QTimer::singleShot(0, this, [this] {
        if (!m_activatedSinceShow && isVisible()) {
            // Started first: a dialog this opens deactivates the window and so ends it.
            m_showingListed.start();
            FormActivate();
        }
    });
}

void TMain::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}

void TMain::ModButtonClick(const QString& key)
{
    const TModRow* row = ModTable::Find(key);
    if (!row)
        return;
    if (QToolButton* button = MadeModButton(key))
        button->setChecked(true);
    m_launch->setEnabled(true);
    m_editConf->setEnabled(true);
    UInit::SelectedMod = key;
    m_selMod->setText(QStringLiteral("Selected : ") + row->Label);
    if (row->HasBotSelector()) {
        EnsureBotEdit();
        m_botGroup->show();
        m_botLabel->setText(QStringLiteral("Current Bot for ") + row->Abbreviation);
        UInit::ListModBots(row->ListKey, row->Dir);
    } else {
        m_botGroup->hide();
        UInit::SelectedBot.clear();
        // A hidden selector keeps no bot of another mod that a launch could pick up.
        const QSignalBlocker block(m_selectBot);
        m_selectBot->clear();
        m_selectBot->clearEditText();
    }
}

void TMain::ClearSelection()
{
    UInit::SelectedMod.clear();
    UInit::SelectedBot.clear();
    m_selMod->setText(QStringLiteral("Selected : none"));
    m_editConf->setEnabled(false);
    m_launch->setEnabled(false);
    m_botGroup->hide();
    {
        const QSignalBlocker block(m_selectBot);
        m_selectBot->clear();
        m_selectBot->clearEditText();
    }
    m_modGroup->setExclusive(false);
    for (QToolButton* button : std::as_const(m_modButtons))
        button->setChecked(false);
    m_modGroup->setExclusive(true);
}

void TMain::RefreshSelection()
{
    const TModRow* row = ModTable::Selected();
    if (!row)
        return;
    QToolButton* button = MadeModButton(row->Key);
    if (!button || button->isHidden()) {
        // The mod is not installed any more (another game directory, a removed bot).
        ClearSelection();
        return;
    }
    if (!row->HasBotSelector())
        return;
    const QString current = m_selectBot->currentIndex() >= 0 ? m_selectBot->currentText() : QString();
    UInit::ListModBots(row->ListKey, row->Dir);
    const int again = current.isEmpty() ? -1 : m_selectBot->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (again >= 0) {
        const QSignalBlocker block(m_selectBot);
        m_selectBot->setCurrentIndex(again);
    }
}

void TMain::ShowEmptyNote(bool empty, bool noGame)
{
    m_emptyNote->setText(
        noGame ? QStringLiteral("No Half-Life folder is set yet. Set it in Options > Directory Setting.")
               : QStringLiteral("No mod with a usable bot was found in the Half-Life folder. The "
                                "folder is set in Options > Directory Setting."));
    m_emptyNote->setVisible(empty);
}

void TMain::FitButtonArea(int bottom)
{
    const int viewport = m_scrollBox->viewport()->height();
    const int width = m_scrollBox->viewport()->width();
    m_buttonArea->resize(std::max(width, 390), std::max(viewport, bottom + 6));
}

QComboBox* TMain::BotSelector()
{
    EnsureBotEdit();
    return m_selectBot;
}

// The selector's edit field is made when the selector is first filled or shown, not with the
// window: the selector stays hidden until a mod with bots is chosen, and an edit field costs the
// start of the program a font of its own and the style's clear-button icon before the window
// can show.
void TMain::EnsureBotEdit()
{
    if (m_selectBot->isEditable())
        return;
    m_selectBot->setEditable(true);
    m_selectBot->setCompleter(nullptr);
    connect(m_selectBot->lineEdit(), &QLineEdit::textEdited, this, &TMain::OnBotEditTextEdited);
}

void TMain::OnBotEditTextEdited(const QString& text)
{
    // A typed name counts as a choice only when it is one of the offered bots; anything else
    // leaves no bot selected, so "Edit Mod Config" and the launch ask for one.
    const int index = m_selectBot->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const QSignalBlocker block(m_selectBot);
    if (index >= 0) {
        // Typing a bot's whole name picks it, as choosing it from the list does.
        m_selectBot->setCurrentIndex(index);
        CB_SelectBotChange();
    } else if (m_selectBot->currentIndex() >= 0) {
        QLineEdit* edit = m_selectBot->lineEdit();
        const int cursor = edit->cursorPosition();
        m_selectBot->setCurrentIndex(-1);
        edit->setText(text);
        edit->setCursorPosition(cursor);
    }
}

void TMain::CB_SelectBotChange()
{
    if (UInit::SelectedMod.isEmpty() || m_selectBot->currentIndex() < 0)
        return;
    TIniFile ini(UInit::AppFile(QStringLiteral("QOR.ini")));
    if (!ini.WriteString(UInit::SelectedMod, QStringLiteral("Last Bot"), m_selectBot->currentText()))
        Dialogs::ShowError(QStringLiteral("Can't store the last bot in ") + ini.FileName() +
                               QStringLiteral("."),
                           this);
}

void TMain::SB_EditConfClick()
{
    TModRow* row = ModTable::Selected();
    if (!row)
        return;
    const bool selectorShown = m_botGroup->isVisibleTo(this);
    if (selectorShown && m_selectBot->currentIndex() < 0) {
        Dialogs::ShowError(QStringLiteral("You must select a bot first."), this);
        return;
    }
    hide();
    UInit::SelectedBot = selectorShown ? m_selectBot->currentText() : QString();

    // Guarded: a window that deletes itself when it closes must not be released twice.
    QPointer<QDialog> window;
    QString failure;
    try {
        // A child of the main window, centred on it (the main window keeps its place while it
        // is hidden), unless the mod's window has a place of its own.
        if (row->Hooks.CreateWindow)
            window = row->Hooks.CreateWindow(this);
        if (window) {
            row->Window = window;
            if (row->Profile.WindowAtMainCorner)
                window->move(x() + 4, y() + 22);
            else
                window->move(frameGeometry().center() - window->rect().center());
            RunModal(*window);
        }
    } catch (const std::exception& e) {
        failure = QStringLiteral("The window of ") + row->Label + QStringLiteral(" failed: ") +
                  QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure = QStringLiteral("The window of ") + row->Label + QStringLiteral(" failed.");
    }
    delete window.data();
    row->Window = nullptr;
    // After a launch the window was minimised; coming back from the mod window it must be on
    // screen again, not reappear as an icon the user has to find. Clearing the state is not
    // enough on X11: the minimise left "start iconic" in the window's hints, and a window
    // manager honours that when the hidden window is mapped again, even after the user had
    // restored it meanwhile. Setting the state while the window is hidden rewrites the hint.
    setWindowState(windowState() | Qt::WindowMinimized);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    // Said over the main window, which is back on screen, rather than over a hidden one.
    if (!failure.isEmpty())
        Dialogs::ShowError(failure, this);
}

void TMain::SB_HLClick()
{
    UQOR::LaunchHalfLife(this);
}

void TMain::EditBotNames1Click()
{
    TEditor::Edit_File(UInit::AppFile(QStringLiteral("bot_names.txt")), this);
}

void TMain::Exit()
{
    UInit::ClearWorkLists();
    close();
}

void TMain::Additionalcommands1Click()
{
    TCommLine dialog(this);
    RunModal(dialog);
}

void TMain::Directories1Click()
{
    TRep rep(this);
    RunModal(rep);
    m_skipActivation = true;
}

void TMain::ToggleOption(QAction* action, QString& letter)
{
    // The menu has already inverted the tick.
    letter = action->isChecked() ? kYes : kNo;
}

void TMain::StoreOptions(const QStringList& names)
{
    TRegistryKey key(UInit::QorKeyPath, true);
    bool stored = key.IsOpen();
    for (const QString& name : names) {
        if (!stored)
            break;
        const QString& value = name == QLatin1String("CloseQOR")    ? UInit::CloseQORSetting
                               : name == QLatin1String("AutoStart") ? UInit::AutoStartSetting
                               : name == QLatin1String("Dedicated") ? UInit::DedicatedSetting
                                                                    : UInit::HLKeyFrSetting;
        stored = key.WriteString(name, value);
    }
    if (!stored)
        Dialogs::ShowError(QStringLiteral("Can't store the option in ") + TRegistryKey::StorePath() +
                               QStringLiteral("; it holds until the program ends."),
                           this);
}

void TMain::CB_CloseQORClick() { m_closeQOR->trigger(); }
void TMain::CB_AutostartClick() { m_autoStart->trigger(); }
void TMain::CB_DedicatedClick() { m_dedicated->trigger(); }
void TMain::CB_HLkeyfrClick() { m_hlKeyFr->trigger(); }

void TMain::ShowOptionTicks()
{
    m_closeQOR->setChecked(UInit::CloseQORSetting == kYes);
    m_autoStart->setChecked(UInit::AutoStartSetting == kYes);
    m_dedicated->setChecked(UInit::DedicatedSetting == kYes);
    m_hlKeyFr->setChecked(UInit::HLKeyFrSetting == kYes);
}

void TMain::ViewReadmetxt1Click()
{
    if (!FileSys::FileExists(UInit::AppFile(QStringLiteral("readme.txt"))))
        return;
    Shell::TRequest request;
    request.File = QStringLiteral("readme.txt");
    request.WorkDir = UInit::AppPath;
    // Without a desktop handler for text files the program's own editor shows it.
    if (!Shell::Open(request))
        TEditor::Edit_File(UInit::AppFile(QStringLiteral("readme.txt")), this);
}

void TMain::About1Click()
{
    TAbout::ShowAboutBox(this);
}

// ---------------------------------------------------------------------------------------------
// The routines of UInit that work on the main window.

namespace UInit {

QWidget* MainWidget()
{
    return Main;
}

void ShowOptionTicks()
{
    if (Main)
        Main->ShowOptionTicks();
}

QString ModsIniPath(const QString& listKey)
{
    // The mod's row names its file (a list key may read a Mods file of another stem).
    QString stem = listKey;
    for (const TModRow& row : ModTable::Rows())
        if (!listKey.isEmpty() && row.ListKey == listKey && !row.ModsFile.isEmpty())
            stem = row.ModsFile;
    return AppFile(QStringLiteral("Mods\\") + stem + QStringLiteral(".ini"));
}

// The numbers n of the keys "Bot<n>" of [Default] with 1 <= n <= dispo, ascending, each once.
// Only the keys the section really holds are looked at, so a stray huge dispo costs nothing.
static QList<int> ListedBotNumbers(const TIniFile& ini, int dispo)
{
    QList<int> numbers;
    const QString prefix = QStringLiteral("Bot");
    for (const QString& key : ini.ReadSectionKeys(QStringLiteral("Default"))) {
        if (!key.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        const QString digits = key.mid(prefix.size());
        bool ok = false;
        const int n = digits.toInt(&ok);
        // "Bot" + the number written in decimal: "Bot01" or "Bot+1" is no such key.
        if (!ok || n < 1 || n > dispo || QString::number(n) != digits)
            continue;
        if (!numbers.contains(n))
            numbers << n;
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// Where the usable bots of a mod with a bot selector (listKey not empty) are read from: its
// Mods file and the folder of the bot libraries.
static void BotPlaces(const QString& listKey, const QString& modDir, QString& modsFile,
                      QString& botFolder)
{
    botFolder = modDir;
    for (const TModRow& row : ModTable::Rows())
        if (row.ListKey == listKey && !row.Profile.BotLibraryFolder.isEmpty())
            botFolder = HLFile(row.Profile.BotLibraryFolder);
    modsFile = ModsIniPath(listKey);
}

// The bots of a Mods file whose library lies in botFolder, from the disk alone.
static QStringList UsableBotsIn(const QString& path, const QString& dir)
{
    if (dir.isEmpty() || !FileSys::FileExists(path))
        return {};
    // Every key below from one reading of the file: a batch that is never committed writes
    // nothing, and spares each read its own check that the file is unchanged.
    TIniFile ini(path);
    ini.BeginBatch();
    const QString def = QStringLiteral("Default");
    const int count = ini.ReadInteger(def, QStringLiteral("dispo"), 0);
    QStringList bots;
    QSet<QString> seen;
    for (const int n : ListedBotNumbers(ini, count)) {
        const QString name = ini.ReadString(def, QStringLiteral("Bot") + QString::number(n), QString());
        if (name.isEmpty())
            continue;
        const QString dll = ini.ReadString(name, QStringLiteral("dll"), QString());
        if (dll.isEmpty() || seen.contains(name))
            continue;
        if (FileSys::FileExists(FileSys::JoinPath(dir, dll))) {
            bots << name;
            seen.insert(name);
        }
    }
    std::stable_sort(bots.begin(), bots.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return bots;
}

QStringList UsableBots(const QString& listKey, const QString& modDir)
{
    if (listKey.isEmpty())
        return {};
    QString path;
    QString dir;
    BotPlaces(listKey, modDir, path, dir);
    return UsableBotsIn(path, dir);
}

QList<TInstallCheck> InstallChecks()
{
    QList<TInstallCheck> checks;
    for (const TModRow& row : ModTable::Rows()) {
        TInstallCheck check;
        // A mod without a folder of its own is played from Half-Life's own folders.
        check.Folder = row.Folder.isEmpty() ? HLPath : row.Dir;
        check.NeedsBots = row.HasBotSelector();
        if (check.NeedsBots)
            BotPlaces(row.ListKey, row.Dir, check.ModsFile, check.BotFolder);
        checks << check;
    }
    return checks;
}

bool Installed(const TInstallCheck& check)
{
    if (check.Folder.isEmpty() || !FileSys::DirectoryExists(check.Folder))
        return false;
    return !check.NeedsBots || !UsableBotsIn(check.ModsFile, check.BotFolder).isEmpty();
}

bool ListModBots(const QString& listKey, const QString& modDir)
{
    const QStringList bots = UsableBots(listKey, modDir);
    QComboBox* box = Main ? Main->BotSelector() : nullptr;
    if (!box)
        return !bots.isEmpty();

    const QSignalBlocker block(box);
    box->clear();
    box->clearEditText();
    box->addItems(bots);
    box->setCurrentIndex(-1);

    const TIniFile ini(AppFile(QStringLiteral("QOR.ini")));
    const QString last = ini.ReadString(listKey, QStringLiteral("Last Bot"), QString()).trimmed();
    int selected = -1;
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).trimmed() == last)
            selected = i;
    box->setCurrentIndex(selected);
    if (selected < 0)
        box->clearEditText();
    return !bots.isEmpty();
}

void PlaceModButton(QWidget* button)
{
    if (!button)
        return;
    button->move(ButtonX, ButtonY);
    button->show();
    if (Main)
        Main->FitButtonArea(ButtonY + button->height());
    ButtonX += 76;
    if (ButtonX == 390) {
        ButtonX = 10;
        ButtonY += 75;
    }
}

void ShowInstalledMods()
{
    if (!Main)
        return;
    for (const TModRow& row : ModTable::Rows())
        if (QToolButton* button = Main->MadeModButton(row.Key))
            button->hide();
    ButtonX = 10;
    ButtonY = 20;
    Main->FitButtonArea(0);

    // Without the game there is nothing to start, whatever folders an earlier path left.
    const bool haveGame = !GameProgram().isEmpty();
    int shown = 0;
    if (haveGame) {
        const QList<TInstallCheck> checks = InstallChecks();
        const QList<bool> readAhead = Main->TakeInstalledModsReadAhead(checks);
        const QVector<TModRow>& rows = ModTable::Rows();
        for (qsizetype i = 0; i < checks.size(); ++i) {
            if (readAhead.isEmpty() ? !Installed(checks[i]) : !readAhead[i])
                continue;
            PlaceModButton(Main->ModButton(rows[i].Key));
            ++shown;
        }
    }
    Main->ShowEmptyNote(shown == 0, !haveGame);
    Main->RefreshSelection();
    Main->update();
}

} // namespace UInit
