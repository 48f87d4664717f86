#pragma once
// What a mod window test needs around it: a fake Half-Life tree with the mod's folder, the
// program folder with a copy of data/, scripted dialogs, and the globals pointing at both; every
// global and mod row it changes is put back when it goes.
#include "fixtures/FakeHalfLife.h"
#include "fixtures/FileBytes.h"
#include "fixtures/ProgramFolder.h"
#include "fixtures/ScriptedDialogs.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "platform/IniFile.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QString>
#include <memory>

class TModTestEnv {
public:
    TModTestEnv(const QString& modKey, const QString& folder, const QString& bot)
        : m_savedRows(ModTable::Rows())
    {
        m_saved.AppPath = UInit::AppPath;
        m_saved.HLPath = UInit::HLPath;
        m_saved.HLExe = UInit::HLExe;
        m_saved.SelectedMod = UInit::SelectedMod;
        m_saved.SelectedBot = UInit::SelectedBot;
        m_saved.AutoStart = UInit::AutoStartSetting;
        m_saved.Dedicated = UInit::DedicatedSetting;
        m_saved.HLKeyFr = UInit::HLKeyFrSetting;
        m_saved.CloseQOR = UInit::CloseQORSetting;

        UInit::AppPath = Program.Root();
        UInit::HLPath = HL.Root();
        UInit::HLExe = QStringLiteral("hl.exe");
        UInit::AutoStartSetting = QStringLiteral("O");
        UInit::DedicatedSetting = QStringLiteral("N");
        UInit::HLKeyFrSetting = QStringLiteral("N");
        UInit::CloseQORSetting = QStringLiteral("N");
        UInit::BuildModDirs();
        UInit::ReadBotNames();
        UInit::SelectedMod = modKey;
        UInit::SelectedBot = bot;
        UInit::LoadingDone = 1;
        ModDir = HL.AddMod(folder);
        TIniFile::FlushCache();
    }

    ~TModTestEnv()
    {
        UInit::AppPath = m_saved.AppPath;
        UInit::HLPath = m_saved.HLPath;
        UInit::HLExe = m_saved.HLExe;
        UInit::SelectedMod = m_saved.SelectedMod;
        UInit::SelectedBot = m_saved.SelectedBot;
        UInit::AutoStartSetting = m_saved.AutoStart;
        UInit::DedicatedSetting = m_saved.Dedicated;
        UInit::HLKeyFrSetting = m_saved.HLKeyFr;
        UInit::CloseQORSetting = m_saved.CloseQOR;
        UInit::LoadingDone = 1;
        ModTable::Rows() = m_savedRows;
        TIniFile::FlushCache();
    }

    // A file in the mod folder.
    QString ModFile(const QString& name) const { return ModDir + QLatin1Char('/') + name; }
    QString ProgramFile(const QString& rel) const { return Program.Path(rel); }

    static QByteArray Read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static bool Exists(const QString& path) { return QFile::exists(path); }

    // Types text into a widget as the user would (key presses with text).
    static void Type(QWidget* w, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    static void Key(QWidget* w, int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    }

    FakeHalfLife HL;
    ProgramFolder Program;
    ScriptedDialogs Dialogs;
    QString ModDir;

private:
    struct {
        QString AppPath, HLPath, HLExe, SelectedMod, SelectedBot, AutoStart, Dedicated, HLKeyFr,
            CloseQOR;
    } m_saved;
    QVector<TModRow> m_savedRows;
};
