// Action Half-Life's role routines and launch files.
#include "mods/action/UAction.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/action/UFAction.h"
#include "mods/common/BotFiles.h"
#include "mods/common/GameSettings.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModWriters.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"
#include "ui/NumberEdit.h"

#include "platform/Dialogs.h"

#include <QCheckBox>
#include <algorithm>
#include <QFile>
#include <QRegularExpression>
#include <tuple>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSet>
#include <QSignalBlocker>
#include <QSlider>

namespace UAction {

const QString AhlBot = QStringLiteral("AHL bot");
const QString Akimbot = QStringLiteral("Akimbot");

namespace {

const QString kDefault = QStringLiteral("Default");
constexpr int kChats = 7;
// Chat sections are erased for stale bots up to this number, as the bot sections are.
constexpr int kErasedBots = 32;
constexpr int kUserScrKept = 84;

TModTraits ActionTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Action");
    s.Prefix = QStringLiteral("AC");
    s.Title = QStringLiteral("Action Half-Life");
    s.ShortName = QStringLiteral("Action");
    s.PageControl = QStringLiteral("PC_Action");
    s.DefaultModel = QStringLiteral("arnie");
    s.DefaultSkill = QStringLiteral("1");
    s.ModeleDefault = QStringLiteral("1");
    s.DefaultDll = QStringLiteral("ahl.dll");
    // A bot's name names its bot-info file.
    s.ForbiddenNameChars = QStringLiteral("*./<>?\\|");
    s.DefaultSkillKey = false;
    s.Models = TModelSource::OwnFolder;
    s.Profile.PreviewFollows = true;
    return s;
}

TFAction* Win()
{
    return qobject_cast<TFAction*>(Logic().Form());
}

// The index in a value's first character: an empty value or one that starts with no digit
// names no item and leaves the chooser as it is.
TCvarRow FirstDigitIndex(const QString& cvar, const QString& control, const QString& def)
{
    TCvarRow row = ModCvars::Index(cvar, control, {}, def);
    row.Read = TCvarRead::Own;
    row.ReadRule = [control](TModWindow& w, const QString& value) {
        auto* combo = qobject_cast<QComboBox*>(w.ControlWidget(control));
        const QString v = value.trimmed();
        if (!combo || v.isEmpty() || !v.at(0).isDigit())
            return;
        const int index = v.at(0).digitValue();
        if (index < combo->count()) {
            const QSignalBlocker block(combo);
            combo->setCurrentIndex(index);
        }
    };
    return row;
}

QString StoredSpawnBot(const TIniFile& store)
{
    return ModWriters::NumberOr(store.ReadString(kDefault, QStringLiteral("spawnbot"), QStringLiteral("0")),
                                QStringLiteral("0"));
}

} // namespace

// ---------------------------------------------------------------- item lists

const QStringList& GameTypeItems()
{
    static const QStringList items{QStringLiteral("Deathmatch"), QStringLiteral("Last Man Standing"),
                                   QStringLiteral("LMS with equipment"),
                                   QStringLiteral("LMS with random equipment"), QStringLiteral("Teamplay"),
                                   QStringLiteral("Teamplay without rounds")};
    return items;
}

const QStringList& GoreLevelItems()
{
    static const QStringList items{QStringLiteral("Disabled"), QStringLiteral("Low"), QStringLiteral("Normal"),
                                   QStringLiteral("High"), QStringLiteral("Very High"), QStringLiteral("Excessive"),
                                   QStringLiteral("Getting ridiculous")};
    return items;
}

const QStringList& TkDealItems()
{
    static const QStringList items{QStringLiteral("Do nothing"), QStringLiteral("Punish them"),
                                   QStringLiteral("Auto Kick")};
    return items;
}

const QStringList& FavWeaponItems()
{
    static const QStringList items{QStringLiteral("0 - Random"), QStringLiteral("3 - Beretta"),
                                   QStringLiteral("4 - Magnum"), QStringLiteral("5 - Colt"),
                                   QStringLiteral("6 - DEagle"), QStringLiteral("7 - SAA")};
    return items;
}

