#include "FileSys.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#endif

namespace FileSys {

namespace {

// Case-insensitive lookups list a folder; a folder of thousands of maps is listed once and
// reused until its modification time changes or we change it ourselves.
struct TListing {
    std::filesystem::file_time_type MTime;
    QHash<QString, QString> ByFolded;   // folded name -> first name on disk (sorted order)
    // Folder times move in coarse ticks: a listing taken within the tick of the folder's last
    // change may miss a name added in that same tick, so it is only reused once settled.
    bool Settled = false;
};

QMutex g_listingLock;
QHash<QString, TListing> g_listings;
std::atomic<quint64> g_changes{0};

std::filesystem::path ToFsPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

bool ModifiedTime(const QString& dir, std::filesystem::file_time_type& time)
{
    std::error_code ec;
    time = std::filesystem::last_write_time(ToFsPath(dir), ec);
    return !ec;
}

void ForgetListing(const QString& dir)
{
    ++g_changes;
    QMutexLocker lock(&g_listingLock);
    g_listings.remove(dir);
}

void ForgetParentListing(const QString& path)
{
    ForgetListing(QFileInfo(path).absolutePath());
}

// The name on disk that matches name without regard to case, or an empty string.
QString FindInsensitive(const QString& dir, const QString& name)
{
    std::filesystem::file_time_type mtime;
    if (!ModifiedTime(dir.isEmpty() ? QStringLiteral(".") : dir, mtime))
        return QString();
    const QString key = dir.isEmpty() ? QDir::currentPath() : dir;
    QMutexLocker lock(&g_listingLock);
    auto it = g_listings.find(key);
    if (it == g_listings.end() || it->MTime != mtime || !it->Settled) {
        TListing listing;
        listing.MTime = mtime;
        listing.Settled = std::filesystem::file_time_type::clock::now() - mtime
                          > std::chrono::milliseconds(100);
        QStringList names = QDir(dir.isEmpty() ? QStringLiteral(".") : dir)
                                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                                               | QDir::System,
                                           QDir::Name);
        for (const QString& n : names) {
            const QString folded = n.toCaseFolded();
            if (!listing.ByFolded.contains(folded))
                listing.ByFolded.insert(folded, n);
        }
        it = g_listings.insert(key, listing);
    }
    return it->ByFolded.value(name.toCaseFolded());
}

bool Exists(const QString& path)
{
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

bool Writable(const QString& path)
{
#ifdef Q_OS_UNIX
    // With the effective ids, as the write itself will be judged.
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
#else
    return QFileInfo(path).isWritable();
#endif
}

} // namespace

quint64 ChangeCount()
{
    return g_changes.load();
}

QString NormalizeSeparators(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

QString JoinPath(const QString& base, const QString& relative)
{
    QString rel = NormalizeSeparators(relative);
    QString b = NormalizeSeparators(base);
    if (b.isEmpty())
        return rel;
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    if (rel.isEmpty())
        return b;
    if (!b.endsWith(QLatin1Char('/')))
        b += QLatin1Char('/');
    return b + rel;
}

QString Resolve(const QString& path)
{
    const QString p = NormalizeSeparators(path);
    if (p.isEmpty() || Exists(p))
        return p;   // the exact name wins, and costs one stat

    const bool absolute = p.startsWith(QLatin1Char('/'));
    const QStringList parts = p.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    auto join = [](const QString& dir, const QString& name) {
        return dir.isEmpty() || dir.endsWith(QLatin1Char('/')) ? dir + name
                                                               : dir + QLatin1Char('/') + name;
    };
    auto checked = [](const QString& part) {
        return !part.isEmpty() && part != QStringLiteral(".") && part != QStringLiteral("..");
    };
    // The walk below asks, part after part, whether the path so far exists as written, and looks
    // for the name in another case from the first part that does not. A path that exists has
    // every leading part existing too, so that first missing part is found from the end: the
    // deepest prefix that exists is usually the folder the name is missing from, one stat away,
    // where the walk from the root would stat every folder above it.
    QStringList prefixes;   // the path up to each checked part, every part as written
    {
        QString current = absolute ? QStringLiteral("/") : QString();
        for (const QString& part : parts) {
            if (part.isEmpty())
                continue;
            current = join(current, part);
            if (checked(part))
                prefixes << current;
        }
    }
    qsizetype firstMissing = prefixes.size();
    while (firstMissing > 0) {
        const QString& prefix = prefixes[firstMissing - 1];
        if (prefix != p && Exists(prefix))
            break;
        --firstMissing;
    }

    QString current = absolute ? QStringLiteral("/") : QString();
    bool found = true;   // every component so far exists on disk
    qsizetype check = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty()) {
            if (i == parts.size() - 1 && !current.isEmpty() && !current.endsWith(QLatin1Char('/')))
                current += QLatin1Char('/');   // keep a trailing "/" as given
            continue;
        }
        QString next = join(current, part);
        if (found && checked(part)) {
            const qsizetype at = check++;
            if (at >= firstMissing && (at == firstMissing || !Exists(next))) {
                const QString onDisk = FindInsensitive(current, part);
                if (onDisk.isEmpty())
                    found = false;
                else
                    next = join(current, onDisk);
            }
        }
        current = next;
    }
    return current;
}

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(Resolve(path)).isFile();
}

