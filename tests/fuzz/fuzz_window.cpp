// The real windows of The Opera and Counter-Strike: the bot store read into the bots page and
// saved, and game.cfg read into the game page and saved. The input's first byte picks the mod
// (bit 0) and the file (bit 1: game.cfg); the rest is the file. What a save writes reads back
// the same, a second save writes the same bytes, and the store keeps every line outside the
// sections it manages byte for byte.
#include "FuzzSupport.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"
#include "mods/cstrike/UCstrike.h"
#include "mods/opera/UOpera.h"
#include "platform/IniFile.h"

#include <QDialog>
#include <QListWidget>

namespace {

struct TMod {
    const char* Key;
    const char* Folder;
    const char* Bot;
    const char* Store;
    TModLogic* Logic = nullptr;
};

TMod g_mods[] = {
    {"Opera", "opera", "HPB Bot", "Bots/OP_Bots.ini"},
    {"CStrike", "cstrike", "P.O.D.Bot", "Bots/CS_Bots.ini"},
};

struct TLine {
    QByteArray Text;
    QByteArray End;
};

// The raw lines of a file (the mark aside), each with its own end.
QList<TLine> RawLines(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QList<TLine> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        TLine l{bytes.mid(start, i - start), QByteArray(1, bytes[i])};
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            l.End = "\r\n", ++i;
        lines << l;
        start = i + 1;
    }
    if (start < bytes.size())
        lines << TLine{bytes.mid(start), QByteArray()};
    return lines;
}

// The store's lines that lie outside [Default] and [Bot 1] .. [Bot 32], which a save leaves
// alone.
QList<TLine> Unmanaged(const QList<TLine>& lines)
{
    QList<TLine> kept;
    bool managed = false;
    for (const TLine& l : lines) {
        const QString t = FileSys::Decode(l.Text).trimmed();
        if (!t.startsWith(QLatin1Char(';')) && t.startsWith(QLatin1Char('['))) {
            const qsizetype close = t.lastIndexOf(QLatin1Char(']'));
            const QString name = (close > 0 ? t.mid(1, close - 1) : t.mid(1)).trimmed().toCaseFolded();
            managed = name == QLatin1String("default");
            for (int n = 1; n <= 32 && !managed; ++n)
                managed = name == QStringLiteral("bot %1").arg(n);
        }
        if (!managed)
            kept << l;
    }
    return kept;
}

bool SameBots(const QVector<TBot>& a, const QVector<TBot>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].s != b[i].s)
            return false;
    return true;
}

QString BotsShown(const QVector<TBot>& bots)
{
    QStringList parts;
    for (const TBot& b : bots) {
        QStringList fields;
        for (const QString& f : b.s)
            fields << Fuzz::Shown(f);
        parts << fields.join(QLatin1Char('|'));
    }
    return parts.join(QStringLiteral("; "));
}

void CheckStore(TMod& mod, const QByteArray& bytes)
{
    TModLogic& logic = *mod.Logic;
    const QString store = UInit::AppFile(QLatin1String(mod.Store));
    Fuzz::Put(store, bytes);
    TIniFile::FlushCache();
    logic.ReadBotsIni();
    const QVector<TBot> read = logic.Bots();
    const int numbot = TIniFile(store).ReadInteger(QStringLiteral("Default"), QStringLiteral("numbot"), 0);
    FUZZ_CHECK(read.size() == qBound(0, numbot, 1024), QStringLiteral("%1 bots for numbot %2").arg(read.size()).arg(numbot));
    FUZZ_CHECK(logic.Form()->ListBot->count() == read.size(), QStringLiteral("list and bots differ"));

    QString error;
    if (!logic.WriteBotsIni(error)) {
        FUZZ_CHECK(!error.isEmpty(), QStringLiteral("a failed save says nothing"));
        FUZZ_CHECK(Fuzz::Get(store) == bytes, QStringLiteral("a failed save changed the store"));
        return;
    }
    const QByteArray saved = Fuzz::Get(store);
    FileSys::TEncoding before, after;
    FileSys::Decode(bytes, &before);
    FileSys::Decode(saved, &after);
    FUZZ_CHECK(before == after || FileSys::IsLatin1(before), QStringLiteral("encoding %1 -> %2").arg(int(before)).arg(int(after)));

    // Every line outside the managed sections, in order and byte for byte (a last line without
    // an end may have gained one).
    const QList<TLine> old = Unmanaged(RawLines(bytes));
    const QList<TLine> now = RawLines(saved);
    qsizetype at = 0;
    for (qsizetype i = 0; i < old.size(); ++i) {
        const bool last = i == old.size() - 1 && old[i].End.isEmpty();
        while (at < now.size() && !(now[at].Text == old[i].Text && (last || now[at].End == old[i].End)))
            ++at;
        FUZZ_CHECK(at < now.size(), QStringLiteral("lost line: ") + Fuzz::Shown(FileSys::Decode(old[i].Text)));
        ++at;
    }

    // What was saved reads back as the same bots, and saving that writes the same bytes.
    TIniFile::FlushCache();
    logic.ReadBotsIni();
    FUZZ_CHECK(SameBots(logic.Bots(), read), BotsShown(read) + QStringLiteral(" read back as ") + BotsShown(logic.Bots()));
    FUZZ_CHECK(logic.WriteBotsIni(error), error);
    FUZZ_CHECK(Fuzz::Get(store) == saved, QStringLiteral("a second save changed the store"));
}

