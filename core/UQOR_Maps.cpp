#include "core/UQOR_Maps.h"

#include "core/UInit.h"
#include "core/UQOR_Dispatch.h"
#include "core/UQOR_Settings.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"
#include "core/ModTable.h"

#include <QFileInfo>
#include <QHash>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QSet>
#include <QVariant>

#include <algorithm>

namespace {

const TModProfile& SelectedProfile() {
    static const TModProfile none;
    const TModRow* row = ModTable::Find(UInit::SelectedMod);
    return row ? row->Profile : none;
}

bool Hidden(const TModProfile& profile, const QString& map) {
    return profile.HidesMap && profile.HidesMap(map);
}

// The lower-case stems of a folder's files that end in one of the extensions (given in lower
// case), one set per extension: the folder is listed once, each name lowered once, and a map's
// marker is then one hash probe with its lowered name. A file matches when its lowered name is
// the map's lowered name followed by the lowered extension.
QList<QSet<QString>> LowerCaseStems(const QString& folder, const QStringList& extensions) {
    QList<QSet<QString>> stems(extensions.size());
    if (folder.isEmpty())
        return stems;
    for (const QString& file : FileSys::ListFilesUnsorted(folder)) {
        const QString lower = file.toLower();
        for (qsizetype i = 0; i < extensions.size(); ++i)
            if (!extensions[i].isEmpty() && lower.endsWith(extensions[i]))
                stems[i].insert(lower.chopped(extensions[i].size()));
    }
    return stems;
}

// The map name of an available-list entry: everything before its first blank.
QString EntryMapName(const QString& entry) {
    const qsizetype blank = entry.indexOf(QLatin1Char(' '));
    return blank < 0 ? entry : entry.left(blank);
}

} // namespace

namespace UInit {

void ListMaps(QListWidget* available, const QString& mapsFolder, QLabel* legend,
              const QString& configFolder, const QString& configExt, const QString& waypointExt,
              const QString& waypointFolder, const QString& requiredExt) {
    // The legend is rebuilt from scratch, so reloading does not keep adding to it.
    if (legend && (!waypointExt.isEmpty() || !configExt.isEmpty())) {
        QString text;
        if (!waypointExt.isEmpty())
            text = UInit::WaypointMarker + QStringLiteral(" Waypoints") + QStringLiteral("\r\n");
        if (!configExt.isEmpty())
            text += UInit::ConfigMarker + QStringLiteral(" Self config");
        legend->setText(text);
    }
    if (!available)
        return;

    const TModProfile& profile = SelectedProfile();
    const bool fixedList = profile.FixedMapList;
    QStringList entries;
    QSet<QString> held;   // a fixed list keeps its entries: never list one of its maps twice
    if (fixedList) {
        for (int i = 0; i < available->count(); ++i) {
            const QString text = available->item(i)->text();
            entries << text;
            held.insert(EntryMapName(text).toLower());
        }
    }

    // The hidden file list of the window, as a plain list: the folder's .bsp files (in the
    // folder's order: only the entries are sorted, once, at the end) ...
    QStringList& files = UInit::MapList;
    files = FileSys::ListFilesUnsorted(mapsFolder, QStringLiteral("*.bsp"));
    // ... and the stock maps, unless the folder already holds them.
    QStringList stock;
    if (profile.DeathmatchStockMaps
        && UInit::HLExe.compare(QLatin1String("cstrike.exe"), Qt::CaseInsensitive) != 0)
        stock << UQOR::DeathmatchStockMaps();
    stock << profile.ListedStockMaps;
    if (!stock.isEmpty()) {
        QSet<QString> onDisk;
        for (const QString& f : files)
            onDisk.insert(f.toLower());
        for (const QString& s : stock) {
            const QString file = s + QStringLiteral(".bsp");
            if (!onDisk.contains(file.toLower())) {
                files << file;
                onDisk.insert(file.toLower());
            }
        }
    }

    // Each marker folder is listed once (twice only when they differ).
    const QString waypointExtLower = waypointExt.toLower();
    const QString requiredExtLower = requiredExt.toLower();
    const QString configExtLower = configExt.toLower();
    const bool wantWaypoints = !waypointExt.isEmpty() || !requiredExt.isEmpty();
    const bool sameFolder = wantWaypoints && !configExt.isEmpty()
                            && FileSys::Resolve(configFolder) == FileSys::Resolve(waypointFolder);
    QList<QSet<QString>> marks;   // waypoint, required, config
    if (wantWaypoints)
        marks = LowerCaseStems(waypointFolder, {waypointExtLower, requiredExtLower,
                                                sameFolder ? configExtLower : QString()});
    else
        marks = {{}, {}, {}};
    if (!configExt.isEmpty() && !sameFolder)
        marks[2] = LowerCaseStems(configFolder, {configExtLower}).front();
    const QSet<QString>& waypointStems = marks[0];
    const QSet<QString>& requiredStems = marks[1];
    const QSet<QString>& configStems = marks[2];

    entries.reserve(entries.size() + files.size());
    for (const QString& file : files) {
        const QString map = file.left(file.size() - 4);
        if (Hidden(profile, map) || !UQOR::IsGameReadableName(map))
            continue;
        const QString lower = map.toLower();
        if (!requiredExt.isEmpty() && !requiredStems.contains(lower))
            continue;
        if (fixedList && held.contains(lower))
            continue;
        QString entry;
        entry.reserve(map.size() + 3);
        entry += map;
        entry += QLatin1Char(' ');
        if (!waypointExt.isEmpty() && waypointStems.contains(lower))
            entry += UInit::WaypointMarker;
        if (!configExt.isEmpty() && configStems.contains(lower))
            entry += UInit::ConfigMarker;
        entries << entry;
        if (fixedList)
            held.insert(lower);
    }

    // The list shows its entries sorted without regard to case, as the original's sorted list
    // box did (Qt's own sorting would put "Z" before "a").
    FileSys::SortInsensitive(entries);
    available->setUpdatesEnabled(false);
    available->clear();
    available->addItems(entries);
    available->setUpdatesEnabled(true);
}

} // namespace UInit