bool DirectoryExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(Resolve(path)).isDir();
}

namespace {

// The order key of a name: each UTF-16 unit replaced by its simple case folding, exactly as a
// case-insensitive QString::compare folds while it compares (a pair of surrogates folds as one
// character). Comparing keys code unit by code unit then orders as that compare does, so a sort
// folds every name once instead of at each of its n log n comparisons.
QString OrderKey(const QString& name)
{
    QString key(name.size(), Qt::Uninitialized);
    const char16_t* in = reinterpret_cast<const char16_t*>(name.utf16());
    char16_t* out = reinterpret_cast<char16_t*>(key.data());
    char16_t last = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = in[i];
        if (unit < 0x80) {
            out[i] = unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit;
        } else if (QChar::isLowSurrogate(unit) && QChar::isHighSurrogate(last)) {
            out[i] = QChar::lowSurrogate(QChar::toCaseFolded(QChar::surrogateToUcs4(last, unit)));
        } else {
            out[i] = static_cast<char16_t>(QChar::toCaseFolded(char32_t(unit)));
        }
        last = unit;
    }
    return key;
}

// What a listing keeps of a name: everything for an empty mask or "*", a suffix test for the
// usual "*.bsp", and QDir's own wildcard rule (without regard to case) for anything else.
class TNameMask {
public:
    explicit TNameMask(const QString& mask)
    {
        if (mask.isEmpty() || mask == QLatin1String("*"))
            return;
        const QString rest = mask.mid(1);
        if (mask.startsWith(QLatin1Char('*')) && !rest.contains(QLatin1Char('*'))
            && !rest.contains(QLatin1Char('?')) && !rest.contains(QLatin1Char('[')))
            m_suffix = rest;
        else
            m_wildcard = QRegularExpression(QRegularExpression::wildcardToRegularExpression(mask),
                                            QRegularExpression::CaseInsensitiveOption);
    }
    bool Matches(const QString& name) const
    {
        if (!m_suffix.isEmpty())
            return name.endsWith(m_suffix, Qt::CaseInsensitive);
        if (m_wildcard.isValid() && !m_wildcard.pattern().isEmpty())
            return m_wildcard.match(name).hasMatch();
        return true;
    }

private:
    QString m_suffix;
    QRegularExpression m_wildcard;
};

// The names of a folder's entries that are not folders: files, and as QDir's Files | Hidden |
// System would give them, hidden files, links to files, dangling links, FIFOs and the like; in
// the order the folder holds them. The entry types come with the names (the file systems in use
// report them), so only links and entries of unknown type cost a stat: a folder of 50,000 maps
// is one pass.
QStringList ScanFiles(const QString& dir, const QString& mask)
{
    const QString d = Resolve(dir);
    if (d.isEmpty())
        return {};
    const TNameMask wanted(mask);
    QStringList names;
#ifdef Q_OS_UNIX
    DIR* folder = ::opendir(QFile::encodeName(d).constData());
    if (!folder)
        return {};
    const int fd = ::dirfd(folder);
    while (const dirent* entry = ::readdir(folder)) {
        const char* raw = entry->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
            continue;
        bool folderEntry = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat target;
            folderEntry = ::fstatat(fd, raw, &target, 0) == 0 && S_ISDIR(target.st_mode);
        }
        if (folderEntry)
            continue;
        QString name = QFile::decodeName(raw);
        if (wanted.Matches(name))
            names.append(std::move(name));
    }
    ::closedir(folder);
