#include "IniFile.h"

#include "FileSys.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QFile>
#include <QSet>
#include <limits>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#else
#include <filesystem>
#endif

namespace {

using FileSys::TEncoding;

// A name or value must stay on its own line, or one write could plant other keys or sections.
QString OneLine(const QString& s)
{
    QString r = s;
    r.replace(QLatin1String("\r\n"), QLatin1String(" "));
    r.replace(QLatin1Char('\r'), QLatin1Char(' '));
    r.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return r;
}

// How a caller's section or key name is looked up: as the writer would store it.
QString Folded(const QString& name)
{
    return OneLine(name).trimmed().toCaseFolded();
}

// One parsed profile file. The text is kept line by line together with each line's own ending,
// so a write changes exactly the lines it means to and every other byte comes back as it was.
struct TDoc {
    struct TKey {
        QString Name;
        QString Value;
        int Line = -1;
    };
    struct TSection {
        QString Name;
        int Header = -1;
        int LastKeyLine = -1;
        int End = 0;                 // first line after the section (next header or end)
        QList<TKey> Keys;            // in file order, first spelling of each name
        QHash<QString, int> KeyIndex;  // folded name -> index in Keys (first wins)
    };

    TEncoding Encoding = TEncoding::Utf8;
    QStringList Lines;
    QStringList Ends;                // "\r\n", "\n", "\r" or "" (last line without an ending)
    QList<TSection> Sections;
    QHash<QString, int> SectionIndex;  // folded name -> first section of that name
    // For a Latin-1 document, what keeps it Latin-1 when read again: a line whose bytes are not
    // UTF-8 (-1: not known). Kept so that each write of a batch checks its own lines, not the
    // whole text again.
    int NotUtf8Line = -1;

    int FindIndex(const QString& section) const
    {
        return SectionIndex.value(Folded(section), -1);
    }

    const TSection* Find(const QString& section) const
    {
        const auto it = SectionIndex.constFind(Folded(section));
        return it == SectionIndex.constEnd() ? nullptr : &Sections[*it];
    }
};

QString Unquote(const QString& raw)
{
    const QString v = raw.trimmed();
    if (v.size() >= 2) {
        const QChar first = v.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && v.back() == first)
            return v.mid(1, v.size() - 2);
    }
    return v;
}

// A key line's value as the reader takes it: after the first "=", trimmed, one pair of
// enclosing quotes dropped.
QString KeyValue(const QString& line)
{
    const QString t = line.trimmed();
    return Unquote(t.mid(t.indexOf(QLatin1Char('=')) + 1));
}

void Index(TDoc& doc)
{
    doc.Sections.clear();
    doc.SectionIndex.clear();
    doc.NotUtf8Line = -1;
    TDoc::TSection* current = nullptr;
    const int count = int(doc.Lines.size());
    for (int i = 0; i < count; ++i) {
        const QString& line = doc.Lines[i];
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
            continue;
        if (t.startsWith(QLatin1Char('['))) {
            if (current)
                current->End = i;
            // The last "]" closes the name, so bot names with brackets ("[XYZ]Bot") survive.
            const qsizetype close = t.lastIndexOf(QLatin1Char(']'));
            TDoc::TSection s;
            s.Name = (close > 0 ? t.mid(1, close - 1) : t.mid(1)).trimmed();
            s.Header = i;
            doc.Sections.append(s);
            current = &doc.Sections.last();
            const QString folded = s.Name.toCaseFolded();
            if (!doc.SectionIndex.contains(folded))
                doc.SectionIndex.insert(folded, int(doc.Sections.size()) - 1);
            continue;
        }
        if (!current)
            continue;   // lines before the first section belong to none
        const qsizetype eq = t.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString name = t.left(eq).trimmed();
        if (name.isEmpty())
            continue;
        current->LastKeyLine = i;
        const QString folded = name.toCaseFolded();
        if (current->KeyIndex.contains(folded))
            continue;
        current->KeyIndex.insert(folded, int(current->Keys.size()));
        current->Keys.append({name, Unquote(t.mid(eq + 1)), i});
    }
    if (current)
        current->End = count;
}

