#include "core/UQOR_Launch.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR_Settings.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"
#include "platform/Shell.h"
#include "platform/WindowLookup.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QSaveFile>
#include <QWidget>

#include <exception>

namespace UQOR {

const QString HLKeyFrWindowTitle = QStringLiteral("HLKey-Fr! V1.04");

namespace {

const QString kDeathmatch = QStringLiteral("Deathmatch");

QString AppFilePath(const QString& relative)
{
    return FileSys::Resolve(FileSys::JoinPath(UInit::AppPath, relative));
}

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The hourglass for the length of a launch; every way out of the launch puts the normal
// cursor back, and it goes before a message is shown so the message does not look busy.
class TBusyCursor {
public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { Restore(); }
    void Restore()
    {
        if (m_active) {
            m_active = false;
            QApplication::restoreOverrideCursor();
        }
    }

private:
    bool m_active = true;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

QByteArray LeftTrimmed(const QByteArray& text)
{
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text.at(i)))
        ++i;
    return text.mid(i);
}

// The engine's command split: ";" ends a command unless it stands inside double quotes (a
// "//" comment does not stop the split, so "//a 1; b 2" still runs b 2).
QList<QByteArray> SplitCommands(const QByteArray& line)
{
    QList<QByteArray> commands;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c == '"')
            quoted = !quoted;
        else if (c == ';' && !quoted) {
            commands.append(line.mid(start, i - start));
            start = i + 1;
        }
    }
    commands.append(line.mid(start));
    return commands;
}

bool IsComment(const QByteArray& command)
{
    return LeftTrimmed(command).startsWith("//");
}

// A command sets a managed cvar when, after its leading blanks and an optional opening quote,
// it starts with the name followed by a blank, a TAB, a quote or its end. Names compare
// case-sensitively, so "sa" matches the command sa and not say or pausable.
bool IsManaged(const QByteArray& command, const QList<QByteArray>& names)
{
    QByteArray text = LeftTrimmed(command);
    if (text.startsWith('"'))
        text.remove(0, 1);
    for (const QByteArray& name : names) {
        if (!text.startsWith(name))
            continue;
        if (text.size() == name.size())
            return true;
        const char next = text.at(name.size());
        if (next == ' ' || next == '\t' || next == '"')
            return true;
    }
    return false;
}

} // namespace

QByteArray FilterCfgBytes(const QByteArray& content, const QVector<TCVar>& managed, bool* changed)
{
    QList<QByteArray> names;
    for (const TCVar& cvar : managed)
        if (!cvar.Name.isEmpty())
            names.append(cvar.Name.toLatin1());

    // Lines end at CR LF, LF or CR; a last line without an ending counts.
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char c = content.at(i);
        if (c == '\n' || c == '\r') {
            lines.append(content.mid(start, i - start));
            if (c == '\r' && i + 1 < content.size() && content.at(i + 1) == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < content.size())
        lines.append(content.mid(start));

    bool any = false;
    QByteArray out;
    out.reserve(content.size() + 64);
    for (const QByteArray& line : lines) {
        const QList<QByteArray> commands = SplitCommands(line);
        bool hit = false;
        int used = 0;
        for (const QByteArray& command : commands) {
            if (LeftTrimmed(command).isEmpty())
                continue;
            ++used;
            if (!IsComment(command) && IsManaged(command, names))
                hit = true;
        }
        if (!hit) {
            out += line;
            out += "\r\n";
            continue;
        }
        any = true;
        if (used == 1) {
            out += "//";
            out += line;
            out += "\r\n";
            continue;
        }
        // "//" would hide only the first command of the line from the engine: one line per
        // command, so exactly the managed ones are commented out.
        for (const QByteArray& command : commands) {
            const QByteArray text = LeftTrimmed(command);
            if (text.isEmpty())
                continue;
            if (!IsComment(text) && IsManaged(text, names))
                out += "//";
            out += text;
            out += "\r\n";
        }
    }
    if (changed)
        *changed = any;
    return out;
}

bool FilterCfgFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Can't read ") + Shown(path) + QStringLiteral(".");
        return false;
    }
    const QByteArray content = file.readAll();
    file.close();

    UInit::BuildManagedCvarList();
    bool changed = false;
    const QByteArray filtered = FilterCfgBytes(content, UInit::ManagedCvars, &changed);
    // A file without a managed line is left exactly as it is.
    if (!changed)
        return true;

    // The replacement goes in by renaming, which a read-only file would not stop: ask the file
    // itself whether it takes a write before anything is changed.
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) {
            if (error)
                *error = QStringLiteral("Can't write ") + Shown(path) + QStringLiteral(".");
            return false;
        }
    }
    QSaveFile save(path);
    if (!save.open(QIODevice::WriteOnly) || save.write(filtered) != filtered.size() ||
        !save.commit()) {
        save.cancelWriting();
        if (error)
            *error = QStringLiteral("Can't write ") + Shown(path) + QStringLiteral(".");
        return false;
    }
    return true;
}

