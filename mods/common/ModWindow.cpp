#include "mods/common/ModWindow.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR.h"
#include "core/UQOR_Settings.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModLogic.h"
#include "mods/common/ModWriters.h"
#include "ui/NumberEdit.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"
#include "platform/Shell.h"
#include "ui/ButtonWithColor.h"
#include "ui/UEditor.h"
#include "ui/UPreview.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QValidator>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QToolButton>

namespace {

// The one name rule of every mod, as the name field's validator: typing and pasting both pass it.
class TBotNameValidator : public QValidator {
public:
    TBotNameValidator(const TModLogic& logic, QObject* parent) : QValidator(parent), m_logic(logic) {}
    State validate(QString& input, int&) const override
    {
        const bool engine = m_logic.EngineReadsBotLines();
        for (const QChar c : input)
            if (!ModWriters::IsBotNameChar(c, engine) || m_logic.Traits().ForbiddenNameChars.contains(c))
                return Invalid;
        return input.toUtf8().size() > ModWriters::MaxBotNameBytes ? Invalid : Acceptable;
    }

private:
    const TModLogic& m_logic;
};

}  // namespace

namespace {

constexpr int kBackgroundBGR = 13806739;
constexpr int kMapCommentMax = 255;

QColor Background() { return TBitBtnWithColor::DelphiColorToQColor(kBackgroundBGR); }

QToolButton* SpeedButton(QWidget* parent, const QString& name, const QString& glyph,
                         const QString& hint, int x, int y, int w = 28, int h = 25)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(glyph);
    b->setToolTip(hint);
    b->setGeometry(x, y, w, h);
    return b;
}

QSlider* Slider(QWidget* parent, const QString& name, int minimum, int maximum, int x, int y,
                int w, const QString& hint = QString())
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(minimum, maximum);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(1);
    s->setPageStep(1);
    s->setGeometry(x, y, w, 24);
    s->setToolTip(hint);
    return s;
}

} // namespace

TModWindow::TModWindow(TModLogic& logic, QWidget* owner) : QDialog(owner), m_logic(logic)
{
    // FormCreate: a new window loads everything again at its first activation.
    TModLogic::TState& st = m_logic.State;
    st.ActivationFlag = QStringLiteral("N");
    st.Modified = 0;
    st.ModMapsDir = FileSys::JoinPath(m_logic.ModDir(), QStringLiteral("maps"));
    st.ModModelsDir = FileSys::JoinPath(m_logic.ModDir(), QStringLiteral("models\\player"));
    if (m_logic.Traits().ValveMaps)
        st.ModMapsDir = UInit::ValveMapsDir;
    m_logic.SetForm(this);
    if (TModRow* row = m_logic.Row())
        row->Window = this;
}

TModWindow::~TModWindow()
{
    if (m_logic.Form() == this)
        m_logic.SetForm(nullptr);
}

QString TModWindow::Prefixed(const QString& name) const
{
    return m_logic.Prefixed(name);
}

QWidget* TModWindow::ControlWidget(const QString& objectName) const
{
    return findChild<QWidget*>(objectName);
}

void TModWindow::BuildWindow()
{
    if (m_built)
        return;
    m_built = true;
    const TModTraits& traits = m_logic.Traits();

    setObjectName(QStringLiteral("TF") + traits.Key);
    setWindowTitle(traits.Title);
    // Single border, no title-bar buttons: the window closes through its own buttons (the
    // window manager's close still reaches closeEvent, which does what Exit does).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(577, 441);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Background());
    setPalette(pal);
    setAutoFillBackground(true);

    PC = new QTabWidget(this);
    PC->setObjectName(traits.PageControl.isEmpty() ? QStringLiteral("PC_") + traits.Key
                                                 : traits.PageControl);
    PC->setGeometry(0, 0, 577, 400);

    DeclareTemplateControl(PC);

    auto page = [this](const QString& name, const QString& caption) {
        auto* w = new QWidget;
        w->setObjectName(QStringLiteral("TS_") + Prefixed(name));
        w->setAutoFillBackground(true);
        w->setPalette(palette());
        PC->addTab(w, caption);
        DeclareTemplateControl(w);
        return w;
    };
    // Each common page takes the mod's names as soon as the template has built it, so the mod's
    // own building (and BuildExtraPages) finds its controls under those names.
    if (traits.HasGamePage) {
        TS_Game = page(QStringLiteral("Game"), QStringLiteral("Game"));
        BuildGamePage(TS_Game);
    }
    if (traits.HasMapsPage) {
        TS_Maps = page(QStringLiteral("Maps"), QStringLiteral("Maps"));
        BuildMapsPage(TS_Maps);
        DeclareTemplateControls(TS_Maps);
    }
    if (traits.HasBotsPage) {
        TS_Bots = page(QStringLiteral("Bots"), QStringLiteral("Bots"));
        BuildBotsPage(TS_Bots);
        DeclareTemplateControls(TS_Bots);
    }
    if (traits.HasChatPage) {
        TS_Chat = page(QStringLiteral("Chat"), QStringLiteral("Chat"));
        BuildChatPage(TS_Chat);
        DeclareTemplateControls(TS_Chat);
    }
    BuildExtraPages(PC);
    BuildButtons();
    for (QWidget* button : std::initializer_list<QWidget*>{BClose, BRestoreDef, BRestoreConf, BApplyConf})
        DeclareTemplateControl(button);
    const QVector<TTemplateControl>& declared = traits.TemplateControls;
    for (int i = 0; i < declared.size(); ++i)
        if (i >= m_templateRowTaken.size() || !m_templateRowTaken[i])
            m_unmatched << QString::fromUtf8(declared[i].Name) + QStringLiteral(": no such control");
    // A fault of the mod's table, not of the user's files: the developer sees it at once.
    if (!m_unmatched.isEmpty())
        qWarning("%s: template controls not declared: %s", qPrintable(objectName()),
                 qPrintable(m_unmatched.join(QStringLiteral("; "))));
    // Tab (and Ctrl+Tab) leaves every memo of the window instead of writing a TAB into it.
    for (QPlainTextEdit* memo : findChildren<QPlainTextEdit*>()) {
        memo->setTabChangesFocus(true);
        memo->installEventFilter(this);
    }
}

void TModWindow::DeclareTemplateControl(QWidget* control)
{
    const QVector<TTemplateControl>& rows = m_logic.Traits().TemplateControls;
    if (!control || rows.isEmpty() || m_declared.contains(control))
        return;
    m_declared.insert(control);
    const QString name = control->objectName();
    if (name.isEmpty())
        return;
    m_templateRowTaken.resize(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        const TTemplateControl& row = rows[i];
        if (m_templateRowTaken[i] || name != QLatin1String(row.Name))
            continue;
        m_templateRowTaken[i] = true;
        if (row.As)
            control->setObjectName(QString::fromUtf8(row.As));
        if (row.Caption && !ModControls::SetCaption(control, QString::fromUtf8(row.Caption)))
            m_unmatched << name + QStringLiteral(": no caption to show");
        return;
    }
}

