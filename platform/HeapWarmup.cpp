#include "platform/HeapWarmup.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__) && defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#define QORVANE_HEAP_WARMUP 1
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23   // Linux 5.14; older kernels refuse it and nothing happens
#endif
#endif

namespace HeapWarmup {

namespace {

constexpr std::size_t kKept = std::size_t(8) << 20;
constexpr std::size_t kGrowth = std::size_t(4) << 20;
constexpr std::size_t kFaulted = std::size_t(2) << 20;

} // namespace

TWarmup::TWarmup()
{
#ifdef QORVANE_HEAP_WARMUP
    if (mallopt(M_MMAP_THRESHOLD, int(kKept)) != 1 || mallopt(M_TRIM_THRESHOLD, int(kKept)) != 1)
        return;
    // One block as large as the growth wanted, given back at once: the heap grows by it and keeps
    // it as free space at its top, which the next allocations are cut from, lowest address first.
    char* const before = static_cast<char*>(sbrk(0));
    void* volatile block = std::malloc(kGrowth);
    std::free(block);
    char* const after = static_cast<char*>(sbrk(0));
    if (before == reinterpret_cast<char*>(-1) || after <= before)
        return;   // the heap could not grow where it was (malloc then maps memory of its own)
    const std::uintptr_t page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const std::uintptr_t begin = (std::uintptr_t(before) + page - 1) & ~(page - 1);
    const std::uintptr_t end = std::min(std::uintptr_t(after), begin + kFaulted) & ~(page - 1);
    if (end <= begin)
        return;
    m_begin = reinterpret_cast<char*>(begin);
    m_size = std::size_t(end - begin);
    // Faulting writes no byte: what the main thread has meanwhile put there stays.
    m_thread = std::thread([this] { m_populated = madvise(m_begin, m_size, MADV_POPULATE_WRITE) == 0; });
#endif
}

bool TWarmup::Populated()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_populated;
}

TWarmup::~TWarmup()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace HeapWarmup
