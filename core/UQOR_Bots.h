#pragma once
// The shared routines behind every mod window's Bots page: the bot list (a QListWidget with a
// multi-selection mode; entry i belongs to record i of the mod's bot array), the one-bot editor
// (name edit, model chooser with its picture, skill slider, two further values), random names
// and numbers, model pictures, the preview caption, team lists and the model choosers.
//
// Pass the mod's own array: ModTable::Find(key)->Bots. A mod whose profile has OwnBotRecords
// has the routines work on the row's RocBots instead (swapped through its Hooks.SwapBots).
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
// Hooks.SwapBots has its own records exchanged through that hook instead.
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
// "All" with an empty text change nothing). Stores into slot 1 the model as the selected mod's
// profile keeps it (its name, its index from 0 or its class number from 1); with another slot
// (a capture-the-flag model) the chooser's index from 0 goes there instead. The picture (may be
// null) shows the model's picture ("<slot 3>_<slot 1>" for a profile with side pictures). The
// chooser's own signals are blocked while it is stepped, so its change handler does not run a
// second time.
void StepBotModel(const QString& mode, QListWidget* list, QComboBox* chooser, QLabel* picture,
                  QVector<TBot>& bots, int slot = 1);

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

} // namespace UQOR

namespace UInit {

// The names of UInit::ModelList without the blank ones: what the choosers of Half-Life's own
// player models list.
QStringList PlayerModelNames();
// The models of a mod's own folder: each subfolder <name> holding <name>.mdl, sorted without
// regard to case.
QStringList ModModelNames(const QString& folder);
// Replaces a chooser's items, leaving nothing chosen, without a change signal.
void ReplaceChooserItems(QComboBox* combo, const QStringList& items);
// LoadDefaults of the mods with models of their own: the chooser lists ModModelNames(folder).
void ListModModels(QComboBox* chooser, const QString& folder);

} // namespace UInit