void TModWindow::DeclareTemplateControls(QWidget* root)
{
    if (m_logic.Traits().TemplateControls.isEmpty())
        return;
    // Each control is declared once, so a name one row gives (Counter-Strike's default-skill
    // caption becomes "Label86") never takes the row meant for the control that had it.
    const QList<QWidget*> below = root->findChildren<QWidget*>();
    DeclareTemplateControl(root);
    for (QWidget* w : below)
        DeclareTemplateControl(w);
}

void TModWindow::BuildButtons()
{
    const TModTraits& traits = m_logic.Traits();
    auto button = [this](const QString& name, const QString& caption, int x, int w) {
        auto* b = new TBitBtnWithColor(caption, this);
        b->setObjectName(name);
        b->SetColor(kBackgroundBGR);
        b->setGeometry(x, 407, w, 30);
        b->setAutoDefault(false);
        return b;
    };
    BClose = button(QStringLiteral("BClose"), QStringLiteral("Exit ") + traits.ShortName, 16, 103);
    BRestoreDef = button(QStringLiteral("BRestoreDef"), QStringLiteral("Restore Default"), 147, 117);
    BRestoreConf = button(QStringLiteral("BRestoreConf"), QStringLiteral("Restore Config"), 288, 117);
    BApplyConf = button(QStringLiteral("BApplyConf"), QStringLiteral("Apply Config"), 434, 117);
    connect(BClose, &QPushButton::clicked, this, &TModWindow::BCloseClick);
    connect(BRestoreDef, &QPushButton::clicked, this, &TModWindow::BRestoreDefClick);
    connect(BRestoreConf, &QPushButton::clicked, this, &TModWindow::BRestoreConfClick);
    connect(BApplyConf, &QPushButton::clicked, this, &TModWindow::BApplyConfClick);
}

void TModWindow::BuildMapsPage(QWidget* p)
{
    Label84 = AddLabel(p, QStringLiteral("Label84"), QStringLiteral("Available Maps"), 8, 6, 200);
    MapDispo = new QListWidget(p);
    MapDispo->setObjectName(Prefixed(QStringLiteral("MapDispo")));
    MapDispo->setSelectionMode(QAbstractItemView::ExtendedSelection);
    MapDispo->setToolTip(QStringLiteral("Select the map(s) you want to play after the starting one"));
    MapDispo->setGeometry(8, 24, 210, 250);

    Label85 = AddLabel(p, QStringLiteral("Label85"), QStringLiteral("Play Maps"), 266, 6, 200);
    MapCycle = new QListWidget(p);
    MapCycle->setObjectName(Prefixed(QStringLiteral("MapCycle")));
    MapCycle->setSelectionMode(QAbstractItemView::ExtendedSelection);
    MapCycle->setToolTip(QStringLiteral("List of maps you will play after the starting one"));
    MapCycle->setGeometry(266, 24, 210, 250);

    SpeedButton1 = SpeedButton(p, QStringLiteral("SpeedButton1"), QStringLiteral(">"),
                               QStringLiteral("Add selected map(s) to the map cycle list"), 228, 60);
    SpeedButton2 = SpeedButton(p, QStringLiteral("SpeedButton2"), QStringLiteral(">>"),
                               QStringLiteral("Add all available maps to the map cycle list"), 228, 92);
    SpeedButton3 = SpeedButton(p, QStringLiteral("SpeedButton3"), QStringLiteral("<"),
                               QStringLiteral("Remove selected map from the map cycle list"), 228, 150);
    SpeedButton4 = SpeedButton(p, QStringLiteral("SpeedButton4"), QStringLiteral("<<"),
                               QStringLiteral("Remove all maps from the map cycle list"), 228, 182);
    SpeedButton5 = SpeedButton(p, QStringLiteral("SpeedButton5"), QStringLiteral("\u25B2"),
                               QStringLiteral("Place the selected map upper in the list"), 486, 90);
    SpeedButton6 = SpeedButton(p, QStringLiteral("SpeedButton6"), QStringLiteral("\u25BC"),
                               QStringLiteral("Place the selected map lower in the list"), 486, 122);

    RandomMap = new QPushButton(QStringLiteral("Randomize Mapcycle"), p);
    RandomMap->setObjectName(Prefixed(QStringLiteral("RandomMap")));
    RandomMap->setGeometry(266, 282, 210, 25);
    RandomMap->setAutoDefault(false);

    MapCom = new QPlainTextEdit(p);
    MapCom->setObjectName(Prefixed(QStringLiteral("MapCom")));
    MapCom->setToolTip(QStringLiteral("Map comments"));
    MapCom->setGeometry(8, 282, 210, 84);
    MapCom->installEventFilter(this);

    MapLabel = AddLabel(p, Prefixed(QStringLiteral("MapLabel")), QString(), 482, 200, 89, 40);
    QFont bold = MapLabel->font();
    bold.setBold(true);
    MapLabel->setFont(bold);

    auto* edit = new TBitBtnWithColor(QStringLiteral("Edit config"), p);
    edit->SetColor(kBackgroundBGR);
    edit->setAutoDefault(false);
    BEditCfg = edit;
    BEditCfg->setObjectName(Prefixed(QStringLiteral("BEditCfg")));
    BEditCfg->setToolTip(QStringLiteral("Edit the configuration file for this map"));
    BEditCfg->setGeometry(486, 282, 80, 25);
    BEditCfg->hide();

    connect(MapDispo, &QListWidget::itemClicked, this, [this] { MapDispoClick(); });
    connect(MapDispo, &QListWidget::currentRowChanged, this, [this] {
        if (UInit::LoadingDone == 1 && MapDispo->hasFocus())
            MapDispoClick();
    });
    connect(MapDispo, &QListWidget::itemDoubleClicked, this, [this] { AddMapClick(); });
    connect(MapCycle, &QListWidget::itemDoubleClicked, this, [this] { DelMapClick(); });
    MapDispo->installEventFilter(this);
    MapCycle->installEventFilter(this);
    connect(SpeedButton1, &QToolButton::clicked, this, &TModWindow::AddMapClick);
    connect(SpeedButton2, &QToolButton::clicked, this, &TModWindow::AddAllMapsClick);
    connect(SpeedButton3, &QToolButton::clicked, this, &TModWindow::DelMapClick);
    connect(SpeedButton4, &QToolButton::clicked, this, &TModWindow::DelAllMapsClick);
    connect(SpeedButton5, &QToolButton::clicked, this, &TModWindow::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TModWindow::SpeedButton6Click);
    connect(RandomMap, &QPushButton::clicked, this, &TModWindow::RandomMapClick);
    // Some mods show the button without giving it anything to do.
    if (m_logic.Traits().MapConfigOpens)
        connect(BEditCfg, &QPushButton::clicked, this, [this] { BEditCfgClick(); });

    // The comment key holds one line of at most 255 characters and "|" is refused; paste is
    // filtered the same way as typing.
    connect(MapCom, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = UQOR::MemoText(MapCom);
        QString clean = text;
        clean.remove(QLatin1Char('|'));
        if (clean.size() > kMapCommentMax)
            clean.truncate(kMapCommentMax);
        if (clean != text) {
            const QSignalBlocker block(MapCom);
            MapCom->setPlainText(clean);
            MapCom->moveCursor(QTextCursor::End);
        }
    });
}

