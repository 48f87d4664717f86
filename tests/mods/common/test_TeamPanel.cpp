// The variant with teams on a bare window of the team mod "EFMatch": the team list read from
// game.cfg and applied after the bots, the number of teams, the game type, the written list, the
// two-teams check and the preview that goes with the window.
#include "mods/common/ModTestEnv.h"

#include "mods/common/ModCvars.h"
#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"
#include "ui/NumberEdit.h"
#include "mods/common/TeamPanel.h"
#include "ui/UPreview.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class TTeamWindow : public TModWindow {
public:
    explicit TTeamWindow(TModLogic& logic) : TModWindow(logic, nullptr) { BuildWindow(); }

protected:
    void BuildGamePage(QWidget* page) override
    {
        auto* panel = new TTeamPanel(*this, QStringLiteral("EF_team"), 10);
        panel->BuildGameType(page, 8, 8);
        panel->BuildTeams(page, 300, 8);
    }
};

class TTeamLogic : public TModLogic {
public:
    TTeamLogic() : TModLogic(Traits()) {}
    TCvarTable Cvars() const override
    {
        return {ModCvars::TeamListRow(),
                ModCvars::Number(QStringLiteral("mp_fraglimit"), QString(), QStringLiteral("0")),
                ModCvars::TeamplayRow()};
    }

private:
    static TModTraits Traits()
    {
        TModTraits t;
        t.Key = QStringLiteral("EFMatch");
        t.Prefix = QStringLiteral("EF");
        t.Title = QStringLiteral("Extreme Fragmatch");
        t.ShortName = QStringLiteral("EFM");
        return t;
    }
};

QString Folder() { return ModTable::Find(QStringLiteral("EFMatch"))->Folder; }

