#include "mods/cstrike/UFCstrike.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "ui/NumberEdit.h"
#include "mods/cstrike/UCstrike.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

QPointer<TFCstrike> FCstrike;

namespace {

bool IsBelow(const QString& folder, const QString& root, QString& relative)
{
    const QString f = QDir::cleanPath(FileSys::NormalizeSeparators(folder));
    const QString r = QDir::cleanPath(FileSys::NormalizeSeparators(root));
    if (r.isEmpty() || f.size() <= r.size() + 1)
        return false;
    if (!f.startsWith(r, Qt::CaseInsensitive) || f.at(r.size()) != QLatin1Char('/'))
        return false;
    relative = f.mid(r.size() + 1);
    relative.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return true;
}

// Adds check boxes one under the other, step pixels apart, from y down.
auto CheckColumn(TModWindow& w, QWidget* parent, int x, int y, int width, int step)
{
    return [&w, parent, x, y, width, step](const char* name, const char* caption) mutable {
        QCheckBox* c = w.AddCheck(parent, QString::fromLatin1(name), QString::fromLatin1(caption), x, y, width);
        y += step;
        return c;
    };
}

} // namespace

TFCstrike::TFCstrike(QWidget* owner) : TModWindow(UCstrike::Logic(), owner)
{
    BuildWindow();
    AdaptMapsPage();
    AdaptBotsPage();
    AdaptChatPage();
    // The start money is the window's own default: Restore Default leaves it alone.
    CS_startmoney->SetText(QStringLiteral("800"));
}

TFCstrike::~TFCstrike() = default;

// ---------------------------------------------------------------- building

void TFCstrike::BuildGamePage(QWidget* p)
{
    ControlRows::Build(*this, p, UCstrike::GamePage());
    CS_timelimit = Control<TNumberEdit>(QStringLiteral("CS_timelimit"));
    CS_RoundTime = Control<TNumberEdit>(QStringLiteral("CS_RoundTime"));
    CS_startmoney = Control<TNumberEdit>(QStringLiteral("CS_startmoney"));
    CS_friendlyfire = Control<QCheckBox>(QStringLiteral("CS_friendlyfire"));
    CS_footsteps = Control<QCheckBox>(QStringLiteral("CS_footsteps"));

    GB_misc = AddGroup(p, QStringLiteral("GB_misc"), QStringLiteral("Misc options"), 282, 6, 285, 362);
    QWidget* g = GB_misc;
    auto misc = CheckColumn(*this, g, 10, 22, 265, 23);
    CS_knifeonly = misc("CS_knifeonly", "Bots only use knife");
    CS_pistolonly = misc("CS_pistolonly", "Bots only use pistols and less");
    CS_subonly = misc("CS_subonly", "Bots only use sub weapons and less");
    CS_Snipeonly = misc("CS_Snipeonly", "Bots only use sniper weapons");
    CS_usesmoke = misc("CS_usesmoke", "Bots use smoke grenades");
    CS_allowlaserdot = misc("CS_allowlaserdot", "Allow laser dot");
    CS_botuselaserdot = misc("CS_botuselaserdot", "Bots use laser dot");
    CS_detailnames = misc("CS_detailnames", "Display detailed names");

    int my = 22 + 8 * 23 + 4;
    Lab_bot_group = AddLabel(g, QStringLiteral("Lab_bot_group"), QStringLiteral("Group bots"), 10, my + 3, 120);
    CS_bot_group = AddNumber(g, QStringLiteral("CS_bot_group"), 0, 19, 2, 140, my, 50);
    my += 28;
    Lab_bot_control = AddLabel(g, QStringLiteral("Lab_bot_control"), QStringLiteral("Controled bots"), 10, my + 3, 120);
    CS_bot_control = AddNumber(g, QStringLiteral("CS_bot_control"), 0, 19, 2, 140, my, 50);
    my += 34;

    Lab_Botmenu = AddLabel(g, QStringLiteral("Lab_Botmenu"),
                           QStringLiteral("Bind                             for in-game bot menu"), 10, my + 3);
    CS_botmenu = AddCombo(g, QStringLiteral("CS_botmenu"), {}, 0, 0, 100,
                          QStringLiteral("Key that opens the bot program's menu in the game"));
    my += PlaceKeyChooser(Lab_Botmenu, CS_botmenu, QStringLiteral("Bind")) + 8;
    Lab_ExecKey = AddLabel(g, QStringLiteral("Lab_ExecKey"),
                           QStringLiteral("Bind                             to spawn the bots"), 10, my + 3);
    CS_ExecKey = AddCombo(g, QStringLiteral("CS_ExecKey"), {}, 0, 0, 100,
                          QStringLiteral("Key that adds the bots in the game"));
    PlaceKeyChooser(Lab_ExecKey, CS_ExecKey, QStringLiteral("Bind"));
    KeyChoosers = {CS_botmenu, CS_ExecKey};
    // Every misc option waits for a bot program that has it.
    for (QWidget* w : std::initializer_list<QWidget*>{
             CS_knifeonly, CS_pistolonly, CS_subonly, CS_Snipeonly, CS_usesmoke, CS_allowlaserdot, CS_botuselaserdot,
             CS_detailnames, Lab_bot_group, CS_bot_group, Lab_bot_control, CS_bot_control, Lab_Botmenu, CS_botmenu,
             Lab_ExecKey, CS_ExecKey})
        w->hide();
}

