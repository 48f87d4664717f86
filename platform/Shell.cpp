#include "Shell.h"

#include "FileSys.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace Shell {

namespace {

TStarter g_starter;
TDocumentOpener g_documentOpener;

bool Fail(QString* error, const QString& file, const QString& why)
{
    if (error)
        *error = QStringLiteral("Can't start %1: %2").arg(file, why);
    return false;
}

// Runs natively: executable and either a script ("#!") or an ELF binary. A Windows .exe
// with its exec bit set is not native and still goes through wine.
bool NativelyExecutable(const QString& path)
{
    const QFileInfo fi(path);
    if (!fi.isFile() || !fi.isExecutable())
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(4);
    return head.startsWith("#!") || head == QByteArray("\x7f" "ELF", 4);
}

bool StartDetached(const QString& program, const QStringList& args, const QString& workDir,
                   const QString& shown, QString* error)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(args);
    process.setWorkingDirectory(workDir);
    if (!process.startDetached())
        return Fail(error, shown, process.errorString());
    return true;
}

bool RealOpen(const TRequest& request, QString* error)
{
    const QString shown = QDir::toNativeSeparators(request.File);
    if (request.File.trimmed().isEmpty())
        return Fail(error, QStringLiteral("\"\""), QStringLiteral("no file was given"));

    QString workDir;
    if (!request.WorkDir.isEmpty()) {
        workDir = FileSys::Resolve(request.WorkDir);
        if (!QFileInfo(workDir).isDir())
            return Fail(error, shown,
                        QStringLiteral("the folder %1 does not exist")
                            .arg(QDir::toNativeSeparators(request.WorkDir)));
    }
    const QString normalized = FileSys::NormalizeSeparators(request.File);
    const QString path = FileSys::Resolve(QDir::isAbsolutePath(normalized) || workDir.isEmpty()
                                              ? normalized
                                              : FileSys::JoinPath(workDir, normalized));
    const QFileInfo fi(path);
    if (!fi.isFile())
        return Fail(error, shown, QStringLiteral("the file does not exist"));
    const QString absolute = fi.absoluteFilePath();
    const QString dir = workDir.isEmpty() ? fi.absolutePath() : workDir;
    const QStringList args = SplitParameters(request.Parameters);

    if (NativelyExecutable(absolute))
        return StartDetached(absolute, args, dir, shown, error);

    if (fi.suffix().compare(QStringLiteral("exe"), Qt::CaseInsensitive) == 0) {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty())
            return Fail(error, shown,
                        QStringLiteral("it is a Windows program and wine is not installed"));
        return StartDetached(wine, QStringList{absolute} + args, dir, shown, error);
    }

    const bool opened = g_documentOpener ? g_documentOpener(absolute)
                                         : QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
    if (!opened)
        return Fail(error, shown, QStringLiteral("no program is set up to open it"));
    return true;
}

} // namespace

QStringList SplitParameters(const QString& parameters)
{
    QStringList args;
    QString current;
    bool inArg = false;     // an argument has begun (so "" gives an empty argument)
    bool quoted = false;
    for (QChar c : parameters) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inArg = true;
        } else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t')
                               || c == QLatin1Char('\r') || c == QLatin1Char('\n'))) {
            if (inArg)
                args << current;
            current.clear();
            inArg = false;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (inArg)
        args << current;
    return args;
}

bool Open(const TRequest& request, QString* error)
{
    if (g_starter)
        return g_starter(request, error);
    return RealOpen(request, error);
}

void SetStarter(TStarter starter)
{
    g_starter = std::move(starter);
}

void SetDocumentOpener(TDocumentOpener opener)
{
    g_documentOpener = std::move(opener);
}

} // namespace Shell
