#pragma once
// The shared routines behind every mod window's Maps page: the available list (map name, a
// blank, then "*" when the map has a waypoint file and "+" when it has a configuration file of
// its own), the map cycle (bare names, mapcycle.txt plus QOR.ini "First Map"), the list
// operations and the map comments (AppPath\Maps\<file>, one section per map, key "comment").
//
// The routines work on the list widgets the window passes in:
// - the available list: a QListWidget with a multi-selection mode (Extended or Multi). Do NOT
//   turn on Qt's own sorting (it is case-sensitive); ListMaps inserts the entries already
//   sorted without regard to case.
// - the map cycle: a QListWidget with a multi-selection mode, not sorted.
// "Focused entry" is the list's currentRow() (-1: none); "selected" is the item's selection.
// The routines know the mod only through UInit::SelectedMod. Map names compare case-sensitively
// in the lists; files are found without regard to case, as on Windows.
#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace UInit {

// Fills the available list from the "*.bsp" files of mapsFolder (LoadDefaults calls it).
// legend (may be null) is rebuilt: "* Waypoints" + CR LF when waypointExt is given, then
// "+ Self config" when configExt is given. Extensions include their dot (".wpt"); empty
// arguments switch the marker (or the requirement) off:
// - waypointExt + waypointFolder: "*" when waypointFolder\<map><waypointExt> exists;
// - configExt + configFolder: "+" when configFolder\<map><configExt> exists;
// - requiredExt: only maps with waypointFolder\<map><requiredExt> are listed.
// The selected mod's profile adds stock maps by name (the eight deathmatch maps, not with
// cstrike.exe, and its own listed stock maps). The list is replaced, except with a fixed map
// list, whose entries stay and whose maps are added only when the list does not hold them yet.
// Maps the profile hides are skipped.
// Each folder is listed once, so thousands of maps cost little more than the listings.
void ListMaps(QListWidget* available, const QString& mapsFolder, QLabel* legend,
              const QString& configFolder = QString(), const QString& configExt = QString(),
              const QString& waypointExt = QString(), const QString& waypointFolder = QString(),
              const QString& requiredExt = QString());

} // namespace UInit

