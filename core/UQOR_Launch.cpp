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
#include <QSet>
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

// The engine reads a .cfg file as bytes. Its tokenizer compares signed chars with the space, so
// every byte up to 0x20 and every byte from 0x80 up (a no-break space, each byte of a UTF-8
// letter) is white space to it.
bool IsBlankByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u >= 0x80;
}

// Blanks as the rewrite trims them in front of a command it puts on a line of its own: only the
// plain ones, so the user's other bytes stay.
QByteArray LeftTrimmed(const QByteArray& text)
{
    qsizetype i = 0;
    while (i < text.size() && static_cast<unsigned char>(text.at(i)) <= 0x20)
        ++i;
    return text.mid(i);
}

// Characters the tokenizer makes tokens of their own, so they end a word. A double quote does
// not end a word for the engine; taking it for an end errs on the side of a comment.
bool EndsWord(char c)
{
    return IsBlankByte(c) || c == '"' || c == '{' || c == '}' || c == '(' || c == ')' ||
           c == '\'' || c == ',' || c == ':';
}

// The longest command the engine runs; the byte after it is dropped and the rest of the text
// runs as the next command.
constexpr qsizetype kCommandMax = 1023;
// The tokenizer keeps at most this many arguments of a command.
constexpr int kMaxTokens = 80;
// Aliases that define aliases are looked into this deep.
constexpr int kAliasDepth = 8;

// The engine's split of one line (without its line end) into the commands it runs: ";" ends a
// command unless it stands inside double quotes (counted from the command's start), and a
// command longer than kCommandMax is cut there. A "//" comment does not stop the split, so
// "//a 1; b 2" still runs b 2.
QList<QByteArray> SplitCommands(const QByteArray& line)
{
    QList<QByteArray> commands;
    qsizetype at = 0;
    while (at < line.size()) {
        int quotes = 0;
        qsizetype end = at;
        for (; end < line.size(); ++end) {
            const char c = line.at(end);
            if (c == '"')
                ++quotes;
            else if (c == ';' && quotes % 2 == 0)
                break;
        }
        if (end - at > kCommandMax) {
            commands.append(line.mid(at, kCommandMax));
            at += kCommandMax + 1;
        } else {
            commands.append(line.mid(at, end - at));
            at = end + 1;
        }
    }
    return commands;
}

// The arguments of one command as the engine's tokenizer gives them: words, quoted strings
// without their quotes, single break characters; "//" ends the command.
QList<QByteArray> Tokens(const QByteArray& command)
{
    QList<QByteArray> tokens;
    const qsizetype n = command.size();
    qsizetype i = 0;
    while (tokens.size() < kMaxTokens) {
        while (i < n && IsBlankByte(command.at(i)))
            ++i;
        if (i >= n || command.mid(i, 2) == "//")
            break;
        const char c = command.at(i);
        if (c == '"') {
            const qsizetype start = ++i;
            while (i < n && command.at(i) != '"')
                ++i;
            tokens.append(command.mid(start, i - start));
            if (i < n)
                ++i;
        } else if (EndsWord(c)) {
            tokens.append(command.mid(i++, 1));
        } else {
            const qsizetype start = i;
            while (i < n && !EndsWord(command.at(i)))
                ++i;
            tokens.append(command.mid(start, i - start));
        }
    }
    return tokens;
}

// A command sets a managed cvar when its name is one, without regard to case ("sa" is the
// command sa, not say), or when it defines an alias whose body does: the body runs whenever
// the alias is used.
bool SetsManaged(const QByteArray& command, const QSet<QByteArray>& names, int depth = 0)
{
    const QList<QByteArray> tokens = Tokens(command);
    if (tokens.isEmpty())
        return false;
    const QByteArray name = tokens.first().toLower();
    if (names.contains(name))
        return true;
    if (name != "alias" || tokens.size() < 3 || depth >= kAliasDepth)
        return false;
    const QByteArray body = tokens.mid(2).join(' ');
    for (const QByteArray& inner : SplitCommands(body))
        if (SetsManaged(inner, names, depth + 1))
            return true;
    return false;
}

