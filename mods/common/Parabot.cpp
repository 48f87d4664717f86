#include "mods/common/Parabot.h"

#include "core/UInit.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace Parabot {

namespace {

QString OnOff(const TIniFile& store, const QString& key)
{
    QString out;
    UInit::TextToOnOff(store.ReadString(QStringLiteral("Default"), key, QStringLiteral("0")), out);
    return out;
}

} // namespace

QStringList CfgLines(const TIniFile& store, int spawnBots, bool peaceFromStore)
{
    const QString peace = peaceFromStore ? OnOff(store, QStringLiteral("botdontshoot")) : QStringLiteral("off");
    return {QStringLiteral("MinPlayers = ") + QString::number(qMax(0, spawnBots) + 1),
            QStringLiteral("PeaceMode = ") + peace,
            QStringLiteral("RestrictedWeaponMode = ") + OnOff(store, QStringLiteral("RestrictedWeaponMode")),
            QStringLiteral("MinAimSkill = 1"),
            QStringLiteral("MaxAimSkill = 10"),
            QStringLiteral("BotChat = ") + OnOff(store, QStringLiteral("BotChat")),
            QStringLiteral("ChatFile = \"ChatEnglish.txt\""),
            QStringLiteral("AlwaysRespond = ") + OnOff(store, QStringLiteral("AlwaysRespond"))};
}

bool WriteCfg(const QString& path, const TIniFile& store, int spawnBots, bool peaceFromStore,
              QString& error)
{
    const QString file = FileSys::Resolve(path);
    if (!FileSys::DirectoryExists(QFileInfo(file).absolutePath())) {
        error = QStringLiteral("Can't write ") + QDir::toNativeSeparators(file) +
                QStringLiteral(": the folder ") + QDir::toNativeSeparators(QFileInfo(file).absolutePath()) +
                QStringLiteral(" does not exist (is Parabot installed?).");
        return false;
    }
    QString why;
    if (!FileSys::WriteLines(file, CfgLines(store, spawnBots, peaceFromStore), FileSys::TEncoding::Utf8, &why)) {
        error = why.isEmpty() ? QStringLiteral("Can't write ") + QDir::toNativeSeparators(file) + QStringLiteral(".")
                              : why;
        return false;
    }
    return true;
}

} // namespace Parabot