#else
    QDirIterator it(d, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (wanted.Matches(name))
            names.append(name);
    }
#endif
    return names;
}

} // namespace

void SortInsensitive(QStringList& names)
{
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(names.size());
    for (QString& n : names) {
        QString key = OrderKey(n);
        keyed.emplace_back(std::move(key), std::move(n));
    }
    // Equal keys fall back to the names themselves, so the order never depends on the input's.
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[i].second);
}

QStringList ListFiles(const QString& dir, const QString& mask)
{
    QStringList names = ScanFiles(dir, mask);
    SortInsensitive(names);
    return names;
}

QStringList ListFilesUnsorted(const QString& dir, const QString& mask)
{
    return ScanFiles(dir, mask);
}

QStringList ListDirs(const QString& dir)
{
    const QString d = Resolve(dir);
    if (d.isEmpty() || !QFileInfo(d).isDir())
        return {};
    QStringList names = QDir(d).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::NoSort);
    SortInsensitive(names);
    return names;
}

bool CopyFile(const QString& from, const QString& to, bool overwrite)
{
    const QString source = Resolve(from);
    const QString target = Resolve(to);
    if (!QFileInfo(source).isFile())
        return false;
    if (QFileInfo::exists(target)
        && (!overwrite || QFileInfo(target).isDir() || !Writable(target)))
        return false;
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    const bool ok = out.commit();
    ForgetParentListing(target);
    if (ok)
        QFile::setPermissions(target, in.permissions());
    return ok;
}

bool DeleteFile(const QString& path)
{
    const QString p = Resolve(path);
    if (p.isEmpty() || !QFileInfo(p).isFile())
        return false;
    const bool ok = QFile::remove(p);
    ForgetParentListing(p);
    return ok;
}

bool MakeDirs(const QString& path)
{
    const QString p = Resolve(path);
    if (p.isEmpty())
        return false;
    if (QFileInfo(p).isDir())
        return true;
    const bool ok = QDir().mkpath(p);
    // Every level may have gained a folder.
    ++g_changes;
    QMutexLocker lock(&g_listingLock);
    g_listings.clear();
    return ok;
}

bool ReadBytes(const QString& path, QByteArray& bytes, QString* error)
{
    bytes.clear();
    const QString p = Resolve(path);
    QFile f(p);
    if (!QFileInfo(p).isFile() || !f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Can't read %1: %2")
                         .arg(QDir::toNativeSeparators(p),
                              QFileInfo(p).isDir() ? QStringLiteral("it is a folder")
                              : QFileInfo::exists(p) ? f.errorString()
                                                     : QStringLiteral("no such file"));
        return false;
    }
    bytes = f.readAll();
    return true;
}

bool ReadLines(const QString& path, QStringList& lines, TEncoding* encoding, QString* error)
{
    lines.clear();
    if (encoding)
        *encoding = TEncoding::Utf8;
    QByteArray bytes;
    if (!ReadBytes(path, bytes, error))
        return false;
    lines = SplitLines(Decode(bytes, encoding));
    return true;
}

QString Decode(const QByteArray& bytes, TEncoding* encoding)
{
    // Exactly one mark is taken off: the decoder is told to keep any further one as text, so
    // each load and save of a file with two marks keeps both.
    const bool mark = bytes.startsWith("\xEF\xBB\xBF");
    const QByteArrayView body = mark ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(body);
    TEncoding found = mark ? TEncoding::Utf8Bom : TEncoding::Utf8;
    if (decoder.hasError()) {
        // Another code page. The mark still is no part of the text: left in, it would hide
        // the first section of a profile file behind three odd characters.
        found = mark ? TEncoding::Latin1Bom : TEncoding::Latin1;
        text = QString::fromLatin1(body);
    }
    if (encoding)
        *encoding = found;
    return text;
}

