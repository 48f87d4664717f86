#pragma once
// The system's fonts, read ahead. Before the first text can be drawn, fontconfig parses its
// configuration files and font caches, and Qt then lists every installed font into its font
// database; together they take a good part of the program's start, and neither needs the main
// thread. So a thread of its own reads the configuration while the application connects to the
// display, and fills Qt's font database once the application exists (Qt's database is shared by
// all threads and guarded by its own lock), while the main thread makes the first window.
//
// The configuration the thread reads also sets aside the Type 1 copy of every face that is
// installed in a second outline format as well (the URW fonts that stand in for Arial come as
// Type 1 and as CFF files of the same design): Qt takes whichever copy it lists first, and
// FreeType opens a Type 1 face at about twice the cost, on the main thread, before the first
// text shows. A face that is there only as Type 1 stays.
//
// The main thread takes the configuration when the application exists, before any font is
// asked for, and waits for it there if the thread is not done yet (it would otherwise read the
// configuration itself). Where the program is built without fontconfig this does nothing.
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace FontPreload {

// One font file as fontconfig lists it.
struct TFace {
    std::string Family;   // the first family name
    int Weight = 0;
    int Slant = 0;
    int Width = 0;
    std::string Format;   // "Type 1", "CFF", "TrueType", ...
    std::string File;
};

// The Type 1 files among faces whose family, weight, slant and width are also there as CFF or
// TrueType (family names compared without case).
std::vector<std::string> SlowDuplicates(const std::vector<TFace>& faces);

// What the configuration is told to set aside for those files: "<folder>/*" for a folder whose
// every font file is one of them, else the file itself (a name holding "*" or "?" is left be).
std::vector<std::string> SetAsideGlobs(const std::vector<TFace>& faces);

// The font files the process's current fontconfig configuration offers (empty without
// fontconfig).
std::vector<TFace> OfferedFaces();

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
    bool m_configRead = false;
    void* m_config = nullptr;   // the configuration read, until the main thread takes it
    std::thread m_thread;
};

// Made right after the application object and gone before it: gives the process the
// configuration the thread read, lets the thread fill Qt's font database, and waits for the
// thread when it goes, so the database is never filled while the application is being taken
// down.
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