bool FilterServerCfgs(const QString& modDir, QString* error)
{
    if (modDir.isEmpty())
        return true;
    QStringList files{QStringLiteral("listenserver.cfg")};
    if (UInit::DedicatedSetting == QLatin1String("O"))
        files.append(QStringLiteral("server.cfg"));
    for (const QString& name : files) {
        const QString path = FileSys::Resolve(FileSys::JoinPath(modDir, name));
        if (!FileSys::FileExists(path))
            continue;
        if (!FilterCfgFile(path, error))
            return false;
    }
    return true;
}

QString StockStartMap(const QString& modKey)
{
    if (const TModRow* row = ModTable::Find(modKey))
        if (!row->StartMap.isEmpty())
            return row->StartMap;
    return QStringLiteral("boot_camp");
}

void GetStartMap(QString& map)
{
    AccessModSetting(QStringLiteral("First Map"), QString(), QStringLiteral("Read"), map);
    if (map.trimmed().isEmpty())
        map = StockStartMap(UInit::SelectedMod);
}

bool PrepareLaunch(QString* error)
{
    TModRow* row = ModTable::Selected();
    if (!row)
        return true;

    if (row->Hooks.LaunchWriters) {
        QString message;
        bool written = false;
        // A writer that throws must not take the program down with it: its failure is an
        // ordinary stop of the launch.
        try {
            written = row->Hooks.LaunchWriters(message);
        } catch (const std::exception& e) {
            message = QStringLiteral("Can't write the files of ") + row->Label +
                      QStringLiteral(": ") + QString::fromLocal8Bit(e.what());
        } catch (...) {
            message.clear();
        }
        if (!written) {
            if (error)
                *error = message.isEmpty()
                             ? QStringLiteral("Can't write the files of ") + row->Label +
                                   QStringLiteral(".")
                             : message;
            return false;
        }
    }

    // Deathmatch's row Dir is the bot's folder, set by its writers just now.
    if (!FilterServerCfgs(row->Dir, error))
        return false;

    if (row->Key == kDeathmatch) {
        const QString path = AppFilePath(QStringLiteral("Bots\\HL_Bots.ini"));
        const TIniFile ini(path);
        const QString stored =
            ini.ReadString(QStringLiteral("Default"), QStringLiteral("spawnbot"), QStringLiteral("31"));
        bool ok = false;
        const int spawnbot = stored.trimmed().toInt(&ok, 10);
        if (!ok) {
            if (error)
                *error = QStringLiteral("The number of bots \"") + stored +
                         QStringLiteral("\" (spawnbot) in ") + Shown(path) +
                         QStringLiteral(" is not a whole number.");
            return false;
        }
        UInit::MaxPlayers = QString::number(spawnbot + 1);
    }
    return true;
}

QString LaunchGameDir()
{
    const TModRow* row = ModTable::Selected();
    if (row && row->Key == kDeathmatch) {
        const TIniFile ini(AppFilePath(QStringLiteral("Mods\\HL-DM.ini")));
        const QString game = ini.ReadString(UInit::SelectedBot, QStringLiteral("game"), QString());
        // Without a game folder the engine would take the next argument for one; Deathmatch is
        // the stock game.
        return game.trimmed().isEmpty() ? QStringLiteral("valve") : game;
    }
    if (row && !row->GameDir.isEmpty())
        return row->GameDir;
    return UInit::SelectedMod.toLower();
}