// A managed command as comment lines: "//" in front, and no line longer than the engine takes,
// so no tail of it runs. A command holds no ";" outside quotes, so the first line hides all it
// holds; the last bytes (a longest command leaves two) go on comment lines of their own.
QList<QByteArray> CommentedOut(const QByteArray& command)
{
    const qsizetype room = kCommandMax - 2;
    QList<QByteArray> lines{QByteArrayLiteral("//") + command.left(room)};
    for (qsizetype i = room; i < command.size(); ++i)
        lines.append(QByteArrayLiteral("//") + command.at(i));
    return lines;
}

} // namespace

QByteArray FilterCfgText(const QByteArray& text, const QVector<TCVar>& managed, bool* changed)
{
    QSet<QByteArray> names;
    for (const TCVar& cvar : managed)
        if (!cvar.Name.isEmpty())
            names.insert(cvar.Name.toLatin1().toLower());

    // Only LF ends a line for the engine: a CR is a blank inside the line, so a file whose
    // lines end in CR alone is one line up to its first LF, and it is read so here too.
    // Lines the filter rewrites end as the file's lines do.
    const QByteArray fileEnd = text.contains("\r\n") ? QByteArrayLiteral("\r\n")
                               : text.contains('\n') ? QByteArrayLiteral("\n")
                                                     : QByteArrayLiteral("\r\n");
    bool any = false;
    QByteArray out;
    out.reserve(text.size() + 64);
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype lf = text.indexOf('\n', at);
        if (lf < 0)
            lf = text.size();
        const QByteArray raw = text.mid(at, lf - at + 1);   // with its LF, when it has one
        at = lf + 1;
        QByteArray end;
        if (raw.endsWith("\r\n"))
            end = QByteArrayLiteral("\r\n");
        else if (raw.endsWith('\n'))
            end = QByteArrayLiteral("\n");
        const QByteArray body = raw.left(raw.size() - end.size());

        const QList<QByteArray> pieces = SplitCommands(body);
        // The line's commands without their leading blanks; empty ones (";;", a final ";")
        // run nothing.
        QList<QByteArray> commands;
        bool hit = false;
        for (const QByteArray& piece : pieces) {
            const QByteArray command = LeftTrimmed(piece);
            if (command.isEmpty())
                continue;
            hit = hit || SetsManaged(command, names);
            commands.append(command);
        }
        if (!hit) {
            out += raw;
            continue;
        }
        any = true;
        // "//" hides only the first command of the line from the engine: enough when that is
        // the line's one command and the line stays short enough to be read whole, but
        // ";mp_timelimit 5" would still run behind the empty one.
        if (commands.size() == 1 && !LeftTrimmed(pieces.first()).isEmpty() &&
            body.size() + 2 <= kCommandMax) {
            out += QByteArrayLiteral("//") + body + end;
            continue;
        }
        // Otherwise one line per command, so exactly the managed ones are commented out.
        QList<QByteArray> lines;
        for (const QByteArray& command : std::as_const(commands)) {
            if (SetsManaged(command, names))
                lines += CommentedOut(command);
            else
                lines.append(command);
        }
        out += lines.join(end.isEmpty() ? fileEnd : end) + end;
    }
    // The engine would take a byte-order mark for part of the first command: a rewrite leaves
    // it out.
    if (any && out.startsWith("\xEF\xBB\xBF"))
        out.remove(0, 3);
    if (changed)
        *changed = any;
    return any ? out : text;
}

bool FilterCfgFile(const QString& path, QString* error)
{
    if (!FileSys::FileExists(path))
        return true;
    // The filter works on the bytes, as the engine reads them: lines it leaves alone keep
    // their bytes and their line ends, whatever the encoding.
    QByteArray bytes;
    if (!FileSys::ReadBytes(path, bytes, error))
        return false;

    UInit::BuildManagedCvarList();
    bool changed = false;
    const QByteArray filtered = FilterCfgText(bytes, UInit::ManagedCvars, &changed);
    // A file without a managed line is left exactly as it is.
    if (!changed)
        return true;
    // The writer replaces the file only once the whole text is written, and refuses a
    // read-only file, so a failure leaves the user's file as it was.
    return FileSys::WriteBytes(path, filtered, error);
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
        // A start map typed by hand goes to the game with its file's case: the game folder
        // may lie on a case-sensitive file system.
        map = MapNameOnDisk(map, {FileSys::JoinPath(UInit::HLPath, gameDir + QStringLiteral("/maps")),
                                  FileSys::JoinPath(UInit::HLPath, QStringLiteral("valve/maps"))});
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
