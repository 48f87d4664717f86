#pragma once
// What every file-reader harness needs: a headless application, a scratch folder in memory,
// dialogs that answer without blocking, and a check that stops the run on a broken promise.
#include "platform/Dialogs.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace Fuzz {

// A promise of the code under test does not hold: say which and stop, so libFuzzer keeps the
// input as a crash.
[[noreturn]] inline void Violation(const char* what, const QString& detail = QString())
{
    std::fprintf(stderr, "\n==== round-trip violation: %s\n%s\n", what, qPrintable(detail));
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                             \
    do {                                                                                          \
        if (!(condition))                                                                         \
            ::Fuzz::Violation(#condition, (detail));                                              \
    } while (false)

// Every dialog is answered at once: messages are noted, confirmations say "yes".
class TQuietDialogs : public Dialogs::IProvider {
public:
    void Message(Dialogs::TKind, const QString& text, QWidget*) override { Shown << text; }
    bool Confirm(const QString& text, QWidget*) override
    {
        Shown << text;
        return true;
    }
    QString SelectFolder(const QString&, const QString&, QWidget*) override { return QString(); }
    bool SelectColor(QColor&, QWidget*) override { return false; }
    QString OpenFile(const QString&, const QString&, QWidget*) override { return QString(); }
    QStringList Shown;
};

struct TWorld {
    // Never destroyed: the run ends with the process, and Qt's widgets must not be torn down
    // by static destructors after the platform plugin is gone.
    QApplication* App = nullptr;
    std::unique_ptr<QTemporaryDir> Dir;
    TQuietDialogs Dialogs;
};

inline TWorld& World()
{
    static TWorld world;
    return world;
}

// Call from LLVMFuzzerInitialize: the application, the scratch folder (in /dev/shm when there
// is one, so the file round trips cost no disk) and the dialogs.
inline void Init(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TWorld& w = World();
    const QString shm = QStringLiteral("/dev/shm");
    w.Dir = std::make_unique<QTemporaryDir>(
        (QDir(shm).exists() ? shm : QDir::tempPath()) + QStringLiteral("/qorvane-fuzz-XXXXXX"));
    if (!w.Dir->isValid())
        std::abort();
    // The program's own temporary files (the bot store's working copy) go there too.
    const QString temp = w.Dir->filePath(QStringLiteral("tmp"));
    QDir().mkpath(temp);
    qputenv("TMPDIR", temp.toLocal8Bit());
    // The settings store of the program must never be the user's own.
    qputenv("QORVANE_REGISTRY", w.Dir->filePath(QStringLiteral("registry.ini")).toLocal8Bit());
    w.App = new QApplication(*argc, *argv);
    Dialogs::SetProvider(&w.Dialogs);
}

inline QString Scratch(const QString& rel = QString())
{
    return rel.isEmpty() ? World().Dir->path() : World().Dir->filePath(rel);
}

// A copy of the program's data/ folder, as an installed program folder holds it.
inline QString MakeProgramFolder(const QString& rel)
{
    const QString root = World().Dir->filePath(rel);
    QDirIterator it(QStringLiteral(QORVANE_DATA_DIR), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    const QDir source(QStringLiteral(QORVANE_DATA_DIR));
    QDir().mkpath(root);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = root + QLatin1Char('/') + source.relativeFilePath(path);
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!QFile::copy(path, target))
            std::abort();
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
    return root;
}

inline void Put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
}

inline QByteArray Get(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// True for one input in every `every`, the same one each time it runs: the file round trips,
// dearer than the reading from memory, run on that share of the inputs.
inline bool Sampled(const QByteArray& input, uint every)
{
    return qHash(input) % every == 0;
}

// For messages: the text with its control characters visible.
inline QString Shown(const QString& s)
{
    QString out;
    for (QChar c : s)
        out += c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0)
                   ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                   : QString(c);
    return out;
}

inline QString Shown(const QStringList& l)
{
    QStringList parts;
    for (const QString& s : l)
        parts << QLatin1Char('"') + Shown(s) + QLatin1Char('"');
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

} // namespace Fuzz
