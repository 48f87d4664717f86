#include "mods/dmc/UFDMC.h"

#include "core/UInit.h"
#include "mods/common/BotProperties.h"
#include "mods/dmc/UDMC.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QTabWidget>

QPointer<TFDMC> FDMC;

namespace {

// What each bot program shows beyond the design state, in order.
struct TBotLayoutRow {
    QStringList Bots;
    QStringList Show;
    QStringList Hide;
};

const QStringList kChatRates{QStringLiteral("DMC_Chatfreq"), QStringLiteral("Lab_chatfreq"),
                             QStringLiteral("DMC_chatfreq_kill"), QStringLiteral("Lab_chatkill"),
                             QStringLiteral("DMC_Chatfreq_died"), QStringLiteral("Lab_chatdied")};

QVector<TBotLayoutRow> BotLayout()
{
    return {
        {{QStringLiteral("HPB Bot")},
         kChatRates + QStringList{QStringLiteral("DMC_strafe"), QStringLiteral("Lab_strafe"), QStringLiteral("DMC_logo"),
                                  QStringLiteral("Lab_logo"), QStringLiteral("Lab_Reaction_Time"),
                                  QStringLiteral("DMC_Reaction_Time"), QStringLiteral("DMC_random_color")},
         {}},
        {{QStringLiteral("Parabot")},
         {QStringLiteral("DMC_AlwaysRespond"), QStringLiteral("DMC_Chatfreq"), QStringLiteral("Lab_chatfreq"),
          QStringLiteral("DMC_RestrictedWeaponMode"), QStringLiteral("DMC_botchat")},
         {QStringLiteral("DMC_defskill"), QStringLiteral("LabelDefSkill"), QStringLiteral("Label13"),
          QStringLiteral("Label14"), QStringLiteral("Label15"), QStringLiteral("DMC_Botskill"),
          QStringLiteral("LabelSkill"), QStringLiteral("Label16"), QStringLiteral("Label1"), QStringLiteral("Label65"),
          QStringLiteral("Label67")}},
        {{QStringLiteral("RCBot")},
         {QStringLiteral("DMC_allow_spammers"), QStringLiteral("DMC_spammer_percent"), QStringLiteral("DMC_use_astar"),
          QStringLiteral("DMC_matrixmode"), QStringLiteral("DMC_Chatfreq"), QStringLiteral("Lab_chatfreq")},
         {}},
    };
}

} // namespace

TFDMC::TFDMC(QWidget* owner) : TModWindow(UDMC::Logic(), owner)
{
    BuildWindow();
}

TFDMC::~TFDMC() = default;

