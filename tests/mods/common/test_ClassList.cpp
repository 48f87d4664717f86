// The fixed class list as model chooser: the class names fill the chooser, a bot's model is its
// class number (item + 1), and a stored number that names no class reads as the mod's read
// default ("0" = no class where the mod says so).
#include "mods/common/ModTestEnv.h"

#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"
#include "mods/common/ModWriters.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QListWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct TClassCase {
    const char* Stored;
    int Count;
    const char* ReadDefault;
    const char* Expected;
};

TEST(ClassNumber, ReadsOnlyNumbersOfTheList)
{
    const TClassCase cases[] = {
        {"3", 9, "1", "3"},     {"9", 9, "1", "9"},   {" 2 ", 9, "1", "2"},
        {"0", 9, "1", "1"},     {"0", 7, "0", "0"},   {"10", 9, "1", "1"},
        {"8", 7, "0", "0"},     {"-1", 9, "1", "1"},  {"abc", 10, "0", "0"},
        {"", 9, "1", "1"},      {"2.5", 9, "1", "1"},
    };
    for (const TClassCase& c : cases)
        EXPECT_EQ(ModClasses::ReadClassNumber(QString::fromLatin1(c.Stored), c.Count,
                                              QString::fromLatin1(c.ReadDefault)),
                  QString::fromLatin1(c.Expected))
            << c.Stored << " of " << c.Count;
}

// At launch the class goes into the bot line as the number the store holds, 0 for none.
TEST(ClassNumber, BotFileGetsTheStoredNumberAsAWholeNumber)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.ini"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Bot 1]\r\nmodele=3\r\n[Bot 2]\r\nmodele=abc\r\n[Bot 3]\r\nmodele=010\r\n"
            "[Bot 4]\r\nnom=x\r\n[Bot 5]\r\nmodele= 7 \r\n");
    f.close();
    TIniFile::FlushCache();
    const TIniFile store(path);
    const ModWriters::TPlaceholderTable table =
        ModWriters::WholeNumberModel(ModWriters::TemplatePlaceholders(QStringLiteral("skill5")));
    const char* expected[] = {"3", "0", "10", "0", "7"};
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(ModWriters::FillTemplate(QStringLiteral("<model>"), table, store, n),
                  QStringList{QString::fromLatin1(expected[n - 1])})
            << n;
}

class TClassWindow : public TModWindow {
public:
    explicit TClassWindow(TModLogic& logic) : TModWindow(logic, nullptr) { BuildWindow(); }
};

TModTraits ClassTraits()
{
    TModTraits t;
    t.Key = QStringLiteral("Botm");
    t.Prefix = QStringLiteral("BO");
    t.Title = QStringLiteral("Probe");
    t.ShortName = QStringLiteral("Probe");
    t.Models = TModelSource::ClassList;
    t.ClassNames = {QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue"),
                    QStringLiteral("Gold")};
    t.ModeleDefault = QStringLiteral("0");
    t.DefaultModel = QStringLiteral("1");
    return t;
}

TEST(ClassList, ChooserShowsAndStoresClassNumbers)
{
    const QString folder = ModTable::Find(QStringLiteral("Botm"))->Folder;
    TModTestEnv env(QStringLiteral("Botm"), folder, QStringLiteral("Probe Bot"));
    env.Program.AddFile(QStringLiteral("Bots/BO_Bots.ini"),
                        "[Default]\r\nnumbot=3\r\nskill5=2\r\nspawnbot=3\r\n"
                        "[Bot 1]\r\nnom=One\r\nmodele=3\r\nskill5=1\r\n"
                        "[Bot 2]\r\nnom=Two\r\nmodele=5\r\nskill5=1\r\n"
                        "[Bot 3]\r\nnom=Three\r\nmodele=x\r\nskill5=1\r\n");
    TIniFile::FlushCache();
    TModLogic logic(ClassTraits());
    logic.RegisterHooks({});
    EXPECT_EQ(ModTable::Find(QStringLiteral("Botm"))->Profile.ModelStorage, TModelStorage::ClassNumber);
    TClassWindow w(logic);
    w.FormActivate();

    ASSERT_EQ(w.botmodel->count(), 4);
    EXPECT_EQ(w.botmodel->itemText(3), QStringLiteral("Gold"));
    // Bot 1 is class 3, the third item; the others name no class and read as "no class".
    EXPECT_EQ(w.botmodel->currentText(), QStringLiteral("Blue"));
    EXPECT_EQ(logic.Bots()[1][1], QStringLiteral("0"));
    EXPECT_EQ(logic.Bots()[2][1], QStringLiteral("0"));
    w.ListBot->setCurrentRow(1);
    w.ListBotClick();
    EXPECT_EQ(w.botmodel->currentIndex(), -1);

    // A step from the first bot's class stores the next class's number.
    w.ListBot->setCurrentRow(0);
    w.ListBotClick();
    w.SpeedButton13->click();
    EXPECT_EQ(logic.Bots()[0][1], QStringLiteral("4"));
    EXPECT_EQ(logic.State.Modified, 1);

    // A random bot gets a class of the list, never an item's text.
    for (int k = 0; k < 20; ++k) {
        const TBot bot = logic.NewBot(true);
        const int number = bot[1].toInt();
        EXPECT_TRUE(number >= 1 && number <= 4) << bot[1].toStdString();
    }
    // The plain one gets the mod's plain class.
    EXPECT_EQ(logic.NewBot(false)[1], QStringLiteral("1"));
}

} // namespace
