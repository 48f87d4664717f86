#pragma once
// The variant with teams that several mod windows share (Extreme Fragmatch, SV Insta Gib, Snark
// Wars, Darkmatch, Half-Life Deathmatch, The Gathering ...): the game type (DeathMatch or
// Teamplay), the number of teams, a column of team choosers written as one ";"-separated team
// list, the "at least two teams" check and the team-model preview.
//
// How a mod uses it: create it in BuildGamePage (it sets the window's TeamPanel), place its two
// groups with BuildGameType and BuildTeams, put TeamListRow() and TeamplayRow() into the cvar
// table. The template's FillModelChooser fills the team choosers with the bot-model chooser's
// models (a mod with other team lists calls FillTeams itself), applies the team list read from
// game.cfg at the end of LoadConf, runs the check in CheckConf and closes the preview with the
// window.
//
// Control names: <Prefix>_deathmatch, <Prefix>_teamplay, <Prefix>_label_numteam,
// <Prefix>_numteam, <stem>1..<stem>N with <Prefix>_label_team1..N, Open_Preview, the chooser
// <Prefix>_Teamplay; a mod names them otherwise in TModTraits::TemplateControls.
#include "mods/common/ModCvars.h"
#include "mods/common/ModView.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;
class TModWindow;
class TNumberEdit;

class TTeamPanel : public QObject, public TModTeams {
    Q_OBJECT
public:
    // stem: the team choosers' name without their number ("EF_team", "DM_Team"); count: how
    // many there are (the number of teams runs from 2 to count).
    TTeamPanel(TModWindow& window, const QString& stem, int count);

    // The "Game Type" controls inside parent: the two buttons and the number of teams.
    void BuildGameType(QWidget* parent, int x, int y);
    // The game type as one chooser (<Prefix>_Teamplay) instead of the two buttons: item 0 is
    // DeathMatch, every further item a team game (Rocket Crowbar's Teamplay and Capture the
    // Flag). numTeamMaximum: the highest number of teams the field offers when it runs past the
    // choosers (0: the number of choosers); a number above them enables every chooser.
    void BuildGameTypeChooser(QWidget* parent, int x, int y, const QStringList& items,
                              int numTeamMaximum = 0);
    // The team choosers, one under the other ("Your Team", "Team 2" ...), and the preview button.
    void BuildTeams(QWidget* parent, int x, int y, int rowHeight = 26);

    QRadioButton* DeathMatch = nullptr;
    QRadioButton* Teamplay = nullptr;
    QComboBox* GameType = nullptr;   // BuildGameTypeChooser's chooser
    QLabel* LabelNumTeam = nullptr;
    TNumberEdit* NumTeam = nullptr;
    QVector<QLabel*> Labels;
    QVector<QComboBox*> Teams;
    QPushButton* OpenPreview = nullptr;

    // <XX>_SetGameType (a click on either game-type button): ApplyGameType, then modified.
    void SetGameType();
    // DeathMatch: every team control disabled (the selections stay). Teamplay: the number of
    // teams and teams 1 and 2 enabled, then EnableTeams.
    void ApplyGameType();
    // Teams 1..n enabled and the others disabled (n the number of teams); while the user is in
    // the number field, a team it disables also loses its selection.
    void EnableTeams();
    // The number field's change by the user (only with Teamplay): EnableTeams, modified.
    void NumTeamChange();
    // Replaces every team chooser's items (nothing chosen).
    void FillTeams(const QStringList& models) override;
    // The index of a team name (trimmed, without regard to case) among the team choosers'
    // models; -1 when absent.
    int FindTeamIndex(const QString& name) const;
    // LoadConf's step for the list read from game.cfg: selects, for each ";"-separated name,
    // the matching model (none when absent) in team 1, 2 ...; names beyond the choosers are
    // counted but not shown. Then the number of teams := the number of names (within its
    // bounds) and, with Teamplay, EnableTeams. No change signal is sent.
    void ApplyTeamList(const QString& list);
    // A team chooser's model in the open preview: caption "Team <n> - <model>" and its picture.
    void ShowTeamPreview(QComboBox* chooser);
    // Open_PreviewClick: opens the preview beside the window once, showing team 1.
    void OpenPreviewClick();
    // A team chooser clicked or entered: its model in the preview (when open).
    void TeamChooserClick(QComboBox* chooser);

    // True for every team game: Teamplay, or a chooser item past DeathMatch that is one.
    bool IsTeamplay() const;
    // With the chooser: the items that are team games (team choosers, the two-teams check,
    // mp_teamplay "1"). Empty: every item past DeathMatch (Rocket Crowbar's Capture the Flag is
    // played in teams); a mod whose Capture the Flag has sides of its own names only Teamplay.
    QVector<int> TeamGameTypes;
    // The chooser's item (-1 without a chooser), and its change by the program: no change
    // signal, then ApplyGameType. The third item is Capture the Flag.
    int GameTypeIndex() const;
    void SetGameTypeIndex(int index);
    bool IsCtf() const { return GameTypeIndex() == 2; }
    // The team list written: team 1's name always (even empty), then ";" + each further
    // team's name that is not empty, whatever the game type and the number of teams.
    QString TeamList() const;
    // False with Teamplay when team 1 or team 2 has no selection.
    bool HasTwoTeams() const override;
    static QString TwoTeamsMessage();   // "You must select at least two teams for a teamplay."
    // The check's message as the mod words it.
    QString TwoTeamsText = TwoTeamsMessage();

    // The list read from game.cfg, applied after the bots are read (ApplyTeamList).
    QString PendingTeamList;
    void ForgetTeamList() override { PendingTeamList.clear(); }
    void ApplyPendingTeamList() override { ApplyTeamList(PendingTeamList); }
    QString TwoTeamsCheckText() const override { return TwoTeamsText; }
    // True while the user is in the number field.
    bool ClearDisabledTeams = false;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void SetTeamEnabled(int k, bool on);   // k from 1
    void BuildNumTeam(QWidget* parent, int x, int y, int maximum);

    TModWindow& m_window;
    QString m_stem;
    int m_count;
};

namespace ModCvars {

// mp_teamlist: read into the panel's PendingTeamList, written from its team choosers.
TCvarRow TeamListRow(const QString& cvar = QStringLiteral("mp_teamlist"));
// mp_teamplay: "1" when Teamplay is selected, else "0"; a value read selects the game type it
// names (true Teamplay, anything else DeathMatch) and applies it.
TCvarRow TeamplayRow(const QString& cvar = QStringLiteral("mp_teamplay"));
// mp_ctf (with the game-type chooser): "1" for Capture the Flag, else "0"; a read "1" selects
// Capture the Flag, "0" changes nothing (with the chooser, a read mp_teamplay "1" selects Teamplay
// only from DeathMatch, so the two lines read back whatever their order).
TCvarRow CtfRow(const QString& cvar = QStringLiteral("mp_ctf"));

} // namespace ModCvars
