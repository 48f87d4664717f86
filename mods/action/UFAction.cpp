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
    QGroupBox* g = GameSettings::Build(*this, page,
                                       {QStringLiteral("friendlyfire"), QStringLiteral("weaponstay"),
                                        QStringLiteral("forcerespawn"), QStringLiteral("footsteps"),
                                        QStringLiteral("flashlight"), QStringLiteral("autocrosshair")},
                                       8, 70, 280, 296);
    AddLabel(g, QStringLiteral("LabelRoundLimit"), QStringLiteral("Round Limit"), 12, 266, 90);
    AC_roundtimelimit = AddNumber(g, QStringLiteral("AC_roundtimelimit"), 0, 90, 2, 110, 262, 56,
                                  QStringLiteral("Maximum time of a round (0 = infinite)"));

    QGroupBox* m = AddGroup(page, QStringLiteral("GB_Rules"), QStringLiteral("Rules"), 296, 8, 267, 200);
    AddLabel(m, QStringLiteral("LabelGore"), QStringLiteral("Gore level"), 12, 26, 120);
    AC_Gorelevel = AddCombo(m, QStringLiteral("AC_Gorelevel"), UAction::GoreLevelItems(), 12, 44, 243);
    AddLabel(m, QStringLiteral("LabelTeamkills"), QStringLiteral("Max teamkills"), 12, 84, 120);
    AC_teamkills = AddNumber(m, QStringLiteral("AC_teamkills"), 0, 10, 2, 140, 80, 56);
    AddLabel(m, QStringLiteral("LabelTkDeal"), QStringLiteral("How to deal with TK"), 12, 116, 200);
    AC_tkdeal = AddCombo(m, QStringLiteral("AC_tkdeal"), UAction::TkDealItems(), 12, 134, 243);

    QGroupBox* misc = AddGroup(page, QStringLiteral("GB_misc"), QStringLiteral("Misc options"), 296, 216, 267, 60);
    AC_bot_snipe = AddCheck(misc, QStringLiteral("AC_bot_snipe"), QStringLiteral("Bots snipe"), 12, 26, 200);
    AC_bot_snipe->hide();
}

void TFAction::BuildExtraPages(QTabWidget*)
{
    // No default skill for this mod's bots.
    for (QWidget* w : std::initializer_list<QWidget*>{LabelDefSkill, defskill, Label13, Label14, Label15})
        w->hide();

    // The bot's properties on three pages where the template has its one group.
    const QRect at = GB_BotProp->geometry();
    AC_PC_Bot = new QTabWidget(GB_BotList);
    AC_PC_Bot->setObjectName(QStringLiteral("AC_PC_Bot"));
    AC_PC_Bot->setGeometry(at.x(), at.y(), at.width(), at.height() + 60);
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
    GB_BotProp->setGeometry(0, 0, at.width() - 8, at.height());
    GB_BotProp->show();
    GB_BotList->resize(GB_BotList->width(), at.height() + 66);

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
    AC_Chat->setGeometry(4, 4, 350, 260);
    connect(AC_Chat, &QPlainTextEdit::textChanged, this, [this] { SetSlot(24, AC_Chat->toPlainText()); });
    B_ResetChat = AddButton(c, QStringLiteral("B_ResetChat"), QStringLiteral("Reset to Default"), 4, 272, 130, 26);
    connect(B_ResetChat, &QPushButton::clicked, this, &TFAction::B_ResetChatClick);
    AC_canchat = AddCheck(c, QStringLiteral("AC_canchat"), QStringLiteral("Bot can chat"), 150, 274, 150);
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
