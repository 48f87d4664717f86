#include "mods/wizwars/UWizwars.h"

#include "core/UQOR.h"
#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "mods/wizwars/UFWizwars.h"

#include <QSlider>

namespace UWizwars {

namespace {

const QStringList kTeams{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")};

TModTraits WizwarsTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Wizwars");
    s.Prefix = QStringLiteral("WZ");
    s.Title = QStringLiteral("Wizard Wars");
    s.ShortName = QStringLiteral("Wizwars");
    s.PageControl = QStringLiteral("PC_Wizwars");
    s.DefaultModel = QStringLiteral("1");
    s.DefaultSkill = QStringLiteral("0");
    s.ModeleDefault = QStringLiteral("1");
    s.DefaultDll = QStringLiteral("mp.dll");
    s.ForbiddenNameChars = QStringLiteral(" \"'<>;");
    s.PauseLine = QStringLiteral("pause 2");
    s.DefaultsEmptyMapCycle = true;
    s.Models = TModelSource::ClassList;
    s.ClassNames = Classes();
    s.Profile.PictureFolder = QStringLiteral("Wizwars\\");
    s.Profile.WindowAtMainCorner = true;
    s.Liblist = {.Header = {"// Wizard Wars liblist.gam", "// Wizard Wars (c) 2001 the Wizard Wars team",
                            "// Wizard Wars is a mod by the Wizard Wars team", ""},
                 .Game = "Wizard Wars", .UrlInfo = "www.wizardwars.net", .UrlDl = {"", " // Downloading URL"},
                 .Version = {"1.05", " // version of mod"}, .Size = {"23000000", " // size of mod"},
                 .SvOnly = {"0", " // server side only mod? (1=yes 0=no)"},
                 .ClDll = {"1", " // client side dll? (1=yes 0=no)"},
                 .HlVersion = {"1101", " // version of halflife"}, .Type = "multiplayer_only",
                 .NoModels = {"1", " // game selects player model (1=yes 0=no)"},
                 .MpEntity = {"info_player_start", " // name of multiplayer spawn entity"},
                 .GameDllTail = " // file and location of dll"};
    s.TemplateControls = {
        {.Name = "LabelModel", .Caption = "Class"},
    };
    return s;
}

} // namespace

const QStringList& Classes()
{
    static const QStringList names{
        QStringLiteral("Healer"),      QStringLiteral("Pyromancer"),  QStringLiteral("Aquamancer"),
        QStringLiteral("Nature"),      QStringLiteral("Voltamancer"), QStringLiteral("Necromancer"),
        QStringLiteral("Geomancer"),   QStringLiteral("Aeromancer"),  QStringLiteral("Dracomancer")};
    return names;
}

TWizwars::TWizwars() : TModLogic(WizwarsTraits()) {}

TCvarTable TWizwars::Cvars() const
{
    using namespace ModCvars;
    return {
        Number(QStringLiteral("mp_fraglimit"), QStringLiteral("WZ_fraglimit"), QStringLiteral("0")),
        Number(QStringLiteral("mp_timelimit"), QStringLiteral("WZ_timelimit"), QStringLiteral("0")),
        Check(QStringLiteral("mp_friendlyfire"), QStringLiteral("WZ_friendlyfire"), QStringLiteral("0")),
        Check(QStringLiteral("mp_footsteps"), QStringLiteral("WZ_footsteps"), QStringLiteral("1")),
        Check(QStringLiteral("mp_autocrosshair"), QStringLiteral("WZ_autocrosshair"), QStringLiteral("1")),
        Check(QStringLiteral("mp_allowdmthorns"), QStringLiteral("WZ_allowdmthorns"), QStringLiteral("1")),
        Check(QStringLiteral("mp_coop"), QStringLiteral("WZ_coop"), QStringLiteral("0")),
        Check(QStringLiteral("mp_combochaos"), QStringLiteral("WZ_combochaos"), QStringLiteral("1")),
    };
}

ModWriters::TPlaceholderTable TWizwars::Placeholders(const QString& skillKey) const
{
    ModWriters::TPlaceholderTable table =
        ModWriters::TemplatePlaceholders(skillKey, QString(), QStringLiteral("NewBot"), QString());
    const int classes = Classes().size();
    for (ModWriters::TPlaceholder& p : table) {
        if (p.Name != QStringLiteral("<model>"))
            continue;
        // A missing class, or one that names none, is the first, as the window reads it (an
        // empty argument would shift the name into the class); the last is numbered 10 by the
        // bot program.
        p.Convert = [classes](const QString& v, int) {
            const QString number = ModClasses::ReadClassNumber(v, classes, QStringLiteral("1"));
            return number == QStringLiteral("9") ? QStringLiteral("10") : number;
        };
    }
    // The team comes first; Auto (and anything but Blue or Red) is the bot program's 5.
    table.prepend({QStringLiteral("<team>"), QStringLiteral("team"), QStringLiteral("0"),
                   [](const QString& v, int) {
                       const QString t = v.trimmed();
                       return t == QStringLiteral("1") || t == QStringLiteral("2") ? t
                                                                                     : QStringLiteral("5");
                   }});
    return table;
}

TStoreTable TWizwars::BotStoreRows() const
{
    TStoreRow team = ModStore::Slot(QStringLiteral("team"), 3, QStringLiteral("0"), 0, 2);
    // A team that is no radio's reads as Auto, not as the nearer end.
    team.ReadAs = [](const QString& v) {
        return kTeams.contains(v.trimmed()) ? v.trimmed() : QStringLiteral("0");
    };
    return {team, ModStore::SlotText(QStringLiteral("type"), 4)};
}

TBot TWizwars::NewBot(bool random)
{
    TBot bot = TModLogic::NewBot(random);
    bot[3] = random ? QString::number(UQOR::RandomInRange(0, 2)) : QStringLiteral("0");
    return bot;
}

void TWizwars::ClearBotFields()
{
    TModLogic::ClearBotFields();
    if (TModWindow* w = Form())
        ModControls::SetSlider(w->Botskill, 1);
}

TWizwars& Logic()
{
    static TWizwars logic;
    return logic;
}

} // namespace UWizwars

void RegisterMod_wizwars() { RegisterModWindow<TFWizwars>(UWizwars::Logic(), FWizwars); }
