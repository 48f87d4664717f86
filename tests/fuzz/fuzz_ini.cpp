// The profile (ini) files: QOR.ini, the bot stores, the map comments, data/Mods. The file is the
// input; the last bytes choose a write (a key, an integer or a section erase; a second one for
// one input in four) with names and
// values from the file itself or from a table of awkward ones. After each write: what was
// written reads back as the profile functions give it, every other key reads as before, from
// the cache as after a restart, and only the written key's line changed.
#include "FuzzSupport.h"

#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QHash>
#include <QList>

namespace {

struct TEntry {
    QString Section;
    QString Key;
    QString Value;
    bool operator==(const TEntry&) const = default;
};

// Every section, key and value as the reader gives them.
QList<TEntry> Snapshot(const TIniFile& ini)
{
    QList<TEntry> entries;
    for (const QString& s : ini.ReadSections()) {
        const QStringList keys = ini.ReadSectionKeys(s);
        if (keys.isEmpty())
            entries.append({s, QString(), QString()});
        for (const QString& k : keys)
            entries.append({s, k, ini.ReadString(s, k, QStringLiteral("<missing>"))});
    }
    return entries;
}

QString Shown(const QList<TEntry>& entries)
{
    QString out;
    for (const TEntry& e : entries)
        out += QStringLiteral("[%1] %2=%3\n").arg(Fuzz::Shown(e.Section), Fuzz::Shown(e.Key), Fuzz::Shown(e.Value));
    return out;
}

QString OneLine(QString v)
{
    v.replace(QLatin1String("\r\n"), QLatin1String(" "));
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v;
}

// Names match without regard to case and blanks around them, a line break standing as a blank.
bool Same(const QString& a, const QString& b)
{
    return OneLine(a).trimmed().toCaseFolded() == OneLine(b).trimmed().toCaseFolded();
}

// What the profile functions give back for a written value: one line, trimmed, one pair of
// enclosing quotes dropped.
QString ReadBack(QString v)
{
    v = OneLine(v).trimmed();
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\''))
        && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

const char* const kAwkward[] = {
    "a=b", ";k", "[k", "k]", " spaced ", "\"quoted\"", "'q'", "\"", "caf\xc3\xa9", "\xe2\x82\xac",
    "\xef\xbb\xbf", "x\r\ny", "line\nbreak", "", " ", "\t", "\xf0\x9f\x99\x82", "\xc3\x83\xc2\xa9",
    "numbot", "Default", "Bot 1", "[Default]", "=", "a;b", "\xc2\xa0", "\xe2\x80\xa8", "0x7fffffff",
    "-2147483649", "1e9", "12ab",
};

QString Pick(FuzzedDataProvider& fdp, const QStringList& fromFile, const QString& text)
{
    switch (fdp.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
        if (!fromFile.isEmpty())
            return fromFile[fdp.ConsumeIntegralInRange<qsizetype>(0, fromFile.size() - 1)];
        [[fallthrough]];
    case 1:
        return QString::fromUtf8(kAwkward[fdp.ConsumeIntegralInRange<size_t>(0, std::size(kAwkward) - 1)]);
    default: {
        const qsizetype at = fdp.ConsumeIntegralInRange<qsizetype>(0, text.size());
        const qsizetype n = fdp.ConsumeIntegralInRange<qsizetype>(0, 24);
        return text.mid(at, n);
    }
    }
}

