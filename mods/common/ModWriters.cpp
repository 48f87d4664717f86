#include "mods/common/ModWriters.h"

#include "core/UInit.h"
#include "platform/IniFile.h"

#include <QDir>

#include <algorithm>

namespace ModWriters {

QString NumberOr(const QString& value, const QString& fallback)
{
    bool ok = false;
    value.trimmed().toInt(&ok);
    return ok ? value.trimmed() : fallback;
}

QString StoredNumber(const TIniFile& store, const QString& section, const QString& key,
                     const QString& fallback)
{
    return NumberOr(store.ReadString(section, key, fallback), fallback);
}

QString FlagOr(const QString& value, const QString& fallback)
{
    if (UInit::TextToBool(value))
        return QStringLiteral("1");
    if (value == QLatin1String("0") || value == QLatin1String("No"))
        return QStringLiteral("0");
    return UInit::TextToBool(fallback) ? QStringLiteral("1") : QStringLiteral("0");
}

QString StoredFlag(const TIniFile& store, const QString& section, const QString& key, const QString& fallback)
{
    return FlagOr(store.ReadString(section, key, fallback), fallback);
}

bool IsBotNameChar(QChar c, bool engineTokens)
{
    if (c.isSpace() || c.unicode() < 0x20 || c == QLatin1Char('"') || c == QLatin1Char('\'')
        || c == QLatin1Char(';'))
        return false;
    if (engineTokens) {
        if (c.unicode() >= 0x80)
            return false;
        for (const char t : {'(', ')', '{', '}', ',', ':'})
            if (c == QLatin1Char(t))
                return false;
    }
    return true;
}

QString CleanBotName(const QString& name, bool engineTokens)
{
    QString clean;
    int bytes = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        // A character outside the basic plane is a pair of halves: kept or dropped whole.
        const bool pair = name.at(i).isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate();
        const QString ch = pair ? name.mid(i, 2) : QString(name.at(i));
        if (pair)
            ++i;
        if (!pair && !IsBotNameChar(ch.at(0), engineTokens))
            continue;
        if (pair && engineTokens)
            continue;
        const int size = static_cast<int>(ch.toUtf8().size());
        if (bytes + size > MaxBotNameBytes)
            break;
        bytes += size;
        clean += ch;
    }
    // A bot without a name stays so (the bot program then picks one); a name that held only
    // refused characters takes the plain one.
    return clean.isEmpty() && !name.isEmpty() ? QStringLiteral("NewBot") : clean;
}

QString RenamedBotsNote(const QString& file, const QVector<QPair<QString, QString>>& renamed)
{
    if (renamed.isEmpty())
        return {};
    QString note = QStringLiteral("Some bot names in ") + QDir::toNativeSeparators(file) +
                   QStringLiteral(" are not names the game takes whole (no blank, quote, apostrophe or \";\", "
                                  "at most 31 bytes). They read as:");
    for (const auto& [read, now] : renamed)
        note += QStringLiteral("\r\n\"") + read + QStringLiteral("\" as \"") + now + QLatin1Char('"');
    return note + QStringLiteral("\r\nThe file keeps the old names until the settings are saved.");
}

TPlaceholderTable TemplatePlaceholders(const QString& skillKey, const QString& modelDefault,
                                       const QString& nameDefault, const QString& skillDefault,
                                       bool engineTokens)
{
    return {
        {QStringLiteral("<model>"), QStringLiteral("modele"), modelDefault, {}},
        {QStringLiteral("<name>"), QStringLiteral("nom"), nameDefault,
         [engineTokens](const QString& name, int) { return CleanBotName(name, engineTokens); }},
        {QStringLiteral("<skill>"), skillKey, skillDefault, {}, true},
    };
}

void SetConvert(TPlaceholderTable& table, const QString& name,
                const std::function<QString(const QString& value, int botNumber)>& convert)
{
    for (TPlaceholder& p : table)
        if (p.Name == name)
            p.Convert = convert;
}

TPlaceholder AutoTeamPlaceholder()
{
    return {QStringLiteral("<team>"), QStringLiteral("team"), QStringLiteral("5"),
            [](const QString& stored, int) {
                const QString team = NumberOr(stored, QStringLiteral("5"));
                return team == QLatin1String("0") ? QStringLiteral("5") : team;
            }};
}

