// The server-config filter (listenserver.cfg, server.cfg): after it, no line runs a command
// that sets a managed cvar as the engine reads the line; a line naming no managed cvar is kept
// as it was, in its place; the filter's own output passes unchanged; the file keeps its bytes
// when nothing is managed and its encoding otherwise.
#include "FuzzSupport.h"

#include "core/UInit.h"
#include "core/UQOR_Launch.h"
#include "platform/FileSys.h"

#include <QSet>

namespace {

// The engine's own reading of a line, written apart from the filter: ";" outside double quotes
// ends a command, blanks are every character up to the space, "//" makes the rest of a
// command a comment, a command's name is its first word or its quoted first string.
QStringList EngineCommandNames(const QString& line)
{
    QStringList names;
    QStringList commands;
    bool quoted = false;
    QString current;
    for (QChar c : line) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(';') && !quoted) {
            commands << current;
            current.clear();
        } else {
            current += c;
        }
    }
    commands << current;
    for (const QString& command : commands) {
        qsizetype i = 0;
        while (i < command.size() && command[i].unicode() <= 0x20)
            ++i;
        if (QStringView(command).mid(i).startsWith(QLatin1String("//")))
            continue;
        QString name;
        if (i < command.size() && command[i] == QLatin1Char('"')) {
            ++i;
            while (i < command.size() && command[i] != QLatin1Char('"'))
                name += command[i++];
        } else {
            while (i < command.size() && command[i].unicode() > 0x20)
                name += command[i++];
        }
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

bool NamesNone(const QString& line, const QStringList& managed)
{
    for (const QString& name : managed)
        if (line.contains(name))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::Init(argc, argv);
    UInit::BuildManagedCvarList();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    UInit::BuildManagedCvarList();
    QStringList managed;
    for (const TCVar& cvar : UInit::ManagedCvars)
        if (!cvar.Name.isEmpty())
            managed << cvar.Name;
    const QSet<QString> managedSet(managed.begin(), managed.end());

    const QStringList lines = FileSys::SplitLines(FileSys::Decode(bytes));
    bool changed = false;
    const QStringList out = UQOR::FilterCfgLines(lines, UInit::ManagedCvars, &changed);

    for (const QString& line : out)
        for (const QString& name : EngineCommandNames(line))
            FUZZ_CHECK(!managedSet.contains(name), QStringLiteral("still runs %1: %2").arg(name, Fuzz::Shown(line)));

    // Lines that name no managed cvar at all stay, in order.
    qsizetype at = 0;
    for (const QString& line : lines) {
        if (!NamesNone(line, managed))
            continue;
        while (at < out.size() && out[at] != line)
            ++at;
        FUZZ_CHECK(at < out.size(), QStringLiteral("lost line: ") + Fuzz::Shown(line));
        ++at;
    }
    FUZZ_CHECK(changed == (out != lines), Fuzz::Shown(out));

    bool again = true;
    const QStringList twice = UQOR::FilterCfgLines(out, UInit::ManagedCvars, &again);
    FUZZ_CHECK(twice == out && !again, Fuzz::Shown(out) + QStringLiteral(" -> ") + Fuzz::Shown(twice));

    // The file (one input in four): left alone when nothing is managed, written once otherwise.
    if (!Fuzz::Sampled(bytes, 4))
        return 0;
    const QString path = Fuzz::Scratch(QStringLiteral("listenserver.cfg"));
    Fuzz::Put(path, bytes);
    QString error;
    FUZZ_CHECK(UQOR::FilterCfgFile(path, &error), error);
    const QByteArray first = Fuzz::Get(path);
    if (!changed)
        FUZZ_CHECK(first == bytes, QStringLiteral("untouched file changed"));
    FileSys::TEncoding before, after;
    FileSys::Decode(bytes, &before);
    QStringList written;
    FUZZ_CHECK(FileSys::ReadLines(path, written, &after), path);
    FUZZ_CHECK(written == out, Fuzz::Shown(out) + QStringLiteral(" written as ") + Fuzz::Shown(written));
    FUZZ_CHECK(UQOR::FilterCfgFile(path, &error), error);
    FUZZ_CHECK(Fuzz::Get(path) == first, QStringLiteral("a second filter changed the file"));
    return 0;
}