void TFCstrike::BuildExtraPages(QTabWidget* pages)
{
    auto page = [&](const QString& name, const QString& caption) {
        auto* w = new QWidget;
        w->setObjectName(name);
        w->setAutoFillBackground(true);
        w->setPalette(palette());
        pages->addTab(w, caption);
        return w;
    };
    TS_CS_AI = page(QStringLiteral("TS_CS_AI"), QStringLiteral("A.I."));
    BuildAIPage(TS_CS_AI);
    TS_CS_Skill = page(QStringLiteral("TS_CS_Skill"), QStringLiteral("Skills"));
    BuildSkillsPage(TS_CS_Skill);
    TS_CS_Misc = page(QStringLiteral("TS_CS_Misc"), QStringLiteral("Misc"));
    BuildMiscPage(TS_CS_Misc);
}

void TFCstrike::BuildAIPage(QWidget* p)
{
    GB_PlBot_AI = AddGroup(p, QStringLiteral("GB_PlBot_AI"), QStringLiteral("PlBot A.I."), 8, 8, 555, 355);
    GB_PlBot_AI->hide();
    QWidget* g = GB_PlBot_AI;
    int y = 24;
    int i = 0;
    for (const UCstrike::TPlBotSetting& r : UCstrike::PlBotSettings()) {
        if (i == 6) {
            AddLabel(g, QStringLiteral("Lab_PlBotNote"),
                     QStringLiteral("the following parameters are used only if the map have no waypoints :"),
                     12, y + 2, 520);
            y += 26;
        }
        AddLabel(g, QStringLiteral("Lab_") + QString::fromLatin1(r.Name), QString::fromLatin1(r.Caption),
                 12, y + 3, 220);
        AddNumber(g, QString::fromLatin1(r.Name), r.Min, r.Max, 3, 240, y, 60);
        y += 28;
        ++i;
    }
    AddCheck(g, QStringLiteral("PLBot_nav"), QStringLiteral("Use navigation algorithm"), 12, y + 6, 300);
}

void TFCstrike::BuildSkillsPage(QWidget* p)
{
    CS_Skills = new QTableWidget(UCstrike::SkillKeyCount + 1, UCstrike::SkillBandCount + 1, p);
    CS_Skills->setObjectName(QStringLiteral("CS_Skills"));
    CS_Skills->horizontalHeader()->hide();
    CS_Skills->verticalHeader()->hide();
    CS_Skills->verticalHeader()->setDefaultSectionSize(22);
    // The row labels' column is wider than the original's 105 pixels: fonts on Linux run wider.
    CS_Skills->setColumnWidth(0, 140);
    for (int c = 1; c <= UCstrike::SkillBandCount; ++c)
        CS_Skills->setColumnWidth(c, 67);
    CS_Skills->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CS_Skills->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CS_Skills->setGeometry(8, 8, 140 + 6 * 67 + 4, 11 * 22 + 4);
    UCstrike::LabelSkillGrid(CS_Skills);
    connect(CS_Skills, &QTableWidget::itemChanged, this, [this] { CS_SkillsSetEditText(); });

    auto* note = AddLabel(p, QStringLiteral("Lab_SkillsNote"),
                          QStringLiteral("Columns: the P.O.D.Bot skill bands, from the worst bots to the best.\n"
                                         "Delay: least / greatest reaction time, in seconds.  Turn Speed: least / greatest\n"
                                         "degrees turned in one frame.  Aim Offset: aiming offset (Z is up).\n"
                                         "Headshot %: probability of aiming at the head.  Hear / See through Walls %:\n"
                                         "probability of shooting through obstacles at a heard / seen enemy."),
                          8, 260, 555, 100);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setWordWrap(false);
}