void TFDMC::BuildGamePage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"), 8, 6, 555, 112);
    AddLabel(g, QStringLiteral("Lab_fraglimit"), QStringLiteral("Frag Limit"), 12, 30, 76);
    AddNumber(g, QStringLiteral("DMC_fraglimit"), 0, 999, 3, 90, 26, 56,
              QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("Lab_timelimit"), QStringLiteral("Time Limit"), 12, 62, 76);
    AddNumber(g, QStringLiteral("DMC_timelimit"), 0, 90, 2, 90, 58, 56,
              QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddCheck(g, QStringLiteral("DMC_weaponstay"), QStringLiteral("Weapons Stay"), 220, 24, 150);
    AddCheck(g, QStringLiteral("DMC_forcerespawn"), QStringLiteral("Force Respawn"), 220, 50, 150);
    AddCheck(g, QStringLiteral("DMC_footsteps"), QStringLiteral("Footsteps"), 220, 76, 150);

    QGroupBox* m = AddGroup(page, QStringLiteral("GB_MiscOptions"), QStringLiteral("Misc Options"), 8, 124, 555, 242);
    // Each starts at the value a store without its key reads, so a first save writes that.
    auto slider = [this, m](const QString& name, int value, int x, int y, int w, const QString& hint) {
        auto* s = new QSlider(Qt::Horizontal, m);
        s->setObjectName(name);
        s->setRange(0, 100);
        s->setPageStep(10);
        s->setTickInterval(10);
        s->setTickPosition(QSlider::TicksBelow);
        s->setGeometry(x, y, w, 24);
        s->setToolTip(hint);
        s->setValue(value);
        connect(s, &QSlider::valueChanged, this, [this] {
            if (UInit::LoadingDone == 1)
                OnChange();
        });
        s->hide();
        return s;
    };
    AddLabel(m, QStringLiteral("Lab_strafe"), QStringLiteral("Strafe :    Low                                 High"), 12, 96, 270)->hide();
    slider(QStringLiteral("DMC_strafe"), 20, 12, 114, 250, QString());
    AddLabel(m, QStringLiteral("Lab_logo"), QStringLiteral("Tag :     Never                                Always "), 12, 146, 270)->hide();
    slider(QStringLiteral("DMC_logo"), 40, 12, 164, 250, QString());
    AddLabel(m, QStringLiteral("Lab_Reaction_Time"), QStringLiteral("Reaction Time"), 290, 26, 96)->hide();
    AddCombo(m, QStringLiteral("DMC_Reaction_Time"),
             {QStringLiteral("Disabled"), QStringLiteral("Short"), QStringLiteral("Moderate"), QStringLiteral("Long")},
             390, 22, 120)->hide();
    AddCheck(m, QStringLiteral("DMC_random_color"), QStringLiteral("Random colors"), 290, 52, 200)->hide();
    // Parabot's switches take the place of the default skill it does not show.
    AddCheck(m, QStringLiteral("DMC_AlwaysRespond"), QStringLiteral("Always Respond"), 12, 26, 200)->hide();
    AddCheck(m, QStringLiteral("DMC_RestrictedWeaponMode"), QStringLiteral("Restricted Weapon Mode"), 12, 52, 240)->hide();
    AddCheck(m, QStringLiteral("DMC_botchat"), QStringLiteral("Bots chat"), 12, 78, 200)->hide();
    AddCheck(m, QStringLiteral("DMC_allow_spammers"), QStringLiteral("Allow spammers :"), 12, 96, 140)->hide();
    slider(QStringLiteral("DMC_spammer_percent"), 10, 156, 94, 200, QStringLiteral("Percent of spammer bots"));
    QCheckBox* astar = AddCheck(m, QStringLiteral("DMC_use_astar"), QStringLiteral("Use A* pathfinding (may induce lags)"), 12, 130, 320);
    astar->setChecked(true);
    astar->hide();
    AddCheck(m, QStringLiteral("DMC_matrixmode"), QStringLiteral("Matrix mode"), 12, 156, 200)->hide();
}

void TFDMC::BuildExtraPages(QTabWidget*)
{
    // The default skill sits with the bot programs' options.
    if (auto* m = findChild<QGroupBox*>(QStringLiteral("GB_MiscOptions"))) {
        const std::tuple<QWidget*, int, int, int> moves[] = {
            {LabelDefSkill, 12, 22, 200}, {defskill, 12, 40, 200}, {Label13, 10, 64, 50},
            {Label14, 92, 64, 60},        {Label15, 180, 64, 50}};
        for (const auto& [w, x, y, width] : moves) {
            w->setParent(m);
            w->setGeometry(x, y, width, w->height());
            w->show();
        }
    }
    Label65->resize(60, Label65->height());
    BotTabs = new TBotPropertyTabs(*this, UDMC::SliderRows());
}

void TFDMC::AfterBotSection(const TIniFile&, const QString& section)
{
    // The default skill reads from good to bad whatever the bot program counts.
    Label13->setText(QStringLiteral("Good"));
    Label15->setText(QStringLiteral("Bad"));
    if (UDMC::Logic().MaxSkill() > 10)
        for (QSlider* s : {defskill, Botskill})
            s->setTickPosition(QSlider::NoTicks);
    for (const TBotLayoutRow& row : BotLayout()) {
        if (!row.Bots.contains(section))
            continue;
        for (const QString& name : row.Show)
            if (QWidget* w = ControlWidget(name))
                w->show();
        for (const QString& name : row.Hide)
            if (QWidget* w = ControlWidget(name))
                w->hide();
    }
    const bool rho = section == QStringLiteral("Rho-DMC");
    BotTabs->ShowPages(rho || section == QStringLiteral("Parabot"), rho);
    if (rho)
        LabelDefSkill->setText(QStringLiteral("Difficulty level"));
    if (section == QStringLiteral("RCBot"))
        Lab_chatfreq->setText(QStringLiteral("          Chat frequency\nNever                          Always"));
}
