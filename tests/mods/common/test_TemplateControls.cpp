// The template's controls under a mod's declared names and captions: the declaration reaches the
// control as it is built (the common pages and the team panel alike), and a row that names no
// control, or gives a caption to a control that shows none, is reported rather than lost. Every
// registered mod's own table is checked against its window.
#include "mods/common/ModTestEnv.h"

#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"
#include "mods/common/TeamPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class TDeclaringWindow : public TModWindow {
public:
    explicit TDeclaringWindow(TModLogic& logic) : TModWindow(logic, nullptr) { BuildWindow(); }
    // What the mod's own building finds under the declared names.
    QLabel* SeenModelLabel = nullptr;
    QComboBox* SeenGameType = nullptr;

protected:
    void BuildGamePage(QWidget* page) override
    {
        auto* panel = new TTeamPanel(*this, QStringLiteral("XX_team"), 2);
        panel->BuildGameTypeChooser(page, 8, 8, {QStringLiteral("DeathMatch"), QStringLiteral("Teamplay")});
        SeenGameType = findChild<QComboBox*>(QStringLiteral("XX_Gametype"));
    }
    void BuildExtraPages(QTabWidget*) override
    {
        SeenModelLabel = findChild<QLabel*>(QStringLiteral("XX_ModelLabel"));
    }
};

TModTraits DeclaringTraits(QVector<TTemplateControl> rows)
{
    TModTraits t;
    t.Key = QStringLiteral("Opera");
    t.Prefix = QStringLiteral("XX");
    t.Title = QStringLiteral("Probe");
    t.ShortName = QStringLiteral("Probe");
    t.TemplateControls = std::move(rows);
    return t;
}

TEST(TemplateControls, DeclaredNamesAndCaptionsReachTheControlsAsTheyAreBuilt)
{
    TModTestEnv env(QStringLiteral("Opera"), ModTable::Find(QStringLiteral("Opera"))->Folder, QString());
    TModLogic logic(DeclaringTraits({
        {.Name = "SpeedButton1", .As = "XX_AddMap"},
        {.Name = "LabelModel", .As = "XX_ModelLabel", .Caption = "Class"},
        {.Name = "XX_Teamplay", .As = "XX_Gametype"},
        // A name another row has just given away is still the template's control's own.
        {.Name = "LabelDefSkill", .As = "Label86", .Caption = "Max Skill"},
        {.Name = "Label86", .As = "Lab_spawnbot"},
        {.Name = "B_BotEditor", .Caption = "Open the editor"},
    }));
    TDeclaringWindow w(logic);
    EXPECT_TRUE(w.UnmatchedTemplateControls().isEmpty()) << w.UnmatchedTemplateControls().join('|').toStdString();
    EXPECT_EQ(w.SpeedButton1->objectName(), QStringLiteral("XX_AddMap"));
    EXPECT_EQ(w.findChild<QToolButton*>(QStringLiteral("SpeedButton1")), nullptr);
    ASSERT_NE(w.SeenModelLabel, nullptr) << "BuildExtraPages finds the label under its declared name";
    EXPECT_EQ(w.SeenModelLabel, w.LabelModel);
    EXPECT_EQ(w.LabelModel->text(), QStringLiteral("Class"));
    ASSERT_NE(w.SeenGameType, nullptr) << "the mod finds the team panel's chooser under its name";
    EXPECT_EQ(w.SeenGameType, w.TeamPanel->GameType);
    EXPECT_EQ(w.LabelDefSkill->objectName(), QStringLiteral("Label86"));
    EXPECT_EQ(w.LabelDefSkill->text(), QStringLiteral("Max Skill"));
    EXPECT_EQ(w.Label86->objectName(), QStringLiteral("Lab_spawnbot"));
    EXPECT_EQ(w.Label86->text(), QStringLiteral("Number of bots"));
    EXPECT_EQ(w.B_BotEditor->text(), QStringLiteral("Open the editor"));
    EXPECT_EQ(w.B_BotEditor->objectName(), QStringLiteral("B_BotEditor"));
}

TEST(TemplateControls, ARowNoControlTakesIsReported)
{
    TModTestEnv env(QStringLiteral("Opera"), ModTable::Find(QStringLiteral("Opera"))->Folder, QString());
    TModTraits traits = DeclaringTraits({
        {.Name = "SpeedButon1", .As = "XX_AddMap"},                 // misspelt
        {.Name = "XX_defskill", .Caption = "Skill"},                // a slider shows no caption
        {.Name = "XX_chatkill", .As = "XX_Chat"},                   // on the page left out
        {.Name = "SpeedButton2", .As = "XX_AddAllMaps"},
        {.Name = "SpeedButton2", .As = "XX_Second"},                // one control, one row
    });
    traits.HasChatPage = false;
    TModLogic logic(traits);
    TDeclaringWindow w(logic);
    EXPECT_EQ(w.UnmatchedTemplateControls(),
              (QStringList{QStringLiteral("XX_defskill: no caption to show"),
                           QStringLiteral("SpeedButon1: no such control"),
                           QStringLiteral("XX_chatkill: no such control"),
                           QStringLiteral("SpeedButton2: no such control")}));
    EXPECT_EQ(w.SpeedButton1->objectName(), QStringLiteral("SpeedButton1"));
    EXPECT_EQ(w.SpeedButton2->objectName(), QStringLiteral("XX_AddAllMaps"));
    EXPECT_EQ(w.defskill->objectName(), QStringLiteral("XX_defskill"));
}

TEST(TemplateControls, EveryModsTableMatchesItsWindow)
{
    // Building a window reads no file: one set of folders serves every mod.
    TModTestEnv env(QStringLiteral("Opera"), ModTable::Find(QStringLiteral("Opera"))->Folder, QString());
    for (const TModRow& row : QVector<TModRow>(ModTable::Rows())) {
        if (!row.Hooks.CreateWindow)
            continue;
        std::unique_ptr<QDialog> d(ModTable::Find(row.Key)->Hooks.CreateWindow(nullptr));
        auto* w = qobject_cast<TModWindow*>(d.get());
        ASSERT_NE(w, nullptr) << row.Key.toStdString();
        EXPECT_TRUE(w->UnmatchedTemplateControls().isEmpty())
            << row.Key.toStdString() << ": " << w->UnmatchedTemplateControls().join('|').toStdString();
    }
}

} // namespace
