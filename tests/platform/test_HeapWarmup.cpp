#include "platform/HeapWarmup.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#ifdef __linux__
#include <sys/mman.h>
#include <sys/utsname.h>
#include <unistd.h>
#endif

// The warm-up faults in pages of the heap itself, and only there: what the program keeps in the
// heap meanwhile and afterwards is the program's.
TEST(HeapWarmupTest, FaultsInTheTopOfTheHeapAndLeavesItsMemoryToTheProgram)
{
    HeapWarmup::TWarmup warmup;
    if (warmup.Size() == 0)
        GTEST_SKIP() << "no heap warm-up on this system";
#ifdef __linux__
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(maps.readAll());
    const QRegularExpressionMatch heap =
        QRegularExpression(QStringLiteral("^([0-9a-f]+)-([0-9a-f]+) rw-p .*\\[heap\\]$"),
                           QRegularExpression::MultilineOption)
            .match(text);
    ASSERT_TRUE(heap.hasMatch()) << text.toStdString();
    const auto begin = std::uintptr_t(warmup.Begin());
    EXPECT_GE(begin, heap.captured(1).toULongLong(nullptr, 16));
    EXPECT_LE(begin + warmup.Size(), heap.captured(2).toULongLong(nullptr, 16));

    // Allocations are served while the thread runs and keep what was written into them.
    std::vector<std::vector<char>> blocks;
    for (int i = 0; i < 64; ++i)
        blocks.emplace_back(std::size_t(48) << 10, char('a' + i % 26));
    const bool populated = warmup.Populated();
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(std::count(blocks[i].begin(), blocks[i].end(), char('a' + i % 26)), 48 << 10) << i;

    utsname system{};
    int major = 0, minor = 0;
    if (uname(&system) == 0)
        std::sscanf(system.release, "%d.%d", &major, &minor);
    if (major < 5 || (major == 5 && minor < 14))
        GTEST_SKIP() << "the kernel " << system.release << " cannot fault pages in ahead";
    ASSERT_TRUE(populated);
    std::vector<unsigned char> resident(warmup.Size() / std::size_t(sysconf(_SC_PAGESIZE)));
    ASSERT_EQ(mincore(warmup.Begin(), warmup.Size(), resident.data()), 0);
    EXPECT_EQ(std::count_if(resident.begin(), resident.end(), [](unsigned char r) { return r & 1; }),
              std::ptrdiff_t(resident.size()));
#endif
}
