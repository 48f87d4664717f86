#include "mods/common/Jumbot.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWindow.h"
#include "platform/FileSys.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <algorithm>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSlider>

namespace Jumbot {

namespace {

TCommand Cmd(const char* name, const char* stem, TValue value, const char* def, bool read = true)
{
    TCommand c;
    c.Name = QString::fromLatin1(name);
    c.Stem = QString::fromLatin1(stem);
    c.Value = value;
    if (def)
        c.Default = QString::fromLatin1(def);
    c.Read = read;
    return c;
}

TCommand Shared(const char* name, const char* stem, TValue value)
{
    return Cmd(name, stem, value, nullptr, false);
}

TCommand Fixed(const char* name, const char* literal)
{
    TCommand c = Cmd(name, "", TValue::Fixed, nullptr, false);
    c.Literal = QString::fromLatin1(literal);
    return c;
}

TCommand Flag(const char* name, const char* stem, const char* def, QStringList enables = {})
{
    TCommand c = Cmd(name, stem, TValue::Flag, def);
    c.Enables = std::move(enables);
    return c;
}

QWidget* Control(const TModWindow& w, const QString& prefix, const QString& stem)
{
    if (stem.isEmpty())
        return nullptr;
    return w.ControlWidget(prefix.isEmpty() ? stem : prefix + QLatin1Char('_') + stem);
}

bool Ticked(const TModWindow& w, const QString& prefix, const QString& stem)
{
    const auto* box = qobject_cast<const QAbstractButton*>(Control(w, prefix, stem));
    return box && box->isChecked();
}

const QString kTripMines = QStringLiteral("bot_tripmines");
const QString kTripMineSlider = QStringLiteral("bweap_tripmine");

} // namespace

const TCommandTable& Commands()
{
    static const TCommandTable table = [] {
        TCommandTable t{
            Cmd("map", "", TValue::FirstMap, nullptr, false),
            Shared("bot_random", "bot_random", TValue::Flag),
            Shared("bot_num", "spawnbot", TValue::Number),
            Cmd("bot_weaprun", "bot_weaprun", TValue::Number, "9"),
            Shared("bot_skill", "defskill", TValue::Number),
            Fixed("botcfgfile", "bots.cfg"),
            Fixed("chatfile", "exchat.cfg"),
            Shared("botchat", "botchat", TValue::Flag),
            Flag("bot_ordering", "bot_ordering", "0"),
            Shared("chatfreq_killed", "chatfreq_kill", TValue::SliderTenth),
            Shared("chatfreq_died", "Chatfreq_died", TValue::SliderTenth),
            Cmd("bot_distance", "bot_distance", TValue::Text, "4096"),
            Flag("bot_checkdistance", "bot_checkdistance", "1",
                 {QStringLiteral("bot_distance"), QStringLiteral("LabelDist")}),
            Flag("bot_tripmines", "bot_tripmines", "0"),
            Flag("bot_longjump", "bot_longjump", "0"),
            Flag("bot_gauss", "bot_gauss", "1"),
            Flag("bot_turret", "bot_turret", "1"),
            Flag("bot_rpgaimlow", "bot_rpgaimlow", "1"),
            Flag("bot_runaway", "bot_runaway", "1"),
            Flag("bot_hunt", "bot_hunt", "1"),
            Flag("bothearing", "bothearing", "1"),
            Flag("botpain", "botpain", "1"),
            Flag("botusefov", "botusefov", "1", {QStringLiteral("Botfov"), QStringLiteral("LabelFov")}),
            Cmd("botfov", "Botfov", TValue::Text, "90"),
            Cmd("botaccuracy", "botaccuracy", TValue::Number, "10"),
            Cmd("bot_run_worse", "bot_run_worse", TValue::Number, "8"),
            Cmd("botspeed", "botspeed", TValue::Number, "0"),
            Flag("bot_crowbar", "bot_crowbar", "0"),
            Cmd("speedup", "speedup", TValue::Number, "0"),
            Shared("spawndelay", "spawndelay", TValue::Number),
            Flag("bot_squads", "squads", "0"),
            Flag("bot_snipers", "snipers", "0"),
            Flag("bot_campers", "campers", "0"),
            Flag("bot_objavoid", "objavoid", "0"),
            Flag("bot_funcsmash", "funcsmash", "0"),
            Flag("bot_leadsys", "leadsys", "0"),
            Flag("bot_ackteam", "ackteam", "0"),
            Flag("bot_realgame", "realgame", "0"),
            Cmd("bot_thinkspeed", "bot_thinkspeed", TValue::Tenths, "1"),
            Flag("bot_angleupdate", "bot_angleupdate", "1"),
            Cmd("bot_viewdelay", "bot_viewdelay", TValue::Tenths, "5"),
            Cmd("bot_yawspeed", "bot_yawspeed", TValue::Number, "25"),
            Flag("waypoints", "waypoints", "1"),
            Flag("nav_autogen", "nav_autogen", "0"),
            Flag("wp_autoplace", "wp_autoplace", "0"),
            Flag("wp_jumpplace", "wp_jumpplace", "0"),
            Flag("bot_wppref", "bot_wppref", "1"),
            Flag("bot_advp", "bot_advp", "1"),
        };
        const std::pair<const char*, const char*> weapons[] = {
            {"crowbar", "0"}, {"glock", "10"},   {"python", "16"},  {"mp5", "18"},
            {"shotgun", "17"}, {"crossbow", "15"}, {"rpg", "20"},   {"gauss", "21"},
            {"egon", "22"},   {"hornet", "12"},  {"grenade", "13"}, {"snark", "14"},
            {"satchel", "5"}};
        for (const auto& [weapon, def] : weapons) {
            const QByteArray name = QByteArray("bweap_") + weapon;
            t << Cmd(name.constData(), name.constData(), TValue::Number, def);
        }
        t << Cmd("bweap_tripmine", "bweap_tripmine", TValue::TripMine, "-10");
        return t;
    }();
    return table;
}

TCommandTable Dialect(const QStringList& dropped, const TCommandTable& own)
{
    TCommandTable table;
    for (const TCommand& c : Commands()) {
        if (dropped.contains(c.Name))
            continue;
        const auto mine = std::find_if(own.cbegin(), own.cend(),
                                       [&c](const TCommand& o) { return o.Name == c.Name; });
        table << (mine != own.cend() ? *mine : c);
    }
    return table;
}

QStringList HeadLines()
{
    return {QStringLiteral("// This file was generated by Qorvane"),
            QStringLiteral("// don't modify anything unless you know what you're doing !"),
            QStringLiteral(" ")};
}

QStringList TailLines()
{
    return QStringList{QStringLiteral("wp_edit 0"), QStringLiteral("wp_vis 0")} + FixedTailLines();
}

QStringList FixedTailLines()
{
    return {QStringLiteral("botmsec 0"),      QStringLiteral("msecdiv 800"),
            QStringLiteral("msec_min 10"),    QStringLiteral("msec_max 75"),
            QStringLiteral("bot_keepsettings 1"), QStringLiteral("nostartexec 1"),
            QStringLiteral("echo \"The jumbot.cfg file has been executed.\"")};
}

QString BareFileName(const QString& value)
{
    QString name = value.trimmed();
    name = name.mid(qMax(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/'))) + 1);
    // The name goes between double quotes in the file: one inside would end it early.
    name.remove(QLatin1Char('"'));
    if (name == QStringLiteral(".") || name == QStringLiteral(".."))
        return QString();
    return name;
}

QString TenthsText(int value)
{
    // Jumbot reads a fraction of a second: 10 tenths is one second, never "0.10".
    return value >= 10 ? QStringLiteral("1") : QStringLiteral("0.") + QString::number(qMax(0, value));
}

int TenthsValue(const QString& text, int def)
{
    const QString t = text.trimmed();
    if (t == QStringLiteral("1"))
        return 10;
    if (!t.startsWith(QStringLiteral("0.")))
        return def;
    bool ok = false;
    const int v = t.mid(2).toInt(&ok);
    return ok ? v : def;
}

void ApplyDependents(TModWindow& w, const QString& prefix, const TCommandTable& table)
{
    for (const TCommand& c : table)
        for (const QString& stem : c.Enables)
            if (QWidget* d = Control(w, prefix, stem))
                d->setEnabled(Ticked(w, prefix, c.Stem));
    // The trip-mine preference means something only while the bots use trip mines.
    const bool mines = Ticked(w, prefix, kTripMines);
    for (const QString& stem : {kTripMineSlider, QStringLiteral("LabelTrip")})
        if (QWidget* d = Control(w, prefix, stem)) {
            d->setVisible(mines);
            d->setEnabled(mines);
        }
}

void ApplyDefaults(TModWindow& w, const QString& prefix, const TCommandTable& table)
{
    for (const TCommand& c : table) {
        if (c.Default.isNull())
            continue;
        QWidget* control = Control(w, prefix, c.Stem);
        if (c.Value == TValue::Tenths || c.Value == TValue::TripMine || c.Value == TValue::Number ||
            c.Value == TValue::Text || c.Value == TValue::Flag || c.Value == TValue::FileInFolder)
            ModCvars::SetControlValue(control, c.Default);
    }
    ApplyDependents(w, prefix, table);
}

bool ApplyCommand(TModWindow& w, const QString& prefix, const QString& name, const QString& value,
                  const TCommandTable& table)
{
    for (const TCommand& c : table) {
        if (!c.Read || c.Name != name)
            continue;
        QWidget* control = Control(w, prefix, c.Stem);
        bool ok = false;
        switch (c.Value) {
        case TValue::Number: {
            const int v = value.trimmed().toInt(&ok);
            ModCvars::SetControlValue(control, ok ? QString::number(v) : c.Default);
            break;
        }
        case TValue::Flag:
            ModCvars::SetControlValue(control, UInit::TextToBool(value) ? QStringLiteral("1")
                                                                        : QStringLiteral("0"));
            ApplyDependents(w, prefix, table);
            break;
        case TValue::Text:
            ModCvars::SetControlValue(control, value);
            break;
        case TValue::Tenths:
            ModCvars::SetControlValue(control, QString::number(TenthsValue(value, c.Default.toInt())));
            break;
        case TValue::TripMine: {
            const int v = value.trimmed().toInt(&ok);
            const bool mines = Ticked(w, prefix, kTripMines);
            ModCvars::SetControlValue(control, mines ? QString::number(ok ? v : c.Default.toInt())
                                                     : QStringLiteral("0"));
            ApplyDependents(w, prefix, table);
            break;
        }
        case TValue::FileInFolder: {
            // Only the folder the file is written with is dropped: a value without it is the
            // file name itself, not a name with its first characters cut off.
            QString name = value.trimmed();
            if (name.startsWith(c.Folder, Qt::CaseInsensitive))
                name = name.mid(c.Folder.size());
            ModCvars::SetControlValue(control, BareFileName(name));
            break;
        }
        case TValue::SliderTenth:
        case TValue::Fixed:
        case TValue::FirstMap:
            break;
        }
        return true;
    }
    return false;
}

bool ReadFile(TModWindow& w, const QString& prefix, const QString& path, const TCommandTable& table,
              QString* firstMap)
{
    QStringList lines;
    if (!FileSys::FileExists(path) || !FileSys::ReadLines(path, lines))
        return false;
    for (const QString& line : std::as_const(lines)) {
        QString name;
        QString value;
        UQOR::SplitCvarLine(line, name, value);
        if (firstMap && name == QStringLiteral("map"))
            *firstMap = value.trimmed();
        else if (!name.isEmpty())
            ApplyCommand(w, prefix, name, value, table);
    }
    return true;
}

QStringList FileLines(const TModWindow& w, const QString& prefix, const QString& firstMap,
                      const TCommandTable& table)
{
    return FileLines(w, prefix, firstMap, table, TailLines());
}

QStringList FileLines(const TModWindow& w, const QString& prefix, const QString& firstMap,
                      const TCommandTable& table, const QStringList& tail)
{
    QStringList lines = HeadLines();
    for (const TCommand& c : table) {
        const QWidget* control = Control(w, prefix, c.Stem);
        const QString shown = ModCvars::ControlValue(control);
        QString value;
        switch (c.Value) {
        case TValue::Number:
        case TValue::Text:
        case TValue::Flag:
            value = shown;
            break;
        case TValue::Tenths:
            value = TenthsText(shown.toInt());
            break;
        case TValue::SliderTenth: {
            const int v = shown.toInt();
            value = QString::number(v >= 0 ? (v + 5) / 10 : -((-v + 5) / 10));
            break;
        }
        case TValue::TripMine:
            value = Ticked(w, prefix, kTripMines) ? shown : QStringLiteral("-10");
            break;
        case TValue::Fixed:
            value = c.Literal;
            break;
        case TValue::FirstMap:
            value = firstMap;
            break;
        case TValue::FileInFolder:
            value = QLatin1Char('"') + c.Folder + shown + QLatin1Char('"');
            break;
        }
        lines << c.Name + QLatin1Char(' ') + value;
    }
    lines << tail;
    return lines;
}

QStringList PatchLines(const QStringList& lines, const TPatch& patch)
{
    const std::pair<QString, QString> renewed[] = {
        {QStringLiteral("map"), patch.Map},
        {QStringLiteral("bot_random"), patch.BotRandom},
        {QStringLiteral("bot_num"), patch.BotNum},
        {QStringLiteral("spawndelay"), patch.SpawnDelay},
        {QStringLiteral("bot_skill"), patch.BotSkill},
    };
    QStringList out;
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        // Jumbot runs the file as console commands: what decides is the command word, so a
        // note that mentions a map keeps its text.
        const QString word = trimmed.startsWith(QStringLiteral("//"))
                                 ? QString()
                                 : trimmed.section(QRegularExpression(QStringLiteral("\\s")), 0, 0);
        bool replaced = false;
        for (const auto& [command, value] : renewed) {
            if (word == command) {
                out << command + QLatin1Char(' ') + value;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out << line;
    }
    return out;
}

TNumberEdit* AddNumberFields(TModWindow& w, QWidget* box, const QString& prefix, const QString& fovStem)
{
    struct TNumber {
        const char* Label;   // with a leading '_' the label's name is the prefix's
        const char* Caption;
        const char* Stem;    // null: the field of vision's
        int Min;
        int Max;
        int Digits;
        const char* Hint;
    };
    const TNumber left[] = {
        {"_LabelDist", "Sight distance", "bot_distance", 128, 8192, 4,
         "Set the maximum distance a bot can see an enemy at"},
        {"_LabelFov", "Field of vision", nullptr, 1, 360, 3, "Set the bot's field of vision (in degrees)"},
        {"Lab_weaprun", "Weapon run", "bot_weaprun", -10, 23, 3, "Bots will run if weapon's value is less than this"},
        {"Lab_run_worse", "Run worse", "bot_run_worse", -10, 23, 3, ""},
        {"Lab_yawspeed", "Yaw speed", "bot_yawspeed", 1, 99, 2, "Speed at which the bots turn"}};
    const TNumber right[] = {
        {"Lab_botspeed", "Speed", "botspeed", -10, 10, 3, "Increase / Decrease speed at which the bots run"},
        {"Lab_speedup", "Speedup", "speedup", 0, 2, 1, "Slower computers should have this set to 1 or 2"},
        {"Lab_thinkspeed", "Think speed", "bot_thinkspeed", 1, 10, 2,
         "If set to 10, bots will have slower reaction, but lift off the processor"},
        {"Lab_viewdelay", "View delay", "bot_viewdelay", 0, 10, 2, "Bot's won't react instantly if upper than zero"}};
    auto place = [&](const TNumber& n, int x, int y) {
        const QString label = QString::fromLatin1(n.Label);
        w.AddLabel(box, label.startsWith(QLatin1Char('_')) ? prefix + label : label, QString::fromLatin1(n.Caption),
                   x, y + 4, 96);
        const QString stem = n.Stem ? QString::fromLatin1(n.Stem) : fovStem;
        return w.AddNumber(box, prefix + QLatin1Char('_') + stem, n.Min, n.Max, n.Digits, x + 98, y, 56,
                           QString::fromLatin1(n.Hint));
    };
    TNumberEdit* distance = nullptr;
    for (int i = 0; i < 5; ++i) {
        TNumberEdit* n = place(left[i], 8, 234 + i * 25);
        if (i == 0)
            distance = n;
    }
    for (int i = 0; i < 4; ++i)
        place(right[i], 168, 234 + i * 25);
    return distance;
}

void AddWeaponSliders(TModWindow& w, QWidget* page, const QString& prefix, int pageStep)
{
    QGroupBox* box = w.AddGroup(page, QStringLiteral("GB_WeapPref"), QStringLiteral("Weapons Preferences"), 4, 4, 226,
                              362);
    const char* names[] = {"crowbar", "glock", "python", "mp5",     "shotgun", "crossbow", "rpg",
                           "gauss",   "egon",  "hornet", "grenade", "snark",   "satchel",  "tripmine"};
    const char* captions[] = {"Crowbar", "Glock", "Python", "MP5",     "Shotgun", "Crossbow", "RPG",
                              "Gauss",   "Egon",  "Hornet", "Grenade", "Snark",   "Satchel",  "Trip mine"};
    const QString hint =
        QStringLiteral("Select bots preferences for this weapon (left = never use, rigth = always)");
    for (int i = 0; i < 14; ++i) {
        const QString stem = QString::fromLatin1(names[i]);
        w.AddLabel(box, stem == QStringLiteral("tripmine") ? prefix + QStringLiteral("_LabelTrip")
                                                           : QStringLiteral("Lab_bweap_") + stem,
                   QString::fromLatin1(captions[i]), 8, 24 + i * 24, 64);
        QSlider* s = w.AddSlider(box, prefix + QStringLiteral("_bweap_") + stem, -10, 23, 74, 20 + i * 24, 144,
                                 pageStep, hint);
        s->setTickPosition(QSlider::NoTicks);
    }
}

} // namespace Jumbot
