#pragma once
// The shared routines behind every mod window's Bots page: the bot list (a QListWidget with a
// multi-selection mode; entry i belongs to record i of the mod's bot array), the one-bot editor
// (name edit, model chooser with its picture, skill slider, two further values), random names
// and numbers, model pictures, the preview caption, team lists and the model choosers.
//
// Pass the mod's own array: ModTable::Find(key)->Bots. For "Rocket" the routines work on the
// row's RocBots instead (and swap through the row's Hooks.SwapBots when Rocket registers it).
// "A bot is focused" means the list's currentRow() is not -1. The editor routines store nothing
// while UInit::LoadingDone is 0, so ShowBot and the readers can fill the editor freely.
// Every routine that changes a record marks the mod modified (UQOR::MarkModified).
#include "core/Types.h"

#include <QString>
#include <QVector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSlider;

namespace UQOR {

// The create buttons: record [count] slots 0..4 := name, model, skill, param1, param2 (the array
// grows when it is too short), count + 1, the name appended to the list, and only the new entry
// focused and selected.
void AddBotRecord(int& count, QVector<TBot>& bots, const QString& name, const QString& model,
                  const QString& skill, const QString& param1, const QString& param2,
                  QListWidget* list);

// The up (-1) and down (+1) buttons: the focused bot and its record move one place; the moved
// entry stays focused and is the only one selected. At either end, or with no focused bot,
// nothing happens.
void MoveBot(int step, QListWidget* list, QVector<TBot>& bots);

// Exchanges records a and b whole (all slots) and marks the mod modified. A mod whose row has
// Hooks.SwapBots (Rocket Crowbar) has its own records exchanged through that hook instead.
// Indexes outside the array change nothing.
void SwapBots(QVector<TBot>& bots, int a, int b);

// DeleteBots, after the mod's confirmation: removes every selected entry and its record (the
// records behind it move down), count decreases; the entry now at the place of the last deleted
// one is focused and selected (nothing when the list is empty). The caller then cuts the array
// to count and runs ShowBot.
void DeleteSelectedBots(int& count, QVector<TBot>& bots, QListWidget* list);

// The name edit's change: when loading is done, a bot is focused and the edit is not empty, the
// list entry and slot 0 := the edit's text. An empty edit changes nothing.
void SetBotName(QListWidget* list, QLineEdit* nameEdit, QVector<TBot>& bots);
// The skill slider's change: slot 2 := the slider position as decimal text.
void SetBotSkill(QListWidget* list, QVector<TBot>& bots, QSlider* skill);
void SetBotSkill(QListWidget* list, QVector<TBot>& bots, int position);
// The two further values (team, colour, weapon ...): slot 3 and slot 4 := text.
void SetBotParam1(QListWidget* list, QVector<TBot>& bots, const QString& text);
void SetBotParam2(QListWidget* list, QVector<TBot>& bots, const QString& text);

// The model chooser: mode "Prev" / "Next" (the arrow buttons) steps the chooser one item,
// "All" (the chooser's own change) takes its current item. Nothing at all happens unless loading
// is done, a bot is focused and something changed (Prev on the first item, Next on the last and
// "All" with an empty text change nothing). Stores into slot 1 the model name, or the item index
// ("CStrike", 0-based) or the index + 1 ("Dod", "Botm", "DragonmodZ", "Existence", "Frontline",
// "GlobalWarfare", "TFC", "Wizwars"); for "Op4" in Capture the Flag (OF_Gametype on item 2) the
// index goes into slot 4 instead. The picture (may be null) shows the model's picture
// ("<slot 3>_<slot 1>" for the team mods with side pictures). The chooser's own signals are
// blocked while it is stepped, so its change handler does not run a second time.
void StepBotModel(const QString& mode, QListWidget* list, QComboBox* chooser, QLabel* picture,
                  QVector<TBot>& bots);

// A random name from AppPath\bot_names.txt that no list entry holds yet (compared trimmed); when
// every name is in use, any name of the file; "NewBot" when the file yields no name at all.
QString PickRandomBotName(QListWidget* list);
void PickRandomBotName(QListWidget* list, QString& name);

// A random integer in low..high (both included); low when high is below low.
int RandomInRange(int low, int high);

// The picture file to show for a model name: the program's AppPath\models\<subfolder><m>.jpg,
// beaten by a .bmp beside the model (the player-model folder, or <moddir>\models\player for the
// mods with models of their own), else AppPath\models\nopic.jpg.
QString GetModelPicturePath(const QString& model);
void GetModelPicturePath(const QString& model, QString& path);
// Loads GetModelPicturePath(model) into a picture label (JPEG through the platform decoder).
void ShowModelPicture(QLabel* picture, const QString& model);

// A team chooser's click: when it has a selected item and the preview window is open, the
// preview's caption := "Team <n> - <model>" (n from the chooser's objectName after its eighth
// character: "SV_team3" -> 3, "DM_Team10" -> 10) and its picture the model's picture.
void ShowTeamPreview(QComboBox* chooser);

// LoadConf of the seven team mods ("Darkmatch", "Deathmatch", "EFMatch", "Gathering", "Rocket",
// "Snark_wars", "SVInstaGib"): selects, for each ";"-separated name of list, the matching item
// (FindTeamIndex; none when absent) in <XX>_team1.. (DM_Team1..) of that mod's open window;
// names beyond the choosers are counted but not shown. Then <XX>_numteam := the number of names
// (within its bounds), and when the teamplay option is on (<XX>_teamplay checked; Rocket:
// RC_Teamplay beyond its first item) the row's Hooks.EnableTeams runs. Other keys are ignored.
// The choosers' and the count's signals are blocked while they are set.
void ApplyTeamList(const QString& modKey, const QString& list);

// The index of a team name (trimmed, without regard to case) among the items of EF_botmodel
// ("EFMatch"), GA_botmodel ("Gathering") or UInit::ModelList (the others); -1 when absent.
int FindTeamIndex(const QString& name);

} // namespace UQOR

namespace UInit {

// LoadDefaults of the mods that choose among Half-Life's player models: replaces the items of
// the selected mod's team choosers and bot-model chooser with UInit::ModelList (blank names
// skipped): "Darkmatch" DK_team1..9 + DK_botmodel, "Deathmatch" DM_Team1..10 + DM_BotModel,
// "DMC" DMC_BotModel, "Rocket" RC_team1..6 + RC_botmodel, "SVInstaGib" SV_team1..9 +
// SV_botmodel, "Snark_wars" SW_team1..9 + SW_botmodel, "Scihunt" SH_botmodel. The choosers are
// found by objectName in the selected row's open window.
void FillTeamModelCombos();

// LoadDefaults of the mods with models of their own: replaces the chooser's items with the
// models of folder (each subfolder <name> holding <name>.mdl, sorted without regard to case);
// for "EFMatch" the ten team choosers EF_team1..EF_team10 get the same items.
void ListModModels(QComboBox* chooser, const QString& folder);

} // namespace UInit