void SplitWithEnds(const QString& text, TDoc& doc)
{
    doc.Lines.clear();
    doc.Ends.clear();
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            doc.Lines << text.mid(start, i - start);
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) {
                doc.Ends << QStringLiteral("\r\n");
                ++i;
            } else {
                doc.Ends << QString(c);
            }
            start = i + 1;
        }
    }
    if (start < n) {
        doc.Lines << text.mid(start);
        doc.Ends << QString();
    }
}

QString Compose(const TDoc& doc)
{
    QString text;
    qsizetype size = 0;
    for (qsizetype i = 0; i < doc.Lines.size(); ++i)
        size += doc.Lines[i].size() + doc.Ends[i].size();
    text.reserve(size);
    for (qsizetype i = 0; i < doc.Lines.size(); ++i) {
        text += doc.Lines[i];
        text += doc.Ends[i];
    }
    return text;
}

std::shared_ptr<TDoc> Parse(const QByteArray& bytes)
{
    auto doc = std::make_shared<TDoc>();
    SplitWithEnds(FileSys::Decode(bytes, &doc->Encoding), *doc);
    Index(*doc);
    return doc;
}

struct TStamp {
    bool Exists = false;
    qint64 Size = 0;
    qint64 MTimeNs = 0;
    bool operator==(const TStamp&) const = default;
};

TStamp Stamp(const QString& path)
{
    TStamp s;
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        s.Exists = true;
        s.Size = st.st_size;
        s.MTimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    }
#else
    std::error_code ec;
    const std::filesystem::path p(path.toStdU16String());
    if (std::filesystem::is_regular_file(p, ec)) {
        s.Exists = true;
        s.Size = qint64(std::filesystem::file_size(p, ec));
        s.MTimeNs = std::filesystem::last_write_time(p, ec).time_since_epoch().count();
    }
#endif
    return s;
}

// File times move in coarse ticks, so a file rewritten within the tick in which we read it can
// keep its size and time. A parse is trusted on its stamp alone only once the file's time lay
// well before the moment we read it; until then the bytes are read again and compared (cheap,
// and no re-parse when they are the same).
constexpr qint64 SettleNs = 100 * 1000 * 1000;

qint64 NowNs()
{
    return QDateTime::currentMSecsSinceEpoch() * 1000 * 1000;
}

struct TCacheEntry {
    TStamp Stamp;
    std::shared_ptr<const TDoc> Doc;
    QByteArray Raw;
    bool Settled = false;
};

QMutex g_lock;   // guards the cache and serialises our own read-modify-write cycles
QHash<QString, TCacheEntry> g_cache;

// Resolving a name without regard to case and canonicalising it costs several system calls;
// the windows read the same file key by key, so the answer is remembered while the file is
// still there and we have changed nothing on disk since.
struct TKnownPath {
    QString Disk;
    quint64 Changes = 0;
};
QMutex g_pathLock;
QHash<QString, TKnownPath> g_paths;

QString DiskPath(const QString& fileName)
{
    const quint64 changes = FileSys::ChangeCount();
    // A relative name means another file once the working folder changes.
    const QString memoKey = QDir::isRelativePath(FileSys::NormalizeSeparators(fileName))
                                ? QDir::currentPath() + QLatin1Char('\n') + fileName
                                : fileName;
    {
        QMutexLocker lock(&g_pathLock);
        const auto it = g_paths.constFind(memoKey);
        if (it != g_paths.constEnd() && it->Changes == changes && Stamp(it->Disk).Exists)
            return it->Disk;
    }
    const QString resolved = FileSys::Resolve(fileName);
    const QFileInfo fi(resolved);
    const QString canonical = fi.canonicalFilePath();
    if (canonical.isEmpty())
        return QDir::cleanPath(fi.absoluteFilePath());
    QMutexLocker lock(&g_pathLock);
    if (g_paths.size() > 4096)
        g_paths.clear();
    g_paths.insert(memoKey, {canonical, changes});
    return canonical;
}