const QStringList& FavUniqueWeaponItems()
{
    static const QStringList items{
        QStringLiteral("0 - Random"),          QStringLiteral("3 - Throwing knives"),
        QStringLiteral("10 - Akimbo berettas"), QStringLiteral("11 - Akimbo colts"),
        QStringLiteral("12 - Akimbo SAA's"),   QStringLiteral("13 - Handcannon"),
        QStringLiteral("14 - Shotgun"),        QStringLiteral("15 - MP5"),
        QStringLiteral("16 - M4"),             QStringLiteral("17 - Sniper rifle"),
        QStringLiteral("18 - 50 cal sniper rifle")};
    return items;
}

const QStringList& FavSpecialItems()
{
    static const QStringList items{
        QStringLiteral("0 - Random"),      QStringLiteral("2 - Bandolier"), QStringLiteral("3 - Flashlight"),
        QStringLiteral("4 - Laser sight"), QStringLiteral("5 - Night vision"), QStringLiteral("6 - Silencer"),
        QStringLiteral("7 - Stealth"),     QStringLiteral("8 - Armor vest"), QStringLiteral("9 - Holster"),
        QStringLiteral("10 - Frag grenade")};
    return items;
}

int FindComboItem(const QStringList& items, const QString& key)
{
    const QString prefix = key + QStringLiteral(" - ");
    int found = 0;
    for (int i = 0; i < items.size(); ++i)
        if (items.at(i).startsWith(prefix))
            found = i;
    return found;
}

// ---------------------------------------------------------------- chat

const QStringList& ChatCommentLines()
{
    static const QStringList lines{
        QStringLiteral("//These are the chat sections. At the moment, chat is only used to communicate messages to team members."),
        QStringLiteral("//Also note that the %x options in regular chat will work here as well (e.g. %l for location). Each chat"),
        QStringLiteral("//section can also have an unlimited number of lines (which one is used is decided at random), but remember"),
        QStringLiteral("//not to exceed the max file size mentioned above."),
        QStringLiteral("//Here's what each section (by number) is for:"),
        QStringLiteral("//1 - Enemy spotted"),
        QStringLiteral("//2 - Taking fire"),
        QStringLiteral("//3 - Need backup"),
        QStringLiteral("//4 - Enemy down"),
        QStringLiteral("//5 - The bot says it's going to a sniping location"),
        QStringLiteral("//6 - The bot says it's going directly after the enemy"),
        QStringLiteral("//7 - Suicide lines (if applicable)"),
    };
    return lines;
}

QString ChatSection(int botNumber, int chat)
{
    return QStringLiteral("Bot %1-Chat%2").arg(botNumber).arg(chat);
}

namespace {

// The chat blocks as stored: [CHAT=c], the section's lines, [CHATEND=c].
QStringList StoredChatBlocks(const TIniFile& store, int botNumber)
{
    QStringList lines;
    for (int c = 1; c <= kChats; ++c) {
        const QString section = ChatSection(botNumber, c);
        lines << QString() << QStringLiteral("[CHAT=%1]").arg(c);
        const int count = qBound(0, store.ReadInteger(section, QStringLiteral("NBLigne"), 0), 10000);
        for (int k = 1; k <= count; ++k)
            lines << store.ReadString(section, QStringLiteral("Ligne") + QString::number(k), QString());
        lines << QStringLiteral("[CHATEND=%1]").arg(c);
    }
    return lines;
}

} // namespace

QString ReadBotChat(const TIniFile& store, int botNumber)
{
    return (ChatCommentLines() + StoredChatBlocks(store, botNumber)).join(QStringLiteral("\r\n"));
}