void TModWindow::BuildBotsPage(QWidget* p)
{
    const TModTraits& traits = m_logic.Traits();
    Label86 = AddLabel(p, QStringLiteral("Label86"), QStringLiteral("Number of bots"), 8, 10, 100);
    spawnbot = new TNumberEdit(1, 31, 2, p);
    spawnbot->setObjectName(Prefixed(QStringLiteral("spawnbot")));
    spawnbot->setToolTip(QStringLiteral("Maximum number of bots in your game"));
    spawnbot->SetTypingDisabled(true);
    spawnbot->setGeometry(108, 6, 50, 22);
    connect(spawnbot, &TNumberEdit::Edited, this, &TModWindow::OnChange);

    GB_BotList = new QWidget(p);
    GB_BotList->setObjectName(QStringLiteral("GB_BotList"));
    GB_BotList->setGeometry(0, 34, 571, 276);
    QWidget* g = GB_BotList;

    Label91 = AddLabel(g, QStringLiteral("Label91"), QStringLiteral("Bots List"), 8, 0, 100);
    ListBot = new QListWidget(g);
    ListBot->setObjectName(Prefixed(QStringLiteral("ListBot")));
    ListBot->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBot->setToolTip(QStringLiteral("Select a bot to view / modify its values"));
    ListBot->setGeometry(8, 16, 150, 256);
    ListBot->installEventFilter(this);

    SBCreeBot = SpeedButton(g, Prefixed(QStringLiteral("SBCreeBot")), QStringLiteral("+"),
                            QStringLiteral("Create a new bot"), 164, 16);
    SBCreeRandomBot = SpeedButton(g, Prefixed(QStringLiteral("SBCreeRandomBot")), QStringLiteral("?"),
                                  QStringLiteral("Create a new bot with random values"), 164, 46);
    SBUpBot = SpeedButton(g, Prefixed(QStringLiteral("SBUpBot")), QStringLiteral("\u25B2"),
                          QStringLiteral("Place a bot upper in the list"), 164, 96);
    SBDownBot = SpeedButton(g, Prefixed(QStringLiteral("SBDownBot")), QStringLiteral("\u25BC"),
                            QStringLiteral("Place a bot lower in the list"), 164, 126);
    SBDelBot = SpeedButton(g, Prefixed(QStringLiteral("SBDelBot")), QStringLiteral("X"),
                           QStringLiteral("Delete selected bot"), 164, 176);

    GB_BotProp = AddGroup(g, QStringLiteral("GB_BotProp"), QStringLiteral("Bot Properties"), 200, 0,
                          365, 276);
    QWidget* b = GB_BotProp;
    AddLabel(b, QStringLiteral("LabelName"), QStringLiteral("Name"), 10, 28, 45);
    botname = new QLineEdit(b);
    botname->setObjectName(Prefixed(QStringLiteral("botname")));
    botname->setGeometry(52, 24, 142, 22);
    // The game keeps 31 characters of a player's name, and the bot programs read their add line
    // into an 80-byte buffer: a longer name would be cut in the game and push the skill (or the
    // rest of the line) out of the bot's line.
    botname->setMaxLength(31);
    // Typing and pasting both pass the validator, so a refused character never enters.
    botname->setValidator(new TBotNameValidator(m_logic, botname));
    // Mods whose bots have no model leave out the chooser, its arrows and the picture.
    if (traits.HasModelChooser) {
        LabelModel = AddLabel(b, QStringLiteral("LabelModel"), QStringLiteral("Model"), 10, 62, 45);
        botmodel = new QComboBox(b);
        botmodel->setObjectName(Prefixed(QStringLiteral("botmodel")));
        // Wide enough for the longest model caption ("Phoenix / US Seal") beside the arrow.
        botmodel->setGeometry(52, 58, 142, 22);
        botmodel->installEventFilter(this);
        SpeedButton14 = SpeedButton(b, QStringLiteral("SpeedButton14"), QStringLiteral("<"),
                                    QStringLiteral("Previous model"), 52, 88);
        SpeedButton13 = SpeedButton(b, QStringLiteral("SpeedButton13"), QStringLiteral(">"),
                                    QStringLiteral("Next Model"), 86, 88);

        auto* frame = new QFrame(b);
        frame->setObjectName(QStringLiteral("PanelBotPic"));
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setGeometry(196, 20, 161, 204);
        BotPic = new QLabel(frame);
        BotPic->setObjectName(Prefixed(QStringLiteral("BotPic")));
        BotPic->setGeometry(2, 2, 157, 200);
        BotPic->setScaledContents(true);
        BotPic->hide();
        connect(SpeedButton13, &QToolButton::clicked, this, &TModWindow::SpeedButton13Click);
        connect(SpeedButton14, &QToolButton::clicked, this, &TModWindow::SpeedButton14Click);
        connect(botmodel, &QComboBox::activated, this, [this] { botmodelChange(); });
    }

    AddLabel(b, QStringLiteral("LabelSkill"), QStringLiteral("Skill"), 10, 234, 45);
    Botskill = Slider(b, Prefixed(QStringLiteral("Botskill")), 0, 5, 60, 228, 290,
                      QStringLiteral("If skill is set to default, the bot will have the AI skill level"));
    Label16 = AddLabel(b, QStringLiteral("Label16"), QStringLiteral("Default"), 56, 252, 50);
    Label1 = AddLabel(b, QStringLiteral("Label1"), QStringLiteral("Good"), 120, 252, 50);
    Label65 = AddLabel(b, QStringLiteral("Label65"), QStringLiteral("Medium"), 190, 252, 50);
    // The captions at the slider's right end end with it, whichever word they hold ("Good" when
    // the bot counts its skill from the worst).
    Label67 = AddLabel(b, QStringLiteral("Label67"), QStringLiteral("Bad"), 302, 252, 50);
    Label67->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    LabelDefSkill = AddLabel(p, QStringLiteral("LabelDefSkill"), QStringLiteral("Bots default skill"),
                             8, 326, 110);
    defskill = Slider(p, Prefixed(QStringLiteral("defskill")), 1, 5, 120, 320, 200);
    Label13 = AddLabel(p, QStringLiteral("Label13"), QStringLiteral("Good"), 116, 346, 50);
    Label14 = AddLabel(p, QStringLiteral("Label14"), QStringLiteral("Medium"), 196, 346, 50);
    Label15 = AddLabel(p, QStringLiteral("Label15"), QStringLiteral("Bad"), 280, 346, 50);
    Label15->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* editor = new TBitBtnWithColor(QString(), p);
    editor->SetColor(kBackgroundBGR);
    editor->setAutoDefault(false);
    B_BotEditor = editor;
    B_BotEditor->setObjectName(QStringLiteral("B_BotEditor"));
    B_BotEditor->setGeometry(8, 60, 200, 30);
    B_BotEditor->hide();

    connect(ListBot, &QListWidget::itemClicked, this, [this] { ListBotClick(); });
    connect(ListBot, &QListWidget::currentRowChanged, this, [this] {
        // Keyboard moves show the bot too; the program's own list changes show it themselves.
        if (UInit::LoadingDone == 1 && ListBot->hasFocus())
            ListBotClick();
    });
    connect(botname, &QLineEdit::textEdited, this, [this] { botnameChange(); });
    connect(Botskill, &QSlider::valueChanged, this, [this] { BotskillChange(); });
    connect(SBCreeBot, &QToolButton::clicked, this, [this] { SBCreeBotClick(false); });
    connect(SBCreeRandomBot, &QToolButton::clicked, this, [this] { SBCreeBotClick(true); });
    connect(SBUpBot, &QToolButton::clicked, this, &TModWindow::SBUpBotClick);
    connect(SBDownBot, &QToolButton::clicked, this, &TModWindow::SBDownBotClick);
    connect(SBDelBot, &QToolButton::clicked, this, &TModWindow::SBDelBotClick);
    connect(defskill, &QSlider::valueChanged, this, [this] {
        if (UInit::LoadingDone == 1)
            OnChange();
    });
    connect(B_BotEditor, &QPushButton::clicked, this, &TModWindow::B_BotEditorClick);
}