// The parsed file, or nullptr when it does not exist or cannot be read. Caller holds g_lock.
std::shared_ptr<const TDoc> LoadLocked(const QString& path)
{
    const TStamp stamp = Stamp(path);
    if (!stamp.Exists) {
        g_cache.remove(path);
        return nullptr;
    }
    const auto it = g_cache.find(path);
    const bool sameStamp = it != g_cache.end() && it->Stamp == stamp;
    if (sameStamp && it->Settled)
        return it->Doc;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        g_cache.remove(path);
        return nullptr;
    }
    const QByteArray bytes = f.readAll();
    const bool settled = NowNs() - stamp.MTimeNs > SettleNs;
    if (sameStamp && bytes == it->Raw) {
        it->Settled = settled;
        return it->Doc;
    }
    std::shared_ptr<const TDoc> doc = Parse(bytes);
    g_cache.insert(path, {stamp, doc, bytes, settled});
    return doc;
}

std::shared_ptr<const TDoc> Load(const QString& fileName)
{
    const QString path = DiskPath(fileName);
    QMutexLocker lock(&g_lock);
    return LoadLocked(path);
}

QString RereadProblem()
{
    return QStringLiteral("the file is written in a single-byte code page, and without the "
                          "change's old text the rest of it would read as another encoding; "
                          "nothing was changed");
}

// Why text cannot be written in the file's encoding without changing how the rest reads, or "".
QString EncodingProblem(const QString& text, TEncoding encoding)
{
    if (FileSys::ReadsBackAs(text, encoding))
        return QString();
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].unicode() > 0xFF) {
            const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            return QStringLiteral("the file is written in a single-byte code page, which cannot "
                                  "hold \"%1\"; nothing was changed").arg(text.mid(i, n));
        }
    return RereadProblem();
}

bool HasWide(const QString& line)
{
    for (QChar c : line)
        if (c.unicode() >= 0x80)
            return true;
    return false;
}

// A line of a Latin-1 document whose bytes are no UTF-8; one such line keeps the file read as
// Latin-1 (a line end breaks every multi-byte sequence, so each line counts on its own).
bool NotUtf8(const QString& line)
{
    return HasWide(line) && !QByteArrayView(line.toLatin1()).isValidUtf8();
}

// What EncodingProblem would say of the document with the lines `added` put in (in place of
// line `replaced`, or as new lines when it is -1), found without composing the whole text: the
// new lines themselves, and for a Latin-1 document one other line that keeps it Latin-1.
QString ChangeProblem(TDoc& doc, const QStringList& added, int replaced)
{
    const QString& first = replaced == 0 || doc.Lines.isEmpty() ? added.front() : doc.Lines.front();
    switch (doc.Encoding) {
    case TEncoding::Utf8Bom:
        return QString();
    case TEncoding::Utf8:
        return first.startsWith(QChar(0xFEFF)) ? EncodingProblem(first, doc.Encoding) : QString();
    case TEncoding::Latin1:
    case TEncoding::Latin1Bom:
        break;
    }
    bool wide = false;
    bool kept = false;
    for (const QString& line : added) {
        for (QChar c : line)
            if (c.unicode() > 0xFF)
                return EncodingProblem(line, doc.Encoding);   // names the character
        wide = wide || HasWide(line);
        kept = kept || NotUtf8(line);
    }
    const int count = int(doc.Lines.size());
    kept = kept || (doc.NotUtf8Line >= 0 && doc.NotUtf8Line != replaced && doc.NotUtf8Line < count
                    && NotUtf8(doc.Lines[doc.NotUtf8Line]));
    bool otherWide = kept;   // a line that is not UTF-8 has bytes above 0x7F
    if (!kept) {
        doc.NotUtf8Line = -1;
        for (int i = 0; i < count && !kept; ++i) {
            if (i == replaced)
                continue;
            kept = NotUtf8(doc.Lines[i]);
            if (kept)
                doc.NotUtf8Line = i;
            otherWide = otherWide || kept || HasWide(doc.Lines[i]);
        }
    }
    const bool ascii = !wide && !otherWide;
    if (!ascii && !kept)
        return RereadProblem();   // nothing would keep the rest read as Latin-1
    // Written without a mark of its own, a text that begins like one would lose it.
    if (!ascii && doc.Encoding == TEncoding::Latin1 && first.startsWith(QStringLiteral("\u00EF\u00BB\u00BF")))
        return RereadProblem();
    // Plain ASCII now, the file reads as UTF-8 from here on, as after a single write.
    if (ascii)
        doc.Encoding = doc.Encoding == TEncoding::Latin1Bom ? TEncoding::Utf8Bom : TEncoding::Utf8;
    return QString();
}

