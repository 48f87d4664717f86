// "Additional commands": loading, the reserved-word refusal and storing.
#include "fixtures/ProgramFolder.h"
#include "fixtures/ScriptedDialogs.h"

#include "core/UInit.h"
#include "platform/IniFile.h"
#include "ui/UCommLine.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <ostream>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class CommLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_program.IsValid());
        m_oldAppPath = UInit::AppPath;
        UInit::AppPath = m_program.Root();
        m_ini = m_program.AddFile(QStringLiteral("QOR.ini"),
                                  "[QOR]\r\nCommand=+sv_cheats 1\r\n\r\n[CStrike]\r\nLast Bot=POD\r\n");
        TIniFile::FlushCache();
    }
    void TearDown() override
    {
        UInit::AppPath = m_oldAppPath;
        TIniFile::FlushCache();
    }

    // Opens the dialog the way the menu does (without blocking), types text and presses Apply.
    void TypeAndApply(TCommLine& dialog, const QString& text)
    {
        dialog.show();
        auto* line = dialog.findChild<QLineEdit*>(QStringLiteral("TextLine"));
        auto* apply = dialog.findChild<QPushButton*>(QStringLiteral("BApply"));
        ASSERT_NE(line, nullptr);
        ASSERT_NE(apply, nullptr);
        line->setText(text);
        apply->click();
    }

    ProgramFolder m_program;
    ScriptedDialogs m_dialogs;
    QString m_oldAppPath;
    QString m_ini;
};

TEST_F(CommLineTest, ShowsStoredCommandInItsLayout)
{
    TCommLine dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Additional commands"));
    EXPECT_EQ(dialog.size(), QSize(406, 110));
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("TextLine"))->text(), QStringLiteral("+sv_cheats 1"));
    auto* apply = dialog.findChild<QPushButton*>(QStringLiteral("BApply"));
    ASSERT_NE(apply, nullptr);
    EXPECT_EQ(apply->text(), QStringLiteral("Apply"));
    EXPECT_TRUE(apply->isDefault());
}

TEST_F(CommLineTest, MissingFileShowsEmptyLine)
{
    QFile::remove(m_ini);
    TIniFile::FlushCache();
    TCommLine dialog;
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("TextLine"))->text(), QString());
}

struct TRefusalCase {
    const char* Name;
    const char* Text;
    const char* Word;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const TRefusalCase& c, std::ostream* os) { *os << c.Name; }

class CommLineRefusalTest : public CommLineTest, public ::testing::WithParamInterface<TRefusalCase> {};

TEST_P(CommLineRefusalTest, RefusesReservedWordAndKeepsIniAndDialog)
{
    const TRefusalCase& c = GetParam();
    const QByteArray before = ReadBytes(m_ini);
    TCommLine dialog;
    TypeAndApply(dialog, QString::fromLatin1(c.Text));
    EXPECT_EQ(m_dialogs.Texts(Dialogs::TKind::Error),
              QStringList{QStringLiteral("The command '") + QString::fromLatin1(c.Word) +
                          QStringLiteral("' is already used by QOR. Please remove it from your command line.")});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ReadBytes(m_ini), before);
    // What the user typed is still there to be corrected.
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("TextLine"))->text(), QString::fromLatin1(c.Text));
}

INSTANTIATE_TEST_SUITE_P(
    Words, CommLineRefusalTest,
    ::testing::Values(TRefusalCase{"UpperCaseMap", "+MAP x", "map"},
                      TRefusalCase{"LastHitInTestOrder", "+maxplayers 4 +map x", "map"},
                      TRefusalCase{"Maxplayers", "+maxplayers 4", "maxplayers"},
                      TRefusalCase{"Console", "-console", "console"},
                      TRefusalCase{"GameBeforeSvLan", "-game x +sv_lan 0", "sv_lan"},
                      TRefusalCase{"Connect", "+connect 10.0.0.1", "connect"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CommLineTest, AcceptedTextIsStoredUnchangedAndClosesTheDialog)
{
    // Only whole commands are reserved: words that merely hold one are the user's own.
    for (const char* text : {"+exec mymaps.cfg", "+mapcyclefile x", "+sv_password game", "  +sv_password abc  ", ""}) {
        SCOPED_TRACE(text);
        m_dialogs.Clear();
        TCommLine dialog;
        TypeAndApply(dialog, QString::fromLatin1(text));
        EXPECT_TRUE(m_dialogs.Shown().isEmpty());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(dialog.isVisible());
        TIniFile::FlushCache();
        const TIniFile ini(m_ini);
        EXPECT_EQ(ini.ReadString(QStringLiteral("QOR"), QStringLiteral("Command"), QStringLiteral("<none>")),
                  QString::fromLatin1(text).trimmed());
        // The mod sections stay as they were.
        EXPECT_EQ(ini.ReadString(QStringLiteral("CStrike"), QStringLiteral("Last Bot"), QString()),
                  QStringLiteral("POD"));
    }
}

} // namespace