QVector<QStringList> ChatBlocks(const QString& text)
{
    QVector<QStringList> blocks(kChats);
    int inside = 0;   // the open block's number, 0 outside
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        if (line.contains(QLatin1String("[CHATEND="))) {
            inside = 0;
            continue;
        }
        const int at = line.indexOf(QLatin1String("[CHAT="));
        if (at >= 0) {
            const QChar digit = at + 6 < line.size() ? line.at(at + 6) : QChar();
            inside = digit >= QLatin1Char('1') && digit <= QLatin1Char('7') ? digit.digitValue() : 0;
            continue;
        }
        if (inside > 0)
            blocks[inside - 1] << line;
    }
    return blocks;
}

bool EraseBotChat(TIniFile& store, int botNumber)
{
    bool ok = true;
    for (int c = 1; ok && c <= kChats; ++c)
        if (store.SectionExists(ChatSection(botNumber, c)))
            ok = store.EraseSection(ChatSection(botNumber, c));
    return ok;
}

bool WriteBotChat(TIniFile& store, int botNumber, const QString& text)
{
    // The sections are written anew, so no line of an earlier, longer chat stays behind.
    if (!EraseBotChat(store, botNumber))
        return false;
    if (text.trimmed().isEmpty())
        return true;
    const QVector<QStringList> blocks = ChatBlocks(text);
    // Blocks without a line read back as no sections at all, so none are written: a bot whose
    // chat was never filled keeps the same store however often it is saved.
    if (std::all_of(blocks.cbegin(), blocks.cend(), [](const QStringList& b) { return b.isEmpty(); }))
        return true;
    for (int c = 1; c <= kChats; ++c) {
        const QString section = ChatSection(botNumber, c);
        const QStringList& lines = blocks[c - 1];
        if (!store.WriteInteger(section, QStringLiteral("NBLigne"), int(lines.size())))
            return false;
        for (int k = 0; k < lines.size(); ++k)
            if (!store.WriteString(section, QStringLiteral("Ligne") + QString::number(k + 1), lines[k]))
                return false;
    }
    return true;
}

// ---------------------------------------------------------------- launch files

QString LaunchBotsLine(const QString& bot, const TIniFile& store)
{
    const QString n = bot == AhlBot ? StoredSpawnBot(store) : QStringLiteral("0");
    return QStringLiteral("\"mp_bots\"\t\"") + n + QStringLiteral(".00000\"");
}

QString BotInfoName(const QString& name, int botNumber)
{
    // The name a bot gets is the one every name keeps (a hand-edited store may hold blanks),
    // and it names a file of its folder.
    const QString trimmed = name.trimmed();
    return BotFiles::FileStem(trimmed.isEmpty() ? trimmed : ModWriters::CleanBotName(trimmed, false),
                              QStringLiteral("NewBot") + QString::number(botNumber));
}