TPlaceholderTable WholeNumberModel(TPlaceholderTable table)
{
    for (TPlaceholder& p : table) {
        if (p.Name != QStringLiteral("<model>"))
            continue;
        p.Default = QStringLiteral("0");
        p.Convert = [](const QString& v, int) {
            return QString::number(NumberOr(v, QStringLiteral("0")).toInt());
        };
    }
    return table;
}

QStringList FillTemplate(const QString& templ, const TPlaceholderTable& table,
                         const TIniFile& store, int botNumber, const TFillOptions& options)
{
    const QString section = QStringLiteral("Bot ") + QString::number(botNumber);

    // The pieces of the template to put something else in, found in the template itself: the
    // values are inserted in one pass afterwards, so nothing a value holds is ever read as a
    // placeholder or a tag.
    struct TSpan {
        qsizetype At;
        qsizetype Length;
        QString Value;
        bool Break;
    };
    QVector<TSpan> spans;
    auto taken = [&spans](qsizetype at, qsizetype length) {
        for (const TSpan& s : spans)
            if (at < s.At + s.Length && s.At < at + length)
                return true;
        return false;
    };
    auto claim = [&](const QString& token, const QString& value, bool lineBreak, bool every) {
        if (token.isEmpty())
            return;
        for (qsizetype at = templ.indexOf(token); at >= 0; at = templ.indexOf(token, at + 1)) {
            if (taken(at, token.size()))
                continue;
            spans.append({at, token.size(), value, lineBreak});
            if (!every)
                return;
        }
    };

    for (const TPlaceholder& p : table) {
        if (!templ.contains(p.Name))
            continue;
        QString v = p.Key.isEmpty() ? p.Default : store.ReadString(section, p.Key, p.Default);
        if (p.Number)
            v = NumberOr(v, p.Default);
        if (p.Convert)
            v = p.Convert(v, botNumber);
        // A value never breaks the line it is put in.
        v.remove(QLatin1Char('\r'));
        v.remove(QLatin1Char('\n'));
        claim(p.Name, v, false, options.EveryOccurrence);
    }
    if (options.Tab)
        claim(QStringLiteral("<TAB>"), QStringLiteral("\t"), false, true);
    if (options.RcBreak)
        claim(QStringLiteral("<RC>"), QString(), true, true);
    if (options.CrBreak)
        claim(QStringLiteral("<CR>"), QString(), true, true);
    std::sort(spans.begin(), spans.end(),
              [](const TSpan& a, const TSpan& b) { return a.At < b.At; });

    // Each line break of the template becomes a line of its own (the file writer ends each with
    // CR LF), so no bare LF reaches the bot program's reader.
    QStringList lines;
    QString line;
    qsizetype pos = 0;
    for (const TSpan& span : std::as_const(spans)) {
        line += QStringView(templ).mid(pos, span.At - pos);
        if (span.Break) {
            lines << line;
            line.clear();
        } else {
            line += span.Value;
        }
        pos = span.At + span.Length;
    }
    line += QStringView(templ).mid(pos);
    lines << line;
    return lines;
}

QString LiblistLine(const QString& key, const QString& value)
{
    return key + QLatin1Char(' ') + QLatin1Char('"') + value + QLatin1Char('"');
}

QString GameDllLine(const QString& dll)
{
    return LiblistLine(QStringLiteral("gamedll"), dll);
}

QStringList Liblist(const TLiblist& liblist, const QString& dll)
{
    QStringList lines = liblist.Header;
    auto add = [&lines](const char* key, const TLiblistValue& v) {
        if (v.Set)
            lines << LiblistLine(QString::fromLatin1(key), v.Value) + v.Tail;
    };
    add("gamedir", liblist.GameDir);
    add("game", liblist.Game);
    add("url_info", liblist.UrlInfo);
    add("url_dl", liblist.UrlDl);
    add("startmap", liblist.StartMap);
    add("trainmap", liblist.TrainMap);
    add("version", liblist.Version);
    add("size", liblist.Size);
    add("svonly", liblist.SvOnly);
    add("cldll", liblist.ClDll);
    add("hlversion", liblist.HlVersion);
    add("type", liblist.Type);
    add("nomodels", liblist.NoModels);
    add("mpentity", liblist.MpEntity);
    lines << GameDllLine(dll) + liblist.GameDllTail;
    add("gamedll_linux", liblist.GameDllLinux);
    return lines;
}