// A line put in before line `at`: every line number from there on moves down one. Sections lie
// in file order, so only those from the one that holds the new line on are touched.
void ShiftFrom(TDoc& doc, int section, int at)
{
    for (qsizetype i = doc.Sections.size() - 1; i >= section; --i) {
        TDoc::TSection& s = doc.Sections[i];
        if (s.Header >= at)
            ++s.Header;
        if (s.LastKeyLine >= at)
            ++s.LastKeyLine;
        if (s.End >= at)
            ++s.End;
        for (TDoc::TKey& k : s.Keys)
            if (k.Line >= at)
                ++k.Line;
    }
    if (doc.NotUtf8Line >= at)
        ++doc.NotUtf8Line;
}

bool Store(const QString& path, std::shared_ptr<TDoc> doc, QString& error)
{
    const QString text = Compose(*doc);
    // Re-encoding the whole file in another encoding would change every line the write does
    // not touch, so a text the file's encoding cannot carry is refused instead.
    error = EncodingProblem(text, doc->Encoding);
    if (!error.isEmpty())
        return false;
    const QByteArray bytes = FileSys::Encode(text, doc->Encoding);
    QString why;
    if (!FileSys::WriteBytes(path, bytes, &why)) {
        // The reason alone ("the file is read-only"): the caller names the file itself.
        const qsizetype at = why.indexOf(QLatin1String(": "));
        error = at >= 0 ? why.mid(at + 2) : QString();
        return false;
    }
    // A Latin-1 file whose last non-ASCII byte went is plain ASCII now, which is read as UTF-8
    // from now on, here as after a restart.
    FileSys::Decode(bytes, &doc->Encoding);
    Index(*doc);
    g_cache.insert(path, {Stamp(path), doc, bytes, false});
    return true;
}

// A batch's change, kept in memory: refused as Store would refuse it, the sections found anew.
bool Keep(TDoc& doc, QString& error)
{
    const QString text = Compose(doc);
    error = EncodingProblem(text, doc.Encoding);
    if (!error.isEmpty())
        return false;
    // As Store finds it: a Latin-1 text that lost its last byte above 0x7F reads as UTF-8.
    FileSys::Decode(FileSys::Encode(text, doc.Encoding), &doc.Encoding);
    Index(doc);
    return true;
}

// A key name that a reader would take for something else: another split at "=", a comment or
// a section header.
bool UnreadableKeyName(const QString& name)
{
    return name.contains(QLatin1Char('=')) || name.startsWith(QLatin1Char(';'))
           || name.startsWith(QLatin1Char('['));
}

bool ParseInteger(const QString& text, int& result)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.front() == QLatin1Char('-');
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    } else if (t.startsWith(QLatin1Char('$'))) {
        base = 16;
        t.remove(0, 1);
    }
    if (t.isEmpty())
        return false;
    for (QChar c : t) {
        const bool digit = c.isDigit() && c.unicode() < 128;
        const bool hex = base == 16 && QStringLiteral("abcdefABCDEF").contains(c);
        if (!digit && !hex)
            return false;
    }
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, base);
    if (!ok)
        return false;
    const qlonglong signedValue = negative ? -v : v;
    if (signedValue < std::numeric_limits<int>::min() || signedValue > std::numeric_limits<int>::max())
        return false;
    result = int(signedValue);
    return true;
}

} // namespace

struct TIniBatch {
    QString Path;
    std::shared_ptr<TDoc> Doc;
    bool Unreadable = false;   // the file is there but could not be read
};

