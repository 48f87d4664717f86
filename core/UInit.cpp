#include "core/UInit.h"

#include "core/ModTable.h"
#include "core/UInitMain.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QSignalBlocker>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <stdexcept>

namespace UInit {

QString AppPath;
QString HLPath;
QString HLExe;
QString PlayerModelsDir;
QString ValveMapsDir;
QString SelectedMod;
QString SelectedBot;
int LoadingDone = 1;
QString CloseQORSetting;
QString AutoStartSetting;
QString DedicatedSetting;
QString HLKeyFrSetting;
bool PreviewOpen = false;
QVector<TKey> KeyTable;
FileSys::TOutFile OutFile;
QString MaxPlayers;
QVector<TCVar> ManagedCvars;
int ButtonX = 10;
int ButtonY = 20;

const QString WaypointMarker = QStringLiteral("*");
const QString ConfigMarker = QStringLiteral("+");

QStringList TempMemo;
QStringList MapList;
QStringList DirList;
QStringList ModelList;
QStringList Bot_Names;

const QString QorKeyPath = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Kovu Inc.\\QOR");
const QString ValveKeyPath = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Valve\\Half-Life");

namespace {

const QString kYes = QStringLiteral("O");

// Errors of the start-up steps are shown over the main window when there is one.
QWidget* DialogParent()
{
    return MainWidget();
}

} // namespace

QString ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString AppFile(const QString& relative)
{
    return FileSys::JoinPath(AppPath, relative);
}

QString HLFile(const QString& relative)
{
    return FileSys::JoinPath(HLPath, relative);
}

void InitGlobals()
{
    ButtonX = 10;
    ButtonY = 20;
    PreviewOpen = false;
    HLExe.clear();
    PlayerModelsDir.clear();
    ValveMapsDir.clear();
    BuildKeyTable();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

void InitProgram()
{
    InitGlobals();
    const TLoadingGuard loading;
    try {
        LoadRegistrySettings();
    } catch (...) {
        Dialogs::ShowError(QStringLiteral("Can't load default directories."), DialogParent());
    }
    if (!HLPath.isEmpty() && FileSys::DirectoryExists(HLPath)) {
        try {
            ListPlayerModels();
        } catch (...) {
            Dialogs::ShowError(QStringLiteral("Can't find models in valve\\models\\player."),
                               DialogParent());
        }
    }
}

void LoadRegistrySettings()
{
    // Each run starts from what the store says now (Game Directory's Apply runs it again).
    AppPath.clear();
    HLPath.clear();
    HLExe.clear();
    CloseQORSetting.clear();
    AutoStartSetting.clear();
    DedicatedSetting.clear();
    HLKeyFrSetting.clear();
    {
        const TRegistryKey key(QorKeyPath, true);
        if (key.IsOpen()) {
            AppPath = key.ReadString(QStringLiteral("AppPath"));
            HLPath = key.ReadString(QStringLiteral("HLPath"));
            HLExe = key.ReadString(QStringLiteral("HLExe"));
            CloseQORSetting = key.ReadString(QStringLiteral("CloseQOR"));
            AutoStartSetting = key.ReadString(QStringLiteral("AutoStart"));
            DedicatedSetting = key.ReadString(QStringLiteral("Dedicated"));
            HLKeyFrSetting = key.ReadString(QStringLiteral("HLkeyfr"));
        }
    }
    // The program's data lie beside the binary. Falling back to the current directory would
    // scatter QOR.ini and log.txt wherever the program happened to be started from.
    if (AppPath.isEmpty())
        AppPath = ProgramFolder();
    // What a killed earlier run left of its saves in the program's own folders goes now.
    for (const char* sub : {"", "Bots", "Maps"})
        FileSys::RemoveStaleTemporaries(FileSys::JoinPath(AppPath, QString::fromLatin1(sub)));

    if (HLPath.isEmpty()) {
        const TRegistryKey valve(ValveKeyPath, true);
        if (valve.IsOpen())
            HLPath = valve.ReadString(QStringLiteral("InstallPath"));
    }
    // The folder is joined with names everywhere; a stored trailing separator would double.
    while (HLPath.size() > 1 && (HLPath.endsWith(QLatin1Char('/')) || HLPath.endsWith(QLatin1Char('\\'))))
        HLPath.chop(1);
    if (HLExe.isEmpty())
        HLExe = QStringLiteral("hl.exe");
    if (!HLPath.isEmpty())
        BuildModDirs();

    // An empty AutoStart means automatic start; anything else but "O" means off.
    if (AutoStartSetting.isEmpty() || AutoStartSetting == kYes)
        AutoStartSetting = kYes;
    ShowOptionTicks();
}

void BuildModDirs()
{
    PlayerModelsDir = FileSys::JoinPath(HLPath, QStringLiteral("valve\\models\\player"));
    ValveMapsDir = FileSys::JoinPath(HLPath, QStringLiteral("valve\\maps"));
    for (TModRow& row : ModTable::Rows())
        if (!row.Folder.isEmpty())
            row.Dir = FileSys::JoinPath(HLPath, row.Folder);
}

void ReadBotNames()
{
    Bot_Names.clear();
    const QString path = AppFile(QStringLiteral("bot_names.txt"));
    if (!FileSys::FileExists(path)) {
        Bot_Names << QStringLiteral("NewBot");
        return;
    }
    QStringList lines;
    // An unreadable file leaves the list empty; the random-name pick then falls back to its
    // plain default name.
    if (!FileSys::ReadLines(path, lines))
        return;
    for (const QString& line : lines) {
        if (line.contains(QLatin1Char(' ')) || line.startsWith(QLatin1Char('/')) ||
            line.startsWith(QLatin1Char('#')) || line.trimmed().isEmpty())
            continue;
        Bot_Names << line;
    }
}

void ListPlayerModels()
{
    ModelList.clear();
    DirList.clear();
    if (!FileSys::DirectoryExists(PlayerModelsDir))
        throw std::runtime_error("no player model folder");

    // The directory list shows the folders down to "player", then the models' folders.
    const QString resolved = FileSys::Resolve(PlayerModelsDir);
    DirList = QDir::cleanPath(resolved).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    // The models start after the path's own "player" entry. A model folder that happens to be
    // called "player" too is a model like any other, not the place where the list starts.
    const qsizetype player = DirList.size() - 1;
    DirList << FileSys::ListDirs(resolved);

    for (qsizetype i = player + 1; i < DirList.size(); ++i) {
        const QString& name = DirList[i];
        if (name.isEmpty())
            continue;
        if (FileSys::FileExists(
                FileSys::JoinPath(PlayerModelsDir, name + QLatin1Char('/') + name + QStringLiteral(".mdl"))))
            ModelList << name;
    }
    std::sort(ModelList.begin(), ModelList.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
}

void ClearWorkLists()
{
    MapList.clear();
    DirList.clear();
    ModelList.clear();
    TempMemo.clear();
}

void BuildKeyTable()
{
    static const char* const rows[][2] = {
        {"F1", "F1"}, {"F2", "F2"}, {"F3", "F3"}, {"F4", "F4"}, {"F5", "F5"},
        {"F6", "F6"}, {"F7", "F7"}, {"F8", "F8"}, {"F9", "F9"}, {"F10", "F10"},
        {"Num Keypad 0", "KP_INS"},
        {"Num Keypad .", "KP_DEL"},
        {"Num Keypad ENTER", "KP_ENTER"},
        {"Num Keypad 1", "KP_END"},
        {"Num Keypad 2", "KP_DOWNARROW"},
        {"Num Keypad 3", "KP_PGDN"},
        {"Num Keypad 4", "KP_LEFTARROW"},
        {"Num Keypad 5", "KP_5"},
        {"Num Keypad 6", "KP_RIGHTARROW"},
        {"Num Keypad 7", "KP_HOME"},
        {"Num Keypad 8", "KP_UPARROW"},
        {"Num Keypad 9", "KP_PGUP"},
        {"Num Keypad +", "KP_PLUS"},
        {"Num Keypad -", "KP_MINUS"},
    };
    KeyTable.clear();
    for (const auto& row : rows)
        KeyTable.push_back(TKey{QString::fromLatin1(row[0]), QString::fromLatin1(row[1])});
}

bool TextToBool(const QString& text)
{
    return text == QLatin1String("1") || text == QLatin1String("Yes");
}

void BoolTo01(bool flag, QString& text)
{
    text = flag ? QStringLiteral("1") : QStringLiteral("0");
}

void BoolToYesNo(bool flag, QString& text)
{
    text = flag ? QStringLiteral("Yes") : QStringLiteral("No");
}

void TextToOnOff(const QString& text, QString& out)
{
    out = TextToBool(text) ? QStringLiteral("on") : QStringLiteral("off");
}

QString GameProgram(bool dedicated)
{
    if (HLPath.isEmpty())
        return QString();
    const QString windows = dedicated ? QStringLiteral("hlds.exe") : HLExe;
    if (FileSys::FileExists(HLFile(windows)))
        return windows;
    if (windows.compare(QLatin1String(dedicated ? "hlds.exe" : "hl.exe"), Qt::CaseInsensitive) != 0)
        return QString();
    const QStringList native = dedicated ? QStringList{QStringLiteral("hlds_run"), QStringLiteral("hlds_linux")}
                                         : QStringList{QStringLiteral("hl.sh"), QStringLiteral("hl_linux")};
    for (const QString& name : native)
        if (FileSys::FileExists(HLFile(name)))
            return name;
    return QString();
}

void FillKeyCombos(const QVector<QComboBox*>& choosers)
{
    if (KeyTable.size() <= KeyTableHigh)
        BuildKeyTable();
    QStringList names;
    for (int i = 0; i <= KeyTableHigh; ++i)
        names << KeyTable[i].DisplayName;
    for (QComboBox* box : choosers) {
        if (!box)
            continue;
        // Filling replaces the items: a second LoadDefaults must not list every key twice. No
        // key is chosen until the user or the store chooses one: no key, no bind line.
        const QSignalBlocker block(box);
        box->clear();
        box->addItems(names);
        box->setCurrentIndex(-1);
    }
}

void KeyToHLKey(const QString& displayName, QString& keyName)
{
    keyName.clear();
    if (KeyTable.size() <= KeyTableHigh)
        BuildKeyTable();
    for (int i = 0; i <= KeyTableHigh; ++i) {
        if (KeyTable[i].DisplayName == displayName) {
            keyName = KeyTable[i].HLKey;
            return;
        }
    }
}

} // namespace UInit