namespace UQOR {

const QStringList& DeathmatchStockMaps() {
    static const QStringList maps{
        QStringLiteral("snark_pit"), QStringLiteral("lambda_bunker"), QStringLiteral("stalkyard"),
        QStringLiteral("boot_camp"), QStringLiteral("undertow"),      QStringLiteral("datacore"),
        QStringLiteral("subtransit"), QStringLiteral("bounce")};
    return maps;
}

bool MapFileExists(const QString& map, const QString& folder, const QString& ext) {
    if (Hidden(SelectedProfile(), map))
        return false;
    if (ext.isEmpty())
        return true;
    return FileSys::FileExists(FileSys::JoinPath(folder, map + ext));
}

QString MapNameOnDisk(const QString& map, const QStringList& mapsFolders) {
    const QString file = map + QStringLiteral(".bsp");
    for (const QString& folder : mapsFolders) {
        if (folder.isEmpty())
            continue;
        const QString path = FileSys::Resolve(FileSys::JoinPath(folder, file));
        const QFileInfo info(path);
        // Only the case may differ: a name that resolves to another file is no match.
        if (info.isFile() && info.fileName().compare(file, Qt::CaseInsensitive) == 0)
            return info.fileName().chopped(4);
    }
    return map;
}

bool IsGameReadableName(const QString& name) {
    if (name.isEmpty() || name.size() > 31)
        return false;
    for (const QChar c : name)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7F)
            return false;
    return true;
}

bool IsMapPresent(const QString& mapName, const QString& mapsFolder, const QString& waypointFolder,
                  const QString& requiredExt) {
    const QString map = mapName.trimmed();
    if (!IsGameReadableName(map))
        return false;
    const TModProfile& profile = SelectedProfile();
    bool present = profile.FixedMapList || DeathmatchStockMaps().contains(map)
                   || profile.PresentStockMaps.contains(map) || profile.ListedStockMaps.contains(map);
    if (!present)
        present = FileSys::FileExists(FileSys::JoinPath(mapsFolder, map + QStringLiteral(".bsp")));
    if (!present)
        return false;
    if (!MapFileExists(map, waypointFolder, requiredExt))
        return false;
    return !Hidden(profile, map);
}

namespace {

bool IsCycleBlank(QChar c)
{
    return c.unicode() <= 0x20 || c.isSpace() || c.unicode() == 0xFEFF;
}

} // namespace

