// The build's copy of data/ into the program folder: it follows data/ but never overwrites a
// file that was saved in the program folder (a mod's settings, a bot store).
#include "fixtures/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DataCopy : public ::testing::Test {
protected:
    void Put(const QString& rel, const QByteArray& bytes)
    {
        ASSERT_TRUE(PutBytes(m_dir.filePath(rel), bytes)) << rel.toStdString();
    }
    QByteArray Get(const QString& rel) const { return FileBytes(m_dir.filePath(rel)); }
    // One build's copy; returns what it said.
    QString Copy()
    {
        QProcess cmake;
        cmake.start(QStringLiteral(QORVANE_CMAKE),
                    {"-DSRC=" + m_dir.filePath("data"), "-DDST=" + m_dir.filePath("program"),
                     "-DNOTES=" + m_dir.filePath("notes"), "-P",
                     QStringLiteral(QORVANE_COPY_DATA_SCRIPT)});
        EXPECT_TRUE(cmake.waitForFinished(60000));
        EXPECT_EQ(cmake.exitCode(), 0) << cmake.readAllStandardError().toStdString();
        return QString::fromLocal8Bit(cmake.readAllStandardOutput() + cmake.readAllStandardError());
    }
    QTemporaryDir m_dir;
};

TEST_F(DataCopy, FollowsDataButKeepsWhatWasSavedInTheProgramFolder)
{
    Put("data/Mods/CStrike.ini", "[Default]\r\nnumbot=4\r\n");
    Put("data/Mods/Opera.ini", "[Default]\r\nnumbot=2\r\n");
    Put("data/bot_names.txt", "Alpha\r\n");
    Copy();
    EXPECT_EQ(Get("program/Mods/CStrike.ini"), Get("data/Mods/CStrike.ini"));
    EXPECT_EQ(Get("program/bot_names.txt"), "Alpha\r\n");

    // The user saves Counter-Strike's settings and deletes bot_names.txt; then data/ changes.
    Put("program/Mods/CStrike.ini", "[Default]\r\nnumbot=9\r\n");
    QFile::remove(m_dir.filePath("program/bot_names.txt"));
    Put("data/Mods/CStrike.ini", "[Default]\r\nnumbot=5\r\n");
    Put("data/Mods/Opera.ini", "[Default]\r\nnumbot=3\r\n");
    Put("data/Maps/opera.txt", "new file\r\n");
    const QString said = Copy();

    EXPECT_EQ(Get("program/Mods/CStrike.ini"), "[Default]\r\nnumbot=9\r\n");   // saved: kept
    EXPECT_TRUE(said.contains("Mods/CStrike.ini")) << said.toStdString();
    EXPECT_EQ(Get("program/Mods/Opera.ini"), "[Default]\r\nnumbot=3\r\n");     // untouched: follows
    EXPECT_EQ(Get("program/Maps/opera.txt"), "new file\r\n");                   // new: copied
    EXPECT_EQ(Get("program/bot_names.txt"), "Alpha\r\n");                       // deleted: back

    // Once the saved file equals data/ again, it follows data/ from then on.
    Put("program/Mods/CStrike.ini", "[Default]\r\nnumbot=5\r\n");
    Copy();
    Put("data/Mods/CStrike.ini", "[Default]\r\nnumbot=6\r\n");
    Copy();
    EXPECT_EQ(Get("program/Mods/CStrike.ini"), "[Default]\r\nnumbot=6\r\n");
}

} // namespace
