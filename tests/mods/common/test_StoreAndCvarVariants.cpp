// Template variants of the bot store and the game page: skills under the plain key "skill" read
// without cutting, a store kept without a Bots page, and the radio-pair game.cfg row (fall
// damage Normal / Realistic).
#include "mods/common/ModTestEnv.h"

#include "mods/common/ModCvars.h"
#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"

#include "mods/common/ModStore.h"
#include "ui/NumberEdit.h"

#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QRadioButton>
#include <QSlider>
#include <gtest/gtest.h>

namespace {

TModTraits ProbeTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Opera");   // borrows The Opera's row for its folder
    s.Prefix = QStringLiteral("PK");
    s.Title = QStringLiteral("Skill Probe");
    s.ShortName = QStringLiteral("Probe");
    s.PlainSkillKey = true;
    s.HasModelChooser = false;
    return s;
}

class TFallWindow : public TModWindow {
public:
    explicit TFallWindow(TModLogic& logic) : TModWindow(logic, nullptr) { BuildWindow(); }

protected:
    void BuildGamePage(QWidget* page) override
    {
        for (const char* name : {"PK_fallnorm", "PK_fallreal"}) {
            auto* r = new QRadioButton(QString::fromLatin1(name), page);
            r->setObjectName(QString::fromLatin1(name));
        }
    }
};

TEST(PlainSkillKey, StoreReadsUncutAndEveryWriterUsesThePlainKey)
{
    TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("HPB Bot"));
    env.HL.AddMap(QStringLiteral("opera"), QStringLiteral("op_db_chrest"));
    env.HL.AddFile(QStringLiteral("opera/mapcycle.txt"), "op_db_chrest\r\n");
    const QString store = env.ProgramFile(QStringLiteral("Bots/PK_Bots.ini"));
    env.Program.AddFile(QStringLiteral("Bots/PK_Bots.ini"),
                        "[Default]\r\nnumbot=2\r\nskill=3\r\nskill5=1\r\nspawnbot=2\r\n"
                        "[Bot 1]\r\nnom=Alpha\r\nskill=9\r\nskill5=2\r\n"
                        "[Bot 2]\r\nnom=Beta\r\nskill=four\r\n");
    env.Program.AddFile(QStringLiteral("Mods/Opera.ini"),
                        "[HPB Bot]\r\ndll=dlls\\hpb.dll\r\nmaxskill=5\r\naddbot=addbot <name> <skill>\r\n");
    TIniFile::FlushCache();
    TModLogic logic(ProbeTraits());
    {
        TFallWindow w(logic);
        w.FormActivate();
        ASSERT_EQ(logic.Bots().size(), 2);
        EXPECT_EQ(logic.Bots()[0][2], QStringLiteral("9"));      // kept as stored, over the maximum
        EXPECT_EQ(logic.Bots()[1][2], QStringLiteral("0"));      // letters read as the default
        EXPECT_EQ(w.defskill->value(), 3);
        logic.State.Modified = 1;
        ASSERT_TRUE(logic.SaveConf()) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    }
    TIniFile::FlushCache();
    const QByteArray saved = TModTestEnv::Read(store);
    EXPECT_TRUE(saved.contains("[Bot 1]\r\nnom=Alpha\r\nskill=9\r\n")) << saved.constData();
    EXPECT_TRUE(saved.contains("\r\nskill=3\r\n")) << saved.constData();
    QString error;
    ASSERT_TRUE(logic.WriteBotCfg(error)) << error.toStdString();
    const QByteArray botcfg = TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg")));
    EXPECT_TRUE(botcfg.contains("botskill 3\r\n")) << botcfg.constData();
    EXPECT_TRUE(botcfg.endsWith("addbot Alpha 9\r\naddbot Beta 0\r\n")) << botcfg.constData();
}

TEST(RadioPairRow, OnlyAOneTicksTheFirstAndDefaultsTickTheChosenOne)
{
    TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("HPB Bot"));
    TModLogic logic(ProbeTraits());
    TFallWindow w(logic);
    auto* real = w.Control<QRadioButton>(QStringLiteral("PK_fallreal"));
    auto* norm = w.Control<QRadioButton>(QStringLiteral("PK_fallnorm"));
    for (const bool defaultOn : {false, true}) {
        const TCvarTable table{ModCvars::RadioPair(QStringLiteral("mp_falldamage"),
                                                   QStringLiteral("PK_fallreal"),
                                                   QStringLiteral("PK_fallnorm"), defaultOn)};
        real->setChecked(!defaultOn);
        ModCvars::ApplyDefaults(w, table);
        EXPECT_EQ(real->isChecked(), defaultOn);
        EXPECT_EQ(norm->isChecked(), !defaultOn);
        struct {
            const char* Value;
            bool Realistic;
        } cases[] = {{"1", true}, {"0", false}, {"1.00000", false}, {"abc", false}, {"", false}};
        for (const auto& c : cases) {
            ModCvars::ApplyCvar(w, table, QStringLiteral("mp_falldamage"), QString::fromLatin1(c.Value));
            EXPECT_EQ(real->isChecked(), c.Realistic) << c.Value;
            EXPECT_EQ(ModCvars::GameCfgLines(w, table).first(),
                      ModCvars::CvarLine(QStringLiteral("mp_falldamage"),
                                         c.Realistic ? QStringLiteral("1") : QStringLiteral("0")));
        }
    }
}