QString CycleMapName(const QString& line)
{
    // The game skips leading white space and takes the first word, so an indented name is read
    // as that name rather than dropped from the cycle.
    qsizetype start = 0;
    while (start < line.size() && IsCycleBlank(line[start]))
        ++start;
    qsizetype end = start;
    while (end < line.size() && !IsCycleBlank(line[end]))
        ++end;
    const QString word = line.mid(start, end - start);
    // The game skips a "//" comment; it must not turn into a map (a fixed map list takes any name).
    return word.startsWith(QLatin1String("//")) ? QString() : word;
}

void ReadMapCycle(const QString& flag, const QString& modFolder, const QString& mapsFolder,
                  QListWidget* mapCycle, const QString& requiredExt, const QString& waypointFolder) {
    const UInit::TLoadingGuard loading;
    if (mapCycle)
        mapCycle->clear();
    QStringList maps;
    if (mapCycle && flag == QLatin1String("O")) {
        QString first;
        AccessModSetting(QStringLiteral("First Map"), QString(), QStringLiteral("Read"), first);
        first = CycleMapName(first);
        if (IsMapPresent(first, mapsFolder, waypointFolder, requiredExt))
            maps << MapNameOnDisk(first, {mapsFolder});
    }
    UInit::TempMemo.clear();
    const QString path = FileSys::JoinPath(modFolder, QStringLiteral("mapcycle.txt"));
    if (mapCycle && FileSys::FileExists(path))
        FileSys::ReadLines(path, UInit::TempMemo);
    QStringList unreadable;
    for (const QString& raw : UInit::TempMemo) {
        const QString map = CycleMapName(raw);
        if (IsMapPresent(map, mapsFolder, waypointFolder, requiredExt))
            maps << MapNameOnDisk(map, {mapsFolder});
        else if (!map.isEmpty() && !IsGameReadableName(map))
            unreadable << map;
    }
    if (mapCycle)
        mapCycle->addItems(maps);
    UInit::TempMemo.clear();
    if (mapCycle && !unreadable.isEmpty())
        Dialogs::ShowWarning(QStringLiteral("These maps of mapcycle.txt are left out: the game cannot read a map "
                                            "name with a blank, a letter outside plain ASCII or more than 31 "
                                            "characters.\r\n") + unreadable.join(QStringLiteral("\r\n")),
                             mapCycle->window());
}

bool WriteMapCycle(const QString& flag, const QString& modFolder, QListWidget* mapCycle,
                   QString* error) {
    const QString path = FileSys::Resolve(FileSys::JoinPath(modFolder, QStringLiteral("mapcycle.txt")));
    const int count = mapCycle ? mapCycle->count() : 0;
    // mapcycle.txt first: when it cannot be written, "First Map" keeps the start map that goes
    // with the file still on disk.
    FileSys::TOutFile& out = UInit::OutFile;
    if (!out.Rewrite(path)) {
        if (error)
            *error = QStringLiteral("Can't write ") + path;
        return false;
    }
    for (int i = 1; i < count; ++i)
        out.WriteLn(mapCycle->item(i)->text());
    QString why;
    if (!out.Close(&why)) {
        if (error)
            // The file layer's reason already names the file ("Can't write <file>: ...").
            *error = why.isEmpty() ? QStringLiteral("Can't write ") + path : why;
        return false;
    }
    if (flag == QLatin1String("O")) {
        QString first = count > 0 ? mapCycle->item(0)->text() : QString();
        // The profile reader drops one pair of enclosing quotes; a name that has them keeps
        // them inside a pair of its own.
        if (first.size() >= 2 && (first.front() == QLatin1Char('"') || first.front() == QLatin1Char('\''))
            && first.back() == first.front())
            first = QLatin1Char('"') + first + QLatin1Char('"');
        QString why;
        if (!AccessModSetting(QStringLiteral("First Map"), first, QStringLiteral("Write"), why)) {
            if (error)
                *error = QStringLiteral("Can't write ")
                         + FileSys::JoinPath(UInit::AppPath, QStringLiteral("QOR.ini"))
                         + (why.isEmpty() ? QString() : QStringLiteral(": ") + why);
            return false;
        }
    }
    return true;
}

