#pragma once
// The Sci-hunt settings window: the template's Game, Maps and Bots pages with the mod's own
// controls, and its A.I., Bots Chat, Arsenals and Waypoints pages.
#include "mods/common/ModWindow.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TFScihunt : public TModWindow {
    Q_OBJECT
public:
    explicit TFScihunt(QWidget* owner);
    ~TFScihunt() override;

    // The three file-name edits (bots, chat and arsenal files, each a bare name in its folder).
    QLineEdit* SH_botfile = nullptr;
    QLineEdit* SH_chatfile = nullptr;
    QLineEdit* SH_weapfileloc = nullptr;
    QPlainTextEdit* SH_Chatkill = nullptr;
    QPlainTextEdit* SH_Chatdied = nullptr;
    QPlainTextEdit* SH_Arsenal = nullptr;
    QComboBox* SH_realistic = nullptr;
    QCheckBox* SH_botchat = nullptr;
    QCheckBox* SH_WayMode = nullptr;
    QRadioButton* SH_waypoints = nullptr;
    TNumberEdit* SH_botparam1 = nullptr;   // pants colour, slot 3
    TNumberEdit* SH_botparam2 = nullptr;   // shirt colour, slot 4
    QComboBox* SH_makewp = nullptr;
    QComboBox* SH_makewpj = nullptr;
    QComboBox* SH_remwp = nullptr;
    QComboBox* SH_writewpfile = nullptr;
    QPushButton* SH_BEditDef = nullptr;

    // Handlers of the mod's own controls.
    void SH_botfileChange();
    void SH_chatfileChange();
    void SH_weapfilelocChange();
    // The three file choosers: the open-file dialog in the file's folder; an existing file
    // chosen puts its bare name into the edit (nothing is copied).
    void ChooseFile(QLineEdit* edit, const QString& folder, const QString& filter);
    void SH_WayModeClick();
    void SH_realisticChange();
    void SH_Add_Weapon_Click(const QString& caption);
    void SH_Add_Ammo_Click(const QString& caption);
    void SH_AClearClick();
    void SH_ASaveClick();
    void SH_BEditDefClick();

protected:
    void BuildGamePage(QWidget* page) override;
    void BuildExtraPages(QTabWidget* pages) override;

private:
    QWidget* NewPage(QTabWidget* pages, const QString& name, const QString& caption);
    QPlainTextEdit* AddMemo(QWidget* parent, const QString& name, int x, int y, int w, int h);
    QSlider* AddSlider(QWidget* parent, const QString& name, int minimum, int maximum, int x, int y,
                       int w, const QString& hint = QString());
    QLineEdit* AddFileEdit(QWidget* parent, const QString& name, int x, int y, int w,
                           const QString& folder, const QString& filter);
    void BuildAIPage(QWidget* page);
    void BuildChatPage(QWidget* page);
    void BuildArsenalPage(QWidget* page);
    void BuildWaypointsPage(QWidget* page);
    void AdaptMapsPage();
    void AdaptBotsPage();
};

extern QPointer<TFScihunt> FScihunt;