QStringList BotInfoLines(const TIniFile& store, int botNumber, const QString& name,
                         const QString& maxSkill)
{
    const QString section = QStringLiteral("Bot ") + QString::number(botNumber);
    const auto value = [&](const char* key, const char* def) {
        return store.ReadString(section, QString::fromLatin1(key), QString::fromLatin1(def));
    };
    const auto number = [&](const char* key, const char* def) {
        return ModWriters::NumberOr(value(key, def), QString::fromLatin1(def));
    };
    bool ok = false;
    int skill = store.ReadString(section, QStringLiteral("skill") + maxSkill, QStringLiteral("1")).trimmed().toInt(&ok);
    if (!ok)
        skill = 1;
    // The bot knows intelligence levels 0..4 only, whatever the bot program's maxskill.
    const int intlevel = qBound(0, skill - 1, 4);
    bool rok = false;
    const int reflex = number("reflex", "6").toInt(&rok);
    const QString reflexText = QString::number(rok ? reflex / 10.0 : 0.6, 'g', 6);

    QStringList lines{
        QStringLiteral("//THIS FILE CANNOT EXCEED 16384 BYTES IN LENGTH"),
        QStringLiteral("//(the caps indicate that this is an important thing)"),
        QString(),
        QStringLiteral("name=") + name,
        QStringLiteral("model=") + value("modele", "arnie"),
        QString(),
        QStringLiteral("yawspeed=") + number("yawspeed", "90"),
        QStringLiteral("//yawspeed is degrees turned per frame. In this case it's 90 degrees per frame"),
        QString(),
        QStringLiteral("accuracy=") + number("accuracy", "1"),
        QStringLiteral("//A low value is good, a high value is bad (so 1 will be basically perfect accuracy, disregarding"),
        QStringLiteral("//the standard weapon inaccuracy)"),
        QString(),
        QStringLiteral("intlevel=") + QString::number(intlevel),
        QStringLiteral("//Can be 0-4. 4 is a high intelligence level, while 0 is low. The int level just decides whether"),
        QStringLiteral("//or not the bot can do certain more advanced things."),
        QString(),
        QStringLiteral("fov=") + number("fov", "90"),
        QStringLiteral("//Field of view, 90 is the default (same as a player's)"),
        QString(),
        QStringLiteral("distance=") + number("distance", "0"),
        QStringLiteral("//the maximum distance a bot can see in game units. The default is 0, which means the distance is unlimited."),
        QString(),
        QStringLiteral("reflex=") + reflexText,
        QStringLiteral("//Time it takes for the bot to react to a threat. A value of 0.1 would be 1/10 of a second, whereas 1 would be 1 second."),
        QString(),
        QStringLiteral("candive=") + number("candive", "1"),
        QStringLiteral("//This means the bot can dive. If the value is 0 then the bot cannot dive."),
        QString(),
        QStringLiteral("suicidal=") + number("suicidal", "0"),
        QStringLiteral("//Is the bot prone to suiciding in bad situations? (1 means yes)"),
        QString(),
        QStringLiteral("canchat=") + number("canchat", "1"),
        QStringLiteral("//A value of 0 means the bot will never speak, a value of 2 means the chat section of default.bif is used."),
        QStringLiteral("//A value of 1 means that the bot will use it's own chat lines."),
        QString(),
        QStringLiteral("favweapon=") + number("favweapon", "0"),
        QStringLiteral("//Favorite weapon choices are:"),
    };
    for (const QString& item : FavWeaponItems())
        lines << QStringLiteral("//") + item;
    lines << QString() << QStringLiteral("favuniqueweapon=") + number("favuniqueweapon", "0")
          << QStringLiteral("//Favorite unique weapon choices are:");
    for (const QString& item : FavUniqueWeaponItems())
        lines << QStringLiteral("//") + item;
    lines << QString() << QStringLiteral("favspecial=") + number("favspecial", "0")
          << QStringLiteral("//Favorite special item choices are:");
    for (const QString& item : FavSpecialItems())
        lines << QStringLiteral("//") + item;
    lines << QString() << ChatCommentLines() << QString() << StoredChatBlocks(store, botNumber);
    return lines;
}

QStringList UserScrLines(const QStringList& old, int goreLevel)
{
    QStringList lines = old.mid(0, kUserScrKept);
    while (lines.size() < kUserScrKept)
        lines << QString();
    const auto q = [](const char* text) { return QLatin1Char('"') + QString::fromLatin1(text) + QLatin1Char('"'); };
    const QString t1 = QStringLiteral("\t");
    const QString t2 = QStringLiteral("\t\t");
    const QString t3 = QStringLiteral("\t\t\t");
    lines << t1 + q("gore_level") << t1 + QStringLiteral("{") << t2 + q("Gore Level") << t2 + QStringLiteral("{")
          << t3 + QStringLiteral("LIST") << t3 + q("Disabled") + QLatin1Char(' ') + q("0")
          << t3 + q("Low") + QLatin1Char(' ') + q("1") << t3 + q("Normal") + QLatin1Char(' ') + q("2")
          << t3 + q("High") + QLatin1Char(' ') + q("3") << t3 + q("Very High") + QLatin1Char(' ') + q("4")
          << t3 + q("Excessive") + QLatin1Char(' ') + q("5")
          << t3 + q("Getting rediculous") + QLatin1Char(' ') + q("6") << t2 + QStringLiteral("}")
          << t2 + QStringLiteral("{ \"") + QString::number(goreLevel) + QStringLiteral(".000000\" }")
          << t1 + QStringLiteral("}") << QString() << t1 + q("pickup_sounds") << t1 + QStringLiteral("{")
          << t2 + q("Client Side Pickup Sounds") << t2 + QStringLiteral("{ BOOL }")
          << t2 + QStringLiteral("{ \"1\" }") << t1 + QStringLiteral("}") << QString() << QStringLiteral("}");
    return lines;
}