// Only one line of the old bytes changed: the bytes before and after the change are the old
// file's, and the old bytes that went are part of one line.
bool OnlyOneLineChanged(const QByteArray& before, const QByteArray& after)
{
    qsizetype p = 0;
    while (p < before.size() && p < after.size() && before[p] == after[p])
        ++p;
    qsizetype q = 0;
    while (q < before.size() - p && q < after.size() - p
           && before[before.size() - 1 - q] == after[after.size() - 1 - q])
        ++q;
    const QByteArray gone = before.mid(p, before.size() - p - q);
    return !gone.contains('\r') && !gone.contains('\n');
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::Init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The choices come from the end, the file is what is left in front.
    const size_t choiceBytes = std::min<size_t>(size, 16);
    FuzzedDataProvider fdp(data + size - choiceBytes, choiceBytes);
    const QByteArray file = Fuzz::Bytes(data, size - choiceBytes);
    const QString path = Fuzz::Scratch(QStringLiteral("profile.ini"));
    Fuzz::Put(path, file);
    TIniFile::FlushCache();
    TIniFile ini(path);
    const QString text = FileSys::Decode(file);

    // A second write, on what the first one left in the cache, for one input in four.
    const int rounds = Fuzz::Sampled(file, 4) ? 2 : 1;
    for (int round = 0; round < rounds; ++round) {
        const QList<TEntry> before = Snapshot(ini);
        const QByteArray bytesBefore = Fuzz::Get(path);
        FileSys::TEncoding encodingBefore;
        FileSys::Decode(bytesBefore, &encodingBefore);
        QStringList sections, keys;
        for (const TEntry& e : before) {
            sections << e.Section;
            if (!e.Key.isEmpty())
                keys << e.Key;
        }
        const int op = fdp.ConsumeIntegralInRange<int>(0, 7);
        const QString section = Pick(fdp, sections, text);
        const QString key = Pick(fdp, keys, text);
        const QString value = Pick(fdp, QStringList(), text);

        bool ok = false;
        QString wanted;
        if (op == 7) {
            ok = ini.EraseSection(section);
        } else if (op == 6) {
            const int n = fdp.ConsumeIntegral<int>();
            ok = ini.WriteInteger(section, key, n);
            wanted = QString::number(n);
        } else {
            ok = ini.WriteString(section, key, value);
            wanted = ReadBack(value);
        }
        const QByteArray bytesAfter = Fuzz::Get(path);
        if (!ok) {
            FUZZ_CHECK(bytesAfter == bytesBefore, QStringLiteral("a refused write changed the file"));
            continue;
        }
        // The cache reads as a fresh start does.
        const QList<TEntry> cached = Snapshot(ini);
        TIniFile::FlushCache();
        const QList<TEntry> fresh = Snapshot(ini);
        FUZZ_CHECK(cached == fresh, QStringLiteral("cache:\n") + Shown(cached) + QStringLiteral("restart:\n") + Shown(fresh));

        FileSys::TEncoding encodingAfter;
        FileSys::Decode(bytesAfter, &encodingAfter);
        // A file in a code page whose last byte from 0x80 up went is plain ASCII (after its
        // mark, when it has one), and reads as UTF-8 from then on.
        bool ascii = true;
        for (char c : bytesAfter.startsWith("\xEF\xBB\xBF") ? bytesAfter.mid(3) : bytesAfter)
            ascii = ascii && uchar(c) < 0x80;
        FUZZ_CHECK(encodingAfter == encodingBefore || (ascii && FileSys::IsLatin1(encodingBefore)
                                                       && FileSys::WithoutMark(encodingAfter) == FileSys::TEncoding::Utf8),
                   QStringLiteral("encoding %1 -> %2").arg(int(encodingBefore)).arg(int(encodingAfter)));

        if (op == 7) {
            QList<TEntry> expected;
            for (const TEntry& e : before)
                if (!Same(e.Section, section))
                    expected.append(e);
            FUZZ_CHECK(fresh == expected, QStringLiteral("erase [%1]\nbefore:\n%2after:\n%3")
                                              .arg(Fuzz::Shown(section), Shown(before), Shown(fresh)));
            continue;
        }
        FUZZ_CHECK(ini.ReadString(section, key, QStringLiteral("<missing>")) == wanted,
                   QStringLiteral("[%1] %2 written %3, reads %4")
                       .arg(Fuzz::Shown(section), Fuzz::Shown(key), Fuzz::Shown(wanted),
                            Fuzz::Shown(ini.ReadString(section, key, QStringLiteral("<missing>")))));
        // Every other entry reads as before, in the same order; the written one is new or
        // changed in place.
        QList<TEntry> others;
        for (const TEntry& e : fresh)
            if (!(Same(e.Section, section) && (e.Key.isEmpty() || Same(e.Key, key))))
                others.append(e);
        QList<TEntry> expected;
        for (const TEntry& e : before)
            if (!(Same(e.Section, section) && (e.Key.isEmpty() || Same(e.Key, key))))
                expected.append(e);
        FUZZ_CHECK(others == expected, QStringLiteral("[%1] %2\nbefore:\n%3after:\n%4")
                                           .arg(Fuzz::Shown(section), Fuzz::Shown(key), Shown(before), Shown(fresh)));
        FUZZ_CHECK(OnlyOneLineChanged(bytesBefore, bytesAfter),
                   QString::fromLatin1(bytesBefore.toHex() + " -> " + bytesAfter.toHex()));
    }
    return 0;
}
