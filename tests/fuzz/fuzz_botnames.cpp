// bot_names.txt: the names a new random bot draws from. Every name read is a line of the file
// without a blank, not a "/" or "#" comment and not empty, in the file's order; a drawn name is
// one of them and, while one is free, not one the list holds already.
#include "FuzzSupport.h"

#include "core/UInit.h"
#include "core/UQOR_Bots.h"
#include "platform/FileSys.h"

#include <QListWidget>
#include <QSet>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::Init(argc, argv);
    UInit::AppPath = Fuzz::Scratch(QStringLiteral("program"));
    QDir().mkpath(UInit::AppPath);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    Fuzz::Put(UInit::AppFile(QStringLiteral("bot_names.txt")), bytes);
    UInit::ReadBotNames();
    QStringList expected;
    for (const QString& line : FileSys::SplitLines(FileSys::Decode(bytes)))
        if (!line.contains(QLatin1Char(' ')) && !line.startsWith(QLatin1Char('/'))
            && !line.startsWith(QLatin1Char('#')) && !line.trimmed().isEmpty())
            expected << line;
    FUZZ_CHECK(UInit::Bot_Names == expected, Fuzz::Shown(UInit::Bot_Names));

    // The list holds every name but (at most) the last one.
    static QListWidget list;
    list.clear();
    for (qsizetype i = 0; i + 1 < expected.size(); ++i)
        list.addItem(expected[i]);
    QSet<QString> used;
    for (int i = 0; i < list.count(); ++i)
        used.insert(list.item(i)->text().trimmed());
    const QString drawn = UQOR::PickRandomBotName(&list);
    if (expected.isEmpty()) {
        FUZZ_CHECK(drawn == QLatin1String("NewBot"), Fuzz::Shown(drawn));
    } else {
        FUZZ_CHECK(expected.contains(drawn), Fuzz::Shown(drawn));
        bool free = false;
        for (const QString& n : std::as_const(expected))
            free = free || !used.contains(n.trimmed());
        if (free)
            FUZZ_CHECK(!used.contains(drawn.trimmed()), Fuzz::Shown(drawn));
    }
    return 0;
}