// ---------------------------------------------------------------- the logic object

TAction::TAction() : TModLogic(ActionTraits()) {}

TCvarTable TAction::Cvars() const
{
    using namespace ModCvars;
    TCvarRow bots;
    bots.Cvar = QStringLiteral("mp_bots");
    bots.Read = TCvarRead::None;
    bots.Written = TCvarWrite::Own;
    bots.WriteRule = [](const TModWindow& w) {
        if (UInit::SelectedBot != AhlBot || !w.spawnbot)
            return QStringLiteral("0.00000");
        return QString::number(w.spawnbot->ClampedValue(1)) + QStringLiteral(".00000");
    };
    // The bot store keeps it; game.cfg carries it for the bot that reads it.
    TCvarRow snipe = Check(QStringLiteral("bot_snipe"), QStringLiteral("AC_bot_snipe"));
    snipe.Read = TCvarRead::None;
    snipe.When = [](const TModWindow&) { return UInit::SelectedBot == AhlBot; };
    const QString p = QStringLiteral("AC");
    return {
        bots,
        snipe,
        FirstDigitIndex(QStringLiteral("mp_gametype"), QStringLiteral("AC_gametype"), QStringLiteral("0")),
        GameSettings::Row(p, QStringLiteral("mp_fraglimit")),
        GameSettings::Row(p, QStringLiteral("mp_timelimit")),
        Number(QStringLiteral("mp_roundtimelimit"), QStringLiteral("AC_roundtimelimit"), QStringLiteral("0")),
        // Restore Default brings fall damage back to Normal too.
        RadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("AC_fallreal"), QStringLiteral("AC_fallnorm")),
        GameSettings::Row(p, QStringLiteral("mp_friendlyfire")),
        GameSettings::Row(p, QStringLiteral("mp_weaponstay")),
        GameSettings::Row(p, QStringLiteral("mp_forcerespawn")),
        GameSettings::Row(p, QStringLiteral("mp_footsteps")),
        GameSettings::Row(p, QStringLiteral("mp_flashlight")),
        GameSettings::Row(p, QStringLiteral("mp_autocrosshair")),
        Number(QStringLiteral("mp_teamkills"), QStringLiteral("AC_teamkills"), QStringLiteral("0")),
        FirstDigitIndex(QStringLiteral("mp_tkdeal"), QStringLiteral("AC_tkdeal"), QStringLiteral("0")),
    };
}

TStoreTable TAction::StoreRows() const
{
    using namespace ModStore;
    return {
        Number(kDefault, QStringLiteral("gore level"), QStringLiteral("AC_Gorelevel"), QStringLiteral("1"), 0,
               int(GoreLevelItems().size()) - 1),
        Flag(kDefault, QStringLiteral("Bot_Snipe"), QStringLiteral("AC_bot_snipe")),
    };
}

