#include "mods/svinstagib/USVInstaGib.h"

#include "mods/common/GameSettings.h"
#include "mods/common/ModWriters.h"
#include "mods/common/TeamPanel.h"
#include "mods/svinstagib/UFSVInstaGib.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

namespace USVInstaGib {

namespace {

TModTraits SVInstaGibTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("SVInstaGib");
    s.Prefix = QStringLiteral("SV");
    s.Title = QStringLiteral("SV Insta Gib");
    s.ShortName = QStringLiteral("SVInstaGib");
    s.DefaultModel = QStringLiteral("gordon");
    s.DefaultDll = QStringLiteral("dm.dll");
    s.ForbiddenNameChars = QStringLiteral("<>");   // besides the one name rule
    s.MapComFile = QStringLiteral("mapcom.ini");
    s.Models = TModelSource::PlayerModels;
    s.HasChatPage = false;
    s.ChatKeys = false;
    s.AkimbotSliders = false;
    s.AkimbotLines = false;
    s.ValveMaps = true;
    s.DefaultsEmptyMapCycle = true;
    // "waypt" lists only the maps with a waypoint file and marks none.
    s.WaypointKey.clear();
    s.RequiredWaypointKey = QStringLiteral("waypt");
    s.LegendKeys = {QStringLiteral("waypt")};
    s.Profile.DeathmatchStockMaps = true;
    s.Profile.PreviewFollows = true;
    return s;
}

TFSVInstaGib* Window(TModWindow& w)
{
    return qobject_cast<TFSVInstaGib*>(&w);
}

// A beam channel: a whole number before the first "." moves its slider (and repaints the
// swatch); anything else leaves it as it was.
TCvarRow Channel(const char* cvar, const char* control)
{
    TCvarRow row;
    row.Cvar = QString::fromLatin1(cvar);
    row.Control = QString::fromLatin1(control);
    row.Read = TCvarRead::Own;
    row.Written = TCvarWrite::Number;
    const QString name = row.Control;
    row.ReadRule = [name](TModWindow& w, const QString& value) {
        bool ok = false;
        const int v = ModCvars::CutDecimals(value).trimmed().toInt(&ok);
        auto* slider = w.Control<QSlider>(name);
        if (!ok || !slider)
            return;
        {
            const QSignalBlocker block(slider);
            slider->setValue(v);
        }
        if (TFSVInstaGib* sv = Window(w))
            sv->PaintBeam();
    };
    return row;
}

} // namespace

const QStringList& SecondAttackItems()
{
    static const QStringList items{QStringLiteral("Off"), QStringLiteral("Zooming"), QStringLiteral("Charging")};
    return items;
}

QString FunnyValue() { return QStringLiteral("8264"); }

TSVInstaGib::TSVInstaGib() : TModLogic(SVInstaGibTraits()) {}

