#include "mods/common/BotFiles.h"

#include "mods/common/ModCvars.h"
#include "mods/common/ModWriters.h"
#include "platform/FileSys.h"

#include <QSet>

namespace BotFiles {

QString FileStem(const QString& name, const QString& fallback)
{
    QString clean;
    for (const QChar c : name)
        if (c.unicode() >= 0x20 && !QStringLiteral("\\/:*?\"<>|").contains(c))
            clean += c;
    while (clean.contains(QLatin1String("..")))
        clean.replace(QLatin1String(".."), QLatin1String("."));
    // Windows drops trailing dots and blanks from a file name: "Bob." would be Bob's file.
    for (;;) {
        const QString before = clean;
        clean = clean.trimmed();
        while (clean.startsWith(QLatin1Char('.')))
            clean.remove(0, 1);
        while (clean.endsWith(QLatin1Char('.')))
            clean.chop(1);
        if (clean == before)
            break;
    }
    return clean.isEmpty() ? fallback : clean;
}

bool IsFileStem(const QString& name)
{
    return !name.isEmpty() && FileStem(name, QString()) == name;
}

QString DuplicateName(const QStringList& names)
{
    QSet<QString> seen;
    for (const QString& n : names) {
        const QString key = n.trimmed().toLower();
        if (seen.contains(key))
            return n.trimmed();
        seen.insert(key);
    }
    return QString();
}

QString DuplicateMessage(const QString& name, const QString& fileKind)
{
    return QStringLiteral("Two bots are named \"") + name +
           QStringLiteral("\": each bot needs a name of its own (") + fileKind +
           QStringLiteral(" is named after it).");
}

bool ReplaceFiles(const QString& folder, const QString& ext, const QStringList& stems,
                  const QList<QStringList>& lines, const QString& list, const QStringList& listLines,
                  const QStringList& gone, QString& error)
{
    const QString dir = FileSys::Resolve(folder);
    if (!stems.isEmpty() && !FileSys::DirectoryExists(dir) && !FileSys::MakeDirs(dir)) {
        error = QStringLiteral("Can't create ") + ModControls::NativePath(dir) + QStringLiteral(".");
        return false;
    }
    QSet<QString> kept;
    for (qsizetype i = 0; i < stems.size(); ++i) {
        const QString path = FileSys::Resolve(FileSys::JoinPath(dir, stems[i] + ext));
        if (!ModWriters::WriteFile(path, lines.value(i), error))
            return false;
        kept.insert(stems[i].toLower());
    }
    if (!ModWriters::WriteFile(FileSys::Resolve(list), listLines, error))
        return false;
    // Only now that every new file and the list are there: the files of the bots that left.
    for (const QString& old : gone) {
        const QString stem = old.trimmed();
        if (!IsFileStem(stem) || kept.contains(stem.toLower()))
            continue;
        const QString path = FileSys::Resolve(FileSys::JoinPath(dir, stem + ext));
        if (FileSys::FileExists(path))
            FileSys::DeleteFile(path);
    }
    return true;
}

} // namespace BotFiles
