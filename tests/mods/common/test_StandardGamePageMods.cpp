// The mods of the standard game page (Extreme Fragmatch, Earth's Special Forces, SV Insta Gib,
// Snark Wars, Darkmatch), run through the main window: every control a user can change marks the
// settings modified, and a hand-edited bot store still gives a bot file the readers take.
#include "mods/common/FromMain.h"

#include "mods/common/ModLogic.h"
#include "ui/NumberEdit.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>

namespace {

struct TModCase {
    const char* Key;
    const char* Folder;
    const char* Bot;
    const char* Store;   // the bot store's file under Bots/
    bool OwnModels;      // models under the mod's folder (else Half-Life's)
    bool OwnMaps;        // maps under the mod's folder (else Half-Life's)
    bool DefaultsEmptyCycle;   // "Restore Default" empties the map cycle
};

void PrintTo(const TModCase& c, std::ostream* os) { *os << c.Key; }

class StandardGamePageMods : public ::testing::TestWithParam<TModCase> {
protected:
    StandardGamePageMods()
        : Env(QString::fromLatin1(GetParam().Key), QString::fromLatin1(GetParam().Folder), QString())
    {
        const TModCase& c = GetParam();
        const QString folder = QString::fromLatin1(c.Folder);
        const QString dll = c.Bot == QLatin1String("SV Bot") ? QStringLiteral("dm.dll") : QStringLiteral("akimbot.dll");
        Env.HL.AddFile(folder + QStringLiteral("/dlls/") + dll, "MZ");
        for (const char* m : {"gordon", "gina", "barney"})
            Env.HL.AddPlayerModel(QString::fromLatin1(m), c.OwnModels ? folder : QStringLiteral("valve"));
        Env.HL.AddMap(c.OwnMaps ? folder : QStringLiteral("valve"), QStringLiteral("dm_one"));
    }
    void Store(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/") + QString::fromLatin1(GetParam().Store), bytes);
        TIniFile::FlushCache();
    }
    TModTestEnv Env;
};

// A user's edit of one control, or none for a control nobody can edit as it stands.
std::function<void()> UserEdit(QWidget* c)
{
    if (auto* n = qobject_cast<TNumberEdit*>(c))
        return [n] { n->stepBy(n->ClampedValue(0) < n->Maximum() ? 1 : -1); };
    if (auto* b = qobject_cast<QCheckBox*>(c))
        return [b] { b->click(); };
    if (auto* r = qobject_cast<QRadioButton*>(c))
        return r->isChecked() ? std::function<void()>() : [r] { r->click(); };
    if (auto* s = qobject_cast<QSlider*>(c))
        return [s] { s->setValue(s->value() < s->maximum() ? s->value() + 1 : s->value() - 1); };
    if (auto* box = qobject_cast<QComboBox*>(c)) {
        if (box->count() == 0 || (box->count() == 1 && box->currentIndex() == 0))
            return {};
        const int at = (box->currentIndex() + 1) % box->count();
        return [box, at] {
            box->setCurrentIndex(at);
            emit box->activated(at);
        };
    }
    // The map comment is kept in its own file, not in the settings.
    if (c->objectName().endsWith(QLatin1String("MapCom")))
        return {};
    if (auto* m = qobject_cast<QPlainTextEdit*>(c))
        return [m] { m->insertPlainText(QStringLiteral("x")); };
    if (auto* e = qobject_cast<QLineEdit*>(c)) {
        // The fields inside a number or a chooser are theirs.
        if (qobject_cast<QAbstractSpinBox*>(e->parentWidget()) || qobject_cast<QComboBox*>(e->parentWidget()))
            return {};
        return [e] { TModTestEnv::Type(e, QStringLiteral("7")); };
    }
    return {};
}

TEST_P(StandardGamePageMods, EveryControlAUserCanChangeMarksTheSettingsModified)
{
    Store("[Default]\r\nnumbot=1\r\nspawnbot=1\r\n[Bot 1]\r\nnom=Alpha\r\nmodele=gina\r\nskill5=2\r\n");
    TFromMain road(Env);
    ASSERT_TRUE(road.Pick(QString::fromLatin1(GetParam().Key), QString::fromLatin1(GetParam().Bot)));
    QStringList unmarked;
    int edited = 0;
    road.Edit([&](TModWindow& w) {
        w.ListBot->setCurrentRow(0);
        w.ListBotClick();
        // Teamplay first, so the team choosers can be reached.
        if (w.TeamPanel && w.TeamPanel->Teamplay && !w.TeamPanel->Teamplay->isChecked())
            w.TeamPanel->Teamplay->click();
        auto tryEdit = [&](QWidget* c) {
            const std::function<void()> edit = UserEdit(c);
            if (!edit)
                return;
            w.Logic().State.Modified = 0;
            edit();
            ++edited;
            if (w.Logic().State.Modified != 1)
                unmarked << c->objectName();
        };
        for (int page = 0; page < w.PC->count(); ++page) {
            w.PC->setCurrentIndex(page);
            // Radio buttons last: DeathMatch would turn the team choosers off before their turn.
            QList<QWidget*> radios;
            for (QWidget* c : w.PC->widget(page)->findChildren<QWidget*>()) {
                if (!c->isVisibleTo(&w) || !c->isEnabled())
                    continue;
                if (qobject_cast<QRadioButton*>(c))
                    radios << c;
                else
                    tryEdit(c);
            }
            for (QWidget* r : radios)
                tryEdit(r);
        }
        // The buttons that change the map cycle and the bots.
        for (QToolButton* b : {w.SpeedButton2, w.SpeedButton4, w.SpeedButton14, w.SBCreeBot, w.SBCreeRandomBot}) {
            w.Logic().State.Modified = 0;
            b->click();
            if (w.Logic().State.Modified != 1)
                unmarked << b->objectName();
        }
        Env.Dialogs.ExpectConfirm(false);
        w.BClose->click();
    });
    EXPECT_GT(edited, 12);
    EXPECT_EQ(unmarked, QStringList());
    // Exit asked before the edits were lost.
    EXPECT_EQ(Env.Dialogs.Texts(Dialogs::TKind::Confirmation),
              QStringList{QStringLiteral("Do you want to save your settings ?")});
}

TEST_P(StandardGamePageMods, RestoreDefaultEmptiesTheMapCycleOnlyWhereTheModDoes)
{
    Store("[Default]\r\nnumbot=0\r\n");
    Env.HL.AddFile(QString::fromLatin1(GetParam().Folder) + QStringLiteral("/mapcycle.txt"), "dm_one\r\n");
    UInit::SelectedBot = QString::fromLatin1(GetParam().Bot);
    std::unique_ptr<QDialog> d(ModTable::Find(QString::fromLatin1(GetParam().Key))->Hooks.CreateWindow(nullptr));
    auto* w = qobject_cast<TModWindow*>(d.get());
    w->FormActivate();
    ASSERT_EQ(w->MapCycle->count(), 1);
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDefClick();
    EXPECT_EQ(w->MapCycle->count(), GetParam().DefaultsEmptyCycle ? 0 : 1);
    EXPECT_EQ(w->Logic().State.Modified, 1);
}

TEST_P(StandardGamePageMods, ALaunchFromAHandEditedStoreWritesFilesTheReadersTake)
{
    // An older liblist.gam's Linux library stays for the game on Linux.
    Env.HL.AddFile(QString::fromLatin1(GetParam().Folder) + QStringLiteral("/liblist.gam"),
                   "game \"Old\"\r\ngamedll_linux \"dlls/bot_i386.so\"\r\n");
    // Forty bots asked for on a listen server; names a reader would split or cut.
    QByteArray store = "[Default]\r\nspawnbot=40\r\nskill5=abc\r\n"
                       "[Bot 1]\r\nnom=Big Bob\r\nmodele=gina\r\nskill5=2\r\n"
                       "[Bot 2]\r\nnom=Abcdefghijklmnopqrstuvwxyz0123456789\r\nmodele=gordon\r\nskill5=1\r\n"
                       "[Bot 3]\r\nnom=\"Q\";uit'e\r\nmodele=barney\r\nskill5=5\r\n";
    for (int i = 4; i <= 40; ++i)
        store += "[Bot " + QByteArray::number(i) + "]\r\nnom=B" + QByteArray::number(i) + "\r\nmodele=gina\r\nskill5=3\r\n";
    Store(store);
    UInit::SelectedBot = QString::fromLatin1(GetParam().Bot);
    UInit::DedicatedSetting = QStringLiteral("N");
    QString error;
    ASSERT_TRUE(ModTable::Find(QString::fromLatin1(GetParam().Key))->Hooks.LaunchWriters(error)) << error.toStdString();

    const QList<QByteArray> lines = TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))).split('\n');
    QList<QByteArray> bots;
    for (const QByteArray& l : lines) {
        EXPECT_LE(l.size(), 79) << l.constData();   // 78 bytes and the CR
        if (l.startsWith("addbot "))
            bots << l;
    }
    EXPECT_TRUE(lines.contains("botskill 0\r"));
    ASSERT_EQ(bots.size(), 31);   // the host takes the 32nd slot
    EXPECT_EQ(bots.mid(0, 3), (QList<QByteArray>{"addbot gina BigBob 2\r",
                                                 "addbot gordon Abcdefghijklmnopqrstuvwxyz01234 1\r",
                                                 "addbot barney Quite 5\r"}));
    EXPECT_EQ(bots.last(), "addbot gina B31 3\r");

    const QList<QByteArray> liblist = TModTestEnv::Read(Env.ModFile(QStringLiteral("liblist.gam"))).split('\n');
    const qsizetype dll = liblist.indexOf(QByteArray("gamedll \"dlls\\") + (GetParam().Bot == QLatin1String("SV Bot") ? "dm.dll" : "akimbot.dll") + "\"\r");
    ASSERT_GE(dll, 0);
    EXPECT_EQ(liblist.value(dll + 1), "gamedll_linux \"dlls/bot_i386.so\"\r");
}

INSTANTIATE_TEST_SUITE_P(
    Mods, StandardGamePageMods,
    ::testing::Values(TModCase{"EFMatch", "EFMatch", "Akimbot", "EF_Bots.ini", true, true, false},
                      TModCase{"ESForces", "ESForces", "Akimbot", "ES_Bots.ini", true, true, false},
                      TModCase{"SVInstaGib", "svinstagib", "SV Bot", "SV_Bots.ini", false, false, true},
                      TModCase{"Snark_wars", "snark_wars", "Akimbot", "SW_Bots.ini", false, false, true},
                      TModCase{"Darkmatch", "Darkmatch", "Akimbot", "DK_Bots.ini", false, true, true}),
    [](const auto& info) { return std::string(info.param.Key); });

} // namespace