void TModWindow::BuildChatPage(QWidget* p)
{
    chatkill = new QPlainTextEdit(p);
    chatkill->setObjectName(Prefixed(QStringLiteral("chatkill")));
    chatkill->setLineWrapMode(QPlainTextEdit::NoWrap);
    chatkill->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    chatkill->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    chatkill->setGeometry(8, 8, 555, 266);
    ChatNote = AddLabel(p, QStringLiteral("ChatNote"),
                        QStringLiteral("%n  can be used to insert player's name."), 8, 280, 290);
    Lab_SelectChat = AddLabel(p, QStringLiteral("Lab_SelectChat"), QStringLiteral("Chat files"), 310, 280, 66);
    Selectchat = new QComboBox(p);
    Selectchat->setObjectName(Prefixed(QStringLiteral("Selectchat")));
    Selectchat->setGeometry(380, 276, 183, 22);
    Selectchat->installEventFilter(this);
    connect(Selectchat, &QComboBox::activated, this, &TModWindow::SelectChatChange);
    Lab_SelectChat->hide();
    Selectchat->hide();

    const QString second = QStringLiteral("Never                     Always");
    Lab_chatfreq = AddLabel(p, QStringLiteral("Lab_chatfreq"),
                            QStringLiteral("       Chat frequency\n") + second, 8, 300, 180, 32);
    Chatfreq = Slider(p, Prefixed(QStringLiteral("Chatfreq")), 0, 100, 8, 334, 170);
    Lab_chatkill = AddLabel(p, QStringLiteral("Lab_chatkill"),
                            QStringLiteral("       Chat when kill\n") + second, 196, 300, 180, 32);
    chatfreq_kill = Slider(p, Prefixed(QStringLiteral("chatfreq_kill")), 0, 100, 196, 334, 170);
    Lab_chatdied = AddLabel(p, QStringLiteral("Lab_chatdied"),
                            QStringLiteral("       Chat when die\n") + second, 384, 300, 180, 32);
    Chatfreq_died = Slider(p, Prefixed(QStringLiteral("Chatfreq_died")), 0, 100, 384, 334, 170);
    // They start at the store's read defaults, so a first save without a store writes those.
    Chatfreq->setValue(10);
    chatfreq_kill->setValue(20);
    Chatfreq_died->setValue(10);
    for (QSlider* s : {Chatfreq, chatfreq_kill, Chatfreq_died}) {
        s->setTickInterval(10);
        s->setPageStep(10);
        s->hide();
        connect(s, &QSlider::valueChanged, this, [this] {
            if (UInit::LoadingDone == 1)
                OnChange();
        });
    }
    for (QLabel* l : {Lab_chatfreq, Lab_chatkill, Lab_chatdied})
        l->hide();
    // The memo is a saved setting like any other: the user's edits mark the mod modified (the
    // loaders block its signals while they fill it).
    connect(chatkill, &QPlainTextEdit::textChanged, this, [this] {
        if (UInit::LoadingDone == 1)
            OnChange();
    });
}

// ---- Builders ----

void TModWindow::SkillFromOne()
{
    for (QSlider* s : {defskill, Botskill})
        if (s)
            s->setMinimum(1);
    if (Label16)
        Label16->hide();
    // The first caption moves to the slider's left end, the middle one to its middle.
    if (Label1)
        Label1->move(56, Label1->y());
    if (Label65)
        Label65->move(181, Label65->y());
}

QLabel* TModWindow::AddLabel(QWidget* parent, const QString& name, const QString& caption, int x,
                             int y, int w, int h)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    const QSize hint = l->sizeHint();
    l->setGeometry(x, y, w < 0 ? hint.width() : w, h < 0 ? hint.height() : h);
    return l;
}

TNumberEdit* TModWindow::AddNumber(QWidget* parent, const QString& name, int minimum, int maximum,
                                   int maxDigits, int x, int y, int w, const QString& hint)
{
    auto* n = new TNumberEdit(minimum, maximum, maxDigits, parent);
    n->setObjectName(name);
    n->setGeometry(x, y, w, 22);
    n->setToolTip(hint);
    connect(n, &TNumberEdit::Edited, this, &TModWindow::OnChange);
    return n;
}

QCheckBox* TModWindow::AddCheck(QWidget* parent, const QString& name, const QString& caption,
                                int x, int y, int w, const QString& hint)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setGeometry(x, y, w, 20);
    c->setToolTip(hint);
    connect(c, &QCheckBox::clicked, this, &TModWindow::OnChange);
    return c;
}

