// liblist.gam as the launch writes it for The Opera and Counter-Strike, from a hand-edited Mods
// ini (the input) over whatever liblist.gam held (the input too). Every line reads, as the engine parses it, as
// one key and one quoted value; the bot library is the one the Mods ini names, and the Linux
// library line is kept.
#include "FuzzSupport.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "mods/common/ModLogic.h"
#include "mods/cstrike/UCstrike.h"
#include "mods/opera/UOpera.h"
#include "platform/IniFile.h"

#include <QHash>

namespace {

struct TMod {
    const char* Key;
    const char* Folder;
    const char* ModsIni;
    const char* Bot;
    const char* LinuxLibrary;
    TModLogic* Logic = nullptr;
};

TMod kMods[] = {
    {"Opera", "opera", "Mods/Opera.ini", "HPB Bot", "dlls/opera_i386.so"},
    {"CStrike", "cstrike", "Mods/CStrike.ini", "P.O.D.Bot", "dlls/cs_i386.so"},
};

// The engine's reading of a liblist line: a word, then a quoted string; false when the line
// holds anything else.
bool ParseLine(const QString& line, QString& key, QString& value)
{
    qsizetype i = 0;
    key.clear();
    value.clear();
    while (i < line.size() && line[i].unicode() > 0x20 && line[i] != QLatin1Char('"'))
        key += line[i++];
    while (i < line.size() && line[i].unicode() <= 0x20)
        ++i;
    if (key.isEmpty() || i >= line.size() || line[i] != QLatin1Char('"'))
        return false;
    ++i;
    while (i < line.size() && line[i] != QLatin1Char('"'))
        value += line[i++];
    if (i >= line.size())
        return false;
    ++i;
    while (i < line.size() && line[i].unicode() <= 0x20)
        ++i;
    return i == line.size();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::Init(argc, argv);
    ModTable::Rows();
    UInit::AppPath = Fuzz::MakeProgramFolder(QStringLiteral("program"));
    UInit::HLPath = Fuzz::Scratch(QStringLiteral("hl"));
    UInit::HLExe = QStringLiteral("hl.exe");
    for (const TMod& m : kMods)
        QDir().mkpath(UInit::HLPath + QLatin1Char('/') + QLatin1String(m.Folder) + QStringLiteral("/maps"));
    kMods[0].Logic = &UOpera::Logic();
    kMods[1].Logic = &UCstrike::Logic();
    UInit::BuildModDirs();
    UInit::ReadBotNames();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = Fuzz::Bytes(data, size);
    // One of the two mods per input, the same one each time the input runs.
    {
        const TMod& m = kMods[Fuzz::Sampled(input, 2) ? 0 : 1];
        const QString key = QLatin1String(m.Key);
        const QString modsIni = UInit::AppFile(QLatin1String(m.ModsIni));
        Fuzz::Put(modsIni, input);
        const QString liblist = UInit::HLPath + QLatin1Char('/') + QLatin1String(m.Folder) + QStringLiteral("/liblist.gam");
        Fuzz::Put(liblist, input);
        TIniFile::FlushCache();
        UInit::SelectedMod = key;
        const TIniFile ini(modsIni);
        const QStringList sections = ini.ReadSections();
        UInit::SelectedBot = sections.isEmpty() ? QLatin1String(m.Bot) : sections.first();

        QString message;
        if (!m.Logic->WriteLiblist(message)) {
            FUZZ_CHECK(!message.isEmpty(), QStringLiteral("a failed write says nothing"));
            FUZZ_CHECK(Fuzz::Get(liblist) == input, QStringLiteral("a failed write changed liblist.gam"));
            return 0;
        }
        QStringList lines;
        FUZZ_CHECK(FileSys::ReadLines(liblist, lines), liblist);
        FUZZ_CHECK(Fuzz::Get(liblist).endsWith("\r\n"), QStringLiteral("liblist without CR LF"));
        QHash<QString, QString> values;
        for (const QString& line : std::as_const(lines)) {
            QString k, v;
            FUZZ_CHECK(ParseLine(line, k, v), QStringLiteral("unreadable liblist line: ") + Fuzz::Shown(line));
            FUZZ_CHECK(!values.contains(k), QStringLiteral("twice: ") + k);
            values.insert(k, v);
        }
        FUZZ_CHECK(values.value(QStringLiteral("gamedll_linux")) == QLatin1String(m.LinuxLibrary),
                   Fuzz::Shown(values.value(QStringLiteral("gamedll_linux"))));
        const QString dll = ini.ReadString(UInit::SelectedBot, QStringLiteral("dll"), QString());
        if (!dll.isEmpty())
            FUZZ_CHECK(values.value(QStringLiteral("gamedll")) == dll,
                       Fuzz::Shown(dll) + QStringLiteral(" written as ") + Fuzz::Shown(values.value(QStringLiteral("gamedll"))));
    }
    return 0;
}
