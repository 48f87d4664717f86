#include "mods/holywars/UFHolywars.h"

#include "core/UInit.h"
#include "mods/common/GameSettings.h"
#include "mods/holywars/UHolywars.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSlider>

QPointer<TFHolywars> FHolywars;

TFHolywars::TFHolywars(QWidget* owner) : TModWindow(UHolywars::Logic(), owner)
{
    BuildWindow();
}

TFHolywars::~TFHolywars() = default;

void TFHolywars::BuildGamePage(QWidget* p)
{
    QGroupBox* g = GameSettings::Build(*this, p,
                                       {QStringLiteral("friendlyfire"), QStringLiteral("weaponstay"),
                                        QStringLiteral("forcerespawn"), QStringLiteral("footsteps"),
                                        QStringLiteral("flashlight"), QStringLiteral("autocrosshair")},
                                       8, 8, 270, 362);
    HW_Bottarget = AddCheck(g, QStringLiteral("HW_Bottarget"), QStringLiteral("Bots don't target"), 12, 322, 240,
                            QStringLiteral("The bots do not shoot at the players"));

    GB_misc = AddGroup(p, QStringLiteral("GB_misc"), QStringLiteral("Misc Options"), 290, 8, 273, 362);
    QLabel* l = AddLabel(GB_misc, QStringLiteral("Lab_strafe"), QStringLiteral("Strafe"), 12, 32, 130);
    HW_strafe = AddNumber(GB_misc, QStringLiteral("HW_strafe"), 0, 100, 3, 150, 28, 56,
                          QStringLiteral("How often the bots strafe (percent)"));
    QLabel* l2 = AddLabel(GB_misc, QStringLiteral("Lab_logo"), QStringLiteral("Tag"), 12, 66, 130);
    HW_logo = AddNumber(GB_misc, QStringLiteral("HW_logo"), 0, 100, 3, 150, 62, 56,
                        QStringLiteral("How often the bots spray their logo (percent)"));
    QLabel* l3 = AddLabel(GB_misc, QStringLiteral("Lab_Reaction_Time"), QStringLiteral("Reaction Time"), 12, 100, 130);
    HW_Reaction_Time = AddCombo(GB_misc, QStringLiteral("HW_Reaction_Time"),
                                {QStringLiteral("Disabled"), QStringLiteral("Short"), QStringLiteral("Moderate"),
                                 QStringLiteral("Long")},
                                150, 96, 110);
    HW_RestrictedWeaponMode = AddCheck(GB_misc, QStringLiteral("HW_RestrictedWeaponMode"),
                                       QStringLiteral("Restricted Weapon Mode"), 12, 134, 240);
    for (QWidget* w : std::initializer_list<QWidget*>{l, HW_strafe, l2, HW_logo, l3, HW_Reaction_Time,
                                                      HW_RestrictedWeaponMode})
        w->hide();
    // Without a bot store the first save writes the bot program's own defaults.
    HW_strafe->SetText(QStringLiteral("20"));
    HW_logo->SetText(QStringLiteral("40"));
    HW_Reaction_Time->setCurrentIndex(0);
}

void TFHolywars::BuildExtraPages(QTabWidget*)
{
    // Up to 32 bots; the launch keeps the host's slot on a listen server.
    spawnbot->SetRange(1, 32);
    // Both skills count from 1 to the bot program's maximum.
    SkillFromOne();
    HW_random_color = AddCheck(TS_Bots, QStringLiteral("HW_random_color"), QStringLiteral("Random colors"), 200, 8,
                               160);
    HW_random_color->hide();

    const QVector<UHolywars::TTrait>& rows = UHolywars::TraitRows();
    for (int i = 0; i < rows.size(); ++i) {
        const int y = 118 + 38 * i;
        QLabel* caption = AddLabel(GB_BotProp, QStringLiteral("Lab_") + QString::fromLatin1(rows[i].Stem),
                                   QString::fromLatin1(rows[i].Caption), 4, y + 2, 66);
        auto* s = new QSlider(Qt::Horizontal, GB_BotProp);
        s->setObjectName(QStringLiteral("HW_") + QString::fromLatin1(rows[i].Stem));
        s->setRange(1, 10);
        s->setPageStep(1);
        s->setGeometry(72, y, 118, 20);
        QLabel* low = AddLabel(GB_BotProp, QStringLiteral("Lab_low") + QString::number(i), QStringLiteral("Low"),
                               72, y + 20, 30);
        QLabel* high = AddLabel(GB_BotProp, QStringLiteral("Lab_high") + QString::number(i),
                                QStringLiteral("High"), 162, y + 20, 30);
        connect(s, &QSlider::valueChanged, this, [this, i] { TraitChange(i); });
        TraitSliders << s;
        TraitLabels << caption << s << low << high;
    }
    for (QWidget* w : TraitLabels)
        w->hide();

    HW_AlwaysRespond = AddCheck(TS_Chat, QStringLiteral("HW_AlwaysRespond"), QStringLiteral("Always Respond"), 200,
                                306, 160);
    HW_Botchat = AddCheck(TS_Chat, QStringLiteral("HW_Botchat"), QStringLiteral("Bots Chat"), 200, 332, 160);
    HW_AlwaysRespond->hide();
    HW_Botchat->hide();
}

void TFHolywars::TraitChange(int row)
{
    if (UInit::LoadingDone != 1)
        return;
    QVector<TBot>& bots = Logic().Bots();
    const int at = ListBot ? ListBot->currentRow() : -1;
    if (at < 0 || at >= bots.size())
        return;
    bots[at][UHolywars::TraitRows()[row].Slot] = QString::number(TraitSliders[row]->value());
    Modif_Param();
}

void TFHolywars::AfterBotSection(const TIniFile&, const QString& bot)
{
    if (bot == UHolywars::HpbBot) {
        for (const char* name : {"Lab_strafe", "HW_strafe", "Lab_logo", "HW_logo", "Lab_Reaction_Time",
                                 "HW_Reaction_Time"})
            if (QWidget* w = GB_misc->findChild<QWidget*>(QString::fromLatin1(name)))
                w->show();
        HW_random_color->show();
        for (QWidget* w : std::initializer_list<QWidget*>{Chatfreq, chatfreq_kill, Chatfreq_died, Lab_chatfreq,
                                                          Lab_chatkill, Lab_chatdied})
            w->show();
    } else if (bot == UHolywars::Parabot) {
        for (QWidget* w : TraitLabels)
            w->show();
        for (QWidget* w : std::initializer_list<QWidget*>{HW_AlwaysRespond, HW_Botchat, HW_RestrictedWeaponMode,
                                                          Chatfreq, Lab_chatfreq})
            w->show();
        // Parabot takes no skill from the bot file: its traits stand for it.
        for (QWidget* w : std::initializer_list<QWidget*>{LabelDefSkill, defskill, Label13, Label14, Label15,
                                                          Botskill, Label16, Label1, Label65, Label67})
            if (w)
                w->hide();
        if (QWidget* skill = GB_BotProp->findChild<QWidget*>(QStringLiteral("LabelSkill")))
            skill->hide();
    }
}
