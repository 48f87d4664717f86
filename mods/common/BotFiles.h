#pragma once
// The mods whose bot program reads one file per bot, named after the bot: the file name a bot's
// name gives, the check that no two bots share one file, and the replacement of the folder's
// files so that a failed save loses nothing (the new files first, then only the files of the
// bots that are gone).
#include <QString>
#include <QStringList>

namespace BotFiles {

// The file name (without extension) a bot's name gives: trimmed, without control characters,
// path separators or the characters a Windows file name cannot hold, without ".." and leading or
// trailing dots, so it never leaves its folder; fallback when nothing is left.
QString FileStem(const QString& name, const QString& fallback = QStringLiteral("NewBot"));

// True when name is a file stem as it stands (a name read from a list that points outside the
// folder, or at a file the program would never write, is not one).
bool IsFileStem(const QString& name);

// The first name that an earlier one already gives (compared trimmed and without regard to case),
// or "" when every name is its own.
QString DuplicateName(const QStringList& names);

// The error shown for two bots that would share one file ("a .bot file", "its bot-info file").
QString DuplicateMessage(const QString& name, const QString& fileKind);

// Writes one file per bot into folder, then list (the file that names them, atomically), and only
// then removes the files of the names in gone that no bot of stems keeps. stems[i] gets lines[i];
// ext is the files' extension with its dot (".bot"). False with a message at the first file that
// could not be written; the files not yet written, the list and every old file then stay as they
// were.
bool ReplaceFiles(const QString& folder, const QString& ext, const QStringList& stems,
                  const QList<QStringList>& lines, const QString& list, const QStringList& listLines,
                  const QStringList& gone, QString& error);

} // namespace BotFiles