TCvarTable TSVInstaGib::Cvars() const
{
    auto row = [](const char* cvar) { return GameSettings::Row(QStringLiteral("SV"), QString::fromLatin1(cvar)); };

    TCvarRow sa;
    sa.Cvar = QStringLiteral("sa");
    sa.Control = QStringLiteral("SV_sa");
    sa.Read = TCvarRead::Own;
    sa.Written = TCvarWrite::Own;
    // The whole value is the item's index; one that is no index of the list selects none.
    sa.ReadRule = [](TModWindow& w, const QString& value) {
        auto* c = w.Control<QComboBox>(QStringLiteral("SV_sa"));
        if (!c)
            return;
        bool ok = false;
        const int v = value.trimmed().toInt(&ok);
        const QSignalBlocker block(c);
        c->setCurrentIndex(ok && v >= 0 && v < c->count() ? v : -1);
    };
    // The chooser takes typing: the text shown names the item, and a text that names none is
    // written as "-1", as no choice is.
    sa.WriteRule = [](const TModWindow& w) {
        const auto* c = w.Control<QComboBox>(QStringLiteral("SV_sa"));
        const QString text = c ? c->currentText().trimmed() : QString();
        return QString::number(SecondAttackItems().indexOf(QRegularExpression(
            QStringLiteral("^") + QRegularExpression::escape(text) + QStringLiteral("$"),
            QRegularExpression::CaseInsensitiveOption)));
    };

    TCvarRow nextshot;
    nextshot.Cvar = QStringLiteral("nextshot");
    nextshot.Control = QStringLiteral("SV_nextshot");
    nextshot.Read = TCvarRead::Own;
    nextshot.Written = TCvarWrite::Own;
    // Free text, kept as read; a quote would end the value early in game.cfg, so none is kept.
    nextshot.ReadRule = [](TModWindow& w, const QString& value) {
        if (auto* e = w.Control<QLineEdit>(QStringLiteral("SV_nextshot"))) {
            const QSignalBlocker block(e);
            e->setText(QString(value).remove(QLatin1Char('"')));
        }
    };
    nextshot.WriteRule = [](const TModWindow& w) {
        const auto* e = w.Control<QLineEdit>(QStringLiteral("SV_nextshot"));
        return e ? e->text().remove(QLatin1Char('"')) : QString();
    };

    TCvarRow funny;
    funny.Cvar = QStringLiteral("funny");
    funny.Control = QStringLiteral("SV_funny");
    funny.Read = TCvarRead::Own;
    funny.Written = TCvarWrite::Fixed;
    funny.Literal = FunnyValue();
    funny.ReadRule = [](TModWindow& w, const QString& value) {
        if (value == FunnyValue())
            ModControls::SetCheck(w.Control<QCheckBox>(QStringLiteral("SV_funny")), true);
    };
    funny.When = [](const TModWindow& w) {
        const auto* c = w.Control<QCheckBox>(QStringLiteral("SV_funny"));
        return c && c->isChecked();
    };

    return {
        ModCvars::TeamListRow(),
        row("mp_fraglimit"),
        row("mp_timelimit"),
        row("mp_falldamage"),
        ModCvars::TeamplayRow(),
        row("mp_friendlyfire"),
        row("mp_forcerespawn"),
        row("mp_footsteps"),
        row("mp_flashlight"),
        row("mp_autocrosshair"),
        ModCvars::Check(QStringLiteral("hook"), QStringLiteral("SV_hook"), QStringLiteral("0")),
        ModCvars::Check(QStringLiteral("headshotpoints"), QStringLiteral("SV_headshotpoints")),
        ModCvars::Check(QStringLiteral("shootthroughwalls"), QStringLiteral("SV_shootthroughwalls")),
        sa,
        nextshot,
        Channel("gaussr", "SV_gaussr"),
        Channel("gaussg", "SV_gaussg"),
        Channel("gaussb", "SV_gaussb"),
        funny,
    };
}

void TSVInstaGib::ReadGameCfg()
{
    if (TModWindow* w = Form())
        ModControls::SetCheck(w->Control<QCheckBox>(QStringLiteral("SV_funny")), false);
    TModLogic::ReadGameCfg();
}

QStringList TSVInstaGib::LiblistLines(const QString& dll) const
{
    using ModWriters::LiblistLine;
    const QString site = QStringLiteral("www.planethalflife.com/svinstagib");
    return {
        LiblistLine(QStringLiteral("gamedir"), QStringLiteral("svinstagib")),
        LiblistLine(QStringLiteral("game"), QStringLiteral("SV Insta Gib")),
        LiblistLine(QStringLiteral("url_info"), site),
        LiblistLine(QStringLiteral("//url_dl"), site),
        LiblistLine(QStringLiteral("version"), QStringLiteral("1.1")),
        LiblistLine(QStringLiteral("size"), QStringLiteral("4612000")),
        LiblistLine(QStringLiteral("svonly"), QStringLiteral("1")),
        LiblistLine(QStringLiteral("cldll"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("hlversion"), QStringLiteral("1108")),
        LiblistLine(QStringLiteral("type"), QStringLiteral("SP+MP")),
        LiblistLine(QStringLiteral("mpentity"), QStringLiteral("info_player_deathmatch")),
        ModWriters::GameDllLine(dll),
        LiblistLine(QStringLiteral("nomodels"), QStringLiteral("0")),
        LiblistLine(QStringLiteral("//rating"), QStringLiteral("9.9")),
    };
}

QStringList TSVInstaGib::BotFileTrailer(const TBotFileContext& c) const
{
    if (c.Section != QLatin1String("SV Bot"))
        return TModLogic::BotFileTrailer(c);
    // The first bot's name as its entry wrote it (cleaned the same way).
    QString name;
    if (c.SpawnBot >= 1 && c.Template.contains(QLatin1String("<name>")))
        name = ModWriters::FillTemplate(QStringLiteral("<name>"), Placeholders(c.SkillKey), c.Store, 1).join(QString());
    return {QStringLiteral("kick (1)") + name};
}

TSVInstaGib& Logic()
{
    static TSVInstaGib logic;
    return logic;
}

} // namespace USVInstaGib

void RegisterMod_svinstagib() { RegisterModWindow<TFSVInstaGib>(USVInstaGib::Logic(), FSVInstaGib); }