class TeamPanel : public ::testing::Test {
protected:
    TeamPanel() : Env(QStringLiteral("EFMatch"), Folder(), QStringLiteral("Probe Bot"))
    {
        for (const char* m : {"alpha", "bravo", "charlie", "delta"})
            Env.HL.AddPlayerModel(QString::fromLatin1(m), Folder());
        Env.HL.AddFile(Folder() + QStringLiteral("/game.cfg"),
                       "\"mp_teamlist\"\t\t\"alpha;Bravo ;charlie\"\r\n\"mp_teamplay\"\t\t\"1\"\r\n");
        Env.Program.AddFile(QStringLiteral("Bots/EF_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
        TIniFile::FlushCache();
        // The row's hooks, as a mod's Register() fills them (UQOR::ApplyTeamList runs its
        // EnableTeams).
        Logic.RegisterHooks({});
        W = std::make_unique<TTeamWindow>(Logic);
        W->FormActivate();
        P = W->TeamPanel;
    }
    ~TeamPanel() override { UInit::PreviewOpen = false; }

    QStringList Names() const
    {
        QStringList names;
        for (QComboBox* t : P->Teams)
            names << t->currentText();
        return names;
    }
    QList<bool> Enabled() const
    {
        QList<bool> on;
        for (QComboBox* t : P->Teams)
            on << t->isEnabled();
        return on;
    }
    static QList<bool> FirstOn(int n)
    {
        QList<bool> on;
        for (int k = 1; k <= 10; ++k)
            on << (k <= n);
        return on;
    }

    TModTestEnv Env;
    TTeamLogic Logic;
    std::unique_ptr<TTeamWindow> W;
    TTeamPanel* P = nullptr;
};

TEST_F(TeamPanel, TheTeamListReadIsAppliedAfterLoadingWithItsNumberOfTeams)
{
    ASSERT_NE(P, nullptr);
    EXPECT_TRUE(P->Teamplay->isChecked());
    EXPECT_EQ(Names().mid(0, 4), (QStringList{"alpha", "bravo", "charlie", ""}));
    EXPECT_EQ(P->NumTeam->Text(), QStringLiteral("3"));
    EXPECT_EQ(Enabled(), FirstOn(3));
    EXPECT_TRUE(P->NumTeam->isEnabled());
    EXPECT_EQ(Logic.State.Modified, 0);
    EXPECT_EQ(ModCvars::GameCfgLines(*W, Logic.Cvars()).first(),
              QStringLiteral("\"mp_teamlist\"\t\t\"alpha;bravo;charlie\""));
}

TEST_F(TeamPanel, LoweringTheNumberByHandEmptiesTheTeamsItRemoves)
{
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(P->NumTeam, &in);
    P->NumTeam->stepBy(-1);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(P->NumTeam, &out);
    EXPECT_EQ(Enabled(), FirstOn(2));
    EXPECT_EQ(P->Teams[2]->currentIndex(), -1);
    EXPECT_EQ(Logic.State.Modified, 1);
    // Raising it again by the program keeps what the teams hold.
    P->Teams[2]->setCurrentIndex(3);
    P->NumTeam->SetValue(2);
    P->EnableTeams();
    EXPECT_EQ(P->Teams[2]->currentText(), QStringLiteral("delta"));
}

TEST_F(TeamPanel, DeathMatchDisablesTheTeamsKeepsAndWritesThem)
{
    P->Teams[0]->setCurrentIndex(-1);
    P->Teams[1]->setCurrentIndex(3);
    P->DeathMatch->click();
    EXPECT_EQ(Enabled(), FirstOn(0));
    EXPECT_FALSE(P->NumTeam->isEnabled());
    EXPECT_EQ(Logic.State.Modified, 1);
    const QStringList lines = ModCvars::GameCfgLines(*W, Logic.Cvars());
    EXPECT_EQ(lines.first(), QStringLiteral("\"mp_teamlist\"\t\t\";delta;charlie\""));
    EXPECT_EQ(lines.at(2), QStringLiteral("\"mp_teamplay\"\t\t\"0\""));

    // Back to Teamplay: team 1 is empty, so the check fails with its one message.
    P->Teamplay->click();
    EXPECT_EQ(Enabled(), FirstOn(3));
    EXPECT_FALSE(Logic.CheckConf());
    const QStringList errors = Env.Dialogs.Texts(Dialogs::TKind::Error);
    ASSERT_GE(errors.size(), 1);
    EXPECT_EQ(errors.count(TTeamPanel::TwoTeamsMessage()), 1);
    EXPECT_EQ(errors.first(), TTeamPanel::TwoTeamsMessage());
}

TEST_F(TeamPanel, AReadGameTypeAlwaysLeavesOneSelected)
{
    struct {
        const char* Value;
        bool Teamplay;
    } cases[] = {{"0", false}, {"Yes", true}, {"1.00000", false}, {"1", true}};
    for (const auto& c : cases) {
        Logic.ApplyGameCfgCvar(QStringLiteral("mp_teamplay"), QString::fromLatin1(c.Value));
        EXPECT_EQ(P->Teamplay->isChecked(), c.Teamplay) << c.Value;
        EXPECT_NE(P->Teamplay->isChecked(), P->DeathMatch->isChecked()) << c.Value;
        EXPECT_EQ(P->Teams[0]->isEnabled(), c.Teamplay) << c.Value;
    }
}

TEST_F(TeamPanel, ATeamListSelectsByNameCountsEveryPartAndKeepsTheChoosersFilledOnce)
{
    // Loading twice lists every model once in the bot chooser and every team chooser.
    Env.Dialogs.ExpectConfirm(true);
    W->BRestoreConfClick();
    for (QComboBox* c : P->Teams + QList<QComboBox*>{W->botmodel})
        EXPECT_EQ(c->count(), 4) << c->objectName().toStdString();
    EXPECT_EQ(P->FindTeamIndex(QStringLiteral("  Charlie ")), 2);
    EXPECT_EQ(P->FindTeamIndex(QStringLiteral("scientist")), -1);

    P->ApplyTeamList(QStringLiteral("delta;nobody;alpha;b;c;d;e;f;g;h;i"));
    EXPECT_EQ(Names().mid(0, 3), (QStringList{"delta", "", "alpha"}));
    // Eleven teams counted; the field shows the most it can hold, and all ten are on.
    EXPECT_EQ(P->NumTeam->Text(), QStringLiteral("10"));
    EXPECT_EQ(Enabled(), FirstOn(10));

    // With DeathMatch the teams are set but stay off.
    P->DeathMatch->click();
    P->ApplyTeamList(QStringLiteral("bravo;charlie"));
    EXPECT_EQ(Names().mid(0, 2), (QStringList{"bravo", "charlie"}));
    EXPECT_EQ(P->NumTeam->Text(), QStringLiteral("2"));
    EXPECT_EQ(Enabled(), FirstOn(0));
}

TEST_F(TeamPanel, ThePreviewShowsTeamOneAndClosesWithTheWindow)
{
    P->OpenPreview->click();
    ASSERT_TRUE(UInit::PreviewOpen);
    ASSERT_NE(Preview, nullptr);
    EXPECT_EQ(Preview->windowTitle(), QStringLiteral("Team 1 - alpha"));
    P->Teams[1]->setCurrentIndex(3);
    emit P->Teams[1]->activated(3);
    EXPECT_EQ(Preview->windowTitle(), QStringLiteral("Team 2 - delta"));
    P->Teams[9]->setCurrentIndex(2);
    P->ShowTeamPreview(P->Teams[9]);
    EXPECT_EQ(Preview->windowTitle(), QStringLiteral("Team 10 - charlie"));
    Env.Dialogs.ExpectConfirm(false);
    W->BCloseClick();
    EXPECT_TRUE(W->ClosedByButtons());
    EXPECT_FALSE(UInit::PreviewOpen);
}

} // namespace