// A flag reads as stored when it is set or clear ("1"/"Yes", "0"/"No"); any other text, letters
// or an empty value, reads as the row's default, the value the key left out gives.
TEST(FlagRow, ASetOrClearFlagReadsAsStoredAndAnyOtherTextAsTheDefault)
{
    QTemporaryDir dir;
    struct {
        const char* Value;   // null: the key left out
        const char* WhenOff;
        const char* WhenOn;
    } cases[] = {{"1", "1", "1"},   {"Yes", "1", "1"}, {"0", "0", "0"},     {"No", "0", "0"},
                 {"abc", "0", "1"}, {"", "0", "1"},    {"2", "0", "1"},     {nullptr, "0", "1"}};
    int n = 0;
    for (const auto& c : cases) {
        const QString path = dir.filePath(QStringLiteral("store%1.ini").arg(n++));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.Value ? QByteArray("[Default]\r\nflag=") + c.Value + "\r\n" : QByteArray("[Default]\r\n"));
        file.close();
        const TIniFile store(path);
        for (const char* def : {"0", "1"}) {
            const TStoreRow row = ModStore::Flag(QStringLiteral("Default"), QStringLiteral("flag"), QString(),
                                                 QLatin1String(def));
            EXPECT_EQ(ModStore::ReadValue(store, QStringLiteral("Default"), row),
                      QLatin1String(def[0] == '1' ? c.WhenOn : c.WhenOff))
                << (c.Value ? c.Value : "<missing>") << " default " << def;
        }
    }
}

// A mod whose number of bots sits on its Game page, kept in the store without a Bots page.
class TNoListLogic : public TModLogic {
public:
    TNoListLogic() : TModLogic(Traits()) {}
    static TModTraits Traits()
    {
        TModTraits s = ProbeTraits();
        s.HasBotsPage = false;
        s.HasChatPage = false;
        s.ChatKeys = false;
        s.StoreWithoutBotsPage = true;
        return s;
    }
    TStoreTable StoreRows() const override
    {
        return {ModStore::Number(QStringLiteral("Default"), QStringLiteral("spawnbot"),
                                 QStringLiteral("PK_spawnbot"), QStringLiteral("1"), 1, 32)};
    }
};

class TNoListWindow : public TModWindow {
public:
    explicit TNoListWindow(TModLogic& logic) : TModWindow(logic, nullptr) { BuildWindow(); }

protected:
    void BuildGamePage(QWidget* page) override { AddNumber(page, QStringLiteral("PK_spawnbot"), 1, 32, 2, 0, 0, 50); }
};

TEST(StoreWithoutBotsPage, KeepsTheCountAndItsRowsAndLeavesBotSectionsAlone)
{
    TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("HPB Bot"));
    env.HL.AddMap(QStringLiteral("opera"), QStringLiteral("op_db_chrest"));
    env.HL.AddFile(QStringLiteral("opera/mapcycle.txt"), "op_db_chrest\r\n");
    const QString store = env.ProgramFile(QStringLiteral("Bots/PK_Bots.ini"));
    TIniFile::FlushCache();
    TNoListLogic logic;
    for (const char* before : {"", "[Default]\r\nnumbot=3\r\nspawnbot=many\r\n[Bot 1]\r\nnom=Kept\r\n",
                               "[Default]\r\nnumbot=0\r\nspawnbot=12\r\n"}) {
        QFile::remove(store);
        if (*before)
            env.Program.AddFile(QStringLiteral("Bots/PK_Bots.ini"), before);
        TIniFile::FlushCache();
        env.Dialogs.Clear();
        TNoListWindow w(logic);
        w.FormActivate();
        EXPECT_TRUE(env.Dialogs.Texts().isEmpty()) << before;   // a missing store is no error
        auto* count = w.Control<TNumberEdit>(QStringLiteral("PK_spawnbot"));
        EXPECT_EQ(count->Text(), QString::fromLatin1(QByteArray(before).contains("=12") ? "12" : "1")) << before;
        count->SetText(QStringLiteral("6"));
        ASSERT_TRUE(logic.CheckConf()) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
        ASSERT_TRUE(logic.SaveConf());
        const QByteArray saved = TModTestEnv::Read(store);
        EXPECT_TRUE(saved.startsWith("[Default]\r\nnumbot=0\r\nspawnbot=6\r\n")) << saved.constData();
        EXPECT_EQ(saved.contains("[Bot 1]\r\nnom=Kept\r\n"), QByteArray(before).contains("Kept")) << before;
        EXPECT_FALSE(saved.contains("skill")) << saved.constData();
    }
}

} // namespace