namespace {

// The document a reader of ini sees: its batch's, or the file's.
std::shared_ptr<const TDoc> Current(const TIniFile& ini, const std::shared_ptr<TIniBatch>& batch)
{
    if (batch)
        return batch->Doc;
    return Load(ini.FileName());
}

} // namespace

TIniFile::TIniFile(const QString& fileName) : m_fileName(fileName) {}

bool TIniFile::BeginBatch()
{
    m_error.clear();
    auto batch = std::make_shared<TIniBatch>();
    batch->Path = DiskPath(m_fileName);
    QMutexLocker lock(&g_lock);
    const auto current = LoadLocked(batch->Path);
    batch->Unreadable = !current && Stamp(batch->Path).Exists;
    batch->Doc = current ? std::make_shared<TDoc>(*current) : std::make_shared<TDoc>();
    m_batch = batch;
    return !batch->Unreadable;
}

bool TIniFile::Commit()
{
    const std::shared_ptr<TIniBatch> batch = std::move(m_batch);
    m_batch.reset();
    if (!batch)
        return true;
    if (batch->Unreadable)
        return false;   // never replace what we could not read
    QMutexLocker lock(&g_lock);
    return Store(batch->Path, batch->Doc, m_error);
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const auto doc = Current(*this, m_batch);
    if (!doc)
        return def;
    const TDoc::TSection* s = doc->Find(section);
    if (!s)
        return def;
    const auto it = s->KeyIndex.constFind(Folded(key));
    return it == s->KeyIndex.constEnd() ? def : s->Keys[*it].Value;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    const QString text = ReadString(section, key, QString());
    int value = def;
    return ParseInteger(text, value) ? value : def;
}

bool TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    const QString sectionName = OneLine(section).trimmed();
    const QString keyName = OneLine(key).trimmed();
    const QString v = OneLine(value);
    m_error.clear();
    if (sectionName.isEmpty() || keyName.isEmpty())
        return false;
    if (UnreadableKeyName(keyName)) {
        m_error = QStringLiteral("the key name \"%1\" would not read back as a key").arg(keyName);
        return false;
    }

    std::shared_ptr<TDoc> doc;
    QString path;
    std::unique_ptr<QMutexLocker<QMutex>> lock;
    if (m_batch) {
        if (m_batch->Unreadable)
            return false;
        // Changed in place, each change checked before it is made, so that a batch of many
        // writes costs each write its own lines and a refused one leaves the batch as it was.
        doc = m_batch->Doc;
    } else {
        path = DiskPath(m_fileName);
        lock = std::make_unique<QMutexLocker<QMutex>>(&g_lock);
        const auto current = LoadLocked(path);
        if (!current && Stamp(path).Exists)
            return false;   // there but unreadable: never overwrite what we could not read
        doc = current ? std::make_shared<TDoc>(*current) : std::make_shared<TDoc>();
    }

    // A single write is checked whole by Store; a batch's write checks its own lines here.
    const auto refused = [&](const QStringList& added, int replaced) {
        if (m_batch)
            m_error = ChangeProblem(*doc, added, replaced);
        return !m_error.isEmpty();
    };
    const int sectionNo = doc->FindIndex(sectionName);
    const QString newLine = keyName + QLatin1Char('=') + v;
    if (sectionNo >= 0) {
        TDoc::TSection& s = doc->Sections[sectionNo];
        const auto it = s.KeyIndex.constFind(keyName.toCaseFolded());
        if (it != s.KeyIndex.constEnd()) {
            // Keep the line's own spelling and spacing up to the value.
            TDoc::TKey& k = s.Keys[*it];
            const QString& line = doc->Lines[k.Line];
            qsizetype j = line.indexOf(QLatin1Char('=')) + 1;
            while (j < line.size() && (line[j] == QLatin1Char(' ') || line[j] == QLatin1Char('\t')))
                ++j;
            const QString replaced = line.left(j) + v;
            if (replaced == line)
                return true;
            if (refused({replaced}, k.Line))
                return false;
            doc->Lines[k.Line] = replaced;
            k.Value = KeyValue(replaced);
        } else {
            const int after = s.LastKeyLine >= 0 ? s.LastKeyLine : s.Header;
            if (refused({newLine}, -1))
                return false;
            if (doc->Ends[after].isEmpty())
                doc->Ends[after] = QStringLiteral("\r\n");
            doc->Lines.insert(after + 1, newLine);
            doc->Ends.insert(after + 1, QStringLiteral("\r\n"));
            ShiftFrom(*doc, sectionNo, after + 1);
            s.LastKeyLine = after + 1;
            s.KeyIndex.insert(keyName.toCaseFolded(), int(s.Keys.size()));
            s.Keys.append({keyName, KeyValue(newLine), after + 1});
        }
    } else {
        const QString header = QLatin1Char('[') + sectionName + QLatin1Char(']');
        if (refused({header, newLine}, -1))
            return false;
        if (!doc->Lines.isEmpty() && doc->Ends.last().isEmpty())
            doc->Ends.last() = QStringLiteral("\r\n");
        TDoc::TSection s;
        s.Name = sectionName;
        s.Header = int(doc->Lines.size());
        s.LastKeyLine = s.Header + 1;
        s.End = s.Header + 2;
        s.KeyIndex.insert(keyName.toCaseFolded(), 0);
        s.Keys.append({keyName, KeyValue(newLine), s.LastKeyLine});
        doc->Lines << header << newLine;
        doc->Ends << QStringLiteral("\r\n") << QStringLiteral("\r\n");
        doc->SectionIndex.insert(sectionName.toCaseFolded(), int(doc->Sections.size()));
        doc->Sections.append(s);
    }
    if (!m_batch)
        return Store(path, doc, m_error);
    return true;
}

