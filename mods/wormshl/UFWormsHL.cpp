#include "mods/wormshl/UFWormsHL.h"

#include "mods/wormshl/UWormsHL.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

QPointer<TFWormsHL> FWormsHL;

TFWormsHL::TFWormsHL(QWidget* owner) : TModWindow(UWormsHL::Logic(), owner)
{
    BuildWindow();
}

TFWormsHL::~TFWormsHL() = default;

void TFWormsHL::BuildGamePage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            8, 8, 555, 136);
    AddLabel(g, QStringLiteral("LabelRoundLimit"), QStringLiteral("Round Limit"), 12, 30, 90);
    WO_tourlimit = AddNumber(g, QStringLiteral("WO_tourlimit"), 0, 999, 3, 110, 26, 56,
                             QStringLiteral("Number of seconds to play a round"));
    AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 64, 90);
    WO_timelimit = AddNumber(g, QStringLiteral("WO_timelimit"), 0, 90, 2, 110, 60, 56);

    QGroupBox* fall = AddGroup(g, QStringLiteral("GB_FallDamages"), QStringLiteral("Fall Damages"),
                               210, 20, 150, 80);
    fall->setToolTip(QStringLiteral("Type of damages applied when a player falls"));
    WO_fallnorm = new QRadioButton(QStringLiteral("Normal"), fall);
    WO_fallnorm->setObjectName(QStringLiteral("WO_fallnorm"));
    WO_fallnorm->setGeometry(12, 24, 120, 20);
    WO_fallnorm->setChecked(true);
    WO_fallreal = new QRadioButton(QStringLiteral("Realistic"), fall);
    WO_fallreal->setObjectName(QStringLiteral("WO_fallreal"));
    WO_fallreal->setGeometry(12, 50, 120, 20);
    for (QRadioButton* r : {WO_fallnorm, WO_fallreal})
        connect(r, &QRadioButton::clicked, this, &TModWindow::OnChange);

    WO_friendlyfire = AddCheck(g, QStringLiteral("WO_friendlyfire"), QStringLiteral("Friendly Fire"),
                               390, 30, 150, QStringLiteral("Allows firing to teammates"));
    WO_forcerespawn = AddCheck(g, QStringLiteral("WO_forcerespawn"), QStringLiteral("Force Respawn"),
                               390, 64, 150,
                               QStringLiteral("Forces a player to respawn immediatly when killed"));
}

void TFWormsHL::BuildExtraPages(QTabWidget*)
{
    spawnbot->SetRange(1, 32);
    spawnbot->setToolTip(QStringLiteral("Number of bots to spawn in the game."));
    // No "Default" skill: both sliders start at 1.
    SkillFromOne();

    auto* frame = new QFrame(GB_BotProp);
    frame->setObjectName(QStringLiteral("PanelBotPic"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(196, 20, 161, 204);
    BotPic = new QLabel(frame);
    BotPic->setObjectName(QStringLiteral("WO_BotPic"));
    BotPic->setGeometry(2, 2, 157, 200);
    BotPic->setScaledContents(true);
    BotPic->hide();

    AddLabel(GB_BotProp, QStringLiteral("LabelTeam"), QStringLiteral("Team"), 10, 66, 45);
    WO_TeamBlue = new QRadioButton(QStringLiteral("Blue"), GB_BotProp);
    WO_TeamBlue->setObjectName(QStringLiteral("WO_TeamBlue"));
    WO_TeamBlue->setGeometry(60, 64, 120, 20);
    WO_TeamRed = new QRadioButton(QStringLiteral("Red"), GB_BotProp);
    WO_TeamRed->setObjectName(QStringLiteral("WO_TeamRed"));
    WO_TeamRed->setGeometry(60, 88, 120, 20);
    WO_TeamBlue->setEnabled(false);
    WO_TeamRed->setEnabled(false);

    // A moved bot shows the team of its new place.
    connect(SBUpBot, &QToolButton::clicked, this, [this] { Logic().ShowBot(); });
    connect(SBDownBot, &QToolButton::clicked, this, [this] { Logic().ShowBot(); });
}