void TFCstrike::BuildMiscPage(QWidget* p)
{
    auto check = CheckColumn(*this, p, 12, 12, 250, 24);
    CS_inhumanturns = check("CS_inhumanturns", "Inhuman turns");
    check("CS_collectexperience", "Collect experience");
    check("CS_shootthruwalls", "Shoot through walls");
    check("CS_usespeech", "Speech Synthesis");
    check("CS_botvotekick", "Bots vote to kick TK");
    check("CS_botspray", "Logo Spraying");
    int y = 12 + 6 * 24 + 8;
    AddLabel(p, QStringLiteral("Lab_maxweaponpickup"), QStringLiteral("Max Weapons"), 12, y + 3, 110);
    AddNumber(p, QStringLiteral("CS_maxweaponpickup"), 0, 19, 2, 130, y, 50);
    y += 32;
    // The edits start at the bot's own timings, so a first save without a bot store does not
    // hand P.O.D.Bot timer commands without a value.
    auto timer = [&](const char* name, const char* caption, const char* initial) {
        AddLabel(p, QStringLiteral("Lab_") + QString::fromLatin1(name).mid(3), QString::fromLatin1(caption),
                 12, y + 3, 110);
        auto* e = new QLineEdit(p);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(3);
        // Seconds such as "0.3": digits and a point, pasted text filtered too.
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,3}")), e));
        e->setGeometry(130, y, 40, 22);
        e->setText(QString::fromLatin1(initial));
        connect(e, &QLineEdit::textEdited, this, &TFCstrike::OnChange);
        y += 28;
        return e;
    };
    CS_timer_sound = timer("CS_timer_sound", "Timer sound", "1.0");
    CS_timer_pickup = timer("CS_timer_pickup", "Timer pick-up", "0.3");
    CS_timer_grenade = timer("CS_timer_grenade", "Timer grenade", "0.5");

    QGroupBox* fun = AddGroup(p, QStringLiteral("GB_FunModes"), QStringLiteral("Fun modes"), 282, 8, 280, 200);
    auto funBox = CheckColumn(*this, fun, 10, 22, 262, 24);
    funBox("CS_imsober", "Turns off all Fun-Modes");
    funBox("CS_imonmars", "Halfs the Gravity");
    funBox("CS_imhaunted", "Bots are a bit translucent");
    funBox("CS_itstoodark", "Bots have a bright lightsource Aura");
    funBox("CS_itsnewyear", "Bots celebrate New Year ");
    funBox("CS_tronisback", "Adds a shiny hull over each Player");
    funBox("CS_imstoned", "Stoned Bots");
}

void TFCstrike::AdaptMapsPage()
{
    QWidget* p = TS_Maps;
    Lab_WayDir = AddLabel(p, QStringLiteral("Lab_WayDir"), QStringLiteral("Waypoints directory"), 266, 326, 200);
    WayDir = new QLineEdit(p);
    WayDir->setObjectName(QStringLiteral("WayDir"));
    WayDir->setReadOnly(true);
    WayDir->setGeometry(266, 344, 266, 22);
    WayDirBrowse = new QToolButton(p);
    WayDirBrowse->setObjectName(QStringLiteral("WayDirBrowse"));
    WayDirBrowse->setText(QStringLiteral("..."));
    WayDirBrowse->setToolTip(QStringLiteral("Choose the folder of the waypoint files"));
    WayDirBrowse->setGeometry(536, 344, 28, 22);
    connect(WayDirBrowse, &QToolButton::clicked, this, &TFCstrike::WayDirBrowseClick);
}

