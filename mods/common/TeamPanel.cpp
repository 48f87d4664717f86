#include "mods/common/TeamPanel.h"

#include "core/UInit.h"
#include "core/UQOR.h"
#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"
#include "ui/NumberEdit.h"
#include "ui/UPreview.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

TTeamPanel::TTeamPanel(TModWindow& window, const QString& stem, int count)
    : QObject(&window), m_window(window), m_stem(stem), m_count(qMax(2, count))
{
    window.SetTeamPanel(this, this);
}

void TTeamPanel::BuildGameType(QWidget* parent, int x, int y)
{
    DeathMatch = new QRadioButton(QStringLiteral("DeathMatch"), parent);
    DeathMatch->setObjectName(m_window.Prefixed(QStringLiteral("deathmatch")));
    DeathMatch->setToolTip(QStringLiteral("Allows you to play a deathmatch"));
    DeathMatch->setGeometry(x, y, 110, 20);
    DeathMatch->setChecked(true);
    Teamplay = new QRadioButton(QStringLiteral("Teamplay"), parent);
    Teamplay->setObjectName(m_window.Prefixed(QStringLiteral("teamplay")));
    Teamplay->setToolTip(QStringLiteral("Allows you to play a teams match"));
    Teamplay->setGeometry(x, y + 24, 110, 20);
    m_window.DeclareTemplateControl(DeathMatch);
    m_window.DeclareTemplateControl(Teamplay);
    BuildNumTeam(parent, x + 120, y, m_count);

    connect(DeathMatch, &QRadioButton::clicked, this, &TTeamPanel::SetGameType);
    connect(Teamplay, &QRadioButton::clicked, this, &TTeamPanel::SetGameType);
}

void TTeamPanel::BuildGameTypeChooser(QWidget* parent, int x, int y, const QStringList& items,
                                      int numTeamMaximum)
{
    GameType = new QComboBox(parent);
    GameType->setObjectName(m_window.Prefixed(QStringLiteral("Teamplay")));
    GameType->addItems(items);
    GameType->setCurrentIndex(0);
    GameType->setGeometry(x, y + 22, 130, 22);
    m_window.DeclareTemplateControl(GameType);
    BuildNumTeam(parent, x + 150, y, numTeamMaximum > 0 ? numTeamMaximum : m_count);
    connect(GameType, &QComboBox::activated, this, &TTeamPanel::SetGameType);
}

void TTeamPanel::BuildNumTeam(QWidget* parent, int x, int y, int maximum)
{
    LabelNumTeam = m_window.AddLabel(parent, m_window.Prefixed(QStringLiteral("label_numteam")),
                                     QStringLiteral("Number of teams"), x, y + 2, 110);
    NumTeam = new TNumberEdit(2, qMax(2, maximum), 2, parent);
    NumTeam->setObjectName(m_window.Prefixed(QStringLiteral("numteam")));
    NumTeam->setToolTip(QStringLiteral("Maximum number of teams in your game"));
    NumTeam->SetTypingDisabled(true);
    NumTeam->SetValue(2);
    NumTeam->setGeometry(x, y + 22, 50, 22);
    NumTeam->installEventFilter(this);
    LabelNumTeam->setEnabled(false);
    NumTeam->setEnabled(false);
    m_window.DeclareTemplateControl(LabelNumTeam);
    m_window.DeclareTemplateControl(NumTeam);
    connect(NumTeam, &TNumberEdit::Edited, this, &TTeamPanel::NumTeamChange);
}

void TTeamPanel::BuildTeams(QWidget* parent, int x, int y, int rowHeight)
{
    const int top = y;
    for (int k = 1; k <= m_count; ++k) {
        const QString caption = k == 1 ? QStringLiteral("Your Team") : QStringLiteral("Team %1").arg(k);
        QLabel* label = m_window.AddLabel(parent, m_window.Prefixed(QStringLiteral("label_team%1").arg(k)),
                                          caption, x, y + 3, 70);
        // A user's choice marks the mod modified (AddCombo) and shows the team in the preview.
        QComboBox* team = m_window.AddCombo(parent, m_stem + QString::number(k), {}, x + 74, y, 130,
                                            QStringLiteral("Select a team name"));
        team->installEventFilter(this);
        connect(team, &QComboBox::activated, this, [this, team] { TeamChooserClick(team); });
        label->setEnabled(false);
        team->setEnabled(false);
        m_window.DeclareTemplateControl(label);
        m_window.DeclareTemplateControl(team);
        Labels << label;
        Teams << team;
        y += rowHeight;
    }
    OpenPreview = m_window.AddButton(parent, QStringLiteral("Open_Preview"), QStringLiteral("\u25A3"),
                                     x + 210, top, 28, 26);
    OpenPreview->setToolTip(QStringLiteral("Open team model preview"));
    m_window.DeclareTemplateControl(OpenPreview);
    connect(OpenPreview, &QPushButton::clicked, this, &TTeamPanel::OpenPreviewClick);
}