TStoreTable TAction::BotStoreRows() const
{
    using namespace ModStore;
    const auto favourite = [](const char* key, int slot, const QStringList& items) {
        TStoreRow row = SlotText(QString::fromLatin1(key), slot, QStringLiteral("0"));
        // A number that names no item reads as the random one.
        row.ReadAs = [items](const QString& v) {
            const int at = FindComboItem(items, v.trimmed());
            return items.at(at).section(QLatin1Char(' '), 0, 0);
        };
        return row;
    };
    return {
        Slot(QStringLiteral("accuracy"), 6, QStringLiteral("1"), 1, 100),
        Slot(QStringLiteral("candive"), 5, QStringLiteral("1"), 0, 1),
        Slot(QStringLiteral("reflex"), 9, QStringLiteral("6"), 1, 10),
        Slot(QStringLiteral("fov"), 8, QStringLiteral("90"), 1, 180),
        Slot(QStringLiteral("distance"), 7, QStringLiteral("1"), 0, 8192),
        Slot(QStringLiteral("suicidal"), 3, QStringLiteral("0"), 0, 1),
        Slot(QStringLiteral("canchat"), 4, QStringLiteral("1"), 0, 1),
        favourite("favweapon", 10, FavWeaponItems()),
        favourite("favuniqueweapon", 11, FavUniqueWeaponItems()),
        favourite("favspecial", 12, FavSpecialItems()),
        Slot(QStringLiteral("yawspeed"), 23, QStringLiteral("90"), 1, 380),
    };
}

void TAction::ReadBotRecord(const TIniFile& store, const QString& section, TBot& bot)
{
    TModLogic::ReadBotRecord(store, section, bot);
    const int n = section.mid(4).toInt();
    bot[24] = ReadBotChat(store, n);
}

bool TAction::WriteDefaultSection(TIniFile& store)
{
    if (!TModLogic::WriteDefaultSection(store))
        return false;
    // The chat of bots no longer in the list goes with their sections.
    for (int n = State.BotCount + 1; n <= kErasedBots; ++n)
        if (!EraseBotChat(store, n))
            return false;
    return true;
}

bool TAction::WriteBotRecord(TIniFile& store, const QString& section, const TBot& bot)
{
    return TModLogic::WriteBotRecord(store, section, bot) && WriteBotChat(store, section.mid(4).toInt(), bot[24]);
}

void TAction::LoadModDefaults()
{
    TFAction* w = Win();
    if (!w)
        return;
    ModControls::SetCheck(w->AC_bot_snipe, false);
    if (w->AC_Gorelevel) {
        const QSignalBlocker block(w->AC_Gorelevel);
        w->AC_Gorelevel->setCurrentIndex(1);
    }
}

void TAction::ShowBotRecord(const TBot& bot)
{
    TModLogic::ShowBotRecord(bot);
    TFAction* w = Win();
    if (!w || !IsAhlBot())
        return;
    const auto number = [](const QString& v, int def) {
        bool ok = false;
        const int n = v.trimmed().toInt(&ok);
        return ok ? n : def;
    };
    for (const auto& [slider, slot, def] : {std::tuple{w->AC_yawspeed, 23, 90}, std::tuple{w->AC_fov, 8, 90},
                                             std::tuple{w->AC_distance, 7, 1}, std::tuple{w->AC_accuracy, 6, 1},
                                             std::tuple{w->AC_reflex, 9, 6}})
        ModControls::SetSlider(slider, number(bot[slot], def));
    ModControls::SetCheck(w->AC_candive, bot[5].trimmed() == QStringLiteral("1"));
    ModControls::SetCheck(w->AC_suicidal, bot[3].trimmed() == QStringLiteral("1"));
    ModControls::SetCheck(w->AC_canchat, bot[4].trimmed() == QStringLiteral("1"));
    for (const auto& [combo, slot] : {std::pair{w->AC_favweapon, 10}, std::pair{w->AC_favuniqueweapon, 11},
                                      std::pair{w->AC_favspecial, 12}}) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(FindComboItem(items, bot[slot].trimmed()));
    }
    const QSignalBlocker block(w->AC_Chat);
    w->AC_Chat->setPlainText(bot[24]);
}

