// The team panel's game-type chooser kind (DeathMatch / Teamplay / Capture the Flag) on a bare
// window: the written pair of lines, the lines read back in either order, the number field
// running past the choosers and the two-teams check with the mod's own message.
#include "mods/common/ModTestEnv.h"

#include "mods/common/ModCvars.h"
#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"
#include "mods/common/TeamPanel.h"
#include "ui/NumberEdit.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

class TChooserWindow : public TModWindow {
public:
    explicit TChooserWindow(TModLogic& logic) : TModWindow(logic, nullptr) { BuildWindow(); }

protected:
    void BuildGamePage(QWidget* page) override
    {
        auto* panel = new TTeamPanel(*this, QStringLiteral("XX_team"), 3);
        panel->TwoTeamsText = QStringLiteral("Two teams, please.");
        panel->BuildGameTypeChooser(page, 8, 8,
                                    {QStringLiteral("DeathMatch"), QStringLiteral("Teamplay"),
                                     QStringLiteral("Capture the Flag")},
                                    5);
        panel->BuildTeams(page, 300, 8);
    }
};

class TChooserLogic : public TModLogic {
public:
    TChooserLogic() : TModLogic(Traits()) {}
    TCvarTable Cvars() const override
    {
        return {ModCvars::TeamListRow(), ModCvars::TeamplayRow(), ModCvars::CtfRow()};
    }

private:
    static TModTraits Traits()
    {
        TModTraits t;
        t.Key = QStringLiteral("Rocket");
        t.Prefix = QStringLiteral("XX");
        t.Title = QStringLiteral("Probe");
        t.ShortName = QStringLiteral("Probe");
        return t;
    }
};

class TeamPanelChooser : public ::testing::Test {
protected:
    TeamPanelChooser() : Env(QStringLiteral("Rocket"), Folder(), QStringLiteral("Probe Bot"))
    {
        for (const char* m : {"alpha", "bravo", "charlie"})
            Env.HL.AddPlayerModel(QString::fromLatin1(m), Folder());
        Env.Program.AddFile(QStringLiteral("Bots/XX_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
        TIniFile::FlushCache();
    }
    static QString Folder() { return ModTable::Find(QStringLiteral("Rocket"))->Folder; }
    std::unique_ptr<TChooserWindow> Open(const QByteArray& gameCfg)
    {
        Env.HL.AddFile(Folder() + QStringLiteral("/game.cfg"), gameCfg);
        auto w = std::make_unique<TChooserWindow>(Logic);
        w->FormActivate();
        return w;
    }

    TModTestEnv Env;
    TChooserLogic Logic;
};

TEST_F(TeamPanelChooser, EachGameTypeWritesItsPairAndReadsBack)
{
    struct TCase {
        int Type;
        const char* Teamplay;
        const char* Ctf;
    };
    for (const TCase& c : {TCase{0, "0", "0"}, TCase{1, "1", "0"}, TCase{2, "1", "1"}}) {
        auto w = Open("");
        TTeamPanel* p = w->TeamPanel;
        ASSERT_NE(p->GameType, nullptr);
        EXPECT_EQ(p->GameType->objectName(), QStringLiteral("XX_Teamplay"));
        p->GameType->setCurrentIndex(c.Type);
        emit p->GameType->activated(c.Type);
        EXPECT_EQ(Logic.State.Modified, 1);
        EXPECT_EQ(p->IsTeamplay(), c.Type > 0);
        EXPECT_EQ(p->Teams[0]->isEnabled(), c.Type > 0);
        const QStringList lines = ModCvars::GameCfgLines(*w, Logic.Cvars());
        EXPECT_EQ(lines.value(1), ModCvars::CvarLine(QStringLiteral("mp_teamplay"), QString::fromLatin1(c.Teamplay)));
        EXPECT_EQ(lines.value(2), ModCvars::CvarLine(QStringLiteral("mp_ctf"), QString::fromLatin1(c.Ctf)));

        // Read back in the written order and in the other one.
        const QByteArray pair = ("\"mp_teamplay\"\t\t\"" + QByteArray(c.Teamplay) + "\"\r\n");
        const QByteArray ctf = ("\"mp_ctf\"\t\t\"" + QByteArray(c.Ctf) + "\"\r\n");
        EXPECT_EQ(Open(pair + ctf)->TeamPanel->GameTypeIndex(), c.Type);
        EXPECT_EQ(Open(ctf + pair)->TeamPanel->GameTypeIndex(), c.Type);
    }
}

TEST_F(TeamPanelChooser, TheNumberRunsPastTheChoosersAndTheCheckSaysTheModsWords)
{
    auto w = Open("\"mp_teamlist\"\t\t\"alpha;bravo;charlie;alpha;bravo\"\r\n\"mp_ctf\"\t\t\"1\"\r\n");
    TTeamPanel* p = w->TeamPanel;
    EXPECT_EQ(p->NumTeam->Maximum(), 5);
    EXPECT_EQ(p->NumTeam->Text(), QStringLiteral("5"));
    for (QComboBox* t : p->Teams)
        EXPECT_TRUE(t->isEnabled());
    EXPECT_TRUE(p->HasTwoTeams());
    p->Teams[1]->setCurrentIndex(-1);
    EXPECT_FALSE(p->HasTwoTeams());
    EXPECT_FALSE(Logic.CheckConf());
    EXPECT_TRUE(Env.Dialogs.Texts().contains(QStringLiteral("Two teams, please.")));
    p->SetGameTypeIndex(0);
    EXPECT_TRUE(p->HasTwoTeams());
}

TEST_F(TeamPanelChooser, ACaptureTheFlagPlayedBySidesIsNoTeamGame)
{
    auto w = Open("\"mp_teamlist\"\t\t\"alpha\"\r\n");
    TTeamPanel* p = w->TeamPanel;
    p->TeamGameTypes = {1};
    struct TCase {
        int Type;
        bool Teams;
        const char* Teamplay;
    };
    for (const TCase& c : {TCase{2, false, "0"}, TCase{1, true, "1"}, TCase{0, false, "0"}}) {
        SCOPED_TRACE(c.Type);
        p->SetGameTypeIndex(c.Type);
        EXPECT_EQ(p->IsTeamplay(), c.Teams);
        EXPECT_EQ(p->Teams[0]->isEnabled(), c.Teams);
        EXPECT_EQ(p->NumTeam->isEnabled(), c.Teams);
        // Team 2 is empty: only a team game asks for it.
        EXPECT_EQ(p->HasTwoTeams(), !c.Teams);
        EXPECT_EQ(ModCvars::GameCfgLines(*w, Logic.Cvars()).value(1),
                  ModCvars::CvarLine(QStringLiteral("mp_teamplay"), QString::fromLatin1(c.Teamplay)));
    }
}

} // namespace