bool TTeamPanel::IsTeamplay() const
{
    if (Teamplay && Teamplay->isChecked())
        return true;
    const int type = GameTypeIndex();
    return TeamGameTypes.isEmpty() ? type > 0 : TeamGameTypes.contains(type);
}

int TTeamPanel::GameTypeIndex() const
{
    return GameType ? GameType->currentIndex() : -1;
}

void TTeamPanel::SetGameTypeIndex(int index)
{
    if (!GameType || index < 0 || index >= GameType->count())
        return;
    {
        const QSignalBlocker block(GameType);
        GameType->setCurrentIndex(index);
    }
    ApplyGameType();
}

void TTeamPanel::SetGameType()
{
    ApplyGameType();
    m_window.Modif_Param();
}

void TTeamPanel::SetTeamEnabled(int k, bool on)
{
    if (k < 1 || k > Teams.size())
        return;
    QComboBox* team = Teams[k - 1];
    if (!on && ClearDisabledTeams) {
        const QSignalBlocker block(team);
        team->setCurrentIndex(-1);
    }
    team->setEnabled(on);
    Labels[k - 1]->setEnabled(on);
}

void TTeamPanel::ApplyGameType()
{
    if (!IsTeamplay()) {
        for (QWidget* w : std::initializer_list<QWidget*>{LabelNumTeam, NumTeam})
            if (w)
                w->setEnabled(false);
        for (int k = 1; k <= Teams.size(); ++k) {
            Teams[k - 1]->setEnabled(false);
            Labels[k - 1]->setEnabled(false);
        }
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{LabelNumTeam, NumTeam})
        if (w)
            w->setEnabled(true);
    SetTeamEnabled(1, true);
    SetTeamEnabled(2, true);
    EnableTeams();
}

void TTeamPanel::EnableTeams()
{
    const int n = NumTeam ? NumTeam->ClampedValue(2) : 2;
    // Every team above the number goes, not only the next one: the number may come from a
    // file or a team list rather than one arrow step.
    for (int k = 3; k <= Teams.size(); ++k)
        SetTeamEnabled(k, k <= n);
}

void TTeamPanel::NumTeamChange()
{
    if (UInit::LoadingDone != 1 || !IsTeamplay())
        return;
    EnableTeams();
    m_window.Modif_Param();
}

void TTeamPanel::OpenPreviewClick()
{
    if (!UInit::PreviewOpen)
        UPreview::OpenPreview(&m_window);
    if (!Teams.isEmpty())
        ShowTeamPreview(Teams.first());
}

void TTeamPanel::TeamChooserClick(QComboBox* chooser)
{
    ShowTeamPreview(chooser);
}

void TTeamPanel::ShowTeamPreview(QComboBox* chooser)
{
    if (!chooser || chooser->currentIndex() < 0 || !UInit::PreviewOpen || !Preview)
        return;
    const int n = static_cast<int>(Teams.indexOf(chooser)) + 1;
    if (n < 1)
        return;
    const QString model = chooser->currentText();
    Preview->setWindowTitle(QStringLiteral("Team ") + QString::number(n) + QStringLiteral(" - ") + model);
    Preview->ShowPicture(UQOR::GetModelPicturePath(model));
}

void TTeamPanel::FillTeams(const QStringList& models)
{
    for (QComboBox* team : Teams)
        UInit::ReplaceChooserItems(team, models);
}

int TTeamPanel::FindTeamIndex(const QString& name) const
{
    if (Teams.isEmpty())
        return -1;
    // Every team chooser lists the same models.
    const QComboBox* models = Teams.first();
    const QString wanted = name.trimmed().toLower();
    for (int i = 0; i < models->count(); ++i)
        if (models->itemText(i).trimmed().toLower() == wanted)
            return i;
    return -1;
}

