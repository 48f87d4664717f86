// Holy Wars' window: every edit marks the settings modified, Restore Default and Restore Config,
// the missing bot store, and the names a user can type.
#include "mods/common/ButtonRounds.h"
#include "mods/common/ModTestEnv.h"

#include "core/ModTable.h"
#include "mods/holywars/UFHolywars.h"
#include "mods/holywars/UHolywars.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class HolywarsWindow : public ::testing::Test {
protected:
    explicit HolywarsWindow(const QString& bot = QStringLiteral("HPB Bot"))
        : Env(QStringLiteral("Holywars"), QStringLiteral("holywars"), bot)
    {
        Env.HL.AddMap(QStringLiteral("holywars"), QStringLiteral("hw_temple"));
        Env.HL.AddMap(QStringLiteral("holywars"), QStringLiteral("hw_ruins"));
        Env.HL.AddPlayerModel(QStringLiteral("akedo"), QStringLiteral("holywars"));
        Env.HL.AddPlayerModel(QStringLiteral("ryu"), QStringLiteral("holywars"));
        TIniFile::FlushCache();
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/HW_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFHolywars> Open()
    {
        TModRow* row = ModTable::Find(QStringLiteral("Holywars"));
        EXPECT_TRUE(row && row->Hooks.CreateWindow);
        auto* w = qobject_cast<TFHolywars*>(row->Hooks.CreateWindow(nullptr));
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFHolywars>(w);
    }
    static void Choose(QComboBox* c, int index)
    {
        c->setCurrentIndex(index);
        emit c->activated(index);
    }

    TModTestEnv Env;
};

class HolywarsParabot : public HolywarsWindow {
protected:
    HolywarsParabot() : HolywarsWindow(QStringLiteral("Parabot")) {}
};

TEST_F(HolywarsWindow, EveryEditMarksTheSettingsModifiedAndExitAsksFirst)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Ryu\r\nmodele=ryu\r\nskill=2\r\n");
    auto w = Open();
    w->ListBot->setCurrentRow(0);
    w->ListBotClick();
    ASSERT_EQ(UHolywars::Logic().State.Modified, 0);
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"frag limit", [&] { w->Control<TNumberEdit>(QStringLiteral("HW_fraglimit"))->stepBy(1); }},
        {"fall damage", [&] { w->Control<QRadioButton>(QStringLiteral("HW_fallreal"))->click(); }},
        {"weapons stay", [&] { w->Control<QCheckBox>(QStringLiteral("HW_weaponstay"))->click(); }},
        {"bots don't target", [&] { w->HW_Bottarget->click(); }},
        {"strafe", [&] { w->HW_strafe->stepBy(1); }},
        {"tag", [&] { w->HW_logo->stepBy(1); }},
        {"reaction time", [&] { Choose(w->HW_Reaction_Time, 2); }},
        {"random colors", [&] { w->HW_random_color->click(); }},
        {"number of bots", [&] { w->spawnbot->stepBy(1); }},
        {"default skill", [&] { w->defskill->setValue(4); }},
        {"bot skill", [&] { w->Botskill->setValue(3); }},
        {"bot model", [&] { w->SpeedButton14->click(); }},
        {"bot name", [&] { TModTestEnv::Type(w->botname, QStringLiteral("x")); }},
        {"chat rate", [&] { w->Chatfreq->setValue(40); }},
    };
    for (const auto& [what, edit] : edits) {
        UHolywars::Logic().State.Modified = 0;
        edit();
        EXPECT_EQ(UHolywars::Logic().State.Modified, 1) << what;
    }
    Env.Dialogs.ExpectConfirm(false);
    w->BClose->click();
    EXPECT_EQ(Env.Dialogs.Texts(Dialogs::TKind::Confirmation),
              QStringList{QStringLiteral("Do you want to save your settings ?")});
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("game.cfg"))));
}

