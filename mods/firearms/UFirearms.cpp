// Firearms' role routines and launch writers.
#include "mods/firearms/UFirearms.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModWriters.h"
#include "mods/firearms/UFFirearms.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableWidget>

namespace UFirearms {

const QString FireBot = QStringLiteral("FireBot");

namespace {

const QString kDefault = QStringLiteral("Default");

TModTraits FirearmsTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Firearms");
    s.Prefix = QStringLiteral("FA");
    s.Title = QStringLiteral("FireArms");
    s.ShortName = QStringLiteral("FireArms");
    s.PageControl = QStringLiteral("PC_Firearms");
    s.DefaultModel = QString();
    s.DefaultSkill = QStringLiteral("0");
    s.ModeleDefault = QString();
    s.DefaultDll = QStringLiteral("firearms.dll");
    s.PauseLine = QStringLiteral("pause 2");
    s.ChatKeys = false;
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.Models = TModelSource::ModFills;
    s.HasModelChooser = false;
    s.ModeleKey = false;
    // A map is offered only when its waypoint file exists; nothing is marked.
    s.RequiredWaypointKey = QStringLiteral("waypt");
    s.OutsideBotEditor = true;
    s.MapConfig = true;
    s.MapConfigMarks = true;
    s.MapConfigOpens = true;
    s.TemplateControls = {
        {.Name = "FA_defskill", .As = "FA_Defskill"},
        {.Name = "FA_Botskill", .As = "FA_botskill"},
        {.Name = "LabelDefSkill", .Caption = "Default Skill"},
    };
    return s;
}

TFFirearms* Win()
{
    return qobject_cast<TFFirearms*>(Logic().Form());
}

// A stored whole number within 0..highest as it is; anything else reads as "0" (Auto team,
// random weapon), so a hand-edited store never shows a bot without a team or hands the bot
// program a number it has no meaning for.
QString InRangeOrZero(const QString& stored, int highest)
{
    bool ok = false;
    const int v = stored.trimmed().toInt(&ok);
    return ok && v >= 0 && v <= highest ? QString::number(v) : QStringLiteral("0");
}

int HighestWeapon() { return int(WeaponItems().size()) - 1; }

QString BoolText(const QString& stored)
{
    return UInit::TextToBool(stored) ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

const QStringList& WeaponItems()
{
    static const QStringList items{
        QStringLiteral("< Random Weapon >"),
        QStringLiteral("Pistol - 45 ACP-SA"),
        QStringLiteral("Pistol - 44 RV SA-SCP"),
        QStringLiteral("Pistols- 9mm SA-3RB"),
        QStringLiteral("Pistols- SA-SIL"),
        QStringLiteral("Pistol - AE-SA"),
        QStringLiteral("Shotgun - TAC 12 gauge"),
        QStringLiteral("Shotgun - Automatic"),
        QStringLiteral("Sub-Machinegun - 9mm SMG SIL"),
        QStringLiteral("Sub-Machinegun - 9mm TAC SMG"),
        QStringLiteral("Sub-Machinegun - 7.62 BF-SMG"),
        QStringLiteral("Sub-Machinegun - Akimbo 45 SMG"),
        QStringLiteral("Sub-Machinegun - 9mm HCM-SMG"),
        QStringLiteral("Rifle - 7.62mm AR-BT"),
        QStringLiteral("Rifle - 5.56 AR-TAC"),
        QStringLiteral("Rifle - 7.62 TAC AR-LCM"),
        QStringLiteral("Rifle - 5.56 NATO AR-SCP"),
        QStringLiteral("Rifle - 5.56 AR-GL"),
        QStringLiteral("Rifle - Carbine 5.56 AR"),
        QStringLiteral("Rifle - 5.56 BP AR-SCP"),
        QStringLiteral("Sniper Rifle - 7.62 SR-SCP"),
        QStringLiteral("Sniper Rifle - 50 A-T SR SCP"),
        QStringLiteral("Machinegun - 7.62 HCM-MG"),
        QStringLiteral("Grenade Launcher - 40mm GL"),
        QStringLiteral("Other - Knife"),
    };
    return items;
}

// ---------------------------------------------------------------- botskill.cfg

const QStringList& SkillKeys()
{
    static const QStringList keys{QStringLiteral("REACT_MIN"), QStringLiteral("REACT_MAX"),
                                  QStringLiteral("AIM_X"),     QStringLiteral("AIM_Y"),
                                  QStringLiteral("AIM_Z"),     QStringLiteral("AIM_HEAD")};
    return keys;
}

const QStringList& SkillRowLabels()
{
    static const QStringList labels{QStringLiteral(" Min Delay"),    QStringLiteral(" Max Delay"),
                                    QStringLiteral(" Aim Offset X"), QStringLiteral(" Aim Offset Y"),
                                    QStringLiteral(" Aim Offset Z"), QStringLiteral(" Headshot %")};
    return labels;
}

const QVector<SkillGrid::TRange>& SkillRanges()
{
    using namespace SkillGrid;
    static const QVector<TRange> ranges{Seconds, Seconds, Offset, Offset, Offset, Percent};
    return ranges;
}

const QStringList& SkillHeadings()
{
    static const QStringList headings{QStringLiteral("   Skill 1"), QStringLiteral("   Skill 2"),
                                      QStringLiteral("   Skill 3"), QStringLiteral("   Skill 4"),
                                      QStringLiteral("   Skill 5")};
    return headings;
}

void ParseBotSkill(const QStringList& lines, SkillGrid::TCells& cells)
{
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')) || line.trimmed().isEmpty())
            continue;
        for (int row = 0; row < SkillKeys().size(); ++row) {
            const QString& key = SkillKeys().at(row);
            const int at = line.indexOf(key);
            if (at < 0)
                continue;
            // The written layout: the key, a blank, the skill digit, a blank, the value. A skill
            // outside 1..5 names no column of the table and is passed over.
            const QString number = line.mid(at + key.size(), 2).trimmed();
            bool ok = false;
            const int skill = number.toInt(&ok);
            if (!ok || skill < 1 || skill > SkillLevels || row >= cells.size() ||
                skill > cells[row].size())
                continue;
            cells[row][skill - 1] = line.mid(at + key.size() + 2).trimmed();
        }
    }
}

QStringList FormatBotSkill(const SkillGrid::TCells& cells)
{
    // FireBot's own order of the blocks.
    static const int order[] = {2, 3, 4, 5, 0, 1};
    QStringList lines;
    bool first = true;
    for (const int row : order) {
        if (!first)
            lines << QString();
        first = false;
        for (int skill = 1; skill <= SkillLevels; ++skill)
            lines << SkillKeys().at(row) + QLatin1Char(' ') + QString::number(skill) +
                         QLatin1Char(' ') + cells.value(row).value(skill - 1).trimmed();
    }
    return lines;
}

// ---------------------------------------------------------------- the logic object

TFirearms::TFirearms() : TModLogic(FirearmsTraits()) {}

bool TFirearms::IsFireBot() const
{
    return UInit::SelectedBot == FireBot;
}

void TFirearms::ReadBotSection()
{
    TModLogic::ReadBotSection();
    // The waypoint extension only decides which maps are offered; no map is marked with it.
    State.WaypointExt.clear();
    CfgPath = TIniFile(ModsIniPath()).ReadString(UInit::SelectedBot, QStringLiteral("CfgPath"), QString());
}

QString TFirearms::MapConfigFolder() const
{
    return FileSys::JoinPath(ModDir(), CfgPath);
}

TCvarTable TFirearms::Cvars() const
{
    using namespace ModCvars;
    TCvarRow fall;
    fall.Cvar = QStringLiteral("mp_falldamage");
    fall.Control = QStringLiteral("FA_fallreal");
    fall.Control2 = QStringLiteral("FA_fallnorm");
    fall.Read = TCvarRead::Radio;
    fall.Written = TCvarWrite::Bool01;
    fall.DefaultRule = [](TModWindow& w) {
        SetControlValue(w.ControlWidget(QStringLiteral("FA_fallnorm")), QStringLiteral("1"));
        SetControlValue(w.ControlWidget(QStringLiteral("FA_fallreal")), QStringLiteral("0"));
    };
    // Read from older files but never written: the bot store keeps these.
    const auto readOnly = [](TCvarRow row) {
        row.When = [](const TModWindow&) { return false; };
        return row;
    };
    return {
        Fixed(QStringLiteral("mp_teamlist"), QStringLiteral("blue;red")),
        Fixed(QStringLiteral("mp_teamplay"), QStringLiteral("1")),
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("FA_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("FA_timelimit"), QStringLiteral("0")),
        fall,
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("FA_friendlyfire"), QStringLiteral("0")),
        Check(QStringLiteral("mp_weaponstay"), QStringLiteral("FA_weaponstay"), QStringLiteral("0")),
        Check(QStringLiteral("mp_forcerespawn"), QStringLiteral("FA_forcerespawn"), QStringLiteral("0")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("FA_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("mp_flashlight"), QStringLiteral("FA_flashlight"), QStringLiteral("1")),
        Check(QStringLiteral("mp_autocrosshair"), QStringLiteral("FA_autocrosshair"), QStringLiteral("1")),
        Check(QStringLiteral("mp_blood"), QStringLiteral("FA_blood"), QStringLiteral("1")),
        Check(QStringLiteral("mp_shells"), QStringLiteral("FA_shells"), QStringLiteral("1")),
        Check(QStringLiteral("mp_bulletholes"), QStringLiteral("FA_bulletholes"), QStringLiteral("1")),
        Index(QStringLiteral("sv_useskills"), QStringLiteral("FA_useskills"), {}, QStringLiteral("1")),
        Check(QStringLiteral("autoexeccfg"), QStringLiteral("FA_autoexeccfg"), QStringLiteral("0")),
        readOnly(Check(QStringLiteral("botdontshoot"), QStringLiteral("FA_botdontshoot"))),
        readOnly(Check(QStringLiteral("observer"), QStringLiteral("FA_observer"))),
        readOnly(Check(QStringLiteral("botstamina"), QStringLiteral("FA_botstamina"))),
        readOnly(Number(QStringLiteral("botskill"), QStringLiteral("FA_Defskill"))),
    };
}

TStoreTable TFirearms::StoreRows() const
{
    using namespace ModStore;
    return {
        Flag(kDefault, QStringLiteral("botdontshoot"), QStringLiteral("FA_botdontshoot")),
        Flag(kDefault, QStringLiteral("botstamina"), QStringLiteral("FA_botstamina")),
        Flag(kDefault, QStringLiteral("observer"), QStringLiteral("FA_observer")),
    };
}

TStoreTable TFirearms::BotStoreRows() const
{
    using namespace ModStore;
    TStoreRow team = SlotText(QStringLiteral("team"), 3, QStringLiteral("0"));
    team.ReadAs = [](const QString& v) { return InRangeOrZero(v, 2); };
    TStoreRow weapon = SlotText(QStringLiteral("weapon"), 4, QStringLiteral("0"));
    weapon.ReadAs = [](const QString& v) { return InRangeOrZero(v, HighestWeapon()); };
    return {team, weapon};
}

void TFirearms::LoadModDefaults()
{
    TFFirearms* w = Win();
    if (!w)
        return;
    for (QCheckBox* c : {w->FA_botstamina, w->FA_botdontshoot, w->FA_observer, w->FA_autoexeccfg})
        ModControls::SetCheck(c, false);
    ModControls::SetSlider(w->defskill, 1);
}

void TFirearms::ClearBotFields()
{
    TModLogic::ClearBotFields();
    TFFirearms* w = Win();
    if (!w)
        return;
    w->ShowSide(QStringLiteral("0"));
    if (w->FA_botweapon) {
        const QSignalBlocker block(w->FA_botweapon);
        w->FA_botweapon->setCurrentIndex(-1);
    }
}

void TFirearms::ShowBotRecord(const TBot& bot)
{
    TModLogic::ShowBotRecord(bot);
    TFFirearms* w = Win();
    if (!w || !w->FA_botweapon)
        return;
    const QSignalBlocker block(w->FA_botweapon);
    w->FA_botweapon->setCurrentIndex(InRangeOrZero(bot[4], HighestWeapon()).toInt());
}

TBot TFirearms::NewBot(bool random)
{
    TBot bot;
    TModWindow* w = Form();
    if (!random || !w) {
        bot[0] = QStringLiteral("NewBot");
        bot[2] = QStringLiteral("0");
        bot[3] = QStringLiteral("0");
        bot[4] = QStringLiteral("0");
        return bot;
    }
    bot[0] = UQOR::PickRandomBotName(w->ListBot);
    // Within what the skill slider can show (its maximum follows the bot's maxskill).
    const int highest = w->Botskill ? w->Botskill->maximum() : MaxSkill();
    bot[2] = QString::number(UQOR::RandomInRange(qMin(1, highest), highest));
    bot[3] = QString::number(UQOR::RandomInRange(0, 2));
    bot[4] = QString::number(UQOR::RandomInRange(0, HighestWeapon()));
    return bot;
}

void TFirearms::LoadConf()
{
    if (!Form())
        return;
    TModLogic::LoadConf();
    if (IsFireBot())
        ReadBotSkillCfg();
    State.Modified = 0;
}

bool TFirearms::SaveConf()
{
    if (!TModLogic::SaveConf())
        return false;
    if (IsFireBot()) {
        QString error;
        if (!WriteBotSkillCfg(error)) {
            ReportSaveError(error);
            State.Modified = 1;
            return false;
        }
    }
    return true;
}

void TFirearms::RestoreDefaults()
{
    // The skill table is FireBot's file, not a default of ours: Restore Default leaves it.
    TModLogic::RestoreDefaults();
}

QString TFirearms::BotSkillCfgPath()
{
    return FileSys::Resolve(FileSys::JoinPath(UInit::HLPath, QStringLiteral("Firebot\\firearms\\botskill.cfg")));
}

void TFirearms::ReadBotSkillCfg()
{
    TFFirearms* w = Win();
    if (!w || !w->FA_Skills)
        return;
    const UInit::TLoadingGuard loading;
    SkillGrid::Label(w->FA_Skills, SkillHeadings(), SkillRowLabels(), SkillRanges());
    const QString path = BotSkillCfgPath();
    QStringList lines;
    if (FileSys::FileExists(path) && FileSys::ReadLines(path, lines)) {
        SkillGrid::TCells cells = SkillGrid::Read(w->FA_Skills);
        ParseBotSkill(lines, cells);
        SkillGrid::Write(cells, w->FA_Skills);
    }
}

bool TFirearms::WriteBotSkillCfg(QString& error)
{
    TFFirearms* w = Win();
    if (!w || !w->FA_Skills)
        return true;
    const SkillGrid::TCells cells = SkillGrid::Read(w->FA_Skills);
    // Nothing loaded and nothing typed: FireBot keeps its own table.
    if (SkillGrid::IsEmpty(cells))
        return true;
    const QString folder = FileSys::JoinPath(UInit::HLPath, QStringLiteral("Firebot\\firearms"));
    if (!FileSys::DirectoryExists(folder)) {
        error = QStringLiteral("Can't find ") + ModControls::NativePath(folder) +
                QStringLiteral(": the FireBot skill table was not saved.");
        return false;
    }
    return ModWriters::WriteFile(BotSkillCfgPath(), FormatBotSkill(cells), error);
}

// ---------------------------------------------------------------- launch writers

QStringList TFirearms::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    return {
        QStringLiteral("// Firearms .dll Listing File\""),
        LiblistLine(QStringLiteral("game"), QStringLiteral("Firearms")),
        LiblistLine(QStringLiteral("url_info"), QStringLiteral("www.firearmsmod.com")),
        LiblistLine(QStringLiteral("url_dl"), QStringLiteral("www.firearmsmod.com")),
        LiblistLine(QStringLiteral("version"), QStringLiteral("RC2.5")),
        LiblistLine(QStringLiteral("size"), QStringLiteral("167800000")),
        LiblistLine(QStringLiteral("hlversion"), QStringLiteral("1106")),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("type"), QStringLiteral("multiplayer_only")),
        LiblistLine(QStringLiteral("nomodels"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("mpentity"), QStringLiteral("info_firearms_detect")) +
            QStringLiteral("   // Only these maps will appear in the listing"),
        ModWriters::GameDllLine(dll),
        LiblistLine(QStringLiteral("gamedll_linux"), QStringLiteral("dlls/fa_i386.so")),
        QStringLiteral("//startmap \"TBD\""),
        QStringLiteral("//trainingmap \"TBD\""),
    };
}

ModWriters::TPlaceholderTable TFirearms::Placeholders(const QString& skillKey) const
{
    ModWriters::TPlaceholderTable table{
        {QStringLiteral("<team>"), QStringLiteral("team"), QStringLiteral("0"),
         [](const QString& v, int) { return InRangeOrZero(v, 2); }}};
    table << ModWriters::TemplatePlaceholders(skillKey, QString(), QStringLiteral("NewBot"),
                                              QStringLiteral("0"));
    table << ModWriters::TPlaceholder{QStringLiteral("<weapon>"), QStringLiteral("weapon"),
                                      QStringLiteral("0"),
                                      [](const QString& v, int) { return InRangeOrZero(v, HighestWeapon()); }};
    return table;
}

QStringList TFirearms::BotFileHeader(const TBotFileContext& c) const
{
    QStringList lines = ModWriters::BotFileHeader(c.Template, Traits().PauseLine, c.DefaultSkill);
    if (c.Section == FireBot) {
        for (const char* key : {"botdontshoot", "observer", "botstamina"})
            lines << ModCvars::CvarLine(QString::fromLatin1(key),
                                        BoolText(c.Store.ReadString(kDefault, QString::fromLatin1(key),
                                                                    QStringLiteral("0"))));
        lines << ModCvars::CvarLine(QStringLiteral("autojoin"), QStringLiteral("1"));
    }
    return lines;
}

// ---------------------------------------------------------------- unit routines

TFirearms& Logic()
{
    static TFirearms logic;
    return logic;
}

} // namespace UFirearms

void RegisterMod_firearms() { RegisterModWindow<TFFirearms>(UFirearms::Logic(), FFirearms); }
