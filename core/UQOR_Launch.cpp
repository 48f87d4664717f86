#include "core/UQOR_Launch.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR_Maps.h"
#include "core/UQOR_Settings.h"
#include "platform/Dialogs.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"
#include "platform/Shell.h"
#include "platform/WindowLookup.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QWidget>

#include <exception>

namespace UQOR {

const QString HLKeyFrWindowTitle = QStringLiteral("HLKey-Fr! V1.04");

namespace {

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

// The engine's tokenizer takes every control character for a blank, as it does a space.
bool IsBlank(QChar c) { return c.unicode() <= 0x20; }

QString LeftTrimmed(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text.at(i)))
        ++i;
    return text.mid(i);
}

// The engine's command split: ";" ends a command unless it stands inside double quotes (a
// "//" comment does not stop the split, so "//a 1; b 2" still runs b 2).
QStringList SplitCommands(const QString& line)
{
    QStringList commands;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char(';') && !quoted) {
            commands.append(line.mid(start, i - start));
            start = i + 1;
        }
    }
    commands.append(line.mid(start));
    return commands;
}

// A command (already left-trimmed) sets a managed cvar when, after an optional opening quote,
// it starts with the name followed by a blank, a TAB, a quote or its end. Names compare
// case-sensitively, so "sa" matches the command sa and not say or pausable. A "//" command
// is a comment and sets nothing.
bool IsManaged(const QString& command, const QStringList& names)
{
    if (command.startsWith(QLatin1String("//")))
        return false;
    const QStringView text = command.startsWith(QLatin1Char('"')) ? QStringView(command).mid(1)
                                                                  : QStringView(command);
    for (const QString& name : names) {
        if (!text.startsWith(name))
            continue;
        if (text.size() == name.size())
            return true;
        const QChar next = text.at(name.size());
        if (IsBlank(next) || next == QLatin1Char('"'))
            return true;
    }
    return false;
}

} // namespace

QStringList FilterCfgLines(const QStringList& lines, const QVector<TCVar>& managed, bool* changed)
{
    QStringList names;
    for (const TCVar& cvar : managed)
        if (!cvar.Name.isEmpty())
            names.append(cvar.Name);

    bool any = false;
    QStringList out;
    out.reserve(lines.size());
    for (const QString& line : lines) {
        // The line's commands without their leading blanks; empty ones (";;", a final ";")
        // run nothing.
        QStringList commands;
        bool hit = false;
        const QStringList pieces = SplitCommands(line);
        for (const QString& command : pieces) {
            const QString text = LeftTrimmed(command);
            if (text.isEmpty())
                continue;
            hit = hit || IsManaged(text, names);
            commands.append(text);
        }
        if (!hit) {
            out.append(line);
            continue;
        }
        any = true;
        // "//" hides only the first command of the line from the engine: enough when that is
        // the line's one command, but ";mp_timelimit 5" would still run behind the empty one.
        if (commands.size() == 1 && !LeftTrimmed(pieces.first()).isEmpty()) {
            out.append(QStringLiteral("//") + line);
            continue;
        }
        // Otherwise one line per command, so exactly the managed ones are commented out.
        for (const QString& command : std::as_const(commands))
            out.append(IsManaged(command, names) ? QStringLiteral("//") + command : command);
    }
    if (changed)
        *changed = any;
    return out;
}

bool FilterCfgFile(const QString& path, QString* error)
{
    if (!FileSys::FileExists(path))
        return true;
    // The line reader keeps the file's encoding (UTF-8, or Latin-1 for another code page), so
    // the lines written back unchanged are the user's bytes.
    QStringList lines;
    FileSys::TEncoding encoding = FileSys::TEncoding::Utf8;
    if (!FileSys::ReadLines(path, lines, &encoding, error))
        return false;

    UInit::BuildManagedCvarList();
    bool changed = false;
    const QStringList filtered = FilterCfgLines(lines, UInit::ManagedCvars, &changed);
    // A file without a managed line is left exactly as it is.
    if (!changed)
        return true;

    // The engine takes a byte-order mark for part of the first command, so the rewrite leaves
    // it out; the text itself keeps its encoding.
    encoding = FileSys::WithoutMark(encoding);
    // The writer replaces the file only once the whole text is written, and refuses a
    // read-only file, so a failure leaves the user's file as it was.
    UInit::OutFile.Rewrite(path, encoding);
    for (const QString& line : filtered)
        UInit::OutFile.WriteLn(line);
    return UInit::OutFile.Close(error);
}

bool FilterServerCfgs(const QString& modDir, QString* error)
{
    if (modDir.isEmpty())
        return true;
    QStringList files{QStringLiteral("listenserver.cfg")};
    if (UInit::DedicatedSetting == QLatin1String("O"))
        files.append(QStringLiteral("server.cfg"));
    for (const QString& name : files) {
        if (!FilterCfgFile(FileSys::JoinPath(modDir, name), error))
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
    // The start map is read as the map cycle reads it, so the game starts on the map the
    // Maps page shows first.
    map = CycleMapName(map);
    if (map.isEmpty())
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

    // A mod whose folder comes from its bot has its row Dir set by its writers just now.
    if (!FilterServerCfgs(row->Dir, error))
        return false;

    if (row->Profile.LaunchMaxPlayers) {
        QString maxPlayers, why;
        if (!row->Profile.LaunchMaxPlayers(maxPlayers, why)) {
            if (error)
                *error = why;
            return false;
        }
        if (!maxPlayers.isEmpty())
            UInit::MaxPlayers = maxPlayers;
    }
    return true;
}

QString LaunchGameDir()
{
    const TModRow* row = ModTable::Selected();
    if (row && row->Profile.LaunchGameDir)
        return row->Profile.LaunchGameDir();
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

    const TIniFile ini(UInit::AppFile(QStringLiteral("QOR.ini")));
    const QString extra = ini.ReadString(QStringLiteral("QOR"), QStringLiteral("Command"), QString());
    if (!extra.trimmed().isEmpty())
        command.Parameters += QStringLiteral(" ") + extra;

    // A native Linux installation starts through its own launcher.
    const bool dedicated = UInit::DedicatedSetting == QLatin1String("O");
    const QString program = UInit::GameProgram(dedicated);
    command.Executable = !program.isEmpty() ? program : dedicated ? QStringLiteral("hlds.exe") : UInit::HLExe;
    // The key-layout tool starts the game itself; while its window is open it is running.
    const bool toolRunning = WindowLookup::WindowExists(HLKeyFrWindowTitle);
    if (UInit::HLKeyFrSetting == QLatin1String("O") && !toolRunning)
        command.Executable = QStringLiteral("HLKeyFr.exe");

    command.WorkDir = UInit::HLPath;
    return command;
}

bool WriteLaunchLog(const QString& parameters, QString* error)
{
    const QString path = UInit::AppFile(QStringLiteral("log.txt"));
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
        // The shell's reason names the program and says why ("Can't start hl.exe: ...").
        Dialogs::ShowError(why.isEmpty() ? QStringLiteral("Can't start ") + command.Executable + QStringLiteral(".")
                                         : why + QStringLiteral("."),
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