namespace UQOR {

// True when the game's readers take the name whole: 1 to 31 bytes, each a printable ASCII
// character other than a blank (the map-cycle reader splits at blanks and at bytes from 0x80
// up, and keeps 31 characters). Maps and models with other names are not offered.
bool IsGameReadableName(const QString& name);

// The eight deathmatch maps of Half-Life's own folder, accepted by name.
const QStringList& DeathmatchStockMaps();

// True when the map may stand in the map cycle: its .bsp lies in mapsFolder, or it is a
// deathmatch stock map, or the mod's profile has a fixed map list (any non-empty name) or names
// the map among its stock maps; with a requiredExt the file waypointFolder\<map><requiredExt>
// must exist; a map the profile hides is refused; an empty (trimmed) name is never present.
bool IsMapPresent(const QString& map, const QString& mapsFolder,
                  const QString& waypointFolder = QString(),
                  const QString& requiredExt = QString());

// The map's name with the case of its file in the first of the folders that holds <map>.bsp
// (found without regard to case), so a hand-typed "De_Dust" is written as the game finds it on
// a case-sensitive file system; the name as given when no folder holds it.
QString MapNameOnDisk(const QString& map, const QStringList& mapsFolders);

// True when ext is empty, else whether folder\<map><ext> exists; false for a map the selected
// mod's profile hides.
bool MapFileExists(const QString& map, const QString& folder, const QString& ext);

// The map a map-cycle line names, as the game reads it: its first word, where every control
// character, Unicode blank and byte order mark counts as a blank; "" for an empty line or a
// "//" comment. QOR.ini "First Map" is read the same way.
QString CycleMapName(const QString& line);

// LoadConf: fills the map cycle. flag "O": QOR.ini "First Map" first (when present), then the
// lines of modFolder\mapcycle.txt, each read with CycleMapName and written as its file in
// mapsFolder is named (MapNameOnDisk); maps that are no longer present, empty lines and "//"
// comment lines are dropped silently. flag "N": mapcycle.txt only. Holds
// UInit::LoadingDone at 0 while it fills the list and puts back what it was after.
void ReadMapCycle(const QString& flag, const QString& modFolder, const QString& mapsFolder,
                  QListWidget* mapCycle, const QString& requiredExt = QString(),
                  const QString& waypointFolder = QString());

// SaveConf: rewrites modFolder\mapcycle.txt with the entries from the second on (CR LF; one entry
// gives an empty file). flag "O" also stores the first entry as QOR.ini "First Map"; "N" leaves
// it alone (the caller keeps the first entry itself). False with a message naming the file in
// error when it could not be written; the file and "First Map" then keep their old contents.
bool WriteMapCycle(const QString& flag, const QString& modFolder, QListWidget* mapCycle,
                   QString* error = nullptr);

// The add buttons, double click and Enter on the available list: appends each selected
// available entry (in list order) to the map cycle as its bare name; the selection stays.
void AddSelectedMaps(QListWidget* available, QListWidget* mapCycle);
// "Add all": appends every available entry as its bare name; no available entry stays focused.
void AddAllMaps(QListWidget* available, QListWidget* mapCycle);
// The delete button and the Delete key: removes every selected map-cycle entry; the entry now at
// the place of the last deleted one is focused and selected (nothing when the list is empty).
void DeleteSelectedMaps(QListWidget* mapCycle);
// "Delete all": empties the map cycle.
void DeleteAllMaps(QListWidget* mapCycle);
// The up (-1) and down (+1) buttons: moves the focused entry one place; at either end, or with
// no focused entry, nothing happens (and the mod is not marked modified).
void MoveListItem(int step, QListWidget* list);
// The random button: puts the map cycle in a random order (every order equally likely).
void ShuffleMapCycle(QListWidget* mapCycle);
// Each of the five edits above marks the mod modified (UQOR::MarkModified).

// The comment of the focused available map in AppPath\Maps\<commentFile> (e.g. "CS_mapcom.ini",
// "mapcom.ini"). mode "Read": result := the stored comment, "#13#10" turned into a line break
// (a lone "#13" or "#10" stays as text); "" when the file, section or key is missing. mode
// "Write": stores comment with every CR as "#13" and every LF as "#10". With no focused
// available entry nothing is read or written (result stays empty). False only when a write
// failed (the file keeps its old contents).
bool AccessMapComment(QListWidget* available, const QString& commentFile, const QString& mode,
                      QString& result, const QString& comment = QString());
// The same with the comment memo: "Read" fills the memo (it is left alone with no focused map)
// and remembers the map it shows; "Write" stores the memo's text (its line breaks as "#13#10")
// for the focused map. When the memo shows another map's comment (no map, or another one, is
// focused now), an edited text goes to the map it was read for and an unedited one nowhere.
bool AccessMapComment(QListWidget* available, const QString& commentFile, const QString& mode,
                      QPlainTextEdit* memo);
// The two conversions of the comment key.
QString EncodeMapComment(const QString& text);
QString DecodeMapComment(const QString& stored);

// The file the "Edit config" button opens: folder + <map> + ext (folder with a trailing "\" or
// "/"), the map being the first selected available entry without markers; "" when no entry is
// selected.
QString MapCfgPath(QListWidget* available, const QString& folder, const QString& ext);

// Makes row the list's focused entry and selects it (row -1, or a row outside the list: no
// focused entry). With only set, every other entry is deselected first. The list's own
// current-row signal is what a window's "show this entry" handler follows.
void FocusListRow(QListWidget* list, int row, bool only);

// An available-list entry without its markers: cut before the first "*" and the first "+",
// trimmed ("boot_camp *+" -> "boot_camp").
QString BareMapName(const QString& entry);

} // namespace UQOR