QComboBox* TModWindow::AddCombo(QWidget* parent, const QString& name, const QStringList& items,
                                int x, int y, int w, const QString& hint)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->addItems(items);
    c->setGeometry(x, y, w, 22);
    c->setToolTip(hint);
    connect(c, &QComboBox::activated, this, &TModWindow::OnChange);
    return c;
}

QRadioButton* TModWindow::AddRadio(QWidget* parent, const QString& name, const QString& caption,
                                   int x, int y, int w, const QString& hint)
{
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(name);
    r->setGeometry(x, y, w, 20);
    r->setToolTip(hint);
    connect(r, &QRadioButton::clicked, this, &TModWindow::OnChange);
    return r;
}

QSlider* TModWindow::AddSlider(QWidget* parent, const QString& name, int minimum, int maximum,
                               int x, int y, int w, int tickInterval, const QString& hint)
{
    QSlider* s = Slider(parent, name, minimum, maximum, x, y, w, hint);
    s->setTickInterval(tickInterval);
    s->setPageStep(tickInterval);
    connect(s, &QSlider::valueChanged, this, [this] {
        if (UInit::LoadingDone == 1)
            OnChange();
    });
    return s;
}

QGroupBox* TModWindow::AddGroup(QWidget* parent, const QString& name, const QString& caption,
                                int x, int y, int w, int h)
{
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(name);
    g->setGeometry(x, y, w, h);
    return g;
}

QPushButton* TModWindow::AddButton(QWidget* parent, const QString& name, const QString& caption,
                                   int x, int y, int w, int h)
{
    auto* b = new TBitBtnWithColor(caption, parent);
    b->SetColor(kBackgroundBGR);
    b->setAutoDefault(false);
    b->setObjectName(name);
    b->setGeometry(x, y, w, h);
    return b;
}

void TModWindow::AddSideRadios(QWidget* parent, const QVector<TSideRadio>& radios, int x, int y,
                               int w, int step)
{
    for (const TSideRadio& r : radios) {
        auto* radio = new QRadioButton(r.Caption, parent);
        radio->setObjectName(r.Name);
        radio->setGeometry(x, y, w, 20);
        y += step;
        SideRadios << radio;
        SideValues << r.Value;
        connect(radio, &QRadioButton::clicked, this, &TModWindow::TeamClick);
    }
}

void TModWindow::PlaceInCaptionGap(QLabel* label, QWidget* control, const QString& after, int height)
{
    const QString caption = label->text();
    const qsizetype start = caption.indexOf(after);
    if (start < 0)
        return;
    const qsizetype gapStart = start + after.size();
    qsizetype gapEnd = gapStart;
    while (gapEnd < caption.size() && caption.at(gapEnd) == QLatin1Char(' '))
        ++gapEnd;
    const QFontMetrics fm(label->font());
    const int x = label->x() + fm.horizontalAdvance(caption.left(gapStart));
    const int w = fm.horizontalAdvance(caption.mid(gapStart, gapEnd - gapStart));
    label->resize(fm.horizontalAdvance(caption) + 4, label->height());
    control->setGeometry(x + 3, label->y() + (label->height() - height) / 2, qMax(20, w - 6), height);
    control->raise();
}