TBot TAction::NewBot(bool random)
{
    TBot bot;
    TModWindow* w = Form();
    bot[0] = QStringLiteral("NewBot");
    bot[1] = Traits().DefaultModel;
    bot[2] = QStringLiteral("1");
    bot[6] = QStringLiteral("30");
    bot[5] = QStringLiteral("1");
    bot[9] = QStringLiteral("6");
    bot[8] = QStringLiteral("90");
    bot[7] = QStringLiteral("0");
    bot[3] = QStringLiteral("0");
    bot[4] = QStringLiteral("1");
    bot[10] = bot[11] = bot[12] = QStringLiteral("0");
    bot[23] = QStringLiteral("90");
    if (!random || !w)
        return bot;
    const auto draw = [](int low, int high) { return QString::number(UQOR::RandomInRange(low, high)); };
    // A name from the list keeps the rule every typed name keeps, file-name characters included.
    QString name;
    for (const QChar c : ModWriters::CleanBotName(UQOR::PickRandomBotName(w->ListBot), EngineReadsBotLines()))
        if (!Traits().ForbiddenNameChars.contains(c))
            name += c;
    bot[0] = name.isEmpty() ? QStringLiteral("NewBot") : name;
    const int models = w->botmodel ? w->botmodel->count() : 0;
    if (models > 0)
        bot[1] = w->botmodel->itemText(UQOR::RandomInRange(0, models - 1));
    // Within what the skill slider shows.
    bot[2] = draw(w->Botskill ? w->Botskill->minimum() : 0, w->Botskill ? w->Botskill->maximum() : MaxSkill());
    bot[6] = draw(1, 100);
    bot[5] = draw(0, 1);
    bot[9] = draw(1, 10);
    bot[8] = draw(1, 180);
    bot[7] = draw(1, 8192);
    bot[3] = draw(0, 1);
    bot[23] = draw(1, 380);
    return bot;
}

bool TAction::CheckConf()
{
    bool ok = TModLogic::CheckConf();
    if (!IsAhlBot())
        return ok;
    // Each bot gets a bot-info file named after it: two of one name would share one file.
    QStringList names;
    const QVector<TBot> bots = Records();
    for (int i = 0; i < bots.size(); ++i)
        names << BotInfoName(bots[i][0], i + 1);
    const QString twice = DuplicateName(names);
    if (!twice.isEmpty()) {
        Dialogs::ShowError(BotFiles::DuplicateMessage(twice, QStringLiteral("its bot-info file")), Form());
        ok = false;
    }
    return ok;
}

QString TAction::DuplicateName(const QStringList& names)
{
    return BotFiles::DuplicateName(names);
}

bool TAction::SaveConf()
{
    if (!TModLogic::SaveConf())
        return false;
    QString error;
    if (!WriteUserScr(error)) {
        ReportSaveError(error);
        State.Modified = 1;
        return false;
    }
    return true;
}

bool TAction::WriteUserScr(QString& error)
{
    TFAction* w = Win();
    const QString path = FileSys::Resolve(FileSys::JoinPath(ModDir(), QStringLiteral("user.scr")));
    if (!w || !FileSys::FileExists(path))
        return true;
    QStringList old;
    if (!FileSys::ReadLines(path, old)) {
        error = QStringLiteral("Can't read ") + ModControls::NativePath(path) + QStringLiteral(".");
        return false;
    }
    return ModWriters::WriteFile(path, UserScrLines(old, qMax(0, w->AC_Gorelevel->currentIndex())), error);
}

// ---------------------------------------------------------------- launch

QStringList TAction::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    return {
        QStringLiteral("// Action Half-life"),
        LiblistLine(QStringLiteral("game"), QStringLiteral("AHL Beta 4")),
        LiblistLine(QStringLiteral("gamedir"), QStringLiteral("action")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.actionhalflife.com")),
        LiblistLine(QStringLiteral("date"), QStringLiteral("April 16, 2001")),
        LiblistLine(QStringLiteral("version"), QStringLiteral("4.0")),
        LiblistLine(QStringLiteral("size"), QStringLiteral("124211200")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("hlver"), QStringLiteral("1106")),
        LiblistLine(QStringLiteral("startmap"), QStringLiteral("c0a0e")),
        ModWriters::GameDllLine(dll),
        LiblistLine(QStringLiteral("gamedll_linux"), QStringLiteral("dlls/ahl_i386.so")),
    };
}