void TFCstrike::AdaptBotsPage()
{
    QWidget* p = TS_Bots;
    // The bot list, its buttons and the skill scales lie in one group that an outside bot editor
    // hides whole, uncovering the editor's button beneath it.
    GroupBox16 = new QWidget(p);
    GroupBox16->setObjectName(QStringLiteral("GroupBox16"));
    GroupBox16->setGeometry(0, 0, 571, 376);
    GroupBox16->setAutoFillBackground(true);
    GroupBox16->setPalette(palette());
    for (QWidget* w : std::initializer_list<QWidget*>{TModWindow::Label86, spawnbot, GB_BotList, LabelDefSkill,
                                                      defskill, Label13, Label14, Label15}) {
        w->setParent(GroupBox16);
        w->show();
    }
    GroupBox16->raise();

    // The template's controls under their Counter-Strike names (the traits give the names).
    Label2 = Label13;
    Label4 = Label15;
    Label64 = TModWindow::Label16;
    // Room for "Good" where the scale reads the other way round.
    Label4->resize(40, Label4->height());
    Label67->setGeometry(Label67->x() - 8, Label67->y(), 40, Label67->height());
    spawnbot->SetRange(1, 32);
    defskill->setMinimum(0);

    CS_autoskill = AddCheck(GroupBox16, QStringLiteral("CS_autoskill"), QStringLiteral("Adjust Skill"), 200, 8, 150);
    CS_autoskill->hide();
    Label16 = AddLabel(GroupBox16, QStringLiteral("Label16"), QStringLiteral("Min skill"), 336, 326, 56);
    CS_minskill = new QSlider(Qt::Horizontal, GroupBox16);
    CS_minskill->setObjectName(QStringLiteral("CS_minskill"));
    CS_minskill->setRange(1, 50);
    CS_minskill->setTickPosition(QSlider::TicksBelow);
    CS_minskill->setPageStep(1);
    CS_minskill->setGeometry(396, 320, 165, 24);
    Label17 = AddLabel(GroupBox16, QStringLiteral("Label17"), QStringLiteral("Good"), 392, 346, 40);
    Label18 = AddLabel(GroupBox16, QStringLiteral("Label18"), QStringLiteral("Medium"), 456, 346, 50);
    Label19 = AddLabel(GroupBox16, QStringLiteral("Label19"), QStringLiteral("Bad"), 530, 346, 40);
    for (QWidget* w : std::initializer_list<QWidget*>{Label16, CS_minskill, Label17, Label18, Label19})
        w->hide();
    CoupleMinSkill(CS_minskill);

    QWidget* b = GB_BotProp;
    AddSideRadios(b, {{QStringLiteral("CS_BotT"), QStringLiteral("Terrorists"), QStringLiteral("1")},
                      {QStringLiteral("CS_BotCT"), QStringLiteral("Counter-Terrorists"), QStringLiteral("2")},
                      {QStringLiteral("CS_BotA"), QStringLiteral("Auto"), QStringLiteral("0")}},
                  10, 124, 180);
    CS_BotT = SideRadios[0];
    CS_BotCT = SideRadios[1];
    CS_BotA = SideRadios[2];

    Lab_Type = AddLabel(b, QStringLiteral("Lab_Type"), QString(), 198, 226, 160);
    CS_Bottype = new QComboBox(b);
    CS_Bottype->setObjectName(QStringLiteral("CS_Bottype"));
    CS_Bottype->setGeometry(198, 244, 160, 22);
    CS_Bottype->installEventFilter(this);
    connect(CS_Bottype, &QComboBox::activated, this, &TFCstrike::CS_bottypeChange);
    Lab_Type->hide();
    CS_Bottype->hide();
}

void TFCstrike::AdaptChatPage()
{
    QWidget* p = TS_Chat;
    Label75 = ChatNote;
    CS_chatfreq = Chatfreq;
    Lab_chat = Lab_chatfreq;
    Lab_chat->setGeometry(140, 314, 10, 20);
    PlaceInCaptionGap(Lab_chat, CS_chatfreq, QStringLiteral("Never"), 24);
    CS_chatfreq->hide();
    Lab_chat->hide();

    CS_botchat = AddCheck(p, QStringLiteral("CS_botchat"), QStringLiteral("Bots chat"), 8, 314, 120);
    CS_botchat->hide();
}

// ---------------------------------------------------------------- first activation

