#include "Dialogs.h"

#include "FileSys.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QWidget>

namespace Dialogs {

namespace {

// Message boxes carry the caption of the window they belong to, or the program's name, as
// the original's did.
QString Caption(QWidget* parent)
{
    if (parent) {
        const QString title = parent->window()->windowTitle();
        if (!title.isEmpty())
            return title;
    }
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Qorvane") : name;
}

class TQtProvider : public IProvider {
public:
    void Message(TKind kind, const QString& text, QWidget* parent) override
    {
        QMessageBox::Icon icon = QMessageBox::Information;
        if (kind == TKind::Error)
            icon = QMessageBox::Critical;
        else if (kind == TKind::Warning)
            icon = QMessageBox::Warning;
        QMessageBox box(icon, Caption(parent), text, QMessageBox::Ok, parent);
        box.exec();
    }

    bool Confirm(const QString& text, QWidget* parent) override
    {
        QMessageBox box(QMessageBox::Question, Caption(parent), text,
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

    QString SelectFolder(const QString& caption, const QString& start, QWidget* parent) override
    {
        // A start folder spelled as on Windows ("C:\") or gone since opens at home instead of
        // wherever the program happened to be started; one spelled in another case is found.
        const QString from = FileSys::DirectoryExists(start) ? FileSys::Resolve(start)
                                                              : QDir::homePath();
        return QFileDialog::getExistingDirectory(parent, caption, from);
    }

    bool SelectColor(QColor& color, QWidget* parent) override
    {
        const QColor chosen = QColorDialog::getColor(color, parent);
        if (!chosen.isValid())
            return false;
        color = chosen;
        return true;
    }

    QString OpenFile(const QString& folder, const QString& filter, QWidget* parent) override
    {
        const QString from = FileSys::DirectoryExists(folder) ? FileSys::Resolve(folder)
                                                               : QDir::homePath();
        return QFileDialog::getOpenFileName(parent, QString(), from, filter);
    }
};

TQtProvider g_qt;
IProvider* g_provider = nullptr;

IProvider& Current()
{
    return g_provider ? *g_provider : g_qt;
}

} // namespace

void ShowError(const QString& text, QWidget* parent)
{
    Current().Message(TKind::Error, text, parent);
}

void ShowWarning(const QString& text, QWidget* parent)
{
    Current().Message(TKind::Warning, text, parent);
}

void ShowInfo(const QString& text, QWidget* parent)
{
    Current().Message(TKind::Information, text, parent);
}

bool Confirm(const QString& text, QWidget* parent)
{
    return Current().Confirm(text, parent);
}

QString SelectFolder(const QString& caption, const QString& start, QWidget* parent)
{
    return Current().SelectFolder(caption, start, parent);
}

bool SelectColor(QColor& color, QWidget* parent)
{
    return Current().SelectColor(color, parent);
}

QString OpenFile(const QString& folder, const QString& filter, QWidget* parent)
{
    return Current().OpenFile(folder, filter, parent);
}

void SetProvider(IProvider* provider)
{
    g_provider = provider;
}

IProvider* Provider()
{
    return g_provider;
}

} // namespace Dialogs
