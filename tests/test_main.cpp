#include "fixtures/ScriptedDialogs.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Window tests need a QApplication; the offscreen platform keeps them headless.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A test that forgets its own store still never reaches the user's real one.
    QTemporaryDir store;
    if (!store.isValid())
        return 1;
    qputenv("QORVANE_REGISTRY", store.filePath(QStringLiteral("registry.ini")).toLocal8Bit());
    QApplication app(argc, argv);
    UnscriptedDialogs noDialogs;
    Dialogs::SetProvider(&noDialogs);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    Dialogs::SetProvider(nullptr);
    return result;
}