TLaunchCommand BuildLaunchCommand(const QString& gameDir)
{
    TLaunchCommand command;
    if (UInit::AutoStartSetting == QLatin1String("O")) {
        QString map;
        GetStartMap(map);
        command.Parameters = QStringLiteral(" -console -game ") + gameDir +
                             QStringLiteral(" +sv_lan 1 +maxplayers ") + UInit::MaxPlayers +
                             QStringLiteral(" +connect +map ") + map;
    } else {
        command.Parameters = QStringLiteral(" -nointro -console -game ") + gameDir +
                             QStringLiteral(" +maxplayers ") + UInit::MaxPlayers;
    }

    const TIniFile ini(AppFilePath(QStringLiteral("QOR.ini")));
    const QString extra = ini.ReadString(QStringLiteral("QOR"), QStringLiteral("Command"), QString());
    if (!extra.trimmed().isEmpty())
        command.Parameters += QStringLiteral(" ") + extra;

    command.Executable = UInit::HLExe;
    if (UInit::DedicatedSetting == QLatin1String("O"))
        command.Executable = QStringLiteral("hlds.exe");
    // The key-layout tool starts the game itself; while its window is open it is running.
    const bool toolRunning = WindowLookup::WindowExists(HLKeyFrWindowTitle);
    if (UInit::HLKeyFrSetting == QLatin1String("O") && !toolRunning)
        command.Executable = QStringLiteral("HLKeyFr.exe");

    command.WorkDir = UInit::HLPath;
    return command;
}

bool WriteLaunchLog(const QString& parameters, QString* error)
{
    const QString path = AppFilePath(QStringLiteral("log.txt"));
    QString why;
    if (!FileSys::WriteLines(path, QStringList{parameters}, FileSys::TEncoding::Utf8, &why)) {
        if (error)
            *error = QStringLiteral("Can't write ") + Shown(path) + QStringLiteral(".");
        return false;
    }
    return true;
}

bool LaunchHalfLife(QWidget* mainWindow)
{
    TBusyCursor cursor;
    QWidget* window = mainWindow ? mainWindow->window() : nullptr;

    auto* botBox = mainWindow ? mainWindow->findChild<QComboBox*>(QStringLiteral("CB_SelectBot")) : nullptr;
    auto* botGroup = mainWindow ? mainWindow->findChild<QWidget*>(QStringLiteral("GB_SelectBot")) : nullptr;

    if (UInit::SelectedMod.isEmpty())
        return false;   // the launch button is off until a mod is picked

    if (botBox)
        UInit::SelectedBot = botBox->currentText();
    UInit::MaxPlayers = QStringLiteral("32");

    // The group counts as shown when it is not hidden inside the main window, whether or not
    // the main window itself is on screen.
    const bool groupShown = botGroup && botGroup->isVisibleTo(mainWindow);
    if (groupShown && (!botBox || botBox->currentIndex() < 0)) {
        cursor.Restore();
        Dialogs::ShowError(QStringLiteral("You must select a bot first."), mainWindow);
        return false;
    }

    QString error;
    if (!PrepareLaunch(&error)) {
        cursor.Restore();
        Dialogs::ShowError(error, mainWindow);
        return false;
    }

    const TLaunchCommand command = BuildLaunchCommand(LaunchGameDir());

    if (!WriteLaunchLog(command.Parameters, &error)) {
        // The record of the command line is a convenience; the game still starts.
        cursor.Restore();
        Dialogs::ShowWarning(error, mainWindow);
    }

    const Qt::WindowStates before = window ? window->windowState() : Qt::WindowNoState;
    const bool wasShown = window && window->isVisible();
    if (wasShown)
        window->showMinimized();

    Shell::TRequest request;
    request.File = command.Executable;
    request.Parameters = command.Parameters;
    request.WorkDir = command.WorkDir;
    QString why;
    if (!Shell::Open(request, &why)) {
        if (wasShown) {
            window->setWindowState(before);
            window->show();
            window->raise();
            window->activateWindow();
        }
        cursor.Restore();
        Dialogs::ShowError(QStringLiteral("Can't start ") + command.Executable + QStringLiteral("."),
                           mainWindow);
        return false;
    }

    cursor.Restore();
    if (UInit::CloseQORSetting == QLatin1String("O")) {
        UInit::ClearWorkLists();
        if (window)
            window->close();
    }
    return true;
}

} // namespace UQOR