int TModWindow::PlaceKeyChooser(QLabel* label, QComboBox* chooser, const QString& head)
{
    const QString caption = label->text();
    const qsizetype at = caption.indexOf(head);
    const QString tail = at < 0 ? QString() : caption.mid(at + head.size()).trimmed();
    if (at >= 0)
        label->setText(caption.left(at + head.size()));
    const int rowHeight = label->height();
    const int chooserHeight = 22;

    // Measured on the key names themselves: a name such as "Num Keypad ENTER" is not cut.
    UInit::FillKeyCombos({chooser});
    int longest = 0;
    for (int i = 0; i < chooser->count(); ++i)
        longest = qMax(longest, chooser->fontMetrics().horizontalAdvance(chooser->itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(chooser);
    auto room = [&](int width) {
        option.rect = QRect(0, 0, width, chooserHeight);
        return chooser->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, chooser)
            .width();
    };
    int width = longest + (100 - room(100));
    while (room(width) < longest)
        ++width;
    // The style draws the text a little inside its field: leave it that margin too.
    width = qMax(width + 6, chooser->sizeHint().width());

    const QFontMetrics fm(label->font());
    const int headWidth = fm.horizontalAdvance(label->text());
    const int x = label->x() + headWidth + 6;
    const int y = label->y() + (rowHeight - chooserHeight) / 2;
    chooser->setGeometry(x, y, width, chooserHeight);
    chooser->raise();

    int height = qMax(rowHeight, y + chooserHeight - label->y());
    int labelWidth = headWidth + 4;
    if (!tail.isEmpty()) {
        auto* rest = new QLabel(tail, label);
        rest->setObjectName(label->objectName() + QStringLiteral("Tail"));
        const int tailWidth = fm.horizontalAdvance(tail) + 4;
        const int parentRoom = label->parentWidget() ? label->parentWidget()->contentsRect().right() - 6 : 1 << 20;
        QPoint at(x - label->x() + width + 6, 0);
        if (label->x() + at.x() + tailWidth > parentRoom)
            at = QPoint(x - label->x(), y + chooserHeight + 2 - label->y());
        rest->setGeometry(at.x(), at.y(), tailWidth, rowHeight);
        labelWidth = qMax(labelWidth, at.x() + tailWidth);
        height = qMax(height, at.y() + rowHeight);
    }
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(label->x(), label->y(), labelWidth, height);
    // The head sits level with the chooser's text as it did in its one-line caption.
    label->setContentsMargins(0, (rowHeight - fm.height()) / 2, 0, 0);
    return height;
}

void TModWindow::CoupleMinSkill(QSlider* minSkill)
{
    MinSkill = minSkill;
    if (!MinSkill || !defskill)
        return;
    connect(MinSkill, &QSlider::valueChanged, this, &TModWindow::MinskillChange);
    connect(defskill, &QSlider::valueChanged, this, &TModWindow::DefskillChange);
}

void TModWindow::MinskillChange()
{
    if (UInit::LoadingDone != 1 || !MinSkill || !defskill)
        return;
    if (MinSkill->value() > defskill->value()) {
        const QSignalBlocker block(defskill);
        defskill->setValue(MinSkill->value());
    }
    Modif_Param();
}

void TModWindow::DefskillChange()
{
    if (UInit::LoadingDone != 1 || !MinSkill || !defskill)
        return;
    if (defskill->value() < MinSkill->value()) {
        const QSignalBlocker block(MinSkill);
        MinSkill->setValue(defskill->value());
    }
    Modif_Param();
}

void TModWindow::ShowSide(const QString& value)
{
    for (int i = 0; i < SideRadios.size(); ++i) {
        QRadioButton* r = SideRadios[i];
        const QSignalBlocker block(r);
        r->setAutoExclusive(false);
        r->setChecked(SideValues[i] == value);
        r->setAutoExclusive(true);
    }
}

QString TModWindow::CheckedSide() const
{
    for (int i = 0; i < SideRadios.size(); ++i)
        if (SideRadios[i]->isChecked())
            return SideValues[i];
    return QString();
}

void TModWindow::TeamClick()
{
    if (UInit::LoadingDone != 1 || !ListBot)
        return;
    QVector<TBot>& bots = m_logic.Bots();
    const int i = ListBot->currentRow();
    const QString side = CheckedSide();
    if (i < 0 || i >= bots.size() || side.isEmpty())
        return;
    UQOR::SetBotParam1(ListBot, bots, side);
    m_logic.SideChanged(bots[i]);
    Modif_Param();
}

// ---- The view the logic works through: the widget halves of its role routines. ----

void TModWindow::ListMaps(const QString& configFolder, const QString& config, const QString& waypointFolder,
                          bool legend)
{
    if (!MapDispo)
        return;
    const TModLogic::TState& st = m_logic.State;
    UInit::ListMaps(MapDispo, st.ModMapsDir, MapLabel, configFolder, config, st.WaypointExt, waypointFolder,
                    st.RequiredWaypointExt);
    if (legend && MapLabel)
        MapLabel->setText(UInit::WaypointMarker + QStringLiteral(" Waypoints\r\n"));
}

void TModWindow::ReadMapCycle(const QString& waypointFolder)
{
    if (MapCycle)
        UQOR::ReadMapCycle(QStringLiteral("O"), m_logic.ModDir(), m_logic.State.ModMapsDir, MapCycle,
                           m_logic.State.RequiredWaypointExt, waypointFolder);
}

bool TModWindow::WriteMapCycle(QString& error)
{
    return !MapCycle || UQOR::WriteMapCycle(QStringLiteral("O"), m_logic.ModDir(), MapCycle, &error);
}

void TModWindow::ClearMapCycle()
{
    if (MapCycle) {
        const QSignalBlocker block(MapCycle);
        MapCycle->clear();
    }
}

bool TModWindow::MapCycleEmpty() const
{
    return MapCycle && MapCycle->count() == 0;
}

void TModWindow::FillKeyChoosers()
{
    UInit::FillKeyCombos(KeyChoosers);
}

void TModWindow::SetSpawnBot(int value)
{
    if (spawnbot)
        spawnbot->SetValue(value);
}

void TModWindow::ShowBotsPageValues(const TBotsPageValues& values, bool chatRates)
{
    ModControls::SetSlider(defskill, values.DefaultSkill);
    if (spawnbot)
        spawnbot->SetValue(qBound(spawnbot->Minimum(), values.SpawnBot, spawnbot->Maximum()));
    if (chatRates) {
        ModControls::SetSlider(Chatfreq, values.ChatFreq);
        ModControls::SetSlider(chatfreq_kill, values.ChatFreqKill);
        ModControls::SetSlider(Chatfreq_died, values.ChatFreqDied);
    }
}

TBotsPageValues TModWindow::BotsPageValues() const
{
    TBotsPageValues values;
    if (defskill)
        values.DefaultSkill = defskill->value();
    if (spawnbot)
        values.SpawnBot = spawnbot->ClampedValue(1);
    if (Chatfreq)
        values.ChatFreq = Chatfreq->value();
    if (chatfreq_kill)
        values.ChatFreqKill = chatfreq_kill->value();
    if (Chatfreq_died)
        values.ChatFreqDied = Chatfreq_died->value();
    return values;
}

bool TModWindow::BotListEmpty() const
{
    return ListBot && ListBot->count() == 0;
}

int TModWindow::CurrentBot() const
{
    return ListBot ? ListBot->currentRow() : -1;
}

bool TModWindow::HasSelectedBots() const
{
    return ListBot && !ListBot->selectedItems().isEmpty();
}

void TModWindow::EmptyBotList()
{
    if (ListBot) {
        const QSignalBlocker block(ListBot);
        ListBot->clear();
    }
}

void TModWindow::AddBotNames(const QStringList& names)
{
    if (ListBot) {
        const QSignalBlocker block(ListBot);
        ListBot->addItems(names);
    }
}

void TModWindow::ClearBotSelection()
{
    if (ListBot) {
        const QSignalBlocker block(ListBot);
        ListBot->clearSelection();
        ListBot->setCurrentRow(-1);
    }
}

void TModWindow::DeleteSelectedBots(int& count, QVector<TBot>& bots)
{
    UQOR::DeleteSelectedBots(count, bots, ListBot);
}

bool TModWindow::SelectFirstBot()
{
    if (!ListBot || ListBot->count() == 0) {
        HideBotProperties();
        return false;
    }
    if (GB_BotProp)
        GB_BotProp->show();
    const QSignalBlocker block(ListBot);
    ListBot->clearSelection();
    ListBot->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    return true;
}

void TModWindow::HideBotProperties()
{
    if (GB_BotProp)
        GB_BotProp->hide();
}

QString TModWindow::PickRandomBotName() const
{
    return UQOR::PickRandomBotName(ListBot);
}

void TModWindow::ClearBotEditor()
{
    if (botname) {
        const QSignalBlocker block(botname);
        botname->clear();
    }
    ModControls::SetSlider(Botskill, 0);
    if (botmodel) {
        const QSignalBlocker block(botmodel);
        botmodel->setCurrentIndex(-1);
    }
    if (BotPic)
        BotPic->hide();
    ShowSide(QString());
}

void TModWindow::ShowBotName(const QString& name)
{
    if (botname) {
        const QSignalBlocker block(botname);
        botname->setText(name);
    }
}

void TModWindow::ShowBotSkill(int skill)
{
    ModControls::SetSlider(Botskill, skill);
}

QStringList TModWindow::ModelItems() const
{
    QStringList items;
    for (int i = 0; botmodel && i < botmodel->count(); ++i)
        items << botmodel->itemText(i);
    return items;
}

void TModWindow::FillModels(const QStringList& models)
{
    UInit::ReplaceChooserItems(botmodel, models);
}

void TModWindow::SelectModel(int index)
{
    if (botmodel) {
        const QSignalBlocker block(botmodel);
        botmodel->setCurrentIndex(index);
    }
}

void TModWindow::ShowModelPicture(const QString& pictureName)
{
    if (BotPic) {
        UQOR::ShowModelPicture(BotPic, pictureName);
        BotPic->show();
    }
}

bool TModWindow::BotSkillRange(int& minimum, int& maximum) const
{
    if (!Botskill)
        return false;
    minimum = Botskill->minimum();
    maximum = Botskill->maximum();
    return true;
}

bool TModWindow::ChatMemoEmpty() const
{
    return !chatkill || chatkill->document()->isEmpty();
}

void TModWindow::ClearChatMemo()
{
    if (chatkill) {
        const QSignalBlocker block(chatkill);
        chatkill->clear();
    }
}

bool TModWindow::ReadChatMemoFile(QString& error)
{
    if (!chatkill)
        return true;
    const QSignalBlocker block(chatkill);
    return UQOR::AccessMemoFile(QStringLiteral("Read"), chatkill, m_logic.ModDir() + QLatin1Char('\\'),
                                m_logic.State.ChatFileName, &error);
}

bool TModWindow::WriteChatMemoFile(QString& error)
{
    return !chatkill || UQOR::AccessMemoFile(QStringLiteral("Write"), chatkill, m_logic.ModDir() + QLatin1Char('\\'),
                                             m_logic.State.ChatFileName, &error);
}

// ---- Extension points: the template has nothing of its own there. ----

void TModWindow::BuildGamePage(QWidget*) {}
void TModWindow::BuildExtraPages(QTabWidget*) {}
void TModWindow::BeforeActivation() {}
void TModWindow::AfterBotSection(const TIniFile&, const QString&) {}

// ---- Handlers ----

void TModWindow::FormActivate()
{
    TModLogic::TState& st = m_logic.State;
    // The loading below may show a message, which activates the window again on its return.
    if (st.ActivationFlag != QStringLiteral("N") || m_activating)
        return;
    m_activating = true;
    const TModTraits& traits = m_logic.Traits();
    const QString bot = UInit::SelectedBot;

    for (const auto& step : m_firstActivation)
        step();
    BeforeActivation();
    if (!traits.ReadsBotSection) {
        // A mod without a choice of bot has no Mods file: nothing depends on a bot here.
        m_logic.LoadConf();
        st.ActivationFlag = QStringLiteral("O");
        m_activating = false;
        return;
    }
    m_logic.ReadBotSection();
    const int maxSkill = m_logic.MaxSkill();
    for (QSlider* s : {defskill, Botskill}) {
        if (!s)
            continue;
        const QSignalBlocker block(s);
        s->setMaximum(maxSkill);
        // A bot program counting skill to 100 would draw a hundred marks: ten are readable.
        s->setTickInterval(maxSkill > 20 ? maxSkill / 10 : 1);
    }
    if (st.Skill0 == QStringLiteral("worst")) {
        for (QLabel* l : {Label13, Label1})
            if (l)
                l->setText(QStringLiteral("Bad"));
        for (QLabel* l : {Label15, Label67})
            if (l)
                l->setText(QStringLiteral("Good"));
    }
    if (st.ChatFileName.isEmpty() && TS_Chat) {
        const int at = PC->indexOf(TS_Chat);
        if (at >= 0)
            PC->removeTab(at);
    }
    if (traits.AkimbotSliders && bot == QStringLiteral("Akimbot") && Chatfreq) {
        for (QWidget* w : std::initializer_list<QWidget*>{Chatfreq, chatfreq_kill, Chatfreq_died,
                                                          Lab_chatfreq, Lab_chatkill, Lab_chatdied})
            w->show();
    }
    if (traits.OutsideBotEditor && !st.BotEditor.isEmpty() && B_BotEditor) {
        if (GB_BotList)
            GB_BotList->hide();
        B_BotEditor->setText(QStringLiteral("Open ") + bot + QStringLiteral(" Editor"));
        B_BotEditor->setEnabled(FileSys::FileExists(
            FileSys::NormalizeSeparators(UInit::HLPath + st.BotEditorPath + st.BotEditor)));
        B_BotEditor->show();
    }
    if (traits.MapConfig && !st.Config.isEmpty() && BEditCfg)
        BEditCfg->show();
    {
        const TIniFile mods(m_logic.ModsIniPath());
        AfterBotSection(mods, bot);
    }
    if (Label84)
        Label84->setText(QStringLiteral("Available maps for ") + bot);
    setWindowTitle((traits.ActiveTitle.isEmpty() ? traits.Title : traits.ActiveTitle) +
                   QStringLiteral(" - ") + bot);

    m_logic.LoadConf();
    st.ActivationFlag = QStringLiteral("O");
    m_activating = false;
}

void TModWindow::CloseWindow()
{
    m_closing = true;
    // The team-model preview belongs to this window.
    if (TeamPanel && UInit::PreviewOpen)
        UPreview::ClosePreview();
    m_logic.ResizeRecords(0);
    m_logic.State.BotCount = 0;
    accept();
}

void TModWindow::BCloseClick()
{
    if (m_logic.State.Modified != 0 &&
        Dialogs::Confirm(QStringLiteral("Do you want to save your settings ?"), this)) {
        if (!m_logic.CheckConf())
            return;
        // A file that could not be written keeps the window open, so no edit is lost.
        if (!m_logic.SaveConf())
            return;
    }
    CloseWindow();
}

void TModWindow::BApplyConfClick()
{
    if (!m_logic.CheckConf())
        return;
    if (!m_logic.SaveConf())
        return;
    CloseWindow();
}

void TModWindow::BRestoreDefClick() { UQOR::RestoreDefaults(); }
void TModWindow::BRestoreConfClick() { UQOR::RestoreConf(); }

void TModWindow::MapDispoClick()
{
    if (MapCom)
        UQOR::AccessMapComment(MapDispo, m_logic.MapComFile(), QStringLiteral("Read"), MapCom);
}

void TModWindow::AddMapClick() { UQOR::AddSelectedMaps(MapDispo, MapCycle); }
void TModWindow::AddAllMapsClick() { UQOR::AddAllMaps(MapDispo, MapCycle); }
void TModWindow::DelMapClick() { UQOR::DeleteSelectedMaps(MapCycle); }
void TModWindow::DelAllMapsClick() { UQOR::DeleteAllMaps(MapCycle); }
void TModWindow::SpeedButton5Click() { UQOR::MoveListItem(-1, MapCycle); }
void TModWindow::SpeedButton6Click() { UQOR::MoveListItem(+1, MapCycle); }
void TModWindow::RandomMapClick() { UQOR::ShuffleMapCycle(MapCycle); }

void TModWindow::MapComExit()
{
    if (!MapCom)
        return;
    if (!UQOR::AccessMapComment(MapDispo, m_logic.MapComFile(), QStringLiteral("Write"), MapCom))
        Dialogs::ShowError(QStringLiteral("Can't write ") +
                               QDir::toNativeSeparators(UInit::AppFile(QStringLiteral("Maps\\") + m_logic.MapComFile())) +
                               QStringLiteral("."),
                           this);
}

void TModWindow::ListBotClick() { m_logic.ShowBot(); }

void TModWindow::SpeedButton13Click()
{
    UQOR::StepBotModel(QStringLiteral("Next"), ListBot, SteppedModelChooser(), BotPic, m_logic.Bots(),
                       m_logic.ModelSlot());
}

void TModWindow::SpeedButton14Click()
{
    UQOR::StepBotModel(QStringLiteral("Prev"), ListBot, SteppedModelChooser(), BotPic, m_logic.Bots(),
                       m_logic.ModelSlot());
}

void TModWindow::botmodelChange()
{
    UQOR::StepBotModel(QStringLiteral("All"), ListBot, SteppedModelChooser(), BotPic, m_logic.Bots(),
                       m_logic.ModelSlot());
}

void TModWindow::botnameChange() { UQOR::SetBotName(ListBot, botname, m_logic.Bots()); }
void TModWindow::BotskillChange() { UQOR::SetBotSkill(ListBot, m_logic.Bots(), Botskill); }

void TModWindow::SBCreeBotClick(bool random)
{
    if (!m_logic.MayCreateBot())
        return;
    if (GB_BotProp)
        GB_BotProp->show();
    const TBot bot = m_logic.NewBot(random);
    UQOR::AddBotRecord(m_logic.State.BotCount, m_logic.Bots(), bot[0], bot[1], bot[2], bot[3],
                       bot[4], ListBot);
    // The mods with further slots (traits, weapon preferences) get the whole new record.
    if (m_logic.State.BotCount > 0 && m_logic.State.BotCount <= m_logic.Bots().size())
        m_logic.Bots()[m_logic.State.BotCount - 1] = bot;
    m_logic.ShowBot();
}

void TModWindow::SBUpBotClick() { UQOR::MoveBot(-1, ListBot, m_logic.Bots()); }
void TModWindow::SBDownBotClick() { UQOR::MoveBot(+1, ListBot, m_logic.Bots()); }
void TModWindow::SBDelBotClick() { m_logic.DeleteBots(); }

void TModWindow::BEditCfgClick()
{
    // The map's own configuration file, named <map><config>, lies in the folder the map list
    // marks it from (beside the waypoints unless the mod keeps them apart).
    const QString path =
        UQOR::MapCfgPath(MapDispo, m_logic.MapConfigFolder() + QLatin1Char('/'), m_logic.State.Config);
    if (!path.isEmpty())
        TEditor::Edit_File(path);
}

void TModWindow::B_BotEditorClick()
{
    const TModLogic::TState& st = m_logic.State;
    StartProgram(st.BotEditor, FileSys::NormalizeSeparators(UInit::HLPath + st.BotEditorPath));
}

void TModWindow::StartProgram(const QString& file, const QString& workDir)
{
    Shell::TRequest request;
    request.File = file;
    request.WorkDir = workDir;
    QString error;
    if (!Shell::Open(request, &error))
        Dialogs::ShowError(error.isEmpty() ? QStringLiteral("Can't start ") + file : error, this);
}

void TModWindow::SelectchatDropDown()
{
    QString error;
    if (!m_logic.WriteChatMemo(error))
        Dialogs::ShowError(error, this);
}

void TModWindow::SelectChatChange()
{
    if (UInit::LoadingDone != 1 || !Selectchat || Selectchat->currentText().isEmpty() || !chatkill)
        return;
    const QString folder = m_logic.Traits().ChatChooserFolder;
    const QString chosen = folder + Selectchat->currentText();
    if (chosen.compare(m_logic.State.ChatFileName, Qt::CaseInsensitive) == 0)
        return;
    // The text typed so far belongs to the file it was loaded from: it goes there first, however
    // the choice was made (the keyboard changes the choice without opening the list).
    QString error;
    if (!m_logic.WriteChatMemo(error)) {
        Dialogs::ShowError(error, this);
        const QSignalBlocker block(Selectchat);
        Selectchat->setCurrentIndex(
            Selectchat->findText(m_logic.State.ChatFileName.mid(folder.size()), Qt::MatchFixedString));
        return;
    }
    m_logic.State.ChatFileName = chosen;
    // The memo shows the chosen file only: a file that does not exist yet starts empty rather
    // than with the previous file's text, which the next save would write into it.
    {
        const QSignalBlocker block(chatkill);
        chatkill->clear();
    }
    m_logic.ReadChatMemo();
}

void TModWindow::ShowChatFiles(const QStringList& files)
{
    if (!Selectchat)
        return;
    QStringList sorted = files;
    sorted.sort(Qt::CaseInsensitive);
    TModLogic::TState& st = m_logic.State;
    const QString folder = m_logic.Traits().ChatChooserFolder;
    // The chooser shows the file the memo is loaded from and saved to: the bot section's chat
    // file when it is one of the list, else the first of the list, which then becomes the file.
    int current = -1;
    for (int i = 0; i < sorted.size(); ++i)
        if ((folder + sorted[i]).compare(st.ChatFileName, Qt::CaseInsensitive) == 0)
            current = i;
    if (current < 0 && !sorted.isEmpty()) {
        current = 0;
        st.ChatFileName = folder + sorted.first();
    }
    {
        const QSignalBlocker block(Selectchat);
        Selectchat->clear();
        Selectchat->addItems(sorted);
        Selectchat->setCurrentIndex(current);
    }
    Lab_SelectChat->show();
    Selectchat->show();
}

void TModWindow::OnChange() { Modif_Param(); }
void TModWindow::Modif_Param() { m_logic.State.Modified = 1; }

// ---- Events ----

bool TModWindow::event(QEvent* e)
{
    const bool result = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return result;
}

void TModWindow::reject()
{
    // Esc does what Exit does.
    BCloseClick();
}

void TModWindow::closeEvent(QCloseEvent* e)
{
    if (m_closing) {
        e->accept();
        return;
    }
    // The window manager's close button: Exit decides (it may keep the window open).
    e->ignore();
    BCloseClick();
}

bool TModWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == MapDispo && enter) {
            AddMapClick();
            return true;
        }
        if (watched == MapCycle && key->key() == Qt::Key_Delete) {
            DelMapClick();
            return true;
        }
        if (watched == ListBot && key->key() == Qt::Key_Delete) {
            m_logic.DeleteBots();
            return true;
        }
        // The model is chosen from the list only: typed characters do not search it.
        if (watched == botmodel && !key->text().isEmpty() && key->text().at(0).isPrint())
            return true;
        if (watched == MapCom && key->text().contains(QLatin1Char('|')))
            return true;
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            if (qobject_cast<QPlainTextEdit*>(watched)) {
                focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
                return true;
            }
        }
        if (watched == Selectchat && (key->key() == Qt::Key_F4 ||
                                      (key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier))))
            SelectchatDropDown();
    } else if (e->type() == QEvent::FocusOut && watched == MapCom) {
        MapComExit();
    } else if (e->type() == QEvent::MouseButtonPress && watched == Selectchat) {
        SelectchatDropDown();
    }
    return QDialog::eventFilter(watched, e);
}
