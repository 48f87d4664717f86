// The map cycle: QOR.ini "First Map" and mapcycle.txt read into the Maps page's list, saved and
// read again. The input's first line is the stored First Map, the rest the cycle file. Every
// entry is a line's first word that the game can read; the start map of the launch is the
// list's first entry; a save and a read give the same list back.
#include "FuzzSupport.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR_Launch.h"
#include "core/UQOR_Maps.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QListWidget>

namespace {

bool Blank(QChar c)
{
    return c.unicode() <= 0x20 || c.isSpace() || c.unicode() == 0xFEFF;
}

// The first word of a line, as the game reads the cycle; "" for none or a comment.
QString FirstWord(const QString& line)
{
    qsizetype i = 0;
    while (i < line.size() && Blank(line[i]))
        ++i;
    QString word;
    while (i < line.size() && !Blank(line[i]))
        word += line[i++];
    return word.startsWith(QLatin1String("//")) ? QString() : word;
}

QStringList Items(const QListWidget& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    return items;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::Init(argc, argv);
    ModTable::Rows();   // registers the mods
    UInit::AppPath = Fuzz::Scratch(QStringLiteral("program"));
    QDir().mkpath(UInit::AppPath);
    // The mod that takes any name for a map, so that every word the file holds is an entry.
    UInit::SelectedMod = QStringLiteral("Wantedhl");
    if (!ModTable::Find(UInit::SelectedMod))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = Fuzz::Bytes(data, size);
    const qsizetype nl = input.indexOf('\n');
    QByteArray firstMap = nl < 0 ? input : input.left(nl);
    firstMap.replace('\r', ' ');
    const QByteArray cycle = nl < 0 ? QByteArray() : input.mid(nl + 1);

    const QString modDir = Fuzz::Scratch(QStringLiteral("hl/wanted"));
    const QString mapsDir = modDir + QStringLiteral("/maps");
    QDir().mkpath(mapsDir);
    Fuzz::Put(UInit::AppFile(QStringLiteral("QOR.ini")), "[Wantedhl]\r\nFirst Map=" + firstMap + "\r\n");
    Fuzz::Put(modDir + QStringLiteral("/mapcycle.txt"), cycle);
    TIniFile::FlushCache();

    // Names the game cannot read (a blank, a byte outside plain ASCII, over 31 characters) are
    // left out of the list, with a message.
    QStringList expected;
    const QString stored = TIniFile(UInit::AppFile(QStringLiteral("QOR.ini")))
                               .ReadString(UInit::SelectedMod, QStringLiteral("First Map"), QString());
    const bool storedStart = UQOR::IsGameReadableName(FirstWord(stored));
    if (storedStart)
        expected << FirstWord(stored);
    for (const QString& line : FileSys::SplitLines(FileSys::Decode(cycle)))
        if (UQOR::IsGameReadableName(FirstWord(line)))
            expected << FirstWord(line);

    static QListWidget list;
    UQOR::ReadMapCycle(QStringLiteral("O"), modDir, mapsDir, &list);
    const QStringList read = Items(list);
    FUZZ_CHECK(read == expected, Fuzz::Shown(read) + QStringLiteral(" expected ") + Fuzz::Shown(expected));
    QString start;
    UQOR::GetStartMap(start);
    if (storedStart)
        FUZZ_CHECK(start == read.first(), Fuzz::Shown(start));

    // The save and the second read for one input in two.
    if (!Fuzz::Sampled(input, 2))
        return 0;
    QString error;
    if (!UQOR::WriteMapCycle(QStringLiteral("O"), modDir, &list, &error)) {
        // Only a QOR.ini in a single-byte code page may refuse the start map, and says why.
        FileSys::TEncoding encoding;
        FileSys::Decode(Fuzz::Get(UInit::AppFile(QStringLiteral("QOR.ini"))), &encoding);
        FUZZ_CHECK(FileSys::IsLatin1(encoding) && error.contains(QLatin1String("code page")), error);
        return 0;
    }
    QByteArray file;
    for (qsizetype i = 1; i < read.size(); ++i)
        file += read[i].toUtf8() + "\r\n";
    FUZZ_CHECK(Fuzz::Get(modDir + QStringLiteral("/mapcycle.txt")) == file, QStringLiteral("cycle bytes"));
    static QListWidget again;
    UQOR::ReadMapCycle(QStringLiteral("O"), modDir, mapsDir, &again);
    FUZZ_CHECK(Items(again) == read, Fuzz::Shown(read) + QStringLiteral(" read back as ") + Fuzz::Shown(Items(again)));
    return 0;
}