TEST_F(HolywarsParabot, TraitsAndChatSwitchesMarkTheSettingsModifiedAndFillTheRecord)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Ryu\r\nmodele=ryu\r\n");
    auto w = Open();
    w->ListBot->setCurrentRow(0);
    w->ListBotClick();
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"accuracy", [&] { w->TraitSliders[0]->setValue(9); }},
        {"aggression", [&] { w->TraitSliders[1]->setValue(2); }},
        {"perception", [&] { w->TraitSliders[2]->setValue(6); }},
        {"restricted weapons", [&] { w->HW_RestrictedWeaponMode->click(); }},
        {"always respond", [&] { w->HW_AlwaysRespond->click(); }},
        {"bots chat", [&] { w->HW_Botchat->click(); }},
    };
    for (const auto& [what, edit] : edits) {
        UHolywars::Logic().State.Modified = 0;
        edit();
        EXPECT_EQ(UHolywars::Logic().State.Modified, 1) << what;
    }
    const TBot& bot = UHolywars::Logic().Bots().at(0);
    EXPECT_EQ((QStringList{bot[6], bot[7], bot[8]}), (QStringList{"9", "2", "6"}));
}

TEST_F(HolywarsWindow, RestoreDefaultResetsTheGameAndRestoreConfigReadsTheFilesAgain)
{
    Env.HL.AddFile(QStringLiteral("holywars/game.cfg"),
                   Crlf({"\"mp_fraglimit\"\t\t\"30.00000\"", "\"mp_falldamage\"\t\t\"1\"", "\"mp_footsteps\"\t\t\"0\"",
                         "\"mp_weaponstay\"\t\t\"1\""}));
    Env.HL.AddFile(QStringLiteral("holywars/mapcycle.txt"), "hw_ruins\r\n");
    WriteStore("[Default]\r\nnumbot=1\r\nskill=3\r\nspawnbot=5\r\nStrafe=70\r\nreaction_time=3\r\n"
               "[Bot 1]\r\nnom=Ryu\r\nmodele=ryu\r\nskill=2\r\n");
    auto w = Open();
    const auto shown = [&] {
        return QStringList{w->Control<TNumberEdit>(QStringLiteral("HW_fraglimit"))->Text(),
                           w->Control<QRadioButton>(QStringLiteral("HW_fallreal"))->isChecked() ? "real" : "normal",
                           w->Control<QCheckBox>(QStringLiteral("HW_footsteps"))->isChecked() ? "steps" : "quiet",
                           w->Control<QCheckBox>(QStringLiteral("HW_weaponstay"))->isChecked() ? "stay" : "go",
                           QString::number(w->defskill->value()), w->spawnbot->Text(), w->HW_strafe->Text(),
                           QString::number(w->HW_Reaction_Time->currentIndex()),
                           QString::number(w->ListBot->count()), QString::number(w->MapCycle->count())};
    };
    const QStringList read{"30", "real", "quiet", "stay", "3", "5", "70", "3", "1", "1"};
    EXPECT_EQ(shown(), read);
    ButtonRounds::ExpectRestoreDefaultThenConfig(
        *w, Env, UHolywars::Logic().State.Modified, shown, read,
        QStringList{"0", "normal", "steps", "go", "3", "5", "70", "3", "1", "1"});
}

TEST_F(HolywarsWindow, WithoutABotStoreTheWindowSaysSoAndTheFirstSaveWritesTheDefaults)
{
    Env.HL.AddFile(QStringLiteral("holywars/mapcycle.txt"), "hw_temple\r\n");
    auto w = Open();
    ASSERT_NO_FATAL_FAILURE(ButtonRounds::MakeTheFirstBotAndApply(*w, Env));
    const QByteArray store = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/HW_Bots.ini")));
    EXPECT_TRUE(store.contains("strafe=20\r\n")) << store.toStdString();
    EXPECT_TRUE(store.contains("logo=40\r\n"));
    EXPECT_TRUE(store.contains("[Bot 1]\r\nnom=NewBot\r\nmodele=akedo\r\nskill=1\r\nACCURACY=8\r\nAGGRESSION=5\r\n"
                               "PERCEPTION=5\r\n"));
}

TEST_F(HolywarsWindow, NamesKeepTheOneNameRule)
{
    struct TCase {
        const char* Typed;
        const char* Kept;
    };
    const TCase cases[] = {{"Big Bob", "BigBob"}, {"a\"b'c;d", "abcd"}, {"x*./?\\y", "xy"}, {"Ryu-2_Z", "Ryu-2_Z"}};
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    w->SBCreeBot->click();
    for (const TCase& c : cases) {
        w->botname->clear();
        TModTestEnv::Type(w->botname, QString::fromLatin1(c.Typed));
        EXPECT_EQ(w->botname->text(), QString::fromLatin1(c.Kept)) << c.Typed;
    }
}

} // namespace
