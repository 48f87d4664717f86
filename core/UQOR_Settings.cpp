#include "core/UQOR_Settings.h"

#include "core/ModTable.h"

#include "core/UInit.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace UQOR {

namespace {

// folder is given the way the mod windows build it (mod folder + "\"); a missing separator is
// supplied so "folder" and "folder\" name the same file.
QString MemoPath(const QString& folder, const QString& fileName)
{
    return FileSys::Resolve(FileSys::JoinPath(folder, fileName));
}

// The trim of the line reader: blanks and control characters at both ends.
QString TrimControls(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

QString StripOuterQuotes(QString text)
{
    if (text.startsWith(QLatin1Char('"')))
        text.remove(0, 1);
    if (text.endsWith(QLatin1Char('"')))
        text.chop(1);
    return text;
}

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

bool AccessModSetting(const QString& key, const QString& value, const QString& mode,
                      QString& result)
{
    result.clear();
    // Without a selected mod there is no section to use; writing one named "" would only leave
    // a stray section behind.
    if (UInit::SelectedMod.isEmpty())
        return mode != QLatin1String("Write");
    if (mode == QLatin1String("Read")) {
        const TIniFile ini(UInit::AppFile(QStringLiteral("QOR.ini")));
        result = ini.ReadString(UInit::SelectedMod, key, QString());
        return true;
    }
    if (mode == QLatin1String("Write")) {
        TIniFile ini(UInit::AppFile(QStringLiteral("QOR.ini")));
        const bool written = ini.WriteString(UInit::SelectedMod, key, value);
        if (!written)
            result = ini.LastError();
        return written;
    }
    return true;
}

bool AccessMemoFile(const QString& mode, QStringList& lines, const QString& folder,
                    const QString& fileName, QString* error)
{
    if (mode == QLatin1String("Read")) {
        if (fileName.isEmpty())
            return true;
        const QString path = MemoPath(folder, fileName);
        if (!FileSys::FileExists(path))
            return true;
        QStringList read;
        if (!FileSys::ReadLines(path, read, nullptr, error))
            return false;   // the memo keeps what it holds
        lines = read;
        return true;
    }
    if (mode == QLatin1String("Write")) {
        if (fileName.isEmpty())
            return true;
        const QString path = MemoPath(folder, fileName);
        // Keep the file's own encoding when it has one, so accents typed in another code page
        // come back as they were.
        FileSys::TEncoding encoding = FileSys::TEncoding::Utf8;
        if (FileSys::FileExists(path)) {
            QStringList old;
            FileSys::ReadLines(path, old, &encoding);
        }
        return FileSys::WriteLines(path, lines, encoding, error);
    }
    return true;
}

QString MemoText(const QPlainTextEdit* memo)
{
    if (!memo)
        return QString();
    // The document separates its blocks with paragraph separators; everything else is kept.
    QString text = memo->document()->toRawText();
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    return text;
}

bool AccessMemoFile(const QString& mode, QPlainTextEdit* memo, const QString& folder,
                    const QString& fileName, QString* error)
{
    if (!memo)
        return true;
    QStringList lines;
    if (mode == QLatin1String("Read")) {
        if (fileName.isEmpty() || !FileSys::FileExists(MemoPath(folder, fileName)))
            return true;
        if (!AccessMemoFile(mode, lines, folder, fileName, error))
            return false;
        memo->setPlainText(lines.join(QLatin1Char('\n')));
        return true;
    }
    if (mode == QLatin1String("Write")) {
        const QString text = MemoText(memo);
        // The memo's lines as a text editor counts them: an empty memo is an empty file, and a
        // final line break does not add an empty line.
        if (!text.isEmpty())
            lines = text.split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return AccessMemoFile(mode, lines, folder, fileName, error);
    }
    return true;
}

void SplitCvarLine(const QString& line, QString& name, QString& value)
{
    QString text = line;
    // Any "/" starts a comment, except on the one cvar whose value is a path.
    if (text.contains(QLatin1Char('/')) && !text.contains(QLatin1String("sh_weapfileloc")))
        text.truncate(text.indexOf(QLatin1Char('/')));
    text = TrimControls(text);

    qsizetype p = text.indexOf(QLatin1Char('\t'));
    if (p < 0)
        p = text.indexOf(QLatin1Char(' '));
    if (p < 0)
        p = 0;   // no separator: no name, the whole line is the value

    name = StripOuterQuotes(TrimControls(text.left(p)));
    value = StripOuterQuotes(TrimControls(text.mid(p)));

    // A mod whose reader takes whole numbers only; the others cut decimals themselves.
    const TModRow* row = ModTable::Find(UInit::SelectedMod);
    if (row && row->Profile.WholeNumberCvars) {
        const qsizetype dot = value.indexOf(QLatin1Char('.'));
        if (dot >= 0)
            value.truncate(dot);
    }
}

int HexPairToInt(const QString& text, bool* ok)
{
    const int high = text.size() >= 2 ? HexDigit(text.at(0)) : -1;
    const int low = text.size() >= 2 ? HexDigit(text.at(1)) : -1;
    const bool good = high >= 0 && low >= 0;
    if (ok)
        *ok = good;
    return good ? 16 * high + low : 0;
}

} // namespace UQOR
