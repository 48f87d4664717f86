#pragma once
// Stand-in for the shell's "open": starts a program with a parameter string and a working
// folder, without any shell (the string is split into arguments, nothing in it is interpreted).
// A Windows .exe that cannot run natively runs through wine when wine is on the PATH.
// Anything else that is not executable (readme.txt) opens with the desktop's handler.
#include <QString>
#include <QStringList>
#include <functional>

namespace Shell {

struct TRequest {
    QString File;        // as asked: may be relative to WorkDir
    QString Parameters;  // the raw parameter string
    QString WorkDir;
};

// Splits a parameter string the way the game's command-line parser does: blanks separate,
// double quotes group (and are removed).
QStringList SplitParameters(const QString& parameters);

// Starts File (detached). False when nothing could start it; error then says why.
bool Open(const TRequest& request, QString* error = nullptr);

// Tests replace the real starter (for instance to record document opens); pass {} to restore.
using TStarter = std::function<bool(const TRequest&, QString* error)>;
void SetStarter(TStarter starter);

// Tests see which document would open with the desktop's handler (true: it opened); pass {}
// to restore the desktop's handler. Programs are still started for real.
using TDocumentOpener = std::function<bool(const QString& path)>;
void SetDocumentOpener(TDocumentOpener opener);

} // namespace Shell
