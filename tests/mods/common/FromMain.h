#pragma once
// The road a user takes through the main window, for the end-to-end tests of the mods: the
// mod's button, its bot in the selector, "Edit Mod Config" with the window driven by the test,
// then "Launch Half-Life". The fake game records how it was started.
#include "mods/common/ModTestEnv.h"

#include "mods/common/ModWindow.h"
#include "ui/UMain.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include "mods/common/TeamPanel.h"
#include "ui/NumberEdit.h"
#include <algorithm>
#include <cctype>
#include <functional>
#include <gtest/gtest.h>
#include <string>

class TFromMain {
public:
    explicit TFromMain(TModTestEnv& env) : m_env(env)
    {
        env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), env.Program.Root());
        env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), env.HL.Root());
        Main = std::make_unique<TMain>();
    }

    // Picks the mod by its button and then its bot; false when the main window does not show the
    // button (no bot library of the Mods file present) or the selector does not offer the bot.
    bool Pick(const QString& key, const QString& bot)
    {
        Main->FormActivate();
        QToolButton* button = Main->ModButton(key);
        if (!button || button->isHidden())
            return false;
        button->click();
        QComboBox* bots = Main->BotSelector();
        const int at = bots->findText(bot);
        if (at < 0)
            return false;
        bots->setCurrentIndex(at);
        return true;
    }

    // "Edit Mod Config": edit runs on the activated window; true when it closed by its buttons.
    bool Edit(const std::function<void(TModWindow&)>& edit)
    {
        bool closed = false;
        TMain::SetModalRunner([&](QDialog& dialog) {
            auto* w = qobject_cast<TModWindow*>(&dialog);
            if (!w)
                return dialog.exec();
            w->FormActivate();
            edit(*w);
            closed = w->ClosedByButtons();
            return dialog.result();
        });
        Main->SB_EditConfClick();
        TMain::SetModalRunner({});
        return closed;
    }

    // "Launch Half-Life": the recorded arguments of the game's start (empty when it did not).
    QStringList Launch()
    {
        Main->SB_HLClick();
        if (!m_env.HL.WaitForRuns(1))
            return {};
        return m_env.HL.RecordedRuns().front().Args;
    }

    QString Shown() const { return m_env.Dialogs.Texts().join(QLatin1Char('|')); }

    std::unique_ptr<TMain> Main;

private:
    TModTestEnv& m_env;
};

// The launch's command line with automatic start on a listen server.
inline QStringList ListenArgs(const QString& gameDir, const QString& map)
{
    return {QStringLiteral("-console"), QStringLiteral("-game"), gameDir, QStringLiteral("+sv_lan"),
            QStringLiteral("1"), QStringLiteral("+maxplayers"), QStringLiteral("32"),
            QStringLiteral("+connect"), QStringLiteral("+map"), map};
}

// One bot program of a mod's Mods file on the whole road: its name in the selector, the game
// library liblist.gam names, what the test does in the bot program's own controls, and the files
// the program writes below Half-Life besides game.cfg, mapcycle.txt and liblist.gam.
template <class TWindow>
struct TBotProgramCase {
    const char* Bot;
    const char* Dll;
    std::function<void(TWindow&)> Edit;
    QMap<QString, QByteArray> Files;
};

// Akimbot's case in the mod folder folder: the chat, taunt and kill-chat controls moved; bot.cfg
// with the mod's own whine rate and the two bots, and the chat file.
template <class TWindow>
TBotProgramCase<TWindow> AkimbotCase(const QString& folder, const char* whine)
{
    return {"Akimbot", "dlls\\akimbot.dll",
            [](TWindow& w) {
                w.Chatfreq->setValue(30);
                w.chatfreq_kill->setValue(40);
                w.chatkill->setPlainText(QStringLiteral("nice shot"));
            },
            {{folder + QStringLiteral("/bot.cfg"),
              Crlf({"botdontshoot 0", "bot_chat_percent 30", "bot_taunt_percent 40",
                    (QByteArray("bot_whine_percent ") + whine).constData(), "addbot gordon NewBot 1",
                    "addbot gordon Rex 1", "disablebotwaypointmessage"})},
             {folder + QStringLiteral("/akimbot_chat.txt"), Crlf({"nice shot"})}}};
}

