#include "mods/esforces/UESForces.h"

#include "mods/common/GameSettings.h"
#include "mods/common/ModWriters.h"
#include "mods/esforces/UFESForces.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace UESForces {

namespace {

TModTraits ESForcesTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("ESForces");
    s.Prefix = QStringLiteral("ES");
    s.Title = QStringLiteral("Earth Special Forces");
    s.ActiveTitle = QStringLiteral("Earth's Special Forces");
    s.ShortName = QStringLiteral("ESF");
    s.DefaultModel = QStringLiteral("goku");
    s.DefaultDll = QStringLiteral("hl.dll");
    s.ForbiddenNameChars = QStringLiteral("<>");   // besides the one name rule
    s.Models = TModelSource::OwnFolder;
    s.Profile.PictureFolder = QStringLiteral("ESForces\\");
    return s;
}

} // namespace

const QStringList& GameModeItems()
{
    static const QStringList items{QStringLiteral("Free fighting"), QStringLiteral("Team mode"),
                                   QStringLiteral("Capture the Dragonballs")};
    return items;
}

TESForces::TESForces() : TModLogic(ESForcesTraits()) {}

TCvarTable TESForces::Cvars() const
{
    auto row = [](const char* cvar) { return GameSettings::Row(QStringLiteral("ES"), QString::fromLatin1(cvar)); };
    TCvarRow mode = ModCvars::Index(QStringLiteral("mp_gamemode"), QStringLiteral("ES_gamemode"), {},
                                    QStringLiteral("0"));
    mode.Read = TCvarRead::Own;
    // A position outside the list (or no number at all) reads as the first mode, so the file
    // never gets "-1" back.
    mode.ReadRule = [](TModWindow& w, const QString& value) {
        auto* c = w.Control<QComboBox>(QStringLiteral("ES_gamemode"));
        if (!c)
            return;
        bool ok = false;
        const int v = ModCvars::CutDecimals(value).trimmed().toInt(&ok);
        const QSignalBlocker block(c);
        c->setCurrentIndex(ok && v >= 0 && v < c->count() ? v : 0);
    };
    return {
        ModCvars::Fixed(QStringLiteral("mp_teamlist"), QString()),
        mode,
        row("mp_fraglimit"),
        row("mp_timelimit"),
        row("mp_falldamage"),
        ModCvars::Fixed(QStringLiteral("mp_teamplay"), QStringLiteral("0")),
        row("mp_friendlyfire"),
        row("mp_forcerespawn"),
        row("mp_footsteps"),
        row("mp_autocrosshair"),
        ModCvars::Fixed(QStringLiteral("mp_weaponstay"), QStringLiteral("0")),
        ModCvars::Fixed(QStringLiteral("mp_flashlight"), QStringLiteral("0")),
    };
}

QStringList TESForces::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    return {
        QStringLiteral("//  ESForce Game Info file"),
        LiblistLine(QStringLiteral("game"), QStringLiteral("Earth`s Special Forces")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.planethalflife.com/esforces")),
        QStringLiteral("url_dl   \"www.planethalflife.com/esforces/download\""),
        LiblistLine(QStringLiteral("version"), QStringLiteral("12-5-2001")),
        LiblistLine(QStringLiteral("size"), QStringLiteral("2087428")),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("type"), QStringLiteral("multiplayer_only")),
        LiblistLine(QStringLiteral("nomodels"), QStringLiteral("1")),
        ModWriters::GameDllLine(dll),
    };
}

TESForces& Logic()
{
    static TESForces logic;
    return logic;
}

} // namespace UESForces

void RegisterMod_esforces() { RegisterModWindow<TFESForces>(UESForces::Logic(), FESForces); }
