#include "mods/judgement/UFJudgement.h"

#include "core/UInit.h"
#include "mods/judgement/UJudgement.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

QPointer<TFJudgement> FJudgement;

TFJudgement::TFJudgement(QWidget* owner) : TModWindow(UJudgement::Logic(), owner)
{
    BuildWindow();
}

TFJudgement::~TFJudgement() = default;

void TFJudgement::BuildGamePage(QWidget* page)
{
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_GameSettings"), QStringLiteral("Game Settings"),
                            8, 8, 555, 170);
    AddLabel(g, QStringLiteral("LabelTimeLimit"), QStringLiteral("Time Limit"), 12, 30, 90);
    JM_timelimit = AddNumber(g, QStringLiteral("JM_timelimit"), 0, 90, 2, 110, 26, 56,
                             QStringLiteral("Maximum time before changing map (0 = infinite)"));
    AddLabel(g, QStringLiteral("LabelFragLimit"), QStringLiteral("Frag Limit"), 12, 64, 90);
    JM_fraglimit = AddNumber(g, QStringLiteral("JM_fraglimit"), 0, 999, 3, 110, 60, 56,
                             QStringLiteral("Maximum Frag points before changing map (0 = infinite)"));

    const QString fallHint = QStringLiteral("Type of damages applied when a player falls");
    QGroupBox* fall = AddGroup(g, QStringLiteral("GB_FallDamages"), QStringLiteral("Fall Damages"),
                               12, 94, 180, 64);
    fall->setToolTip(fallHint);
    JM_fallnorm = AddRadio(fall, QStringLiteral("JM_fallnorm"), QStringLiteral("Normal"), 10, 20, 150, fallHint);
    JM_fallreal = AddRadio(fall, QStringLiteral("JM_fallreal"), QStringLiteral("Realistic"), 10, 40, 150, fallHint);
    JM_fallnorm->setChecked(true);

    JM_footsteps = AddCheck(g, QStringLiteral("JM_footsteps"), QStringLiteral("Footsteps"), 240, 30, 150,
                            QStringLiteral("Allows footsteps sounds"));
    JM_autocrosshair = AddCheck(g, QStringLiteral("JM_autocrosshair"), QStringLiteral("AutoCrossHair"),
                                240, 64, 150, QStringLiteral("Allows auto-aiming crosshair"));
    JM_forcerespawn = AddCheck(g, QStringLiteral("JM_forcerespawn"), QStringLiteral("Force Respawn"),
                               240, 98, 150,
                               QStringLiteral("Forces a player to respawn immediatly when killed"));
    JM_WeaponStay = AddCheck(g, QStringLiteral("JM_WeaponStay"), QStringLiteral("Weapons Stay"), 400, 30, 140);
    JM_mostwanted = AddCheck(g, QStringLiteral("JM_mostwanted"), QStringLiteral("Most Wanted"), 400, 64, 140);
    JM_footsteps->setChecked(true);
    JM_autocrosshair->setChecked(true);
}

void TFJudgement::BuildExtraPages(QTabWidget*)
{
    // Connected after the template's own model handlers, so the model is stored first.
    connect(SpeedButton13, &QToolButton::clicked, this, &TFJudgement::NameAfterModel);
    connect(SpeedButton14, &QToolButton::clicked, this, &TFJudgement::NameAfterModel);
    connect(botmodel, &QComboBox::activated, this, &TFJudgement::NameAfterModel);
}

void TFJudgement::NameAfterModel()
{
    if (!UJudgement::OwnBot() || UInit::LoadingDone != 1 || botmodel->currentText().isEmpty())
        return;
    const int i = ListBot->currentRow();
    if (i < 0 || i >= Logic().Bots().size())
        return;
    botname->setText(botmodel->currentText());
    botnameChange();
}

void TFJudgement::AfterBotSection(const TIniFile&, const QString&)
{
    if (!UJudgement::OwnBot())
        return;
    // The mod's own bot takes no skill, and its name is its model's.
    const QStringList skillParts{QStringLiteral("LabelDefSkill"), QStringLiteral("Label13"),
                                 QStringLiteral("Label14"),       QStringLiteral("Label15"),
                                 QStringLiteral("LabelSkill"),    QStringLiteral("Label16"),
                                 QStringLiteral("Label1"),        QStringLiteral("Label65"),
                                 QStringLiteral("Label67")};
    for (const QString& name : skillParts)
        if (QWidget* w = findChild<QWidget*>(name))
            w->hide();
    defskill->hide();
    Botskill->hide();
    botname->setEnabled(false);
}
