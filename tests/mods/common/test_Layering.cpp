// The template's include structure, read from its sources: the units of mods/common depend one
// way (the window and the team panel on the logic, the logic on the rows beneath it), so none can
// be changed or tested without the ones above it. A stray include compiles; only this catches it.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <functional>

#include <gtest/gtest.h>

namespace {

const QString kRoot = QStringLiteral(QORVANE_SOURCE_DIR);
const QString kCommon = QStringLiteral("mods/common/");

// The project headers a file includes, directly or through other project headers.
QSet<QString> Reached(const QString& file, QSet<QString> seen = {})
{
    QFile f(kRoot + QLatin1Char('/') + file);
    if (!f.open(QIODevice::ReadOnly))
        return seen;
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);
    for (auto it = include.globalMatch(QString::fromUtf8(f.readAll())); it.hasNext();) {
        const QString header = it.next().captured(1);
        if (!seen.contains(header) && QFile::exists(kRoot + QLatin1Char('/') + header)) {
            seen.insert(header);
            seen = Reached(header, seen);
        }
    }
    return seen;
}

// Unit -> the units of mods/common whose header it reaches.
QMap<QString, QStringList> UnitGraph()
{
    const QStringList units = QDir(kRoot + QLatin1Char('/') + kCommon)
                                  .entryList({QStringLiteral("*.cpp")}, QDir::Files)
                                  .replaceInStrings(QStringLiteral(".cpp"), QString());
    QMap<QString, QStringList> graph;
    for (const QString& unit : units) {
        const QSet<QString> reached = Reached(kCommon + unit + QStringLiteral(".cpp"));
        for (const QString& other : units)
            if (other != unit && reached.contains(kCommon + other + QStringLiteral(".h")))
                graph[unit] << other;
    }
    return graph;
}

TEST(TemplateLayers, NoUnitDependsOnOneThatDependsOnIt)
{
    const QMap<QString, QStringList> graph = UnitGraph();
    ASSERT_TRUE(graph.contains(QStringLiteral("ModWindow")));
    // Depth-first: a unit met again while it is still on the path closes a circle.
    QMap<QString, int> state;   // 1 on the path, 2 done
    QStringList path;
    QStringList circles;
    std::function<void(const QString&)> visit = [&](const QString& unit) {
        state[unit] = 1;
        path << unit;
        for (const QString& next : graph.value(unit)) {
            if (state.value(next) == 1)
                circles << (path.mid(path.indexOf(next)) << next).join(QStringLiteral(" -> "));
            else if (state.value(next) == 0)
                visit(next);
        }
        path.removeLast();
        state[unit] = 2;
    };
    for (auto it = graph.keyBegin(); it != graph.keyEnd(); ++it)
        if (state.value(*it) == 0)
            visit(*it);
    EXPECT_TRUE(circles.isEmpty()) << circles.join(QLatin1Char('\n')).toStdString();
}

TEST(TemplateLayers, TheLogicReachesNeitherTheWindowNorTheTeamPanelNorUi)
{
    for (const QString& file : {QStringLiteral("ModLogic.h"), QStringLiteral("ModLogic.cpp")}) {
        for (const QString& header : Reached(kCommon + file)) {
            EXPECT_NE(header, kCommon + QStringLiteral("ModWindow.h")) << file.toStdString();
            EXPECT_NE(header, kCommon + QStringLiteral("TeamPanel.h")) << file.toStdString();
            EXPECT_FALSE(header.startsWith(QStringLiteral("ui/")))
                << file.toStdString() << " reaches " << header.toStdString();
        }
    }
}

} // namespace
