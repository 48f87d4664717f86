#include "core/ModTable.h"

#include "core/UInit.h"

namespace {

struct TIdentity {
    const char* Key;
    const char* Button;
    const char* Hint;
    const char* Label;
    const char* Abbreviation;   // "" : no bot selector
    const char* ListKey;        // "" : no bot selector
    const char* ModsFile;
    const char* Folder;         // "" for Deathmatch: its folder comes from the chosen bot
    const char* StartMap;
    const char* GameDir;        // "" for Deathmatch: the chosen bot's "game" decides
};

// The order is the order of the buttons in the main window's grid.
const TIdentity kIdentities[] = {
    {"Action", "SB_Action", "Action HL beta 5", "Action HL", "AHL", "Action", "Action", "action",
     "ahl_storage", "action"},
    {"Botm", "SB_Botm", "Battle of the Millenium 3.0 b", "BotM", "BotM", "Botm", "Botm", "botm",
     "BOTM_Asteroid", "botm"},
    {"CStrike", "SB_CStrike", "Counter Strike 1.3", "CStrike", "CS", "CStrike", "CStrike",
     "cstrike", "cs_assault", "cstrike"},
    {"Darkmatch", "SB_Darkmatch", "Darkmatch  alpha 1", "Darkmatch", "Darkmatch", "Darkmatch",
     "Darkmatch", "Darkmatch", "dm_complex", "darkmatch"},
    {"Dod", "SB_Dod", "Day of Defeat 2.0", "Day of Defeat", "DoD", "DoD", "DoD", "DoD", "dod_caen",
     "dod"},
    {"DMC", "SB_DMC", "Deathmatch Classic 1.0", "DMC", "DMC", "DMC", "DMC", "Dmc", "dmc_dm2",
     "dmc"},
    {"DragonmodZ", "SB_DragonmodZ", "Dragonmod Z 1.0 beta", "DragonmodZ", "DMZ", "DragonmodZ",
     "DragonmodZ", "DragonmodZ", "DMZ_astroid", "dragonmodz"},
    {"ESForces", "SB_ESForces", "Earth's Special Forces 2.0", "ESF", "ESF", "ESForces", "ESForces",
     "ESForces", "esf_CellArena", "esforces"},
    {"Existence", "SB_Existence", "Existence 1.3 beta", "Existence", "Existence", "Existence",
     "Existence", "EXistence", "ex_hardline_day", "existence"},
    {"EFMatch", "SB_Extreme", "Extreme FragMatch 1.0", "EFM", "EFM", "EFMatch", "EFMatch",
     "EFMatch", "dm_Bridge", "efmatch"},
    {"Firearms", "SB_Firearms", "FireArms 2.5", "Firearms", "FA", "Firearms", "Firearms",
     "firearms", "ps_bridge", "firearms"},
    {"Frontline", "SB_Frontline", "Front Line Force 1.3", "FrontLine", "FLF", "Frontline",
     "Frontline", "frontline", "flf_lombardi", "frontline"},
    {"Gangstawars", "SB_Gangsta", "Gangsta Wars 2.7", "GangstaWars", "GW", "Gangstawars",
     "Gangstawars", "gangstawars", "cts_datcha", "gangstawars"},
    {"Gathering", "SB_Gathering", "The Gathering 2.3", "The Gathering", "", "", "", "gathering",
     "tg_ramp", "gathering"},
    {"GlobalWarfare", "SB_Global", "Global Warfare 1.2", "GlobalWarfare", "GW", "GlobalWarfare",
     "GlobalWarfare", "GlobalWarfare", "d_dome", "globalwarfare"},
    {"Goldeneye", "SB_Goldeneye", "Goldeneye 1.9c", "Goldeneye", "", "", "", "goldeneye",
     "ge_archives", "goldeneye"},
    {"Deathmatch", "SB_Deathmatch", "HL Deathmatch 1.1.0.8", "Deathmatch", "HL-DM", "Deathmatch",
     "HL-DM", "", "boot_camp", ""},
    {"Holywars", "SB_HolyWars", "Holy Wars beta 1", "Holy Wars", "HW", "Holywars", "Holywars",
     "holywars", "hw_envy", "holywars"},
    {"Judgedm", "SB_Judgement", "Judgement 1.2", "Judgement", "Judge", "Judgedm", "Judgedm",
     "judgedm", "jm_museum", "judgedm"},
    {"Opera", "SB_Opera", "The Opera 1.0", "Opera", "Opera", "Opera", "Opera", "opera",
     "op_db_chrest", "opera"},
    {"Op4", "SB_Op4", "Opposing Force 1.1.0.6", "Opp. Force", "OP4", "OP4", "OP4", "gearbox",
     "op4_bootcamp", "gearbox"},
    {"Palisade", "SB_Palisade", "Palisade Beta 1", "Palisade", "Palisade", "Palisade", "Palisade",
     "palisade", "wall1", "palisade"},
    {"Rocket", "SB_Rocket", "Rocket Crowbar 19", "Rocket", "RC", "Rocket", "Rocket", "rockcrowbar",
     "boot_camp", "rockcrowbar"},
    {"Scihunt", "SB_Scihunt", "Sci-hunt 1.2", "Scihunt", "", "", "", "scihunt", "boot_camp",
     "scihunt"},
    {"Snark_wars", "SB_Snarkwars", "Snark Wars beta 2", "Snark Wars", "Snark", "Snark_wars",
     "Snark_wars", "snark_wars", "boot_camp", "snark_wars"},
    {"SVInstaGib", "SB_SVInstaGib", "SV Insta Gib 1.1", "SVInstaGib", "SVIG", "SVInstaGib",
     "SVInstaGib", "svinstagib", "boot_camp", "svinstagib"},
    {"TFC", "SB_TFC", "TFC 1.5", "TFC", "TFC", "TFC", "TFC", "tfc", "2fort", "tfc"},
    {"VS", "SB_Vampire", "Vampire Slayer 3", "VS", "VS", "VS", "VS", "vs", "vs_asylum", "vs"},
    {"Wantedhl", "SB_Wanted", "Wanted ! 1.5", "Wanted !", "", "", "", "wantedhl", "canyon",
     "wantedhl"},
    {"Wizwars", "SB_Wizwars", "Wizard Wars 1.05", "Wizard Wars", "WW", "Wizwars", "Wizwars",
     "wizwars", "ww_2fort", "wizwars"},
    {"WormsHL", "SB_wormshl", "Worms HL beta 1.3", "Worms HL", "WHL", "WormsHL", "WormsHL",
     "wormshl", "wm_747", "wormshl"},
};

QVector<TModRow> BuildRows()
{
    QVector<TModRow> rows;
    rows.reserve(static_cast<int>(std::size(kIdentities)));
    for (const TIdentity& id : kIdentities) {
        TModRow row;
        row.Key = QString::fromLatin1(id.Key);
        row.Button = QString::fromLatin1(id.Button);
        row.Hint = QString::fromLatin1(id.Hint);
        row.Label = QString::fromLatin1(id.Label);
        row.Abbreviation = QString::fromLatin1(id.Abbreviation);
        row.ListKey = QString::fromLatin1(id.ListKey);
        row.ModsFile = QString::fromLatin1(id.ModsFile);
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