void TTeamPanel::ApplyTeamList(const QString& list)
{
    const QStringList parts = list.split(QLatin1Char(';'));
    const int k = static_cast<int>(parts.size());
    for (int i = 0; i < k && i < Teams.size(); ++i) {
        const QSignalBlocker block(Teams[i]);
        Teams[i]->setCurrentIndex(FindTeamIndex(parts[i]));
    }
    // Names beyond the choosers are counted; the field shows the most it can hold.
    if (NumTeam) {
        const QSignalBlocker block(NumTeam);
        NumTeam->SetValue(qBound(NumTeam->Minimum(), k, NumTeam->Maximum()));
    }
    if (IsTeamplay())
        EnableTeams();
}

QString TTeamPanel::TeamList() const
{
    if (Teams.isEmpty())
        return QString();
    QString list = Teams.first()->currentText();
    for (int k = 1; k < Teams.size(); ++k) {
        const QString name = Teams[k]->currentText();
        if (!name.isEmpty())
            list += QLatin1Char(';') + name;
    }
    return list;
}

bool TTeamPanel::HasTwoTeams() const
{
    if (!IsTeamplay())
        return true;
    return Teams.size() >= 2 && Teams[0]->currentIndex() >= 0 && Teams[1]->currentIndex() >= 0;
}

QString TTeamPanel::TwoTeamsMessage()
{
    return QStringLiteral("You must select at least two teams for a teamplay.");
}

bool TTeamPanel::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == NumTeam) {
        // Lowering the number by hand empties the teams it removes; the same change made by
        // the program (a loaded team list) keeps them.
        if (e->type() == QEvent::FocusIn)
            ClearDisabledTeams = true;
        else if (e->type() == QEvent::FocusOut)
            ClearDisabledTeams = false;
    } else if (e->type() == QEvent::FocusIn) {
        if (auto* team = qobject_cast<QComboBox*>(watched); team && Teams.contains(team))
            TeamChooserClick(team);
    }
    return QObject::eventFilter(watched, e);
}

namespace ModCvars {

TCvarRow TeamListRow(const QString& cvar)
{
    TCvarRow row;
    row.Cvar = cvar;
    row.Read = TCvarRead::Own;
    row.Written = TCvarWrite::Own;
    row.ReadRule = [](TModWindow& w, const QString& value) {
        if (w.TeamPanel)
            w.TeamPanel->PendingTeamList = value;
    };
    row.WriteRule = [](const TModWindow& w) {
        return w.TeamPanel ? w.TeamPanel->TeamList() : QString();
    };
    return row;
}

TCvarRow TeamplayRow(const QString& cvar)
{
    TCvarRow row;
    row.Cvar = cvar;
    row.Read = TCvarRead::Own;
    row.Written = TCvarWrite::Own;
    row.ReadRule = [](TModWindow& w, const QString& value) {
        TTeamPanel* p = w.TeamPanel;
        if (p && p->GameType) {
            // A later mp_ctf "1" is not undone by an mp_teamplay line after it.
            if (UInit::TextToBool(value) && p->GameTypeIndex() == 0)
                p->SetGameTypeIndex(1);
            return;
        }
        if (!p || !p->Teamplay || !p->DeathMatch)
            return;
        // One of the two is always selected, so the window never shows no game type at all.
        const bool teamplay = UInit::TextToBool(value);
        if (teamplay == p->IsTeamplay())
            return;
        QRadioButton* on = teamplay ? p->Teamplay : p->DeathMatch;
        {
            const QSignalBlocker block(on);
            on->setChecked(true);
        }
        p->SetGameType();
    };
    row.WriteRule = [](const TModWindow& w) {
        return w.TeamPanel && w.TeamPanel->IsTeamplay() ? QStringLiteral("1") : QStringLiteral("0");
    };
    return row;
}

TCvarRow CtfRow(const QString& cvar)
{
    TCvarRow row;
    row.Cvar = cvar;
    row.Read = TCvarRead::Own;
    row.Written = TCvarWrite::Own;
    row.ReadRule = [](TModWindow& w, const QString& value) {
        if (w.TeamPanel && UInit::TextToBool(value))
            w.TeamPanel->SetGameTypeIndex(2);
    };
    row.WriteRule = [](const TModWindow& w) {
        return w.TeamPanel && w.TeamPanel->IsCtf() ? QStringLiteral("1") : QStringLiteral("0");
    };
    return row;
}

} // namespace ModCvars
