// Holy Wars' role routines and launch files.
#include "mods/holywars/UHolywars.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/BotProperties.h"
#include "mods/common/GameSettings.h"
#include "mods/common/HpbBot.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModWriters.h"
#include "mods/common/Parabot.h"
#include "mods/holywars/UFHolywars.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QSlider>

namespace UHolywars {

const QString Akimbot = QStringLiteral("Akimbot");
const QString HpbBot = QStringLiteral("HPB Bot");
const QString Parabot = QStringLiteral("Parabot");

namespace {

const QString kDefault = QStringLiteral("Default");

TModTraits HolywarsTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Holywars");
    s.Prefix = QStringLiteral("HW");
    s.Title = QStringLiteral("Holy Wars");
    s.ShortName = QStringLiteral("Holywars");
    s.PageControl = QStringLiteral("PC_Holywars");
    s.DefaultModel = QStringLiteral("akedo");
    s.DefaultSkill = QStringLiteral("1");
    s.ModeleDefault = QStringLiteral("akedo");
    s.DefaultDll = QStringLiteral("holywars.dll");
    s.Models = TModelSource::OwnFolder;
    s.ForbiddenNameChars = QStringLiteral("*./?\\");
    s.PlainSkillKey = true;
    // Akimbot's lines come in the mod's own order (botdontshoot first, no skeleton).
    s.AkimbotLines = false;
    s.TemplateControls = {
        {.Name = "ChatNote", .Caption = "%n  can be used to insert the player's name."},
    };
    return s;
}

TFHolywars* Win()
{
    return qobject_cast<TFHolywars*>(Logic().Form());
}

QString StoredNumber(const TIniFile& store, const char* key, const char* def)
{
    // A hand-edited store must not hand the bot program a setting without a number.
    return ModWriters::NumberOr(store.ReadString(kDefault, QString::fromLatin1(key), QString::fromLatin1(def)),
                                QString::fromLatin1(def));
}

} // namespace

const QVector<TTrait>& TraitRows()
{
    static const QVector<TTrait> t{{6, "ACCURACY", "accuracy", "Accuracy", "8"},
                                   {7, "AGGRESSION", "aggression", "Aggression", "5"},
                                   {8, "PERCEPTION", "perception", "Perception", "5"}};
    return t;
}

THolywars::THolywars() : TModLogic(HolywarsTraits()) {}

TCvarTable THolywars::Cvars() const
{
    using namespace ModCvars;
    auto row = [](const char* cvar) { return GameSettings::Row(QStringLiteral("HW"), QString::fromLatin1(cvar)); };
    TCvarRow himodels = Fixed(QStringLiteral("cl_himodels"), QStringLiteral("1"));
    himodels.AfterSendVelocity = true;
    return {
        row("mp_fraglimit"),
        row("mp_timelimit"),
        // Restore Default brings fall damage back to Normal too.
        RadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("HW_fallreal"), QStringLiteral("HW_fallnorm")),
        row("mp_friendlyfire"),
        row("mp_weaponstay"),
        row("mp_forcerespawn"),
        row("mp_footsteps"),
        row("mp_flashlight"),
        row("mp_autocrosshair"),
        Fixed(QStringLiteral("mp_teamplay"), QStringLiteral("0")),
        himodels,
    };
}

QStringList THolywars::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    return {
        LiblistLine(QStringLiteral("game"), QStringLiteral("Holy Wars")),
        LiblistLine(QStringLiteral("gamedir"), QStringLiteral("holywars")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.planethalflife.com/holywars")),
        LiblistLine(QStringLiteral("date"), QStringLiteral("March 14, 2001")),
        QStringLiteral("// url_dl \"\""),
        LiblistLine(QStringLiteral("version"), QStringLiteral("Beta1")),
        LiblistLine(QStringLiteral("size"), QStringLiteral("26400000")),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("hlversion"), QStringLiteral("1106")),
        LiblistLine(QStringLiteral("type"), QStringLiteral("multiplayer_only")),
        LiblistLine(QStringLiteral("mpentity"), QStringLiteral("halo_base")),
        ModWriters::GameDllLine(dll),
        LiblistLine(QStringLiteral("nomodels"), QStringLiteral("0")),
    };
}

ModWriters::TPlaceholderTable THolywars::Placeholders(const QString& skillKey) const
{
    ModWriters::TPlaceholderTable table = ModWriters::TemplatePlaceholders(skillKey);
    // Parabot's traits are written as stored (1..10); only the chat rate is scaled.
    const auto asStored = [](const QString& v, int) { return ModWriters::NumberOr(v, QStringLiteral("1")); };
    table.append({QStringLiteral("<accuracy>"), QStringLiteral("accuracy"), QStringLiteral("1"), asStored});
    table.append({QStringLiteral("<aggression>"), QStringLiteral("aggression"), QStringLiteral("1"), asStored});
    table.append({QStringLiteral("<perception>"), QStringLiteral("perception"), QStringLiteral("1"), asStored});
    const QString storePath = BotsIniPath();
    table.append({QStringLiteral("<chat>"), QString(), QString(), [storePath](const QString&, int) {
                      const TIniFile store(storePath);
                      return BotProperties::ScaleTrait(
                          store.ReadString(QStringLiteral("Default"), QStringLiteral("chatfreq"),
                                           QStringLiteral("10")),
                          10);
                  }});
    return table;
}

