#pragma once
// Every message box, confirmation, folder and colour choice goes through here, so tests can
// answer from a script and read back every text shown.
#include <QColor>
#include <QString>

class QWidget;

namespace Dialogs {

enum class TKind { Error, Warning, Information, Confirmation, Folder, Color, OpenFile };

class IProvider {
public:
    virtual ~IProvider() = default;
    virtual void Message(TKind kind, const QString& text, QWidget* parent) = 0;
    virtual bool Confirm(const QString& text, QWidget* parent) = 0;          // Yes -> true
    // Empty result: cancelled.
    virtual QString SelectFolder(const QString& caption, const QString& start, QWidget* parent) = 0;
    virtual bool SelectColor(QColor& color, QWidget* parent) = 0;           // false: cancelled
    // The path of an existing file chosen in folder; filter as Qt writes it ("Config file
    // (*.cfg)"). Empty result: cancelled.
    virtual QString OpenFile(const QString& folder, const QString& filter, QWidget* parent) = 0;
};

void ShowError(const QString& text, QWidget* parent = nullptr);
void ShowWarning(const QString& text, QWidget* parent = nullptr);
void ShowInfo(const QString& text, QWidget* parent = nullptr);
bool Confirm(const QString& text, QWidget* parent = nullptr);
QString SelectFolder(const QString& caption, const QString& start, QWidget* parent = nullptr);
bool SelectColor(QColor& color, QWidget* parent = nullptr);
QString OpenFile(const QString& folder, const QString& filter, QWidget* parent = nullptr);

// Replaces the Qt dialogs (tests); nullptr restores them. The provider is not owned.
void SetProvider(IProvider* provider);
// The installed replacement, or nullptr while the Qt dialogs are in use.
IProvider* Provider();

} // namespace Dialogs