// A bot program's name as a test's name: letters and digits only ("HPB Bot" runs as HPBBot).
inline std::string CaseName(std::string bot)
{
    bot.erase(std::remove_if(bot.begin(), bot.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }),
              bot.end());
    return bot;
}

// The list's entries whose text (trimmed) is one of texts selected, and only those.
inline void SelectItems(QListWidget* list, const QStringList& texts)
{
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i)
        if (texts.contains(list->item(i)->text().trimmed()))
            list->item(i)->setSelected(true);
}

// What every run of the road does in the window before the bot program's own controls: the maps
// added to the cycle, two bots on spawn, and two bots made, the second one named Rex.
inline void CycleAndTwoBots(TModWindow& w, const QStringList& maps)
{
    SelectItems(w.MapDispo, maps);
    w.AddMapClick();
    w.spawnbot->SetValue(2);
    w.SBCreeBot->click();
    w.SBCreeBot->click();
    w.botname->clear();
    TModTestEnv::Type(w.botname, QStringLiteral("Rex"));
}

// A user's choice in a chooser of the window (it must list the item).
inline void Choose(TModWindow& w, const QString& chooser, const QString& item)
{
    auto* c = w.Control<QComboBox>(chooser);
    ASSERT_NE(c, nullptr) << chooser.toStdString();
    const int at = c->findText(item);
    ASSERT_GE(at, 0) << item.toStdString();
    c->setCurrentIndex(at);
    emit c->activated(at);
}

inline void StepTeams(TModWindow& w, int steps)
{
    TNumberEdit* n = w.TeamPanel->NumTeam;
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(n, &in);
    n->stepBy(steps);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(n, &out);
}


// Every file below root with its bytes, by path relative to root ("/" separators).
inline QMap<QString, QByteArray> FilesBelow(const QString& root)
{
    QMap<QString, QByteArray> files;
    const QDir base(root);
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        files.insert(base.relativeFilePath(path), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    }
    return files;
}

// What the program wrote below root since before was taken: new files and changed ones,
// each compared byte for byte with expected, and no other file.
inline void ExpectWritten(const QMap<QString, QByteArray>& before, const QString& root,
                          const QMap<QString, QByteArray>& expected)
{
    QMap<QString, QByteArray> written;
    const QMap<QString, QByteArray> after = FilesBelow(root);
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (!before.contains(it.key()) || before.value(it.key()) != it.value())
            written.insert(it.key(), it.value());
    EXPECT_EQ(written.keys(), expected.keys());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        EXPECT_EQ(written.value(it.key(), QByteArray("<not written>")), it.value());
    }
}

// Rho-Bot's file for one bot of model gordon: its name and colours, the five traits (jump,
// accuracy, aggression, perception, reflexes) and the weapon lines after the heading.
inline QByteArray RhoBotFile(const char* name, const char* top, const char* bottom, const char* heading,
                             std::initializer_list<const char*> traits, std::initializer_list<const char*> weapons)
{
    QByteArray out = Crlf({"//", "// Rho-Bot name, model, and model colors", "//"}) + "bot_name\t\t\"" + name +
                     "\"\r\nbot_model\t\t\"gordon\"\r\nbot_top_color\t\t\"" + top + "\"\r\nbot_bottom_color\t\t\"" +
                     bottom + "\"\r\n" + Crlf({"//", "// Rho-Bot traits", "//"});
    const char* const names[] = {"jump", "accuracy", "aggression", "perception", "reflexes"};
    int i = 0;
    for (const char* t : traits)
        out += QByteArray("bot_trait_") + names[i++ % 5] + "\t\t" + t + "\r\n";
    out += Crlf({"//", heading, "//"});
    for (const char* w : weapons)
        out += QByteArray("bot_wp_") + w + "\r\n";
    return out;
}