void CheckGameCfg(TMod& mod, const QByteArray& bytes)
{
    TModLogic& logic = *mod.Logic;
    const QString path = logic.ModDir() + QStringLiteral("/game.cfg");
    Fuzz::Put(path, bytes);
    logic.LoadDefaults();
    logic.ReadGameCfg();
    QString error;
    FUZZ_CHECK(logic.WriteGameCfg(error), error);
    const QByteArray first = Fuzz::Get(path);
    logic.LoadDefaults();
    logic.ReadGameCfg();
    FUZZ_CHECK(logic.WriteGameCfg(error), error);
    FUZZ_CHECK(Fuzz::Get(path) == first, QString::fromLatin1(first) + QStringLiteral(" -> ") + QString::fromLatin1(Fuzz::Get(path)));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::Init(argc, argv);
    ModTable::Rows();
    UInit::AppPath = Fuzz::MakeProgramFolder(QStringLiteral("program"));
    UInit::HLPath = Fuzz::Scratch(QStringLiteral("hl"));
    UInit::HLExe = QStringLiteral("hl.exe");
    UInit::AutoStartSetting = QStringLiteral("O");
    UInit::DedicatedSetting = QStringLiteral("N");
    UInit::BuildModDirs();
    UInit::ReadBotNames();
    const QString hl = UInit::HLPath + QLatin1Char('/');
    for (const char* model : {"bobby", "lucia", "gordon"})
        for (const char* folder : {"opera", "valve"})
            Fuzz::Put(hl + QLatin1String(folder) + QStringLiteral("/models/player/") + QLatin1String(model) + QLatin1Char('/')
                          + QLatin1String(model) + QStringLiteral(".mdl"),
                      "IDST");
    g_mods[0].Logic = &UOpera::Logic();
    g_mods[1].Logic = &UCstrike::Logic();
    for (TMod& m : g_mods) {
        QDir().mkpath(hl + QLatin1String(m.Folder) + QStringLiteral("/maps"));
        Fuzz::Put(hl + QLatin1String(m.Folder) + QStringLiteral("/maps/x.bsp"), "BSP");
        UInit::SelectedMod = QLatin1String(m.Key);
        UInit::SelectedBot = QLatin1String(m.Bot);
        TModRow* row = ModTable::Find(UInit::SelectedMod);
        if (!row || !row->Hooks.CreateWindow)
            std::abort();
        auto* window = qobject_cast<TModWindow*>(row->Hooks.CreateWindow(nullptr));
        if (!window)
            std::abort();
        window->FormActivate();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    TMod& mod = g_mods[data[0] & 1];
    UInit::SelectedMod = QLatin1String(mod.Key);
    UInit::SelectedBot = QLatin1String(mod.Bot);
    const QByteArray bytes = Fuzz::Bytes(data + 1, size - 1);
    if (data[0] & 2)
        CheckGameCfg(mod, bytes);
    else
        CheckStore(mod, bytes);
    return 0;
}
