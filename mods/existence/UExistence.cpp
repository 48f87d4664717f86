// Existence's role routines and launch files.
#include "mods/existence/UExistence.h"

#include "core/UQOR.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModWriters.h"
#include "mods/existence/UFExistence.h"
#include "platform/IniFile.h"

#include <QSlider>

namespace UExistence {

const QString Akimbot = QStringLiteral("Akimbot");

namespace {

TModTraits ExistenceTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Existence");
    s.Prefix = QStringLiteral("EX");
    s.Title = QStringLiteral("Existence");
    s.ShortName = QStringLiteral("Existence");
    s.PageControl = QStringLiteral("PC_Existence");
    s.DefaultModel = QStringLiteral("1");
    s.DefaultSkill = QStringLiteral("1");
    s.ModeleDefault = QStringLiteral("0");
    s.DefaultDll = QStringLiteral("Existence.dll");
    s.Models = TModelSource::ClassList;
    s.ClassesPerSide = true;
    s.Profile.PictureFolder = QStringLiteral("Existence\\");
    s.Profile.SidePictures = true;
    // No waypoint marks; with "waypt" set, a map without that waypoint file is not offered.
    s.WaypointKey = QString();
    s.RequiredWaypointKey = QStringLiteral("waypt");
    s.OutsideBotEditor = true;
    s.ExecBind = true;
    // Restore Default starts the map cycle afresh.
    s.DefaultsEmptyMapCycle = true;
    s.Liblist = {.Game = {"Existence", " // Game title"}, .UrlInfo = {"www.existence-mod.com", " // Info URL"},
                 .UrlDl = {"", " // Downloading URL"}, .Version = {"Beta 1.3", " // version of mod"},
                 .Size = {"75000000", " // size of mod"},
                 .SvOnly = {"0", " // server side only mod? (1=yes 0=no)"},
                 .ClDll = {"1", " // client side dll? (1=yes 0=no)"},
                 .HlVersion = {"1017", " // version of halflife"},
                 .Type = {"multiplayer_only", " // type of mod"},
                 .NoModels = {"1", " // game selects player model (1=yes 0=no)"},
                 .MpEntity = "info_player_deathmatch", .GameDllTail = " // file and location of dll"};
    s.TemplateControls = {
        {.Name = "B_BotEditor", .Caption = "Open Teambot Control Centre"},
        {.Name = "LabelModel", .Caption = "Class"},
    };
    return s;
}

TFExistence* Win()
{
    return qobject_cast<TFExistence*>(Logic().Form());
}

} // namespace

QStringList ClassNames(const QString& side)
{
    if (side == QLatin1String("1"))
        return {QStringLiteral("Operator"), QStringLiteral("Captain"), QStringLiteral("Hacker"),
                QStringLiteral("Medic"), QStringLiteral("Gunner"), QStringLiteral("Pilot"),
                QStringLiteral("Runner")};
    if (side == QLatin1String("2"))
        return {QStringLiteral("Agent"), QStringLiteral("Enforcer"), QStringLiteral("Sentinel"),
                QStringLiteral("Hunter"), QStringLiteral("Warden"), QStringLiteral("Marksman"),
                QStringLiteral("Commander")};
    return {};
}

