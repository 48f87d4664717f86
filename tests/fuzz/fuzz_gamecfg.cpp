// game.cfg lines as the mod windows read them (SplitCvarLine over the lines the line reader
// gives). Any line splits without harm; a line in the form the windows write ("name"<TAB><TAB>
// "value") gives its name and value back, for Rocket Crowbar without decimals.
#include "FuzzSupport.h"

#include "core/UInit.h"
#include "core/UQOR_Settings.h"
#include "platform/FileSys.h"

namespace {

// The writers' line: the name and value in double quotes, two TABs between.
QString Written(const QString& name, const QString& value)
{
    return QLatin1Char('"') + name + QStringLiteral("\"\t\t\"") + value + QLatin1Char('"');
}

// What a window can hold for a name or a value: no quotes, no "/" (the reader's comment), no
// control characters or blanks at the ends (and none at all in a name).
QString Clean(const QString& text, bool name)
{
    QString out;
    for (QChar c : text)
        if (c != QLatin1Char('"') && c != QLatin1Char('/') && c.unicode() > (name ? 0x20 : 0x1F)
            && (c != QLatin1Char('\t')))
            out += c;
    qsizetype b = 0, e = out.size();
    while (b < e && out[b].unicode() <= 0x20)
        ++b;
    while (e > b && out[e - 1].unicode() <= 0x20)
        --e;
    return out.mid(b, e - b);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::Init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    // The lines as the line reader gives them, from memory; from the file for one input in
    // eight, which must be the same.
    const QStringList lines = FileSys::SplitLines(FileSys::Decode(bytes));
    if (Fuzz::Sampled(bytes, 8)) {
        const QString path = Fuzz::Scratch(QStringLiteral("game.cfg"));
        Fuzz::Put(path, bytes);
        QStringList read;
        FUZZ_CHECK(FileSys::ReadLines(path, read) && read == lines, path);
    }

    for (const char* mod : {"CStrike", "Rocket"}) {
        UInit::SelectedMod = QString::fromLatin1(mod);
        const bool rocket = UInit::SelectedMod == QLatin1String("Rocket");
        for (const QString& line : std::as_const(lines)) {
            QString name, value;
            UQOR::SplitCvarLine(line, name, value);
            FUZZ_CHECK(!name.contains(QLatin1Char('\t')), Fuzz::Shown(line));
            if (rocket)
                FUZZ_CHECK(!value.contains(QLatin1Char('.')), Fuzz::Shown(line));

            // The written form of the line's first two fields reads back as them.
            const qsizetype tab = line.indexOf(QLatin1Char('\t'));
            const QString n = Clean(tab < 0 ? line : line.left(tab), true);
            QString v = Clean(tab < 0 ? QString() : line.mid(tab + 1), false);
            if (n.isEmpty() || n.contains(QLatin1String("sh_weapfileloc")))
                continue;
            QString readName, readValue;
            UQOR::SplitCvarLine(Written(n, v), readName, readValue);
            if (rocket && v.contains(QLatin1Char('.')))
                v.truncate(v.indexOf(QLatin1Char('.')));
            FUZZ_CHECK(readName == n && readValue == v,
                       QStringLiteral("%1 | %2 read as %3 | %4")
                           .arg(Fuzz::Shown(n), Fuzz::Shown(v), Fuzz::Shown(readName), Fuzz::Shown(readValue)));
        }
    }
    return 0;
}
