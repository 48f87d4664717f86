#include "mods/common/RhoBot.h"

#include "mods/common/BotFiles.h"
#include "mods/common/ModWriters.h"

#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QSet>

namespace RhoBot {

namespace {

const QString kDefault = QStringLiteral("Default");
const QString kTab2 = QStringLiteral("\t\t");

QString Section(int i) { return QStringLiteral("Bot ") + QString::number(i); }

QString Quoted(const QString& v) { return QLatin1Char('"') + v + QLatin1Char('"'); }

bool Write(const QString& path, const QStringList& lines, QString& error)
{
    QString why;
    if (FileSys::WriteLines(path, lines, FileSys::TEncoding::Utf8, &why))
        return true;
    error = why.isEmpty() ? QStringLiteral("Can't write ") + QDir::toNativeSeparators(path) + QStringLiteral(".")
                          : why;
    return false;
}

} // namespace

QStringList BotNames(const TIniFile& store, int spawnBots)
{
    QStringList names;
    for (int i = 1; i <= spawnBots; ++i) {
        // Rho-Bot finds a bot's file by the name botcycle.txt gives it: both are the same safe name.
        names << BotFileName(store.ReadString(Section(i), QStringLiteral("nom"), QString()), i);
    }
    return names;
}

QString BotFileName(const QString& name, int botNumber)
{
    return BotFiles::FileStem(name, QStringLiteral("NewBot") + QString::number(botNumber));
}

QStringList CfgLines(const TIniFile& store, int spawnBots, const TFlavour& flavour)
{
    const QString skill = ModWriters::StoredNumber(store, kDefault, flavour.SkillKey, QStringLiteral("0"));
    const QString chat = flavour.ChatFromStore
                             ? ModWriters::StoredNumber(store, kDefault, QStringLiteral("chatfreq"), QStringLiteral("50"))
                             : QStringLiteral("50");
    return {QStringLiteral("//"),
            QStringLiteral("echo \"Rhobot.cfg Loaded\""),
            QStringLiteral("//"),
            QStringLiteral("// Default number of bots [0 to 32]"),
            QStringLiteral("bot_number ") + QString::number(spawnBots),
            QStringLiteral("//"),
            QStringLiteral("// Bot skill level [0 to 100]"),
            QStringLiteral("bot_skill ") + skill,
            QStringLiteral("//"),
            QStringLiteral("// Bot skill level auto adjust [0 - off, 1 - on]"),
            QStringLiteral("bot_skill_aa 1"),
            QStringLiteral("//"),
            QStringLiteral("// Bot jumping propensity [0 to 100]"),
            QStringLiteral("bot_jump 50"),
            QStringLiteral("//"),
            QStringLiteral("// Bot chat modifier [0 to 100]"),
            QStringLiteral("bot_chat ") + chat,
            QStringLiteral("//"),
            QStringLiteral("// Bot movement speed"),
            QStringLiteral("bot_speed 300"),
            QStringLiteral("//"),
            QStringLiteral("// Color of Bots blood [0-random, 1-Green, 2-Blue, 3-Red, 4-Yellow]"),
            QStringLiteral("bot_blood 3"),
            QStringLiteral("//"),
            QStringLiteral("// allow spectators"),
            QStringLiteral("allow_spectators 1"),
            QStringLiteral("//"),
            QStringLiteral("//  allow bot chat"),
            QStringLiteral("mp_botchat 1"),
            QStringLiteral("//"),
            QStringLiteral("// Debug variables"),
            QStringLiteral("bot_observer 0")};
}

QStringList BotLines(const TIniFile& store, int botNumber, const QString& name, const TFlavour& flavour)
{
    const QString s = Section(botNumber);
    auto value = [&](const QString& key, const QString& def) { return store.ReadString(s, key, def); };
    // Colours, traits and weapon preferences are numbers: one that is none is the key left out.
    auto number = [&](const QString& key, const QString& def) { return ModWriters::StoredNumber(store, s, key, def); };
    QStringList lines{QStringLiteral("//"), QStringLiteral("// Rho-Bot name, model, and model colors"),
                      QStringLiteral("//"),
                      QStringLiteral("bot_name") + kTab2 + Quoted(name),
                      QStringLiteral("bot_model") + kTab2 + Quoted(value(QStringLiteral("modele"), QStringLiteral("gordon"))),
                      QStringLiteral("bot_top_color") + kTab2 + Quoted(number(QStringLiteral("param2"), flavour.TopDefault)),
                      QStringLiteral("bot_bottom_color") + kTab2 + Quoted(number(QStringLiteral("param1"), flavour.BottomDefault)),
                      QStringLiteral("//"), QStringLiteral("// Rho-Bot traits"), QStringLiteral("//")};
    for (const char* trait : {"jump", "accuracy", "aggression", "perception", "reflexes"})
        lines << QStringLiteral("bot_trait_") + QString::fromLatin1(trait) + kTab2 +
                     number(QString::fromLatin1(trait).toUpper(), QStringLiteral("1"));
    lines << QStringLiteral("//") << flavour.WeaponHeading << QStringLiteral("//");
    for (const auto& [line, key] : flavour.Weapons)
        lines << line + kTab2 + number(key, QStringLiteral("1"));
    return lines;
}

bool WriteFiles(const QString& dir, const TIniFile& store, int spawnBots, const TFlavour& flavour,
                QString& error)
{
    const QStringList names = BotNames(store, spawnBots);
    QStringList files;
    QSet<QString> seen;
    for (int i = 0; i < names.size(); ++i) {
        const QString file = names[i] + QStringLiteral(".cfg");
        // One file per bot: a second bot of the same name would silently replace the first one's
        // settings and come into the game twice.
        if (seen.contains(file.toLower())) {
            error = QStringLiteral("Two bots are named \"") + names[i] +
                    QStringLiteral("\": Rho-Bot keeps one file per bot name. Rename one of them.");
            return false;
        }
        seen.insert(file.toLower());
        files << file;
    }

    const QString root = FileSys::Resolve(dir);
    const QString cfgDir = FileSys::Resolve(FileSys::JoinPath(root, QStringLiteral("cfg")));
    const QString botsDir = FileSys::Resolve(FileSys::JoinPath(root, QStringLiteral("bots")));
    for (const QString& d : {cfgDir, botsDir}) {
        if (!FileSys::DirectoryExists(d) && !FileSys::MakeDirs(d)) {
            error = QStringLiteral("Can't create the folder ") + QDir::toNativeSeparators(d) + QStringLiteral(".");
            return false;
        }
    }
    if (!Write(FileSys::JoinPath(cfgDir, QStringLiteral("rhobot.cfg")), CfgLines(store, spawnBots, flavour), error))
        return false;
    for (int i = 0; i < names.size(); ++i)
        if (!Write(FileSys::JoinPath(botsDir, files[i]), BotLines(store, i + 1, names[i], flavour), error))
            return false;
    if (!Write(FileSys::JoinPath(root, QStringLiteral("botcycle.txt")), names, error))
        return false;
    // Only now, with every new file in place, the files of the bots that are no longer played go.
    for (const QString& old : FileSys::ListFiles(botsDir, QStringLiteral("*.cfg")))
        if (!seen.contains(old.toLower()) && !FileSys::DeleteFile(FileSys::JoinPath(botsDir, old))) {
            error = QStringLiteral("Can't delete ") +
                    QDir::toNativeSeparators(FileSys::JoinPath(botsDir, old)) + QStringLiteral(".");
            return false;
        }
    return true;
}

} // namespace RhoBot
