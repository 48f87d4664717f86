#include "core/ModTable.h"

#include "core/UInit.h"

namespace {

struct TIdentity {
    const char* Key;
    const char* Button;
    const char* Handler;
    const char* Hint;
    const char* Label;
    const char* Abbreviation;   // "" : no bot selector
    const char* ListKey;        // "" : no bot selector
    const char* ModsFile;
    const char* WindowClass;
    const char* Folder;         // "" for Deathmatch: its folder comes from the chosen bot
    const char* StartMap;
    const char* GameDir;        // "" for Deathmatch: the chosen bot's "game" decides
};

// The order is the order of the buttons in the main window's grid.
const TIdentity kIdentities[] = {
    {"Action", "SB_Action", "SB_ActionClick", "Action HL beta 5", "Action HL", "AHL", "Action",
     "Action", "TFAction", "action", "ahl_storage", "action"},
    {"Botm", "SB_Botm", "SB_BotmClick", "Battle of the Millenium 3.0 b", "BotM", "BotM", "Botm",
     "Botm", "TFBotm", "botm", "BOTM_Asteroid", "botm"},
    {"CStrike", "SB_CStrike", "SB_CStrikeClick", "Counter Strike 1.3", "CStrike", "CS", "CStrike",
     "CStrike", "TFCstrike", "cstrike", "cs_assault", "cstrike"},
    {"Darkmatch", "SB_Darkmatch", "SB_DarkmatchClick", "Darkmatch  alpha 1", "Darkmatch",
     "Darkmatch", "Darkmatch", "Darkmatch", "TFDarkmatch", "Darkmatch", "dm_complex", "darkmatch"},
    {"Dod", "SB_Dod", "SB_DodClick", "Day of Defeat 2.0", "Day of Defeat", "DoD", "DoD", "DoD",
     "TFDod", "DoD", "dod_caen", "dod"},
    {"DMC", "SB_DMC", "SB_DMCClick", "Deathmatch Classic 1.0", "DMC", "DMC", "DMC", "DMC", "TFDMC",
     "Dmc", "dmc_dm2", "dmc"},
    {"DragonmodZ", "SB_DragonmodZ", "SB_DragonmodZClick", "Dragonmod Z 1.0 beta", "DragonmodZ",
     "DMZ", "DragonmodZ", "DragonmodZ", "TFDragonmodz", "DragonmodZ", "DMZ_astroid", "dragonmodz"},
    {"ESForces", "SB_ESForces", "SB_ESForcesClick", "Earth's Special Forces 2.0", "ESF", "ESF",
     "ESForces", "ESForces", "TFESForces", "ESForces", "esf_CellArena", "esforces"},
    {"Existence", "SB_Existence", "SB_ExistenceClick", "Existence 1.3 beta", "Existence",
     "Existence", "Existence", "Existence", "TFExistence", "EXistence", "ex_hardline_day",
     "existence"},
    {"EFMatch", "SB_Extreme", "SB_ExtremeClick", "Extreme FragMatch 1.0", "EFM", "EFM", "EFMatch",
     "EFMatch", "TFExtreme", "EFMatch", "dm_Bridge", "efmatch"},
    {"Firearms", "SB_Firearms", "SB_FirearmsClick", "FireArms 2.5", "Firearms", "FA", "Firearms",
     "Firearms", "TFFirearms", "firearms", "ps_bridge", "firearms"},
    {"Frontline", "SB_Frontline", "SB_FrontlineClick", "Front Line Force 1.3", "FrontLine", "FLF",
     "Frontline", "Frontline", "TFFrontline", "frontline", "flf_lombardi", "frontline"},
    {"Gangstawars", "SB_Gangsta", "SB_GangstaClick", "Gangsta Wars 2.7", "GangstaWars", "GW",
     "Gangstawars", "Gangstawars", "TFGangsta", "gangstawars", "cts_datcha", "gangstawars"},
    {"Gathering", "SB_Gathering", "SB_GatheringClick", "The Gathering 2.3", "The Gathering", "", "",
     "", "TFGathering", "gathering", "tg_ramp", "gathering"},
    {"GlobalWarfare", "SB_Global", "SB_GlobalClick", "Global Warfare 1.2", "GlobalWarfare", "GW",
     "GlobalWarfare", "GlobalWarfare", "TFGlobal", "GlobalWarfare", "d_dome", "globalwarfare"},
    {"Goldeneye", "SB_Goldeneye", "SB_GoldeneyeClick", "Goldeneye 1.9c", "Goldeneye", "", "", "",
     "TFGoldeneye", "goldeneye", "ge_archives", "goldeneye"},
    {"Deathmatch", "SB_Deathmatch", "SB_DeathmatchClick", "HL Deathmatch 1.1.0.8", "Deathmatch",
     "HL-DM", "Deathmatch", "HL-DM", "TFDeathmatch", "", "boot_camp", ""},
    {"Holywars", "SB_HolyWars", "SB_HolyWarsClick", "Holy Wars beta 1", "Holy Wars", "HW",
     "Holywars", "Holywars", "TFHolywars", "holywars", "hw_envy", "holywars"},
    {"Judgedm", "SB_Judgement", "SB_JudgementClick", "Judgement 1.2", "Judgement", "Judge",
     "Judgedm", "Judgedm", "TFJudgement", "judgedm", "jm_museum", "judgedm"},
    {"Opera", "SB_Opera", "SB_OperaClick", "The Opera 1.0", "Opera", "Opera", "Opera", "Opera",
     "TFOpera", "opera", "op_db_chrest", "opera"},
    {"Op4", "SB_Op4", "SB_Op4Click", "Opposing Force 1.1.0.6", "Opp. Force", "OP4", "OP4", "OP4",
     "TFOp4", "gearbox", "op4_bootcamp", "gearbox"},
    {"Palisade", "SB_Palisade", "SB_PalisadeClick", "Palisade Beta 1", "Palisade", "Palisade",
     "Palisade", "Palisade", "TFPalisade", "palisade", "wall1", "palisade"},
    {"Rocket", "SB_Rocket", "SB_RocketClick", "Rocket Crowbar 19", "Rocket", "RC", "Rocket",
     "Rocket", "TFRocket", "rockcrowbar", "boot_camp", "rockcrowbar"},
    {"Scihunt", "SB_Scihunt", "SB_ScihuntClick", "Sci-hunt 1.2", "Scihunt", "", "", "",
     "TFScihunt", "scihunt", "boot_camp", "scihunt"},
    {"Snark_wars", "SB_Snarkwars", "SB_SnarkwarsClick", "Snark Wars beta 2", "Snark Wars", "Snark",
     "Snark_wars", "Snark_wars", "TFSnarkWars", "snark_wars", "boot_camp", "snark_wars"},
    {"SVInstaGib", "SB_SVInstaGib", "SB_SVInstaGibClick", "SV Insta Gib 1.1", "SVInstaGib", "SVIG",
     "SVInstaGib", "SVInstaGib", "TFSVInstaGib", "svinstagib", "boot_camp", "svinstagib"},
    {"TFC", "SB_TFC", "SB_TFCClick", "TFC 1.5", "TFC", "TFC", "TFC", "TFC", "TFTFC", "tfc", "2fort",
     "tfc"},
    {"VS", "SB_Vampire", "SB_VampireClick", "Vampire Slayer 3", "VS", "VS", "VS", "VS", "TFVS", "vs",
     "vs_asylum", "vs"},
    {"Wantedhl", "SB_Wanted", "SB_WantedClick", "Wanted ! 1.5", "Wanted !", "", "", "", "TFWanted",
     "wantedhl", "canyon", "wantedhl"},
    {"Wizwars", "SB_Wizwars", "SB_WizwarsClick", "Wizard Wars 1.05", "Wizard Wars", "WW",
     "Wizwars", "Wizwars", "TFWizwars", "wizwars", "ww_2fort", "wizwars"},
    {"WormsHL", "SB_wormshl", "SB_wormshlClick", "Worms HL beta 1.3", "Worms HL", "WHL", "WormsHL",
     "WormsHL", "TFWormsHL", "wormshl", "wm_747", "wormshl"},
};

QVector<TModRow> BuildRows()
{
    QVector<TModRow> rows;
    rows.reserve(static_cast<int>(std::size(kIdentities)));
    for (const TIdentity& id : kIdentities) {
        TModRow row;
        row.Key = QString::fromLatin1(id.Key);
        row.Button = QString::fromLatin1(id.Button);
        row.Handler = QString::fromLatin1(id.Handler);
        row.Hint = QString::fromLatin1(id.Hint);
        row.Label = QString::fromLatin1(id.Label);
        row.Abbreviation = QString::fromLatin1(id.Abbreviation);
        row.ListKey = QString::fromLatin1(id.ListKey);
        row.ModsFile = QString::fromLatin1(id.ModsFile);
        row.WindowClass = QString::fromLatin1(id.WindowClass);
        // The window variable is the class name without its leading T ("TFCstrike" -> "FCstrike").
        row.WindowVar = row.WindowClass.mid(1);
        row.Folder = QString::fromLatin1(id.Folder);
        row.StartMap = QString::fromLatin1(id.StartMap);
        row.GameDir = QString::fromLatin1(id.GameDir);
        rows.push_back(row);
    }
    return rows;
}

} // namespace

namespace ModTable {

QVector<TModRow>& Rows()
{
    static QVector<TModRow> rows;
    static bool built = false;
    if (!built) {
        built = true;
        rows = BuildRows();
        // The mod modules fill their hooks now that their rows exist.
        RegisterMods();
    }
    return rows;
}

TModRow* Find(const QString& key)
{
    for (TModRow& row : Rows())
        if (row.Key == key)
            return &row;
    return nullptr;
}

TModRow* Selected()
{
    return UInit::SelectedMod.isEmpty() ? nullptr : Find(UInit::SelectedMod);
}

} // namespace ModTable
