#include "mods/common/ModWriters.h"

#include "core/UInit.h"
#include "platform/IniFile.h"

#include <QDir>

namespace ModWriters {

TPlaceholderTable TemplatePlaceholders(const QString& skillKey)
{
    return {
        {QStringLiteral("<model>"), QStringLiteral("modele"), QString(), {}},
        {QStringLiteral("<name>"), QStringLiteral("nom"), QString(), {}},
        {QStringLiteral("<skill>"), skillKey, QString(), {}},
    };
}

QString ReplaceFirst(const QString& line, const QString& placeholder, const QString& value,
                     bool* replaced)
{
    const int at = line.indexOf(placeholder);
    if (replaced)
        *replaced = at >= 0;
    if (at < 0)
        return line;
    QString out = line;
    out.replace(at, placeholder.size(), value);
    return out;
}

QStringList FillTemplate(const QString& templ, const TPlaceholderTable& table,
                         const TIniFile& store, int botNumber, const TFillOptions& options)
{
    const QString section = QStringLiteral("Bot ") + QString::number(botNumber);
    // The values are read once: a repeated pass fills a second occurrence with the same value.
    QStringList values;
    values.reserve(table.size());
    for (const TPlaceholder& p : table) {
        QString v = p.Key.isEmpty() ? p.Default : store.ReadString(section, p.Key, p.Default);
        if (p.Convert)
            v = p.Convert(v, botNumber);
        values << v;
    }

    QString line = templ;
    for (;;) {
        bool any = false;
        for (int i = 0; i < table.size(); ++i) {
            bool replaced = false;
            line = ReplaceFirst(line, table[i].Name, values[i], &replaced);
            any = any || replaced;
        }
        if (!options.Repeat || !any || !line.contains(QLatin1Char('<')))
            break;
    }

    if (options.ReplaceTabAndRc) {
        line.replace(QStringLiteral("<TAB>"), QStringLiteral("\t"));
        line.replace(QStringLiteral("<RC>"), QStringLiteral("\n"));
    }
    if (options.SplitOnCr)
        line.replace(QStringLiteral("<CR>"), QStringLiteral("\n"));
    // A line break inside the entry becomes a line of its own (the file writer ends each with
    // CR LF), so no bare LF reaches the bot program's reader.
    return line.split(QLatin1Char('\n'));
}

QString LiblistLine(const QString& key, const QString& value)
{
    return key + QLatin1Char(' ') + QLatin1Char('"') + value + QLatin1Char('"');
}

QString GameDllLine(const QString& dll)
{
    return LiblistLine(QStringLiteral("gamedll"), dll);
}

QStringList BotFileHeader(const QString& templ, const QString& pauseLine,
                          const QString& defaultSkill)
{
    return {QStringLiteral("# ") + templ, pauseLine, QString(),
            QStringLiteral("botskill ") + defaultSkill, QStringLiteral(" ")};
}

QStringList AkimbotRateLines(const TIniFile& store)
{
    const QString d = QStringLiteral("Default");
    return {QStringLiteral("bot_chat_percent ") +
                store.ReadString(d, QStringLiteral("chatfreq"), QStringLiteral("10")),
            QStringLiteral("bot_taunt_percent ") +
                store.ReadString(d, QStringLiteral("chatfreq_kill"), QStringLiteral("20")),
            QStringLiteral("bot_whine_percent ") +
                store.ReadString(d, QStringLiteral("chatfreq_died"), QStringLiteral("10"))};
}

QString AkimbotLastLine()
{
    return QStringLiteral("disablebotwaypointmessage");
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
        error = QStringLiteral("Can't write ") + QDir::toNativeSeparators(path) +
                (why.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + why);
        return false;
    }
    return true;
}

} // namespace ModWriters