bool IsLatin1(TEncoding encoding)
{
    return encoding == TEncoding::Latin1 || encoding == TEncoding::Latin1Bom;
}

TEncoding WithoutMark(TEncoding encoding)
{
    switch (encoding) {
    case TEncoding::Utf8Bom:
        return TEncoding::Utf8;
    case TEncoding::Latin1Bom:
        return TEncoding::Latin1;
    case TEncoding::Utf8:
    case TEncoding::Latin1:
        break;
    }
    return encoding;
}

bool ReadsBackAs(const QString& text, TEncoding encoding)
{
    switch (encoding) {
    case TEncoding::Utf8Bom:
        return true;   // UTF-8 holds every character, and a mark after the first stays text
    case TEncoding::Utf8:
        // Written without a mark of its own, a mark at the front would be taken for one.
        return !text.startsWith(QChar(0xFEFF));
    case TEncoding::Latin1:
    case TEncoding::Latin1Bom:
        break;
    }
    bool wide = false;
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
        wide = wide || c.unicode() >= 0x80;
    }
    // Plain ASCII reads back the same in any of them; other bytes only while they are not
    // valid UTF-8 as a whole (and do not begin like a mark).
    return !wide || Decode(Encode(text, encoding)) == text;
}

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << text.mid(start, i - start);
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

QByteArray Encode(const QString& text, TEncoding encoding)
{
    const bool mark = encoding == TEncoding::Utf8Bom || encoding == TEncoding::Latin1Bom;
    QByteArray bytes = mark ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    if (IsLatin1(encoding)) {
        bool holds = true;
        for (QChar c : text)
            holds = holds && c.unicode() <= 0xFF;
        // Where Latin-1 cannot hold a character, every character is kept rather than one lost.
        return bytes + (holds ? text.toLatin1() : text.toUtf8());
    }
    return bytes + text.toUtf8();
}

namespace {

const QString kTempMark = QStringLiteral(".qorvane-");

QString TempNameFor(const QString& name, qint64 pid)
{
    return QLatin1Char('.') + name + kTempMark + QString::number(pid) + QStringLiteral(".tmp");
}

bool ProcessRuns(qint64 pid)
{
#ifdef Q_OS_UNIX
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
#else
    Q_UNUSED(pid);
    return true;   // without a way to ask, a temporary is never taken for a leftover
#endif
}

#ifdef Q_OS_UNIX
bool WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += n;
    }
    return true;
}

void SyncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

} // namespace

void RemoveStaleTemporaries(const QString& folder, const QString& forName)
{
    const QString dir = Resolve(folder);
    const QDir::Filters kinds = QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QStringList found;
    if (forName.isEmpty()) {
        // The pattern ".*.qorvane-*.tmp" checked by hand, as QDir's filter checks it (letters
        // in any case), and only a name that fits asked whether it is a folder (the kinds above
        // are every entry but folders): a name filter is a regular expression compiled for
        // every listing.
        const QString tail = QStringLiteral(".tmp");
        const QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                      | QDir::NoDotAndDotDot);
        for (const QString& name : names) {
            if (name.size() >= 1 + kTempMark.size() + tail.size() && name.startsWith(QLatin1Char('.'))
                && name.endsWith(tail, Qt::CaseInsensitive)
                && QStringView(name).sliced(1, name.size() - 1 - tail.size())
                           .contains(kTempMark, Qt::CaseInsensitive)
                && !QFileInfo(dir + QLatin1Char('/') + name).isDir())
                found << name;
        }
    } else {
        found = QDir(dir).entryList({QLatin1Char('.') + forName + kTempMark + QStringLiteral("*.tmp")},
                                    kinds);
    }
    for (const QString& name : found) {
        const qsizetype at = name.lastIndexOf(kTempMark);
        bool ok = false;
        const qint64 pid = name.mid(at + kTempMark.size()).chopped(4).toLongLong(&ok);
        if (ok && !ProcessRuns(pid))
            QFile::remove(dir + QLatin1Char('/') + name);
    }
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString resolved = Resolve(path);
    const QString shown = QDir::toNativeSeparators(resolved);
    // Through a link, the file it points at is replaced, not the link.
    const QFileInfo asked(resolved);
    const QString p = asked.isSymLink() && !asked.canonicalFilePath().isEmpty() ? asked.canonicalFilePath()
                                                                              : resolved;
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("Can't write %1: %2").arg(shown, why);
        return false;
    };
    const QFileInfo target(p);
    if (target.isDir())
        return fail(QStringLiteral("it is a folder"));
    // The replacement is a new file, so a read-only target would be replaced silently; a
    // read-only file must stay as it is, as it did on Windows.
    if (target.exists() && !Writable(p))
        return fail(QStringLiteral("the file is read-only"));
