#include "mods/action/UFAction.h"

#include "core/UInit.h"
#include "mods/action/UAction.h"
#include "mods/common/GameSettings.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

QPointer<TFAction> FAction;

TFAction::TFAction(QWidget* owner) : TModWindow(UAction::Logic(), owner)
{
    BuildWindow();
}

TFAction::~TFAction() = default;

void TFAction::BuildGamePage(QWidget* page)
{
    QGroupBox* type = AddGroup(page, QStringLiteral("GB_GameType"), QStringLiteral("Game Type"), 8, 8, 280, 56);
    AC_gametype = AddCombo(type, QStringLiteral("AC_gametype"), UAction::GameTypeItems(), 12, 22, 256);
    QGroupBox* misc = AddGroup(page, QStringLiteral("GB_misc"), QStringLiteral("Misc options"), 296, 8, 267, 56);
    AC_bot_snipe = AddCheck(misc, QStringLiteral("AC_bot_snipe"), QStringLiteral("Bots snipe"), 12, 26, 200);
    AC_bot_snipe->hide();

    // One group holds every game setting: the template's limits and switches on the left, the
    // round, gore and team-kill rules on the right.
    QGroupBox* g = GameSettings::Build(*this, page,
                                       {QStringLiteral("friendlyfire"), QStringLiteral("weaponstay"),
                                        QStringLiteral("forcerespawn"), QStringLiteral("footsteps"),
                                        QStringLiteral("flashlight"), QStringLiteral("autocrosshair")},
                                       8, 70, 555, 292);
    AddLabel(g, QStringLiteral("LabelRoundLimit"), QStringLiteral("Round Limit"), 300, 28, 110);
    AC_roundtimelimit = AddNumber(g, QStringLiteral("AC_roundtimelimit"), 0, 90, 2, 420, 24, 56,
                                  QStringLiteral("Maximum time of a round (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelTeamkills"), QStringLiteral("Max teamkills"), 300, 58, 110);
    AC_teamkills = AddNumber(g, QStringLiteral("AC_teamkills"), 0, 10, 2, 420, 54, 56);
    AddLabel(g, QStringLiteral("LabelTkDeal"), QStringLiteral("How to deal with TK"), 300, 90, 240);
    AC_tkdeal = AddCombo(g, QStringLiteral("AC_tkdeal"), UAction::TkDealItems(), 300, 108, 240);
    AddLabel(g, QStringLiteral("LabelGore"), QStringLiteral("Gore level"), 300, 146, 240);
    AC_Gorelevel = AddCombo(g, QStringLiteral("AC_Gorelevel"), UAction::GoreLevelItems(), 300, 164, 240);
}