TBotLayouts TFCstrike::Layouts() const
{
    using namespace UCstrike;
    // NN Bot and P.O.D.Bot have more to say beside the map cycle: the cycle gets shorter.
    const QVector<TBotPlace> shortCycle{{MapCycle, -1, -1, -1, 273}, {RandomMap, -1, MapCycle->y() + 277}};
    return {PC,
            {{TS_Game, QStringLiteral("Game")}, {TS_Maps, QStringLiteral("Maps")}, {TS_Bots, QStringLiteral("Bots")},
             {TS_Chat, QStringLiteral("Chat")}, {TS_CS_AI, QStringLiteral("A.I.")},
             {TS_CS_Skill, QStringLiteral("Skills")}, {TS_CS_Misc, QStringLiteral("Misc")}},
            {
                {.Bot = BocBot, .Hide = {GB_misc}},
                {.Bot = BottBot, .Show = {CS_knifeonly, CS_pistolonly, CS_subonly, CS_Snipeonly, CS_botchat}},
                {.Bot = BsdBot, .Show = {Lab_chat, CS_chatfreq}},
                {.Bot = FreedomBot, .Show = {CS_knifeonly, CS_allowlaserdot}},
                {.Bot = JoeBot,
                 .Show = {GB_misc, CS_detailnames, CS_botchat, CS_pistolonly, Lab_Type, CS_Bottype, CS_chatfreq,
                          Lab_chat},
                 .Hide = {Label1, Label67},
                 .Captions = {{Lab_Type, QStringLiteral("Favourite Weapon")},
                              {Label2, QStringLiteral("Bad")}, {Label4, QStringLiteral("Good")},
                              {Label17, QStringLiteral("Bad")}, {Label19, QStringLiteral("Good")},
                              {Label64, QStringLiteral("Bad")}, {Label65, QStringLiteral("Good")},
                              {Lab_chat, QStringLiteral("        Chat leet : Never                            Always")}},
                 // The skill slider makes room for the weapon chooser.
                 .Places = {{Botskill, -1, -1, 130}, {Label65, Botskill->x() + 130 - 36}}},
                {.Bot = NNBot,
                 .Show = {GB_misc, CS_botchat, CS_knifeonly, CS_pistolonly, CS_subonly, CS_usesmoke},
                 .Captions = {{Label75, QString()}},
                 .Places = shortCycle},
                {.Bot = PlBot,
                 .Show = {CS_allowlaserdot, CS_botuselaserdot, GB_PlBot_AI, CS_knifeonly, CS_bot_group,
                          Lab_bot_group, CS_bot_control, Lab_bot_control, CS_botchat},
                 .Pages = {TS_CS_AI}},
                {.Bot = PodBot,
                 .Show = {CS_bot_control, Lab_bot_control, CS_detailnames, GB_misc, CS_botchat, CS_knifeonly},
                 .Captions = {{Label75, QStringLiteral("%s  can be used to insert the player's name")}},
                 .Places = shortCycle,
                 .Pages = {TS_CS_Skill, TS_CS_Misc},
                 // P.O.D.Bot's lowest skill takes the bot's own 0..100 whatever the default skill's scale.
                 .Ranges = {{CS_minskill, 100}}},
                {.Bot = RealBot, .Show = {GB_misc, CS_autoskill}},
                {.Bot = SwatBot, .Show = {GB_misc, CS_knifeonly}},
            }};
}

void TFCstrike::ShowMinSkillScale()
{
    LabelDefSkill->setText(QStringLiteral("Max Skill"));
    for (QWidget* w : std::initializer_list<QWidget*>{Label16, Label17, Label18, Label19, CS_minskill})
        w->show();
    CS_minskill->setTickPosition(QSlider::NoTicks);
    defskill->setTickPosition(QSlider::NoTicks);
    // The maximum of a skill range cannot go below the lowest minimum: dragging it to 0 would
    // leave the minimum (which stops at its own floor) above it.
    const QSignalBlocker block(defskill);
    defskill->setMinimum(CS_minskill->minimum());
}

void TFCstrike::AfterBotSection(const TIniFile&, const QString& bot)
{
    UCstrike::TCstrike& logic = UCstrike::Logic();
    {
        const QSignalBlocker block(CS_minskill);
        CS_minskill->setMaximum(logic.MaxSkill());
        CS_minskill->setValue(logic.Cs.MinSkill);
    }
    if (!logic.Cs.ExecCmd.isEmpty()) {
        Lab_ExecKey->show();
        CS_ExecKey->show();
    }
    if (!logic.State.BotEditor.isEmpty())
        GroupBox16->hide();
    if (logic.State.Skill0 == QStringLiteral("worst")) {
        Label17->setText(QStringLiteral("Bad"));
        Label19->setText(QStringLiteral("Good"));
    }
    if (logic.UsesMinSkill())
        ShowMinSkillScale();

    const TBotLayouts layouts = Layouts();
    BotLayout::Apply(layouts, bot);
    // The chat slider sits in its caption's gap, wherever the bot program's caption has it.
    PlaceInCaptionGap(Lab_chat, CS_chatfreq, QStringLiteral("Never"), 24);
    if (!logic.Cs.BotMenuCmd.isEmpty())
        for (QWidget* w : std::initializer_list<QWidget*>{GB_misc, CS_botmenu, Lab_Botmenu})
            w->show();
    CompactMiscOptions();

    // A bot program whose chat settings are shown keeps the Chat page even without a chat file
    // (its switches are saved settings); only the chat text then has nothing to edit.
    if (!BotLayout::PageShown(layouts, TS_Chat) && (!CS_botchat->isHidden() || !CS_chatfreq->isHidden())) {
        BotLayout::ShowPage(layouts, TS_Chat);
        chatkill->hide();
        Label75->hide();
    }
}