void FocusListRow(QListWidget* list, int row, bool only) {
    if (!list)
        return;
    if (only)
        list->clearSelection();
    QItemSelectionModel* sel = list->selectionModel();
    if (row < 0 || row >= list->count()) {
        sel->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    const QModelIndex index = list->model()->index(row, 0);
    sel->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    sel->select(index, QItemSelectionModel::Select);
}

QString BareMapName(const QString& entry) {
    QString map = entry;
    const qsizetype star = map.indexOf(UInit::WaypointMarker);
    if (star >= 0)
        map.truncate(star);
    const qsizetype plus = map.indexOf(UInit::ConfigMarker);
    if (plus >= 0)
        map.truncate(plus);
    return map.trimmed();
}

void AddSelectedMaps(QListWidget* available, QListWidget* mapCycle) {
    if (!available || !mapCycle)
        return;
    QStringList maps;
    for (int i = 0; i < available->count(); ++i) {
        QListWidgetItem* item = available->item(i);
        if (item->isSelected())
            maps << BareMapName(item->text());
    }
    mapCycle->addItems(maps);
    MarkModified();
}

void AddAllMaps(QListWidget* available, QListWidget* mapCycle) {
    if (!available || !mapCycle)
        return;
    QStringList maps;
    maps.reserve(available->count());
    for (int i = 0; i < available->count(); ++i)
        maps << BareMapName(available->item(i)->text());
    mapCycle->addItems(maps);
    // No available map stays focused, so the comment memo is not tied to one of them.
    FocusListRow(available, -1, false);
    MarkModified();
}

void DeleteSelectedMaps(QListWidget* mapCycle) {
    if (!mapCycle)
        return;
    // Deleting entry by entry from the front: each deleted entry passes the focus to the one
    // that takes its place, or to the new last one.
    const int total = mapCycle->count();
    int focus = mapCycle->currentRow();
    int kept = 0;
    int deleted = 0;
    for (int j = 0; j < total; ++j) {
        if (mapCycle->item(j)->isSelected()) {
            focus = std::min(kept, total - deleted - 2);
            ++deleted;
        } else {
            ++kept;
        }
    }
    // The selected runs go from the back, a run at a time, so a fully selected cycle of
    // thousands of maps is one removal instead of one per map.
    QAbstractItemModel* model = mapCycle->model();
    int j = total - 1;
    while (j >= 0) {
        if (!mapCycle->item(j)->isSelected()) {
            --j;
            continue;
        }
        const int end = j;
        while (j >= 0 && mapCycle->item(j)->isSelected())
            --j;
        model->removeRows(j + 1, end - j);
    }
    // With the list emptied the focus is -1 and nothing is selected.
    FocusListRow(mapCycle, focus, false);
    MarkModified();
}

void DeleteAllMaps(QListWidget* mapCycle) {
    if (!mapCycle)
        return;
    mapCycle->clear();
    MarkModified();
}

void MoveListItem(int step, QListWidget* list) {
    if (!list || (step != -1 && step != 1))
        return;
    const int i = list->currentRow();
    const bool can = step == -1 ? i > 0 : (i >= 0 && i < list->count() - 1);
    if (!can)
        return;
    QListWidgetItem* item = list->takeItem(i);
    list->insertItem(i + step, item);
    FocusListRow(list, i + step, true);
    MarkModified();
}

void ShuffleMapCycle(QListWidget* mapCycle) {
    if (!mapCycle)
        return;
    // Fisher-Yates over the names: every order equally likely, in one pass.
    const int count = mapCycle->count();
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names << mapCycle->item(i)->text();
    QRandomGenerator* random = QRandomGenerator::global();
    for (int i = count - 1; i > 0; --i)
        names.swapItemsAt(i, static_cast<int>(random->bounded(i + 1)));
    for (int i = 0; i < count; ++i)
        mapCycle->item(i)->setText(names[i]);
    // The entries are new ones in their places: none stays focused.
    FocusListRow(mapCycle, -1, true);
    MarkModified();
}

QString EncodeMapComment(const QString& text) {
    QString out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        if (c == QLatin1Char('\r'))
            out += QStringLiteral("#13");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("#10");
        else
            out += c;
    }
    return out;
}

