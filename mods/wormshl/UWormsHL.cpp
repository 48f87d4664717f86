#include "mods/wormshl/UWormsHL.h"

#include "core/UQOR.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "mods/wormshl/UFWormsHL.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

namespace UWormsHL {

namespace {

TModTraits WormsTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("WormsHL");
    s.Prefix = QStringLiteral("WO");
    s.Title = QStringLiteral("Worms HL");
    s.ShortName = QStringLiteral("Worms");
    s.PageControl = QStringLiteral("PC_WormsHL");
    s.DefaultModel = QString();
    s.DefaultSkill = QStringLiteral("1");
    s.ModeleDefault = QString();
    s.DefaultDll = QStringLiteral("hl.dll");
    // Every player is a worm: no model chooser, no models folder.
    s.HasModelChooser = false;
    s.Models = TModelSource::ModFills;
    s.PlainSkillKey = true;
    // Besides the one name rule, characters the mod's own name handling refuses.
    s.ForbiddenNameChars = QStringLiteral(" \"';*./?\\");
    s.Profile.WindowAtMainCorner = true;
    s.Profile.PictureFolder = QStringLiteral("wormshl\\");
    return s;
}

} // namespace

QString TeamOfPlace(int index)
{
    return index % 10 % 2 == 0 ? QStringLiteral("blue") : QStringLiteral("red");
}

TWormsHL::TWormsHL() : TModLogic(WormsTraits()) {}

TCvarTable TWormsHL::Cvars() const
{
    using namespace ModCvars;
    return {
        Fixed(QStringLiteral("mp_teamlist"), QStringLiteral("Wormsblue;Wormsred")),
        Number(QStringLiteral("mp_tourlimit"), QStringLiteral("WO_tourlimit"), QStringLiteral("25")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("WO_timelimit"), QStringLiteral("0")),
        RadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("WO_fallreal"), QStringLiteral("WO_fallnorm")),
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("WO_friendlyfire"), QStringLiteral("0")),
        Check(QStringLiteral("mp_forcerespawn"), QStringLiteral("WO_forcerespawn"), QStringLiteral("0")),
    };
}

QStringList TWormsHL::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    return {
        LiblistLine(QStringLiteral("game"), QStringLiteral("WormsHL")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.wormshl.com")),
        LiblistLine(QStringLiteral("url_dl"), QStringLiteral("www.wormshl.com")),
        LiblistLine(QStringLiteral("version"), QStringLiteral("Beta 1.3")),
        LiblistLine(QStringLiteral("hlversion"), QStringLiteral("1106")),
        LiblistLine(QStringLiteral("size"), QStringLiteral("41426944")),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("nomodels"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("type"), QStringLiteral("multiplayer_only")),
        LiblistLine(QStringLiteral("mpentity"), QStringLiteral("info_player_deathmatch")),
        ModWriters::GameDllLine(dll),
    };
}

ModWriters::TPlaceholderTable TWormsHL::Placeholders(const QString& skillKey) const
{
    // A missing name is the plain one; a missing model or skill is left empty.
    ModWriters::TPlaceholderTable table = TModLogic::Placeholders(skillKey);
    for (ModWriters::TPlaceholder& p : table)
        if (p.Name == QStringLiteral("<name>"))
            p.Default = QStringLiteral("NewBot");
    return table;
}

QStringList TWormsHL::BotFileHeader(const TBotFileContext& c) const
{
    // No skeleton: the bot lines come first, after Akimbot's rate lines for Akimbot.
    if (c.Section == QStringLiteral("Akimbot"))
        return ModWriters::AkimbotRateLines(c.Store);
    return {};
}

void TWormsHL::ShowBotRecord(const TBot& bot)
{
    TModLogic::ShowBotRecord(bot);
    auto* w = qobject_cast<TFWormsHL*>(Form());
    if (!w || !w->ListBot)
        return;
    const QString team = TeamOfPlace(w->ListBot->currentRow());
    for (QRadioButton* r : {w->WO_TeamBlue, w->WO_TeamRed}) {
        const QSignalBlocker block(r);
        r->setAutoExclusive(false);
        r->setChecked((r == w->WO_TeamBlue) == (team == QStringLiteral("blue")));
        r->setAutoExclusive(true);
    }
    if (w->BotPic) {
        UQOR::ShowModelPicture(w->BotPic, team);
        w->BotPic->show();
    }
}

TWormsHL& Logic()
{
    static TWormsHL logic;
    return logic;
}

} // namespace UWormsHL

void RegisterMod_wormshl() { RegisterModWindow<TFWormsHL>(UWormsHL::Logic(), FWormsHL); }
