#pragma once
// "Game Directory": where the user names the Half-Life folder and the game executable.
#include <QDialog>
#include <QString>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

class TRep : public QDialog {
    Q_OBJECT
public:
    explicit TRep(QWidget* parent = nullptr);

    // Runs once, on the first showing: checks the path the dialog was opened with.
    void FormActivate();
    void RB_HLClick();
    void RB_CSClick();
    // A typed change: takes the text as the Half-Life path without checking it yet.
    void HLDirChange(const QString& text);
    // The folder button: asks for a folder, takes it and checks it at once.
    void HLDirBrowseClick();
    void BApplyClick();
    void BCancelClick();
    // True when the executable exists in the path; otherwise tells the user (when a path was
    // given) and empties the path and the field.
    bool Valide_HLExe();

    // Esc and the window's close button do what Cancel does.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SetFieldText(const QString& text);

    QLabel* m_question = nullptr;
    QRadioButton* m_rbHL = nullptr;
    QRadioButton* m_rbCS = nullptr;
    QLabel* m_labLocation = nullptr;
    QLabel* m_labExe = nullptr;
    QLineEdit* m_hlDir = nullptr;
    QToolButton* m_browse = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_cancel = nullptr;

    QString m_savedPath;   // what was in force when the dialog was created, for Cancel
    QString m_savedExe;
    bool m_activated = false;
};
