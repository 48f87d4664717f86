#include "ui/UCommLine.h"

#include <QRegularExpression>

#include "core/UInit.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "ui/AuxStyle.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

TCommLine::TCommLine(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("CommLine"));
    setWindowTitle(QStringLiteral("Additional commands"));
    setModal(true);
    setFixedSize(406, 110);
    AuxStyle::PaintBackground(this);
    // The layout was made for Arial 13 px; fontconfig puts its metric twin in where Arial is
    // missing, so the one-line label still fits.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    setFont(font);

    m_label = new QLabel(
        QStringLiteral("Here you can type any commands that will be set when HL starts."), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setGeometry(8, 8, 390, 20);
    m_label->setWordWrap(false);

    m_textLine = new QLineEdit(this);
    m_textLine->setObjectName(QStringLiteral("TextLine"));
    m_textLine->setGeometry(8, 36, 390, 24);

    m_apply = AuxStyle::MakeButton(QStringLiteral("Apply"), QStringLiteral("BApply"), this);
    m_apply->setGeometry(160, 70, 87, 30);
    m_apply->setDefault(true);
    m_apply->setAutoDefault(true);
    connect(m_apply, &QPushButton::clicked, this, &TCommLine::BApplyClick);
}

void TCommLine::showEvent(QShowEvent* event)
{
    // Loaded once per opening: reloading on every activation would throw away what the user
    // typed whenever the refusal message closes.
    if (!m_loaded) {
        m_loaded = true;
        FormActivate();
    }
    if (parentWidget() && parentWidget()->window() && !event->spontaneous()) {
        const QWidget* owner = parentWidget()->window();
        move(owner->frameGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TCommLine::FormActivate()
{
    const TIniFile ini(UInit::AppFile(QStringLiteral("QOR.ini")));
    m_textLine->setText(ini.ReadString(QStringLiteral("QOR"), QStringLiteral("Command"), QString()));
}

QString TCommLine::ReservedWordIn(const QString& text)
{
    // The launch sets these itself; a second copy on the command line would fight with it. Each
    // later hit replaces the earlier one, so "map" wins over "maxplayers".
    // Only whole commands count ("+map", "-Console"), whatever their case: "+exec mymaps.cfg"
    // or "+mapcyclefile x" set nothing of the launch's.
    static const char* const words[] = {"console", "game", "sv_lan", "maxplayers", "connect", "map"};
    QStringList commands;
    for (const QString& token : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        if (token.size() > 1 && (token.startsWith(QLatin1Char('+')) || token.startsWith(QLatin1Char('-'))))
            commands << token.mid(1);
    QString found;
    for (const char* word : words) {
        const QString w = QString::fromLatin1(word);
        if (commands.contains(w, Qt::CaseInsensitive))
            found = w;
    }
    return found;
}

void TCommLine::BApplyClick()
{
    const QString text = m_textLine->text();
    const QString word = ReservedWordIn(text);
    if (!word.isEmpty()) {
        Dialogs::ShowError(QStringLiteral("The command '") + word +
                               QStringLiteral("' is already used by QOR. Please remove it from your command line."),
                           this);
        return;
    }
    TIniFile ini(UInit::AppFile(QStringLiteral("QOR.ini")));
    if (!ini.WriteString(QStringLiteral("QOR"), QStringLiteral("Command"), text)) {
        Dialogs::ShowError(QStringLiteral("Can't write ") +
                               QDir::toNativeSeparators(ini.FileName()) + QStringLiteral("."),
                           this);
        return;
    }
    accept();
}
