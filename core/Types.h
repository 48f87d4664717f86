#pragma once
// The shared record types of the program.
#include <QString>
#include <array>

// One bot of a mod's bot list: slot 0 name ("nom"), 1 model ("modele"), 2 skill, 3 and 4 two
// mod parameters, 5..24 further values of the mod's own.
struct TBot {
    static constexpr int Slots = 25;
    std::array<QString, Slots> s;
    QString& operator[](int i) { return s[static_cast<size_t>(i)]; }
    const QString& operator[](int i) const { return s[static_cast<size_t>(i)]; }
};

// The 13-slot bot record of a mod that keeps its own (Profile.OwnBotRecords): name, model, skill, speed, memory, sight, shot, aware, reaction,
// wander, hunter, physco, weapon.
struct TRocBot {
    std::array<QString, 13> s;
    QString& operator[](int i) { return s[static_cast<size_t>(i)]; }
    const QString& operator[](int i) const { return s[static_cast<size_t>(i)]; }
};

struct TCVar {
    QString Name;
};

struct TKey {
    QString DisplayName;  // shown in key choosers
    QString HLKey;        // written into bind lines
};