bool TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    return WriteString(section, key, QString::number(value));
}

bool TIniFile::EraseSection(const QString& section)
{
    m_error.clear();
    std::shared_ptr<TDoc> doc;
    QString path;
    std::unique_ptr<QMutexLocker<QMutex>> lock;
    if (m_batch) {
        if (m_batch->Unreadable)
            return false;
        doc = std::make_shared<TDoc>(*m_batch->Doc);   // a refused change leaves the batch as it was
    } else {
        path = DiskPath(m_fileName);
        lock = std::make_unique<QMutexLocker<QMutex>>(&g_lock);
        const auto current = LoadLocked(path);
        if (!current)
            return !Stamp(path).Exists;
        doc = std::make_shared<TDoc>(*current);
    }
    const QString folded = Folded(section);
    bool erased = false;
    // Every copy of the section goes, last first so earlier line numbers stay valid.
    for (qsizetype i = doc->Sections.size() - 1; i >= 0; --i) {
        const TDoc::TSection& s = doc->Sections[i];
        if (s.Name.toCaseFolded() != folded)
            continue;
        doc->Lines.remove(s.Header, s.End - s.Header);
        doc->Ends.remove(s.Header, s.End - s.Header);
        erased = true;
    }
    if (!erased)
        return true;
    if (!m_batch)
        return Store(path, doc, m_error);
    if (!Keep(*doc, m_error))
        return false;
    m_batch->Doc = doc;
    return true;
}

bool TIniFile::SectionExists(const QString& section) const
{
    const auto doc = Current(*this, m_batch);
    if (!doc)
        return false;
    const TDoc::TSection* s = doc->Find(section);
    return s && !s->Keys.isEmpty();
}

QStringList TIniFile::ReadSections() const
{
    QStringList names;
    const auto doc = Current(*this, m_batch);
    if (!doc)
        return names;
    QSet<QString> seen;
    for (const TDoc::TSection& s : doc->Sections) {
        const QString folded = s.Name.toCaseFolded();
        if (seen.contains(folded))
            continue;
        seen.insert(folded);
        names << s.Name;
    }
    return names;
}

QStringList TIniFile::ReadSectionKeys(const QString& section) const
{
    QStringList keys;
    const auto doc = Current(*this, m_batch);
    if (!doc)
        return keys;
    if (const TDoc::TSection* s = doc->Find(section))
        for (const TDoc::TKey& k : s->Keys)
            keys << k.Name;
    return keys;
}

void TIniFile::FlushCache()
{
    QMutexLocker lock(&g_lock);
    g_cache.clear();
}
