#include "core/UInit.h"

namespace UInit {

int ManagedCvarHigh = -1;

// Every cvar a mod window writes to game.cfg. A line of listenserver.cfg or server.cfg that sets
// one of them would run after the command line and undo the user's settings, so the launch
// comments such lines out. The two empty slots are kept where they always were; an empty name
// matches nothing.
void BuildManagedCvarList()
{
    static const char* const names[] = {
        "maxplayers", "mp_bots", "mp_gametype", "mp_timelimit", "mp_fraglimit", "",
        "mp_footsteps", "mp_falldamage", "mp_friendlyfire", "mp_weaponstay", "mp_forcerespawn",
        "mp_flashlight", "mp_autocrosshair", "sv_sendvelocity", "mp_autoteambalance",
        "mp_teamlist", "mp_teamplay", "mp_roundtimelimit", "mp_teamkills", "mp_tkdeal",
        "mp_roundtime", "mp_freezetime", "mp_maxrounds", "mp_winlimit", "mp_hostagepenalty",
        "mp_limitteams", "mp_autokick", "mp_chasecam", "mp_c4timer",
        "mp_friendly_grenade_damage", "mp_radar", "mp_nvg", "mp_boots", "mp_flares",
        "mp_respawntime", "mp_tkpenalty", "mp_restarttime", "mp_jailtime", "mp_blood",
        "mp_shells", "mp_bulletholes", "sv_useskills", "mp_teamchange", "mp_forcebalance",
        "mp_donpointlimit", "mp_gbpointlimit", "mp_ctspointlimit", "mp_gbmaxlifes",
        "mp_dmteamplay", "mp_autoteam", "mp_kickteamkillers", "mp_painsounds",
        "mp_defaultbots", "mp_botsswear", "mp_botusebot", "mp_botcombatjump",
        "mp_transportrespawn", "mp_intermissionend", "mp_intermissionstart", "mp_warmuptime",
        "mp_weaponrespawntime", "mp_weaponremovetime", "mp_allowcameras", "mp_campaign",
        "mp_mirrordamage", "mp_rules", "mp_allowradar", "mp_allowarmor", "mp_spychange",
        "mp_mostwanted", "mp_ctf_capture", "mp_ctf_autoteam", "mp_gamemode",
        "mp_roundduration", "sv_killcount", "sv_wpn_knife_combat", "sv_wpn_knife_throwing",
        "sv_wpn_pistols", "sv_wpn_smgs", "sv_wpn_long", "sv_wpn_panic", "mp_flag_return_time",
        "mp_points_per_capture", "mp_scikill", "mp_deathballs", "minplayers", "minbots",
        "mp_ctf", "mp_drunkrockets", "sv_poll", "mp_teamannoy", "mp_allowrifts", "mp_teampush",
        "mp_curses", "sv_chglevel", "sv_noexit", "sh_realistic", "sh_weapfileloc",
        "sh_wallclimb", "sh_allmonsfly", "sh_gibcount", "sh_insanity", "sh_chainspark",
        "sh_chaingore", "sh_hcgib", "sh_moregibs", "sh_corpsemass", "sh_hchorror",
        "sh_noplrdmg", "mp_hook", "mp_headshotpoints", "mp_shootthroughwalls", "sa",
        "nextshot", "gaussr", "gaussg", "gaussb", "funny", "tfc_balance_teams", "tfc_birthday",
        "mp_roundlimit", "mp_nodraws", "mp_decap", "mp_maxbots", "mp_minbots", "mp_botteam",
        "mp_tkkill", "sv_defaultbots", "sv_adjbotskill", "sv_botskill", "mp_allowdmthorns",
        "mp_coop", "mp_combochaos", "", "mp_tourlimit",
        // Written by the mod windows too, so they belong to the table as well (SV Insta Gib
        // writes its three names without the mp_ prefix).
        "mp_startmoney", "tfc_respawndelay", "autoexeccfg", "bot_snipe", "hook",
        "headshotpoints", "shootthroughwalls",
    };
    ManagedCvars.clear();
    ManagedCvars.reserve(static_cast<int>(std::size(names)));
    for (const char* name : names)
        ManagedCvars.append(TCVar{QString::fromLatin1(name)});
    ManagedCvarHigh = static_cast<int>(ManagedCvars.size()) - 1;
}

} // namespace UInit
