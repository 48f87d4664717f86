#pragma once
// The start's memory, made ready on another processor. Every page the heap grows into is a
// page fault the first time the program writes it, and memory that malloc hands back to the
// system and takes again faults once more, page by page, besides flushing the address
// translations of every processor the program's threads run on. A fresh process pays for all of
// it on the main thread while it builds its first windows; on a virtual machine a fault of a
// fresh page costs several microseconds, and the program's start writes some 1.5 MB of new heap.
//
// So, made first in main, the warm-up keeps what the start frees for reuse (blocks of up to 8 MB
// come from the heap and the heap gives back no less than 8 MB at a time), grows the heap once
// by a few megabytes, and has a thread of its own fault the first 2 MB of that in, while the main
// thread connects to the display. It changes no byte the program writes; where the system cannot
// do it (not glibc, no MADV_POPULATE_WRITE) the thread does nothing.
#include <cstddef>

#include <thread>

namespace HeapWarmup {

class TWarmup {
public:
    TWarmup();   // sets the heap up and starts the thread
    ~TWarmup();  // waits for the thread
    TWarmup(const TWarmup&) = delete;
    TWarmup& operator=(const TWarmup&) = delete;

    // The range the thread faults in (empty where there is none), and whether the system did
    // it (waits for the thread); for the tests.
    char* Begin() const { return m_begin; }
    std::size_t Size() const { return m_size; }
    bool Populated();

private:
    char* m_begin = nullptr;
    std::size_t m_size = 0;
    bool m_populated = false;
    std::thread m_thread;
};

} // namespace HeapWarmup
