// The server-config filter (listenserver.cfg, server.cfg): after it, no command that the engine
// runs from the text sets a managed cvar, directly or through an alias; a line naming no
// managed cvar is kept as it was (bytes and line end), in its place; the filter's own output
// passes unchanged; the file keeps its bytes when nothing is managed and is written as filtered
// otherwise.
#include "FuzzSupport.h"

#include "core/UInit.h"
#include "core/UQOR_Launch.h"

#include <QSet>

namespace {

// The engine's own reading of a text, written apart from the filter: LF ends a command, so does
// ";" outside double quotes (counted from the command's start); a command takes at most 1023
// bytes, the byte after them is dropped and the rest is the next command. Blanks are the bytes
// up to the space and from 0x80 up; "//" ends a command's words; a word is a quoted string or
// runs to the next blank (a quote or a break character counts as its end here, as the filter
// errs); an alias's body is read as commands of its own.
bool Blank(char c) { return static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) >= 0x80; }
bool WordEnd(char c) { return Blank(c) || QByteArray("\"{}()',:").contains(c); }

QList<QByteArray> EngineCommands(const QByteArray& text)
{
    QList<QByteArray> commands;
    qsizetype at = 0;
    while (at < text.size()) {
        int quotes = 0;
        qsizetype end = at;
        while (end < text.size() && text[end] != '\n' && !(text[end] == ';' && quotes % 2 == 0)) {
            if (text[end] == '"')
                ++quotes;
            ++end;
        }
        const qsizetype length = qMin<qsizetype>(end - at, 1023);
        commands << text.mid(at, length);
        at += end - at > 1023 ? 1024 : end - at + 1;
    }
    return commands;
}

QList<QByteArray> Words(const QByteArray& command)
{
    QList<QByteArray> words;
    qsizetype i = 0;
    while (words.size() < 80) {
        while (i < command.size() && Blank(command[i]))
            ++i;
        if (i >= command.size() || command.mid(i, 2) == "//")
            break;
        qsizetype start = i;
        if (command[i] == '"') {
            start = ++i;
            while (i < command.size() && command[i] != '"')
                ++i;
            words << command.mid(start, i - start);
            ++i;
        } else if (WordEnd(command[i])) {
            words << command.mid(i++, 1);
        } else {
            while (i < command.size() && !WordEnd(command[i]))
                ++i;
            words << command.mid(start, i - start);
        }
    }
    return words;
}

QByteArray SetsManaged(const QByteArray& text, const QSet<QByteArray>& managed, int depth = 0)
{
    for (const QByteArray& command : EngineCommands(text)) {
        const QList<QByteArray> words = Words(command);
        if (words.isEmpty())
            continue;
        if (managed.contains(words[0].toLower()))
            return words[0];
        if (depth < 8 && words[0].toLower() == "alias" && words.size() > 2) {
            const QByteArray inner = SetsManaged(words.mid(2).join(' '), managed, depth + 1);
            if (!inner.isEmpty())
                return inner;
        }
    }
    return {};
}

// The lines with their LF.
QList<QByteArray> Lines(const QByteArray& text)
{
    QList<QByteArray> lines;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype lf = text.indexOf('\n', at);
        lf = lf < 0 ? text.size() : lf + 1;
        lines << text.mid(at, lf - at);
        at = lf;
    }
    return lines;
}

bool NamesNone(const QByteArray& line, const QSet<QByteArray>& managed)
{
    const QByteArray lower = line.toLower();
    for (const QByteArray& name : managed)
        if (lower.contains(name))
            return false;
    return true;
}

QString Shown(const QByteArray& bytes) { return Fuzz::Shown(QString::fromLatin1(bytes)); }

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
    QSet<QByteArray> managed;
    for (const TCVar& cvar : UInit::ManagedCvars)
        if (!cvar.Name.isEmpty())
            managed.insert(cvar.Name.toLatin1().toLower());

    bool changed = false;
    const QByteArray out = UQOR::FilterCfgText(bytes, UInit::ManagedCvars, &changed);

    const QByteArray still = SetsManaged(out, managed);
    FUZZ_CHECK(still.isEmpty(), QStringLiteral("still runs %1: %2").arg(Shown(still), Shown(out)));

    // Lines that name no managed cvar at all stay, in order, with their ends (a rewrite drops
    // the byte-order mark).
    const QList<QByteArray> written = Lines(out);
    qsizetype at = 0;
    const QList<QByteArray> lines = Lines(bytes);
    for (qsizetype l = 0; l < lines.size(); ++l) {
        QByteArray line = lines[l];
        if (l == 0 && line.startsWith("\xEF\xBB\xBF") && changed)
            line.remove(0, 3);
        if (!NamesNone(line, managed))
            continue;
        while (at < written.size() && written[at] != line)
            ++at;
        FUZZ_CHECK(at < written.size(), QStringLiteral("lost line: ") + Shown(line));
        ++at;
    }
    FUZZ_CHECK(changed == (out != bytes), Shown(out));

    bool again = true;
    const QByteArray twice = UQOR::FilterCfgText(out, UInit::ManagedCvars, &again);
    FUZZ_CHECK(twice == out && !again, Shown(out) + QStringLiteral(" -> ") + Shown(twice));

    // The file (one input in four): left alone when nothing is managed, written as filtered.
    if (!Fuzz::Sampled(bytes, 4))
        return 0;
    const QString path = Fuzz::Scratch(QStringLiteral("listenserver.cfg"));
    Fuzz::Put(path, bytes);
    QString error;
    FUZZ_CHECK(UQOR::FilterCfgFile(path, &error), error);
    FUZZ_CHECK(Fuzz::Get(path) == out, QStringLiteral("the file is not what the filter wrote"));
    FUZZ_CHECK(UQOR::FilterCfgFile(path, &error), error);
    FUZZ_CHECK(Fuzz::Get(path) == out, QStringLiteral("a second filter changed the file"));
    return 0;
}
