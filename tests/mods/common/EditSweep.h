#pragma once
// Every control a user can edit on a mod window, edited one at a time as the user would (a click,
// a step of the arrows, a slider moved, a key typed), page by page. A test gives the mod's
// modified flag and gets back the controls whose edit left it unmarked, so Exit would drop them
// without asking.
#include "mods/common/ModTestEnv.h"
#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"
#include "ui/NumberEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSlider>
#include <QStringList>
#include <QTabWidget>
#include <QToolButton>

#include <functional>
#include <utility>
#include <vector>

namespace EditSweep {

inline QString NameOf(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// The window must have a bot selected, so the bot editor's controls are live.
inline QStringList EditsThatDoNotMark(TModWindow& w, int& modified)
{
    QStringList unmarked;
    // An edit answers false when it found nothing to change (a radio already chosen).
    auto check = [&](const QString& what, const std::function<bool()>& edit) {
        modified = 0;
        if (edit() && modified != 1)
            unmarked << what;
    };
    for (int page = 0; page < w.PC->count(); ++page) {
        w.PC->setCurrentIndex(page);
        QWidget* tab = w.PC->widget(page);
        auto shown = [&](const QWidget* c) { return c->isVisibleTo(&w) && c->isEnabled(); };
        std::vector<std::pair<QString, std::function<bool()>>> edits;
        for (QCheckBox* c : tab->findChildren<QCheckBox*>())
            if (shown(c))
                edits.emplace_back(NameOf(c), [c] {
                    c->click();
                    return true;
                });
        for (QRadioButton* r : tab->findChildren<QRadioButton*>())
            if (shown(r))
                edits.emplace_back(NameOf(r), [r] {
                    // The chosen radio of a group changes nothing; its neighbours are clicked.
                    if (r->isChecked())
                        return false;
                    r->click();
                    return true;
                });
        for (TNumberEdit* n : tab->findChildren<TNumberEdit*>())
            if (shown(n))
                edits.emplace_back(NameOf(n), [n] {
                    n->stepBy(n->Value() < n->Maximum() ? 1 : -1);
                    return true;
                });
        for (QSlider* s : tab->findChildren<QSlider*>())
            if (shown(s) && s->maximum() > s->minimum())
                edits.emplace_back(NameOf(s), [s] {
                    s->setValue(s->value() == s->maximum() ? s->minimum() : s->maximum());
                    return true;
                });
        // The map comment is kept in its own file when the field is left, not with the settings.
        for (QPlainTextEdit* m : tab->findChildren<QPlainTextEdit*>())
            if (shown(m) && !m->isReadOnly() && m != w.MapCom)
                edits.emplace_back(NameOf(m), [m] {
                    m->setFocus();
                    m->moveCursor(QTextCursor::End);
                    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("x"));
                    QApplication::sendEvent(m, &press);
                    return true;
                });
        if (w.botname && tab->isAncestorOf(w.botname) && shown(w.botname))
            edits.emplace_back(NameOf(w.botname), [&w] {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("x"));
                QApplication::sendEvent(w.botname, &press);
                return true;
            });
        if (w.botmodel && tab->isAncestorOf(w.botmodel) && shown(w.botmodel) && w.botmodel->count() > 1)
            edits.emplace_back(NameOf(w.botmodel), [&w] {
                const int to = w.botmodel->currentIndex() == 0 ? 1 : 0;
                w.botmodel->setCurrentIndex(to);
                emit w.botmodel->activated(to);
                return true;
            });
        if (w.MapDispo && tab->isAncestorOf(w.MapDispo) && w.MapDispo->count() > 0)
            edits.emplace_back(QStringLiteral("the map cycle"), [&w] {
                w.AddAllMapsClick();
                return true;
            });
        for (const auto& [what, edit] : edits)
            check(what, edit);
    }
    return unmarked;
}

// The whole round of a window opened on a bot store whose first bot is then selected: every
// control marks the settings modified, Exit asks whether to save them, and the answer No closes
// the window and leaves the store (store, under the program folder) as it was (stored).
inline void ExpectEveryEditMarksAndExitLeavesTheStore(TModWindow& w, int& modified, TModTestEnv& env,
                                                       const QString& store, const QByteArray& stored)
{
    w.ListBot->setCurrentRow(0);
    w.ListBotClick();
    EXPECT_EQ(EditsThatDoNotMark(w, modified), QStringList());
    env.Dialogs.Clear();
    env.Dialogs.ExpectConfirm(false);
    w.BClose->click();
    EXPECT_EQ(env.Dialogs.Texts(Dialogs::TKind::Confirmation),
              QStringList{QStringLiteral("Do you want to save your settings ?")});
    EXPECT_TRUE(w.ClosedByButtons());
    EXPECT_EQ(TModTestEnv::Read(env.ProgramFile(store)), stored);
}

// The values random bots take in their class (slot 1), skill (slot 2) and side (slot 3) after
// enough presses of the random button to have drawn every value of a small range.
struct TRandomSlots {
    QSet<int> Classes, Skills, Sides;
};
inline TRandomSlots DrawRandomBots(TModWindow& w, int presses = 60)
{
    for (int k = 0; k < presses; ++k)
        w.SBCreeRandomBot->click();
    TRandomSlots drawn;
    for (const TBot& bot : w.Logic().Bots().mid(1)) {
        drawn.Classes << bot[1].toInt();
        drawn.Skills << bot[2].toInt();
        drawn.Sides << bot[3].toInt();
    }
    return drawn;
}

} // namespace EditSweep
