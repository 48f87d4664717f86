#pragma once
// "Additional commands": free text appended to the game's command line, kept in QOR.ini
// [QOR] "Command".
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

class TCommLine : public QDialog {
    Q_OBJECT
public:
    explicit TCommLine(QWidget* parent = nullptr);

    // Fills TextLine from QOR.ini [QOR] "Command".
    void FormActivate();
    // Refuses a text holding a word the launch itself sets; otherwise stores it and closes.
    void BApplyClick();

    // The reserved word the text holds (the last one found in the test order), or "".
    static QString ReservedWordIn(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_label = nullptr;
    QLineEdit* m_textLine = nullptr;
    QPushButton* m_apply = nullptr;
    bool m_loaded = false;
};