QStringList BotFileLines(const QString& bot, const QString& botTemplate, const TIniFile& store,
                         const QString& maxSkill, const QString& defaultSkill, int spawnBot)
{
    const bool akimbot = bot == Akimbot;
    QStringList lines{QStringLiteral("# ") + botTemplate, QStringLiteral("botskill ") + defaultSkill, QString()};
    if (akimbot)
        lines << ModWriters::AkimbotRateLines(store);

    ModWriters::TPlaceholderTable table{
        {QStringLiteral("<team>"), QStringLiteral("team"), QStringLiteral("5"),
         [akimbot](const QString& stored, int) {
             // Akimbot counts the sides the other way round.
             if (akimbot)
                 return stored.trimmed() == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("1");
             return ModWriters::NumberOr(stored, QStringLiteral("5"));
         }}};
    table += ModWriters::TemplatePlaceholders(QStringLiteral("skill") + maxSkill, QStringLiteral("1"),
                                              QStringLiteral("NewBot"), QStringLiteral("1"));
    for (ModWriters::TPlaceholder& p : table)
        if (p.Name == QLatin1String("<model>"))
            p.Convert = [](const QString& model, int) { return ModWriters::NumberOr(model, QStringLiteral("1")); };
    ModWriters::TFillOptions options;
    options.CrBreak = true;

    QString heldBack;
    bool held = false;
    for (int i = 1; i <= spawnBot; ++i) {
        QStringList entry = ModWriters::FillTemplate(botTemplate, table, store, i, options);
        QString line = entry.takeLast();
        lines << entry;
        if (akimbot && !held) {
            const QString section = QStringLiteral("Bot ") + QString::number(i);
            const QString side = table[0].Convert(store.ReadString(section, QStringLiteral("team"), QStringLiteral("5")), i);
            const QString model = ModWriters::NumberOr(store.ReadString(section, QStringLiteral("modele"), QStringLiteral("1")),
                                                       QStringLiteral("1"));
            // One Agent of the second class joins last, on the mod's third side.
            if (side == QLatin1String("2") && model == QLatin1String("2")) {
                heldBack = QStringLiteral("addbot 3") + line.mid(8);
                held = true;
                line.clear();
            }
        }
        lines << line << QStringLiteral("Pause 2");
    }
    if (akimbot)
        lines << QStringLiteral("Pause 10") << heldBack << ModWriters::AkimbotLastLine();
    return lines;
}

TExistence::TExistence() : TModLogic(ExistenceTraits()) {}

TCvarTable TExistence::Cvars() const
{
    using namespace ModCvars;
    return {
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("EX_timelimit"), QStringLiteral("0")),
        // The round and jail timers keep their values on Restore Default.
        Number(QStringLiteral("mp_restarttime"), QStringLiteral("EX_restarttime")),
        Number(QStringLiteral("mp_jailtime"), QStringLiteral("EX_Jailtime")),
        RadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("EX_fallreal"), QStringLiteral("EX_fallnorm")),
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("EX_friendlyfire"), QStringLiteral("0")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("EX_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("mp_flashlight"), QStringLiteral("EX_flashlight"), QStringLiteral("1")),
        Check(QStringLiteral("mp_autocrosshair"), QStringLiteral("EX_autocrosshair"), QStringLiteral("1")),
    };
}

QStringList TExistence::BotFileLines(const TBotFileContext& c) const
{
    return UExistence::BotFileLines(c.Section, c.Template, c.Store, c.MaxSkill, c.DefaultSkill, c.SpawnBot);
}

TStoreTable TExistence::BotStoreRows() const
{
    using namespace ModStore;
    // A side other than Rebels or Agents, or a class outside the seven, reads as "0": no side
    // ticked, no class shown.
    return {ListSlot(QStringLiteral("team"), 3, QStringLiteral("0"), 1, 2),
            ListSlot(QStringLiteral("modele"), 1, QStringLiteral("0"), 1, 7)};
}

void TExistence::LoadModDefaults()
{
    if (TFExistence* w = Win())
        ModControls::SetSlider(w->defskill, 1);
}

void TExistence::ClearBotFields()
{
    TModLogic::ClearBotFields();
    if (TModWindow* w = Form())
        ModControls::SetSlider(w->Botskill, 1);
}

TBot TExistence::NewBot(bool random)
{
    TBot bot;
    TModWindow* w = Form();
    if (!random || !w) {
        bot[0] = QStringLiteral("NewBot");
        bot[1] = QStringLiteral("1");
        bot[2] = QStringLiteral("1");
        bot[3] = QStringLiteral("1");
        return bot;
    }
    bot[0] = UQOR::PickRandomBotName(w->ListBot);
    bot[1] = QString::number(UQOR::RandomInRange(1, 7));
    bot[2] = QString::number(UQOR::RandomInRange(0, MaxSkill()));
    bot[3] = QString::number(UQOR::RandomInRange(1, 2));
    return bot;
}

TExistence& Logic()
{
    static TExistence logic;
    return logic;
}

} // namespace UExistence

void RegisterMod_existence() { RegisterModWindow<TFExistence>(UExistence::Logic(), FExistence); }
