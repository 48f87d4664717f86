#include "mods/common/AddbotFile.h"

#include "mods/common/ModWriters.h"
#include "platform/FileSys.h"

#include <QDir>
#include <QRegularExpression>

namespace AddbotFile {

namespace {

const QString kAddbot = QStringLiteral("addbot");

// The game splits a command at any run of blanks and TABs, so the reader does too: a line typed
// with two blanks or a TAB between its words is the same command.
QStringList Words(const QString& text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.split(blanks, Qt::SkipEmptyParts);
}

QString CleanName(const QString& name, const TFormat& format)
{
    QString kept;
    for (const QChar c : name)
        if (!format.ForbiddenNameChars.contains(c))
            kept += c;
    // A name made only of refused characters still names a bot: the plain one.
    if (kept.isEmpty())
        kept = QStringLiteral("NewBot");
    return ModWriters::CleanBotName(kept, format.EngineTokens);
}

QString ReadSkill(const QString& text, const TFormat& format)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok)
        return format.NoSkillSkill;
    return QString::number(qBound(format.MinSkill, v, format.MaxSkill));
}

} // namespace

QString PlaceholderName(int n)
{
    return QStringLiteral("<RandomBot") + QString::number(n) + QLatin1Char('>');
}

bool IsPlaceholderName(const QString& name)
{
    static const QRegularExpression form(QStringLiteral("^<RandomBot[0-9]+>$"));
    return form.match(name).hasMatch();
}

bool IsAddbotLine(const QString& line)
{
    const QString t = line.trimmed();
    // "addbots" or "addbot2" is another command, which the bot program does not run as this one.
    return t.startsWith(kAddbot, Qt::CaseInsensitive) &&
           (t.size() == kAddbot.size() || t.at(kAddbot.size()).isSpace());
}

bool IsBotSkillLine(const QString& line, QString& skill)
{
    skill.clear();
    if (!line.startsWith(QLatin1String("botskill"), Qt::CaseInsensitive))
        return false;
    skill = line.mid(9).trimmed();
    return true;
}

TBot ParseAddbotLine(const QString& line, const TFormat& format, int& counter, QString* asRead)
{
    TBot bot;
    if (asRead)
        asRead->clear();
    const QStringList words = Words(line.trimmed().mid(kAddbot.size()));
    if (words.isEmpty()) {
        bot[0] = PlaceholderName(counter++);
        bot[1] = format.BareModel;
        bot[2] = format.BareSkill;
        bot[BareSlot] = QStringLiteral("1");
        return bot;
    }
    bot[1] = words[0];
    if (words.size() == 1) {
        bot[0] = PlaceholderName(counter++);
        bot[2] = format.NoNameSkill;
        return bot;
    }
    if (asRead)
        *asRead = words[1];
    bot[0] = CleanName(words[1], format);
    // Words after the skill (the colours some bot programs take) are not the mod's.
    bot[2] = words.size() > 2 ? ReadSkill(words[2], format) : format.NoSkillSkill;
    return bot;
}

TContents ReadLines(const QStringList& lines, const TFormat& format)
{
    TContents contents;
    int counter = 1;
    for (const QString& line : lines) {
        QString skill;
        QString asRead;
        if (IsAddbotLine(line)) {
            contents.Bots.append(ParseAddbotLine(line, format, counter, &asRead));
            if (!asRead.isEmpty() && asRead != contents.Bots.last()[0])
                contents.Renamed.append({asRead, contents.Bots.last()[0]});
        } else if (IsBotSkillLine(line, skill))
            contents.BotSkill = skill;
    }
    return contents;
}

bool ReadFile(const QString& path, const TFormat& format, TContents& contents, QString& error)
{
    contents = {};
    error.clear();
    const QString file = FileSys::Resolve(path);
    if (!FileSys::FileExists(file))
        return false;
    QStringList lines;
    QString why;
    if (!FileSys::ReadLines(file, lines, nullptr, &why)) {
        error = QStringLiteral("Can't read ") + QDir::toNativeSeparators(file) +
                (why.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + why);
        return false;
    }
    contents = ReadLines(lines, format);
    return true;
}

QString AddbotLine(const TBot& bot, const TFormat& format)
{
    const QString model = bot[1].trimmed().isEmpty() ? format.BareModel : bot[1].trimmed();
    if (IsPlaceholderName(bot[0])) {
        if (bot[BareSlot] == QLatin1String("1") && model == format.BareModel)
            return kAddbot;
        return kAddbot + QLatin1Char(' ') + model;
    }
    QString line = kAddbot + QLatin1Char(' ') + model + QLatin1Char(' ') +
                   CleanName(bot[0], format);
    const QString skill = ModWriters::NumberOr(bot[2].trimmed(), format.NoSkillSkill);
    if (format.SkillAlways || skill != QLatin1String("0"))
        line += QLatin1Char(' ') + skill;
    return line;
}

QStringList AddbotLines(const QVector<TBot>& bots, const TFormat& format)
{
    QStringList lines;
    lines.reserve(bots.size());
    for (const TBot& bot : bots)
        lines << AddbotLine(bot, format);
    return lines;
}

QString TooManyBots(int count, int most)
{
    if (count <= most)
        return {};
    return QStringLiteral("You can have at most ") + QString::number(most) +
           QStringLiteral(" bots: every bot of the list joins the game.");
}

} // namespace AddbotFile
