#pragma once
// The system's fonts, read ahead. Before the first text can be drawn, fontconfig parses its
// configuration files and font caches, and Qt then lists every installed font into its font
// database; together they take a good part of the program's start, and neither needs the main
// thread. So a thread of its own reads the configuration while the application connects to the
// display, and fills Qt's font database once the application exists (Qt's database is shared by
// all threads and guarded by its own lock), while the main thread makes the first window.
// Nobody waits for it: should the main thread ask for a font before the thread is done, it
// waits for Qt's lock, or (before the application exists) fontconfig reads the configuration
// there too and keeps whichever is ready first. Where the program is built without fontconfig
// this does nothing.
#include <condition_variable>
#include <mutex>
#include <thread>

namespace FontPreload {

class TPreload {
public:
    TPreload();    // starts the thread
    ~TPreload();
    TPreload(const TPreload&) = delete;
    TPreload& operator=(const TPreload&) = delete;

    // Returns once the thread is done.
    void Wait();

private:
    friend class TDatabaseFill;
    void ApplicationReady();

    enum class TState { Waiting, Ready, Cancelled };

    std::mutex m_mutex;
    std::condition_variable m_changed;
    TState m_state = TState::Waiting;
    std::thread m_thread;
};

// Made right after the application object and gone before it: lets the thread fill Qt's font
// database, and waits for the thread when it goes, so the database is never filled while the
// application is being taken down.
class TDatabaseFill {
public:
    explicit TDatabaseFill(TPreload& preload) : m_preload(preload) { m_preload.ApplicationReady(); }
    ~TDatabaseFill() { m_preload.Wait(); }
    TDatabaseFill(const TDatabaseFill&) = delete;
    TDatabaseFill& operator=(const TDatabaseFill&) = delete;

private:
    TPreload& m_preload;
};

} // namespace FontPreload
