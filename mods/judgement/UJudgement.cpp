#include "mods/judgement/UJudgement.h"

#include "core/UInit.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "mods/judgement/UFJudgement.h"

namespace UJudgement {

namespace {

TModTraits JudgementTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Judgedm");
    s.Prefix = QStringLiteral("JM");
    s.Title = QStringLiteral("Judgement");
    s.ShortName = QStringLiteral("Judgement");
    s.PageControl = QStringLiteral("PC_Judgement");
    s.DefaultModel = QStringLiteral("Dredd");
    s.DefaultSkill = QStringLiteral("1");
    s.ModeleDefault = QStringLiteral("1");
    s.DefaultDll = QStringLiteral("hl.dll");
    s.ForbiddenNameChars = QStringLiteral(" \"'<>;");
    s.MaxSkillDefault = QStringLiteral("1");
    s.HasChatPage = false;
    s.ChatKeys = false;
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.Models = TModelSource::OwnFolder;
    s.Profile.PictureFolder = QStringLiteral("Judgedm\\");
    return s;
}

} // namespace

bool OwnBot()
{
    return UInit::SelectedBot == QStringLiteral("Judgement");
}

TJudgement::TJudgement() : TModLogic(JudgementTraits()) {}

TCvarTable TJudgement::Cvars() const
{
    using namespace ModCvars;
    return {
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("JM_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("JM_timelimit"), QStringLiteral("0")),
        // The defaults leave the fall damage as it is.
        KeptRadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("JM_fallreal"),
                      QStringLiteral("JM_fallnorm")),
        Check(QStringLiteral("mp_weaponstay"), QStringLiteral("JM_WeaponStay"), QStringLiteral("0")),
        Check(QStringLiteral("mp_forcerespawn"), QStringLiteral("JM_forcerespawn"), QStringLiteral("0")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("JM_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("mp_autocrosshair"), QStringLiteral("JM_autocrosshair"), QStringLiteral("1")),
        Check(QStringLiteral("mp_mostwanted"), QStringLiteral("JM_mostwanted"), QStringLiteral("0")),
    };
}

QStringList TJudgement::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    return {
        LiblistLine(QStringLiteral("game"), QStringLiteral("Judgement")),
        LiblistLine(QStringLiteral("version"), QStringLiteral("1.1")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.judgementmod.com")),
        LiblistLine(QStringLiteral("url_dl"), QStringLiteral("www.judgementmod.com/download")),
        LiblistLine(QStringLiteral("date"), QStringLiteral("August 18, 2001")),
        LiblistLine(QStringLiteral("size"), QStringLiteral("12913904")),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("hlversion"), QStringLiteral("1107")),
        LiblistLine(QStringLiteral("type"), QStringLiteral("multiplayer_only")),
        LiblistLine(QStringLiteral("nomodels"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("mpentity"), QStringLiteral("info_player_deathmatch")),
        ModWriters::GameDllLine(dll),
        LiblistLine(QStringLiteral("gamedll_linux"), QStringLiteral("dlls/judge_i386.so")),
    };
}

TBot TJudgement::NewBot(bool random)
{
    TBot bot = TModLogic::NewBot(random);
    if (!random)
        bot[0] = QStringLiteral("Dredd");
    else if (OwnBot())
        bot[0] = bot[1];   // the mod's own bots are named after their model
    return bot;
}

TJudgement& Logic()
{
    static TJudgement logic;
    return logic;
}

} // namespace UJudgement

void RegisterMod_judgement() { RegisterModWindow<TFJudgement>(UJudgement::Logic(), FJudgement); }
