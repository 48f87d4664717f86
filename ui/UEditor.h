#pragma once
// "File Editor": a plain text editor for one file (bot_names.txt, a map's .cfg, a mod's
// configuration file).
#include <QDialog>
#include <QString>

#include "platform/FileSys.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TEditor : public QDialog {
    Q_OBJECT
public:
    explicit TEditor(QWidget* parent = nullptr);

    // Opens the editor on a file, modally, and releases it afterwards. A missing file opens
    // empty; Save creates it. Without a parent the active window owns the editor.
    static void Edit_File(const QString& path, QWidget* parent = nullptr);

    // Fills the editor for a path (what Edit_File does before showing it).
    void LoadFile(const QString& path);
    const QString& FilePath() const { return m_path; }

    void BEdit_SaveClick();
    void BitBtnWithColor1Click();   // "Delete File"
    void B_Edit_CancelClick();

private:
    QLabel* m_hint = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_save = nullptr;

    QString m_path;
    FileSys::TEncoding m_encoding = FileSys::TEncoding::Utf8;
};
