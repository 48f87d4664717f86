#include "mods/opera/UOpera.h"

#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "mods/opera/UFOpera.h"

namespace UOpera {

namespace {

TModTraits OperaTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Opera");
    s.Prefix = QStringLiteral("OP");
    s.Title = QStringLiteral("The Opera");
    s.ShortName = QStringLiteral("Opera");
    s.PageControl = QStringLiteral("PC_Opera");
    s.DefaultModel = QStringLiteral("bobby");
    s.DefaultSkill = QStringLiteral("1");
    s.ModeleDefault = QStringLiteral("1");
    s.DefaultDll = QStringLiteral("opera.dll");
    return s;
}

} // namespace

const QStringList& GameModeValues()
{
    static const QStringList values{QStringLiteral("0"),  QStringLiteral("1"),  QStringLiteral("2"),
                                    QStringLiteral("3"),  QStringLiteral("10"), QStringLiteral("13"),
                                    QStringLiteral("14")};
    return values;
}

const QStringList& GameModeItems()
{
    static const QStringList items{QStringLiteral("Deathmatch"),       QStringLiteral("Last Man Standing"),
                                   QStringLiteral("LMS - 2 Players"),  QStringLiteral("LMS - 3 Players"),
                                   QStringLiteral("Dueling Berettas"), QStringLiteral("Random"),
                                   QStringLiteral("Map Default")};
    return items;
}

TOpera::TOpera() : TModLogic(OperaTraits()) {}

TCvarTable TOpera::Cvars() const
{
    using namespace ModCvars;
    return {
        // The chooser's value is written bare; a read "0.0" (or "10.00000") is cut at the ".".
        Index(QStringLiteral("mp_gamemode"), QStringLiteral("OP_gamemode"), GameModeValues(),
              QStringLiteral("0")),
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("OP_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("OP_timelimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_roundduration"), QStringLiteral("OP_roundduration"), QStringLiteral("0")),
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("OP_friendlyfire")),
        Check(QStringLiteral("sv_killcount"), QStringLiteral("OP_killcount")),
        Check(QStringLiteral("sv_wpn_knife_combat"), QStringLiteral("OP_knife_combat")),
        Check(QStringLiteral("sv_wpn_knife_throwing"), QStringLiteral("OP_knife_throwing")),
        Check(QStringLiteral("sv_wpn_pistols"), QStringLiteral("OP_pistols")),
        Check(QStringLiteral("sv_wpn_smgs"), QStringLiteral("OP_smgs")),
        Check(QStringLiteral("sv_wpn_long"), QStringLiteral("OP_long")),
        Check(QStringLiteral("sv_wpn_panic"), QStringLiteral("OP_panic")),
    };
}

QStringList TOpera::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    return {
        LiblistLine(QStringLiteral("gamedir"), QStringLiteral("opera")),
        LiblistLine(QStringLiteral("game"), QStringLiteral("Opera")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.planethalflife.com/opera")),
        LiblistLine(QStringLiteral("url_dl"), QString()),
        LiblistLine(QStringLiteral("startmap"), QStringLiteral("op_lms_chrest")),
        LiblistLine(QStringLiteral("trainmap"), QString()),
        LiblistLine(QStringLiteral("version"), QStringLiteral("v1.0")),
        LiblistLine(QStringLiteral("size"), QStringLiteral("100000000")),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("hlversion"), QStringLiteral("1100")),
        LiblistLine(QStringLiteral("type"), QStringLiteral("multiplayer_only")),
        LiblistLine(QStringLiteral("nomodels"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("mpentity"), QStringLiteral("info_player_deathmatch")),
        ModWriters::GameDllLine(dll),
        LiblistLine(QStringLiteral("gamedll_linux"), QStringLiteral("dlls/opera_i386.so")),
    };
}

TOpera& Logic()
{
    static TOpera logic;
    return logic;
}

void Register()
{
    RegisterModWindow<TFOpera>(Logic(), FOpera);
}

} // namespace UOpera

void RegisterMod_opera() { UOpera::Register(); }