#ifdef Q_OS_UNIX
    const QString folder = target.absolutePath();
    RemoveStaleTemporaries(folder, target.fileName());
    const QString temp = folder + QLatin1Char('/') + TempNameFor(target.fileName(), ::getpid());
    const QByteArray tempName = QFile::encodeName(temp);
    struct stat old {};
    const mode_t mode = ::stat(QFile::encodeName(p).constData(), &old) == 0 ? (old.st_mode & 07777) : 0666;
    const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(::strerror(errno)));
    // A new file gets the mode the umask allows; a replaced one keeps its own.
    if (target.exists())
        ::fchmod(fd, mode);
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(tempName.constData());
        return fail(QString::fromLocal8Bit(::strerror(written ? errno : writeErrno)));
    }
    if (::rename(tempName.constData(), QFile::encodeName(p).constData()) != 0) {
        const int renameErrno = errno;
        ::unlink(tempName.constData());
        ForgetParentListing(p);
        return fail(QString::fromLocal8Bit(::strerror(renameErrno)));
    }
    SyncFolder(folder);
    ForgetParentListing(p);
    return true;
#else
    QSaveFile f(p);
    if (!f.open(QIODevice::WriteOnly))
        return fail(f.errorString());
    if (f.write(bytes) != bytes.size()) {
        const QString why = f.errorString();
        f.cancelWriting();
        return fail(why);
    }
    if (!f.commit()) {
        ForgetParentListing(p);
        return fail(f.errorString());
    }
    ForgetParentListing(p);
    return true;
#endif
}

bool WriteLines(const QString& path, const QStringList& lines, TEncoding encoding, QString* error)
{
    QString text;
    qsizetype size = 0;
    for (const QString& l : lines)
        size += l.size() + 2;
    text.reserve(size);
    for (const QString& l : lines) {
        text += l;
        text += QStringLiteral("\r\n");
    }
    if (!ReadsBackAs(text, encoding)) {
        const bool mark = encoding == TEncoding::Utf8Bom || encoding == TEncoding::Latin1Bom
                          || text.startsWith(QChar(0xFEFF));
        encoding = mark ? TEncoding::Utf8Bom : TEncoding::Utf8;
    }
    return WriteBytes(path, Encode(text, encoding), error);
}

// ---- TOutFile

bool TOutFile::Rewrite(const QString& path, TEncoding encoding)
{
    m_lines.clear();
    m_path = path;
    m_encoding = encoding;
    m_open = true;
    return true;
}

bool TOutFile::Append(const QString& path)
{
    m_lines.clear();
    m_path = path;
    m_encoding = TEncoding::Utf8;
    if (FileExists(path) && !ReadLines(path, m_lines, &m_encoding)) {
        m_open = false;
        return false;
    }
    m_open = true;
    return true;
}

void TOutFile::WriteLn(const QString& line)
{
    if (m_open)
        m_lines << line;
}

bool TOutFile::Close(QString* error)
{
    if (!m_open) {
        if (error)
            *error = QStringLiteral("No file is open for writing");
        return false;
    }
    m_open = false;
    const bool ok = WriteLines(m_path, m_lines, m_encoding, error);
    m_lines.clear();
    return ok;
}

void TOutFile::Discard()
{
    m_open = false;
    m_lines.clear();
}

} // namespace FileSys