ModWriters::TFillOptions THolywars::FillOptions() const
{
    ModWriters::TFillOptions o;
    o.Tab = true;
    return o;
}

QStringList THolywars::BotFileHeader(const TBotFileContext& c) const
{
    const TIniFile& st = c.Store;
    if (c.Section == Akimbot)
        return QStringList{QStringLiteral("botdontshoot ") + StoredNumber(st, "botdontshoot", "0")} +
               ModWriters::AkimbotRateLines(st);
    if (c.Section == HpbBot) {
        using ::HpbBot::TSetting;
        return QStringList{QStringLiteral("# ") + c.Template, QStringLiteral("pause 3"), QString(),
                           QStringLiteral("botskill ") + c.DefaultSkill} +
               ::HpbBot::SettingsLines(st, {TSetting::DontShoot, TSetting::Strafe, TSetting::Logo, TSetting::Reaction,
                                            TSetting::RandomColor, TSetting::Chat, TSetting::Taunt, TSetting::Whine});
    }
    return {};
}

QStringList THolywars::BotFileTrailer(const TBotFileContext& c) const
{
    if (c.Section == Akimbot)
        return {ModWriters::AkimbotLastLine()};
    return {};
}

bool THolywars::WriteBotCfg(QString& error)
{
    if (UInit::SelectedBot == Parabot) {
        const TIniFile store(BotsIniPath());
        const int spawn = qBound(0, store.ReadInteger(kDefault, QStringLiteral("spawnbot"), 0), MostBots());
        const QString path = FileSys::JoinPath(UInit::HLPath, QStringLiteral("Parabot/holywars/parabot.cfg"));
        if (!Parabot::WriteCfg(path, store, spawn, true, error))
            return false;
    }
    return TModLogic::WriteBotCfg(error);
}

TStoreTable THolywars::StoreRows() const
{
    using namespace ModStore;
    return {
        Flag(kDefault, QStringLiteral("botdontshoot"), QStringLiteral("HW_Bottarget")),
        Number(kDefault, QStringLiteral("strafe"), QStringLiteral("HW_strafe"), QStringLiteral("20"), 0, 100),
        Number(kDefault, QStringLiteral("logo"), QStringLiteral("HW_logo"), QStringLiteral("40"), 0, 100),
        Number(kDefault, QStringLiteral("reaction_time"), QStringLiteral("HW_Reaction_Time"), QStringLiteral("0"), 0, 3),
        Flag(kDefault, QStringLiteral("random_color"), QStringLiteral("HW_random_color")),
        Flag(kDefault, QStringLiteral("RestrictedWeaponMode"), QStringLiteral("HW_RestrictedWeaponMode")),
        Flag(kDefault, QStringLiteral("AlwaysRespond"), QStringLiteral("HW_AlwaysRespond")),
        Flag(kDefault, QStringLiteral("BotChat"), QStringLiteral("HW_Botchat")),
    };
}

TStoreTable THolywars::BotStoreRows() const
{
    TStoreTable rows;
    for (const TTrait& t : TraitRows())
        rows << ModStore::Slot(QString::fromLatin1(t.Key), t.Slot, QStringLiteral("1"), 1, 10);
    return rows;
}

void THolywars::ShowBotRecord(const TBot& bot)
{
    TModLogic::ShowBotRecord(bot);
    TFHolywars* w = Win();
    if (!w)
        return;
    for (int i = 0; i < TraitRows().size() && i < w->TraitSliders.size(); ++i) {
        bool ok = false;
        const int v = bot[TraitRows()[i].Slot].trimmed().toInt(&ok);
        ModControls::SetSlider(w->TraitSliders[i], ok ? v : 1);
    }
}

TBot THolywars::NewBot(bool random)
{
    TBot bot = TModLogic::NewBot(random);
    for (const TTrait& t : TraitRows())
        bot[t.Slot] = random && Form() ? QString::number(UQOR::RandomInRange(1, 10))
                                       : QString::fromLatin1(t.NewValue);
    return bot;
}

THolywars& Logic()
{
    static THolywars logic;
    return logic;
}

} // namespace UHolywars

void RegisterMod_holywars() { RegisterModWindow<TFHolywars>(UHolywars::Logic(), FHolywars); }