QStringList BotFileHeader(const QString& templ, const QString& pauseLine,
                          const QString& defaultSkill)
{
    return {QStringLiteral("# ") + templ, pauseLine, QString(),
            QStringLiteral("botskill ") + defaultSkill, QStringLiteral(" ")};
}

QStringList AkimbotRateLines(const TIniFile& store)
{
    auto rate = [&store](const char* key, const char* def) {
        return StoredNumber(store, QStringLiteral("Default"), QLatin1String(key), QLatin1String(def));
    };
    return {QStringLiteral("bot_chat_percent ") + rate("chatfreq", "10"),
            QStringLiteral("bot_taunt_percent ") + rate("chatfreq_kill", "20"),
            QStringLiteral("bot_whine_percent ") + rate("chatfreq_died", "10")};
}

QString AkimbotLastLine()
{
    return QStringLiteral("disablebotwaypointmessage");
}

QString BindLine(const QString& hlKey, const QString& command)
{
    return QStringLiteral("bind \"") + hlKey + QStringLiteral("\" \"") + command + QStringLiteral("\"");
}

namespace {

// A configuration file's lines changed by edit (which returns false when nothing is to be
// written); a missing file is no error and stays missing.
bool EditConfigFile(const QString& path, const std::function<bool(QStringList&)>& edit,
                    QString& error)
{
    const QString file = FileSys::Resolve(path);
    if (!FileSys::FileExists(file))
        return true;
    QStringList lines;
    FileSys::TEncoding encoding = FileSys::TEncoding::Utf8;
    QString why;
    auto fail = [&](const char* what) {
        error = QString::fromLatin1(what) + QDir::toNativeSeparators(file) +
                (why.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + why);
        return false;
    };
    if (!FileSys::ReadLines(file, lines, &encoding, &why))
        return fail("Can't read ");
    if (!edit(lines))
        return true;
    if (!FileSys::WriteLines(file, lines, encoding, &why))
        return fail("Can't write ");
    return true;
}

} // namespace

bool AppendLineOnce(const QString& path, const QString& line, QString& error)
{
    const QString wanted = line.trimmed();
    return EditConfigFile(path, [&](QStringList& lines) {
        for (const QString& l : std::as_const(lines))
            if (l.trimmed() == wanted)
                return false;
        lines << line;
        return true;
    }, error);
}

QString BindWaitsNote(const QString& path)
{
    return QDir::toNativeSeparators(path) +
           QStringLiteral(" does not exist yet: the game writes it when it first starts this mod. The key is "
                          "kept and bound there at the next save after that.");
}

bool RewriteConfigLines(const QString& path, const std::function<bool(const QString&)>& drop,
                        const QStringList& append, QString& error)
{
    return EditConfigFile(path, [&](QStringList& lines) {
        QStringList kept;
        for (const QString& l : std::as_const(lines))
            if (!drop || !drop(l))
                kept << l;
        kept << append;
        if (kept == lines)
            return false;
        lines = kept;
        return true;
    }, error);
}

bool WriteFile(const QString& path, const QStringList& lines, QString& error)
{
    FileSys::TOutFile& out = UInit::OutFile;
    if (out.IsOpen())
        out.Discard();
    if (!out.Rewrite(path)) {
        error = QStringLiteral("Can't write ") + QDir::toNativeSeparators(path) + QStringLiteral(".");
        return false;
    }
    for (const QString& line : lines)
        out.WriteLn(line);
    QString why;
    if (!out.Close(&why)) {
        // The file layer's reason already names the file ("Can't write <file>: ...").
        error = why.isEmpty() ? QStringLiteral("Can't write ") + QDir::toNativeSeparators(path) +
                                    QStringLiteral(".")
                              : why + QStringLiteral(".");
        return false;
    }
    return true;
}

} // namespace ModWriters