void TFAction::BuildExtraPages(QTabWidget*)
{
    // No default skill for this mod's bots, and a bot's skill counts from 1.
    for (QWidget* w : std::initializer_list<QWidget*>{LabelDefSkill, defskill, Label13, Label14, Label15})
        w->hide();
    SkillFromOne();

    // The bot's properties on three pages where the template has its one group; the pages take
    // the room of the default skill below, and the width up to the list's buttons, so the group
    // keeps its size inside them.
    const QRect at = GB_BotProp->geometry();
    AC_PC_Bot = new QTabWidget(GB_BotList);
    AC_PC_Bot->setObjectName(QStringLiteral("AC_PC_Bot"));
    AC_PC_Bot->setGeometry(at.x() - 6, at.y(), at.width() + 8, at.height() + 50);
    const auto page = [this](const char* name, const char* caption) {
        auto* p = new QWidget;
        p->setObjectName(QString::fromLatin1(name));
        p->setAutoFillBackground(true);
        p->setPalette(palette());
        AC_PC_Bot->addTab(p, QString::fromLatin1(caption));
        return p;
    };
    AC_TS_BotProp = page("AC_TS_BotProp", "Properties");
    AC_TS_BotBehav = page("AC_TS_BotBehav", "Behaviours");
    AC_TS_BotChat = page("AC_TS_BotChat", "Chat");
    GB_BotProp->setParent(AC_TS_BotProp);
    GB_BotProp->setGeometry(0, 0, at.width(), at.height());
    GB_BotProp->show();
    GB_BotList->resize(GB_BotList->width(), at.height() + 52);

    QWidget* b = AC_TS_BotBehav;
    struct TSlider {
        QSlider** Slider;
        const char* Name;
        const char* Caption;
        int Min;
        int Max;
        int Step;
        int Slot;
        const char* Hint;
    };
    const TSlider sliders[] = {
        {&AC_reflex, "AC_reflex", "Reflexes", 1, 10, 1, 9, ""},
        {&AC_yawspeed, "AC_yawspeed", "Turn Speed", 1, 380, 10, 23, "Degrees turned per frame"},
        {&AC_accuracy, "AC_accuracy", "Accuracy", 1, 100, 10, 6, ""},
        {&AC_fov, "AC_fov", "Field of View", 1, 180, 10, 8, ""},
        {&AC_distance, "AC_distance", "View Distance", 0, 8192, 128, 7,
         "Maximum distance a bot can see in game units. (0 = unlimited)"},
    };
    int y = 8;
    for (const TSlider& s : sliders) {
        AddLabel(b, QStringLiteral("Lab_") + QString::fromLatin1(s.Name), QString::fromLatin1(s.Caption), 8, y + 4, 100);
        auto* slider = new QSlider(Qt::Horizontal, b);
        slider->setObjectName(QString::fromLatin1(s.Name));
        slider->setRange(s.Min, s.Max);
        slider->setSingleStep(s.Step);
        slider->setPageStep(s.Step);
        slider->setToolTip(QString::fromLatin1(s.Hint));
        slider->setGeometry(110, y, 240, 24);
        const int slot = s.Slot;
        connect(slider, &QSlider::valueChanged, this,
                [this, slot](int v) { SetSlot(slot, QString::number(v)); });
        *s.Slider = slider;
        y += 30;
    }
    AC_candive = AddCheck(b, QStringLiteral("AC_candive"), QStringLiteral("Bot can dive"), 8, y, 160);
    AC_suicidal = AddCheck(b, QStringLiteral("AC_suicidal"), QStringLiteral("Bot tends to be suicidal"), 170, y, 190);
    connect(AC_candive, &QCheckBox::clicked, this, [this](bool on) { SetSlot(5, on ? QStringLiteral("1") : QStringLiteral("0")); });
    connect(AC_suicidal, &QCheckBox::clicked, this, [this](bool on) { SetSlot(3, on ? QStringLiteral("1") : QStringLiteral("0")); });
    y += 28;
    const auto favourite = [&](QComboBox*& combo, const char* name, const char* caption, const QStringList& items, int slot) {
        AddLabel(b, QStringLiteral("Lab_") + QString::fromLatin1(name), QString::fromLatin1(caption), 8, y + 3, 100);
        combo = AddCombo(b, QString::fromLatin1(name), items, 110, y, 240);
        connect(combo, &QComboBox::activated, this, [this, combo, slot] {
            SetSlot(slot, combo->currentText().section(QStringLiteral(" - "), 0, 0));
        });
        y += 26;
    };
    favourite(AC_favweapon, "AC_favweapon", "Weapon", UAction::FavWeaponItems(), 10);
    favourite(AC_favuniqueweapon, "AC_favuniqueweapon", "Unique weapon", UAction::FavUniqueWeaponItems(), 11);
    favourite(AC_favspecial, "AC_favspecial", "Special item", UAction::FavSpecialItems(), 12);

    QWidget* c = AC_TS_BotChat;
    AC_Chat = new QPlainTextEdit(c);
    AC_Chat->setObjectName(QStringLiteral("AC_Chat"));
    AC_Chat->setLineWrapMode(QPlainTextEdit::NoWrap);
    AC_Chat->setTabChangesFocus(true);
    AC_Chat->setGeometry(4, 4, 360, 256);
    connect(AC_Chat, &QPlainTextEdit::textChanged, this, [this] { SetSlot(24, AC_Chat->toPlainText()); });
    B_ResetChat = AddButton(c, QStringLiteral("B_ResetChat"), QStringLiteral("Reset to Default"), 4, 266, 130, 26);
    connect(B_ResetChat, &QPushButton::clicked, this, &TFAction::B_ResetChatClick);
    AC_canchat = AddCheck(c, QStringLiteral("AC_canchat"), QStringLiteral("Bot can chat"), 150, 268, 150);
    connect(AC_canchat, &QCheckBox::clicked, this, [this](bool on) { SetSlot(4, on ? QStringLiteral("1") : QStringLiteral("0")); });
}

void TFAction::AfterBotSection(const TIniFile&, const QString& bot)
{
    const bool ahl = bot == UAction::AhlBot;
    AC_bot_snipe->setVisible(ahl);
    if (!ahl)
        for (QWidget* p : {AC_TS_BotChat, AC_TS_BotBehav}) {
            const int i = AC_PC_Bot->indexOf(p);
            if (i >= 0)
                AC_PC_Bot->removeTab(i);
        }
}

void TFAction::SetSlot(int slot, const QString& value)
{
    if (UInit::LoadingDone != 1 || !ListBot)
        return;
    QVector<TBot>& bots = Logic().Bots();
    const int i = ListBot->currentRow();
    if (i < 0 || i >= bots.size())
        return;
    bots[i][slot] = value;
    Modif_Param();
}

void TFAction::B_ResetChatClick()
{
    // The default chat text is empty: the bot then says nothing of its own.
    AC_Chat->clear();
    SetSlot(24, QString());
    Modif_Param();
}