ModWriters::TPlaceholderTable TAction::Placeholders(const QString& skillKey) const
{
    // The skill is written as a whole number (0 for none).
    return ModWriters::TemplatePlaceholders(skillKey, QString(), QString(), QStringLiteral("0"));
}

bool TAction::UpdateGameCfgBots(QString& error)
{
    const QString path = FileSys::Resolve(FileSys::JoinPath(ModDir(), QStringLiteral("game.cfg")));
    // No game.cfg yet (the settings were never saved): there is no line to set, and the game
    // runs with its own number of bots.
    if (!FileSys::FileExists(path))
        return true;
    QStringList lines;
    FileSys::TEncoding encoding = FileSys::TEncoding::Utf8;
    if (!FileSys::ReadLines(path, lines, &encoding)) {
        error = QStringLiteral("Can't read ") + ModControls::NativePath(path) + QStringLiteral(".");
        return false;
    }
    const QString line = LaunchBotsLine(UInit::SelectedBot, TIniFile(BotsIniPath()));
    for (QString& l : lines)
        if (l.contains(QLatin1String("mp_bots")))
            l = line;
    return ModWriters::WriteFile(path, lines, error);
}

bool TAction::WriteBotInfoFiles(QString& error)
{
    const TIniFile mods(ModsIniPath());
    const QString maxSkill = mods.ReadString(AhlBot, QStringLiteral("maxskill"), QStringLiteral("5"));
    const TIniFile store(BotsIniPath());
    const int spawn = qBound(0, store.ReadInteger(kDefault, QStringLiteral("Spawnbot"), 0), MostBots());
    const QString folder = FileSys::JoinPath(ModDir(), QStringLiteral("botinfo"));
    QStringList names;
    QStringList files;
    for (int n = 1; n <= spawn; ++n) {
        const QString name = BotInfoName(store.ReadString(QStringLiteral("Bot ") + QString::number(n),
                                                          QStringLiteral("nom"), QString()),
                                         n);
        names << name;
    }
    const QString twice = DuplicateName(names);
    if (!twice.isEmpty()) {
        error = BotFiles::DuplicateMessage(twice, QStringLiteral("its bot-info file"));
        return false;
    }
    if (!FileSys::MakeDirs(folder) && !FileSys::DirectoryExists(folder)) {
        error = QStringLiteral("Can't create ") + ModControls::NativePath(folder) + QStringLiteral(".");
        return false;
    }
    const QString list = FileSys::Resolve(FileSys::JoinPath(folder, QStringLiteral("biflist.txt")));
    QStringList oldNames;
    if (FileSys::FileExists(list))
        FileSys::ReadLines(list, oldNames);
    for (int n = 1; n <= spawn; ++n) {
        const QString file = FileSys::JoinPath(folder, names[n - 1] + QStringLiteral(".bif"));
        if (!ModWriters::WriteFile(FileSys::Resolve(file), BotInfoLines(store, n, names[n - 1], maxSkill),
                                   error))
            return false;
    }
    if (!ModWriters::WriteFile(list, names, error))
        return false;
    // Only now that every new file is there: the files of the bots that left the list.
    QSet<QString> kept;
    for (const QString& n : names)
        kept.insert(n.toLower());
    for (const QString& old : oldNames) {
        const QString name = BotInfoName(old, 0);
        if (old.trimmed().isEmpty() || kept.contains(name.toLower()) || name != old.trimmed())
            continue;
        const QString file = FileSys::Resolve(FileSys::JoinPath(folder, name + QStringLiteral(".bif")));
        if (FileSys::FileExists(file))
            QFile::remove(file);
    }
    return true;
}

bool TAction::LaunchWriters(QString& error)
{
    if (!UpdateGameCfgBots(error) || !WriteLiblist(error))
        return false;
    return IsAhlBot() ? WriteBotInfoFiles(error) : WriteBotCfg(error);
}

// ---------------------------------------------------------------- unit routines

TAction& Logic()
{
    static TAction logic;
    return logic;
}

} // namespace UAction

void RegisterMod_action() { RegisterModWindow<TFAction>(UAction::Logic(), FAction); }