QString DecodeMapComment(const QString& stored) {
    static const QString pair = QStringLiteral("#13#10");
    QString out;
    out.reserve(stored.size());
    qsizetype i = 0;
    while (i < stored.size()) {
        if (QStringView(stored).mid(i, 6) == pair) {
            out += QStringLiteral("\r\n");
            i += 6;
        } else {
            out += stored[i];
            ++i;
        }
    }
    return out;
}

namespace {

// The map of the focused available entry (its name before the first blank), or "".
QString FocusedMap(QListWidget* available) {
    if (!available)
        return QString();
    const int focused = available->currentRow();
    if (focused < 0 || focused >= available->count())
        return QString();
    return EntryMapName(available->item(focused)->text());
}

QString MapCommentFile(const QString& commentFile) {
    return FileSys::JoinPath(FileSys::JoinPath(UInit::AppPath, QStringLiteral("Maps")), commentFile);
}

QString ReadMapComment(const QString& map, const QString& commentFile) {
    const TIniFile ini(MapCommentFile(commentFile));
    return DecodeMapComment(ini.ReadString(map, QStringLiteral("comment"), QString()));
}

bool WriteMapComment(const QString& map, const QString& commentFile, const QString& comment) {
    const QString path = MapCommentFile(commentFile);
    const QString mapsDir = QFileInfo(path).absolutePath();
    if (!FileSys::DirectoryExists(mapsDir))
        FileSys::MakeDirs(mapsDir);
    // The profile reader trims a value and drops one enclosing pair of quotes: a comment that
    // would lose either is written inside quotes of its own, so it reads back as typed.
    QString value = EncodeMapComment(comment);
    const bool quoted = value.size() >= 2
                        && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
                        && value.back() == value.front();
    if (quoted || value != value.trimmed())
        value = QLatin1Char('"') + value + QLatin1Char('"');
    TIniFile ini(path);
    return ini.WriteString(map, QStringLiteral("comment"), value);
}

// What the comment memo shows: the map it was read for and the text it was given.
const char* const kMemoMap = "qorvaneCommentMap";
const char* const kMemoText = "qorvaneCommentText";

} // namespace

bool AccessMapComment(QListWidget* available, const QString& commentFile, const QString& mode,
                      QString& result, const QString& comment) {
    result.clear();
    const QString map = FocusedMap(available);
    if (map.isEmpty())
        return true;
    if (mode == QLatin1String("Read")) {
        result = ReadMapComment(map, commentFile);
        return true;
    }
    if (mode == QLatin1String("Write"))
        return WriteMapComment(map, commentFile, comment);
    return true;
}

bool AccessMapComment(QListWidget* available, const QString& commentFile, const QString& mode,
                      QPlainTextEdit* memo) {
    if (!memo)
        return true;
    const QString focused = FocusedMap(available);
    if (mode == QLatin1String("Read")) {
        if (focused.isEmpty())
            return true;
        // The memo keeps its lines with LF only.
        QString text = ReadMapComment(focused, commentFile);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        memo->setPlainText(text);
        memo->setProperty(kMemoMap, focused);
        memo->setProperty(kMemoText, MemoText(memo));
        return true;
    }
    if (mode != QLatin1String("Write"))
        return true;
    // The text belongs to the map it was read for. When that map is no longer the focused one
    // ("Add all" leaves no map focused while the memo keeps its focus), an edit still goes to
    // it rather than being lost, and an unedited text is not written anywhere.
    const QString shownFor = memo->property(kMemoMap).toString();
    QString map = focused;
    if (!shownFor.isEmpty() && shownFor != focused)
        map = MemoText(memo) != memo->property(kMemoText).toString() ? shownFor : QString();
    if (map.isEmpty())
        return true;
    // The memo's line breaks are stored as the CR LF pair the comment files have always held.
    QString text = MemoText(memo);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const bool written = WriteMapComment(map, commentFile, QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    if (written && map == shownFor)
        memo->setProperty(kMemoText, MemoText(memo));
    return written;
}

QString MapCfgPath(QListWidget* available, const QString& folder, const QString& ext) {
    if (!available)
        return QString();
    for (int i = 0; i < available->count(); ++i) {
        QListWidgetItem* item = available->item(i);
        if (item->isSelected()) {
            const QString map = BareMapName(item->text());
            return FileSys::Resolve(FileSys::NormalizeSeparators(folder + map + ext));
        }
    }
    return QString();
}

} // namespace UQOR
