// "Restore Default", "Restore Config" and "modified" reach the selected mod through its row.
#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR_Dispatch.h"
#include "fixtures/ScriptedDialogs.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override { m_savedMod = UInit::SelectedMod; }
    void TearDown() override {
        for (auto& [row, hooks] : m_saved)
            row->Hooks = hooks;
        UInit::SelectedMod = m_savedMod;
    }

    // Records what the row's hooks were asked to do, in order.
    void Hook(const QString& key) {
        TModRow* row = ModTable::Find(key);
        ASSERT_NE(row, nullptr);
        m_saved.push_back({row, row->Hooks});
        row->Hooks.RestoreDefaults = [this, key] { m_calls << key + ":defaults"; };
        row->Hooks.LoadConf = [this, key] { m_calls << key + ":loadconf"; };
        row->Hooks.MarkModified = [this, key] { m_calls << key + ":modified"; };
    }

    ScriptedDialogs m_dialogs;
    QStringList m_calls;
    std::vector<std::pair<TModRow*, TModHooks>> m_saved;
    QString m_savedMod;
};

TEST_F(DispatchTest, RestoreDefaultsAsksThenReloadsAndMarksModified) {
    Hook("CStrike");
    Hook("Op4");
    UInit::SelectedMod = "Op4";
    m_dialogs.ExpectConfirm(false);
    UQOR::RestoreDefaults();
    EXPECT_TRUE(m_calls.isEmpty());

    m_dialogs.ExpectConfirm(true);
    UQOR::RestoreDefaults();
    EXPECT_EQ(m_calls, (QStringList{"Op4:defaults", "Op4:modified"}));
    EXPECT_EQ(m_dialogs.Texts(),
              (QStringList{"Do you really want to reload your default Op4 settings ? ",
                           "Do you really want to reload your default Op4 settings ? "}));
}

TEST_F(DispatchTest, RestoreConfReloadsWithoutMarking) {
    Hook("CStrike");
    UInit::SelectedMod = "CStrike";
    m_dialogs.ExpectConfirm(true);
    UQOR::RestoreConf();
    EXPECT_EQ(m_calls, QStringList{"CStrike:loadconf"});
    EXPECT_EQ(m_dialogs.Texts(),
              QStringList{"Do you really want to reload your previous CStrike settings ? "});
}

TEST_F(DispatchTest, MarkModifiedReachesOnlyTheSelectedMod) {
    Hook("CStrike");
    Hook("TFC");
    UInit::SelectedMod = "TFC";
    UQOR::MarkModified();
    EXPECT_EQ(m_calls, QStringList{"TFC:modified"});
}

TEST_F(DispatchTest, KeysOutsideTheTableDoNothing) {
    Hook("CStrike");
    for (const char* key : {"cstrike", "", "NoSuchMod"}) {
        UInit::SelectedMod = key;
        UQOR::RestoreDefaults();   // no confirmation queued: a dialog would fail the test
        UQOR::RestoreConf();
        UQOR::MarkModified();
    }
    EXPECT_TRUE(m_calls.isEmpty());
    EXPECT_TRUE(m_dialogs.Shown().isEmpty());
}

} // namespace