void TFCstrike::CompactMiscOptions()
{
    // The misc options of the selected bot program stand one under the other, without the gaps
    // of the options it does not have.
    const QList<QList<QWidget*>> rows{
        {CS_knifeonly}, {CS_pistolonly}, {CS_subonly}, {CS_Snipeonly}, {CS_usesmoke},
        {CS_allowlaserdot}, {CS_botuselaserdot}, {CS_detailnames},
        {CS_bot_group, Lab_bot_group}, {CS_bot_control, Lab_bot_control},
        {CS_botmenu, Lab_Botmenu}, {CS_ExecKey, Lab_ExecKey}};
    int y = 22;
    for (const QList<QWidget*>& row : rows) {
        if (row.first()->isHidden())
            continue;
        const int dy = y - row.first()->y();
        QRect taken;
        for (QWidget* w : row) {
            w->move(w->x(), w->y() + dy);
            taken |= w->geometry();
        }
        // A key chooser's caption may take two lines.
        y += row.size() == 1 ? 23 : taken.bottom() - y + 11;
    }
}

// ---------------------------------------------------------------- handlers

void TFCstrike::CS_bottypeChange()
{
    if (UInit::LoadingDone != 1 || UCstrike::JoeBot != UInit::SelectedBot)
        return;
    UQOR::SetBotParam2(ListBot, UCstrike::Logic().Bots(), QString::number(CS_Bottype->currentIndex()));
    Modif_Param();
}

void TFCstrike::CS_SkillsSetEditText()
{
    if (UInit::LoadingDone == 1)
        Modif_Param();
}

void TFCstrike::ShowWayDir(const QString& folder, const QString& browseRoot)
{
    WayDir->setText(QDir::toNativeSeparators(FileSys::NormalizeSeparators(folder)));
    m_wayDirBrowseRoot = browseRoot;
}

void TFCstrike::WayDirBrowseClick()
{
    const QString current = FileSys::NormalizeSeparators(WayDir->text());
    const QString start = FileSys::DirectoryExists(current) ? current : m_wayDirBrowseRoot;
    const QString chosen = Dialogs::SelectFolder(QStringLiteral("Waypoints directory"), start, this);
    if (!chosen.isEmpty())
        WayDirChange(chosen);
}

void TFCstrike::WayDirChange(const QString& folder)
{
    if (UInit::LoadingDone != 1)
        return;
    UCstrike::TCstrike& logic = UCstrike::Logic();
    const QString root = logic.WayDirRoot();
    QString relative;
    // The bot program reads its waypoints below its own folder and the folder is stored
    // relative to it: anything else could not be written back as a setting it understands.
    if (!IsBelow(folder, root, relative) || !FileSys::DirectoryExists(folder)) {
        Dialogs::ShowError(QStringLiteral("The waypoints directory must be a folder below ") +
                               QDir::toNativeSeparators(FileSys::NormalizeSeparators(root)) +
                               QStringLiteral(".\r\nThe previous directory is kept: ") + WayDir->text(),
                           this);
        return;
    }
    logic.State.WaypointFolder = logic.WayDirPrefix() + relative;
    ShowWayDir(FileSys::JoinPath(logic.WaypointRoot(), logic.State.WaypointFolder), m_wayDirBrowseRoot);
    logic.ListAvailableMaps();
    Modif_Param();
}

bool TFCstrike::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == CS_Bottype && e->type() == QEvent::KeyPress) {
        // The weapon is chosen from the list only: typed characters do not search it.
        const auto* key = static_cast<QKeyEvent*>(e);
        if (!key->text().isEmpty() && key->text().at(0).isPrint())
            return true;
    }
    return TModWindow::eventFilter(watched, e);
}
