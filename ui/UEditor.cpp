#include "ui/UEditor.h"

#include "core/UInit.h"
#include "core/UQOR_Settings.h"
#include "platform/Dialogs.h"
#include "ui/AuxStyle.h"
#include "ui/ModalRunner.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

// Windows paths compare without regard to case or separator style.
bool SamePath(const QString& a, const QString& b)
{
    return QDir::cleanPath(FileSys::NormalizeSeparators(a))
               .compare(QDir::cleanPath(FileSys::NormalizeSeparators(b)), Qt::CaseInsensitive)
        == 0;
}

} // namespace

TEditor::TEditor(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Editor"));
    setWindowTitle(QStringLiteral("File Editor"));
    setModal(true);
    setFixedSize(351, 407);
    AuxStyle::PaintBackground(this);

    m_hint = new QLabel(QStringLiteral("For a list and description of all commands, refer to\n"
                                       "the readme.txt file in your mod directory."),
                        this);
    m_hint->setObjectName(QStringLiteral("Label1"));
    m_hint->setGeometry(6, 4, 341, 32);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo"));
    m_memo->setGeometry(5, 40, 341, 321);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    m_cancel = AuxStyle::MakeButton(QStringLiteral("Cancel"), QStringLiteral("B_Edit_Cancel"), this);
    m_cancel->setGeometry(8, 369, 87, 30);
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &TEditor::B_Edit_CancelClick);

    m_delete = AuxStyle::MakeButton(QStringLiteral("Delete File"), QStringLiteral("BitBtnWithColor1"), this);
    m_delete->setGeometry(132, 369, 87, 30);
    m_delete->setAutoDefault(false);
    connect(m_delete, &QPushButton::clicked, this, &TEditor::BitBtnWithColor1Click);

    m_save = AuxStyle::MakeButton(QStringLiteral("Save"), QStringLiteral("BEdit_Save"), this);
    m_save->setGeometry(256, 369, 87, 30);
    // Enter in the memo is a line break; Save is the default only for the buttons' row.
    m_save->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &TEditor::BEdit_SaveClick);
}

void TEditor::LoadFile(const QString& path)
{
    m_hint->setVisible(!SamePath(path, FileSys::JoinPath(UInit::AppPath, QStringLiteral("bot_names.txt"))));

    m_memo->clear();
    m_encoding = FileSys::TEncoding::Utf8;
    bool readable = true;
    const QString onDisk = FileSys::Resolve(path);
    if (FileSys::FileExists(onDisk)) {
        QStringList lines;
        QString error;
        // Every line keeps its line end in the memo, so an unchanged save gives the same lines
        // back (a trailing empty line included).
        if (FileSys::ReadLines(onDisk, lines, &m_encoding, &error)) {
            m_memo->setPlainText(lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        } else {
            // The empty memo is not the file: saving it would wipe what could not be read.
            readable = false;
            Dialogs::ShowError(error.isEmpty() ? QStringLiteral("Can't read ") + path : error, this);
        }
    }
    m_save->setEnabled(readable);
    setWindowTitle(path);
    m_path = path;
}

void TEditor::Edit_File(const QString& path, QWidget* parent)
{
    // Parented, so that closing it while the main window is hidden does not end the program.
    if (!parent)
        parent = QApplication::activeWindow();
    TEditor editor(parent);
    editor.LoadFile(path);
    // Centred on the screen, not over its owner: a mod window may stand anywhere.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        editor.move(screen->availableGeometry().center() - editor.rect().center());
    ModalRunner::Run(editor);
}

void TEditor::BEdit_SaveClick()
{
    QStringList lines = UQOR::MemoText(m_memo).split(QLatin1Char('\n'));
    // A final line break ends the last line rather than starting another: "a<NL>" is one line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QString error;
    if (!FileSys::WriteLines(FileSys::Resolve(m_path), lines, m_encoding, &error)) {
        // The editor stays open, so the text is not lost.
        Dialogs::ShowError(error.isEmpty() ? QStringLiteral("Can't save ") + m_path : error, this);
        return;
    }
    accept();
}

void TEditor::BitBtnWithColor1Click()
{
    if (Dialogs::Confirm(QStringLiteral("Are you sure you want to delete ") + m_path + QStringLiteral(" ?"), this)) {
        const QString onDisk = FileSys::Resolve(m_path);
        if (FileSys::FileExists(onDisk) && !FileSys::DeleteFile(onDisk))
            Dialogs::ShowError(QStringLiteral("Can't delete ") + m_path, this);
    }
    reject();
}

void TEditor::B_Edit_CancelClick()
{
    reject();
}
