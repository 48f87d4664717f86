#include "mods/svinstagib/UFSVInstaGib.h"

#include "core/UInit.h"
#include "mods/common/GameSettings.h"
#include "mods/svinstagib/USVInstaGib.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>

QPointer<TFSVInstaGib> FSVInstaGib;

TFSVInstaGib::TFSVInstaGib(QWidget* owner) : TModWindow(USVInstaGib::Logic(), owner)
{
    BuildWindow();
    GameSettings::UseTeamModButtonNames(*this);
}

TFSVInstaGib::~TFSVInstaGib() = default;

void TFSVInstaGib::BuildGamePage(QWidget* page)
{
    const GameSettings::TTeamPage t = GameSettings::BuildTeamPage(
        *this, page, 9,
        {QStringLiteral("friendlyfire"), QStringLiteral("forcerespawn"), QStringLiteral("footsteps"),
         QStringLiteral("flashlight"), QStringLiteral("autocrosshair")},
        244, 24);
    // The weapon switches beside and under the game switches.
    QGroupBox* s = t.Settings;
    SV_hook = AddCheck(s, QStringLiteral("SV_hook"), QStringLiteral("Grappling hook"), 146, 118, 130);
    SV_headshotpoints = AddCheck(s, QStringLiteral("SV_headshotpoints"), QStringLiteral("Headshot Points"),
                                 146, 142, 130, QStringLiteral("Extra points for headshots"));
    SV_funny = AddCheck(s, QStringLiteral("SV_funny"), QStringLiteral("Funny mode"), 146, 166, 130);
    SV_shootthroughwalls = AddCheck(s, QStringLiteral("SV_shootthroughwalls"),
                                    QStringLiteral("Shoot Through Wall"), 12, 238, 200);
    QGroupBox* g = AddGroup(page, QStringLiteral("GB_InstaGib"), QString(), 296, 256, 270, 112);
    AddLabel(g, QStringLiteral("LabelNextShot"), QStringLiteral("Next Shoot"), 10, 26, 72);
    SV_nextshot = new QLineEdit(g);
    SV_nextshot->setObjectName(QStringLiteral("SV_nextshot"));
    SV_nextshot->setToolTip(QStringLiteral("Time before next shot (in seconds)"));
    SV_nextshot->setGeometry(84, 22, 44, 22);
    // A quote would end the value in game.cfg: it never enters (typed or pasted).
    SV_nextshot->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), SV_nextshot));
    connect(SV_nextshot, &QLineEdit::textEdited, this, &TModWindow::OnChange);

    AddLabel(g, QStringLiteral("LabelBeamColor"), QStringLiteral("Beam Color"), 136, 26, 72);
    SV_beamcolor = new QFrame(g);
    SV_beamcolor->setObjectName(QStringLiteral("SV_beamcolor"));
    SV_beamcolor->setToolTip(QStringLiteral("Double-click to change the color of the beam"));
    SV_beamcolor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SV_beamcolor->setAutoFillBackground(true);
    SV_beamcolor->setGeometry(210, 22, 50, 22);
    SV_beamcolor->installEventFilter(this);

    AddLabel(g, QStringLiteral("LabelSecondAttack"), QStringLiteral("2nd Attack"), 10, 64, 72);
    SV_sa = AddCombo(g, QStringLiteral("SV_sa"), USVInstaGib::SecondAttackItems(), 84, 60, 110);
    SV_sa->setEditable(true);
    SV_sa->setInsertPolicy(QComboBox::NoInsert);
    SV_sa->setCurrentIndex(-1);
    // Typing a choice is an edit too.
    connect(SV_sa, &QComboBox::editTextChanged, this, [this] {
        if (UInit::LoadingDone == 1)
            OnChange();
    });

    auto channel = [&](const char* name) {
        auto* s = new QSlider(Qt::Horizontal, g);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(0, 255);
        s->hide();
        s->setEnabled(false);
        connect(s, &QSlider::valueChanged, this, &TFSVInstaGib::Change_Color);
        return s;
    };
    SV_gaussr = channel("SV_gaussr");
    SV_gaussg = channel("SV_gaussg");
    SV_gaussb = channel("SV_gaussb");
    PaintBeam();
}

QColor TFSVInstaGib::BeamColor() const
{
    return SV_beamcolor->palette().color(QPalette::Window);
}

QString TFSVInstaGib::BeamColorText() const
{
    const QColor c = BeamColor();
    return QStringLiteral("$00%1%2%3")
        .arg(c.blue(), 2, 16, QLatin1Char('0'))
        .arg(c.green(), 2, 16, QLatin1Char('0'))
        .arg(c.red(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

void TFSVInstaGib::PaintBeam()
{
    QPalette p = SV_beamcolor->palette();
    p.setColor(QPalette::Window, QColor(SV_gaussr->value(), SV_gaussg->value(), SV_gaussb->value()));
    SV_beamcolor->setPalette(p);
}

void TFSVInstaGib::Change_Color()
{
    PaintBeam();
    Modif_Param();
}

void TFSVInstaGib::SV_beamcolorDblClick()
{
    QColor color = BeamColor();
    if (Dialogs::SelectColor(color, this)) {
        QPalette p = SV_beamcolor->palette();
        p.setColor(QPalette::Window, color);
        SV_beamcolor->setPalette(p);
    }
    Modif_Param();
    // The channels follow the swatch, whatever the answer; each that moves repaints it.
    const QColor shown = BeamColor();
    SV_gaussr->setValue(shown.red());
    SV_gaussg->setValue(shown.green());
    SV_gaussb->setValue(shown.blue());
}

bool TFSVInstaGib::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == SV_beamcolor && e->type() == QEvent::MouseButtonDblClick) {
        SV_beamcolorDblClick();
        return true;
    }
    return TModWindow::eventFilter(watched, e);
}
