#pragma once
// The records of the document: commands (remotes share the record type), layouts and action
// items, and the learning samples. Plain data; the document keeps the links between them in step.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tav {

struct TAction;
struct TLayout;

// Every code has room for this many values; `LastIndex` is at most kLastCodeIndex.
inline constexpr int kCodeCapacity = 1001;
inline constexpr int kLastCodeIndex = kCodeCapacity - 1;

struct TCommand {
    // These three stand in front of the values so that rejecting a code during recognition
    // usually touches a single cache line of the record.
    std::int32_t LastIndex = -1; // index of the last value; -1 = empty or not learned
    bool Recognition = true;
    bool Typematic = true;
    std::array<std::int32_t, kCodeCapacity> Code{};
    std::string Sound;           // name of a sound of the settings' sound list; empty = none
    std::int32_t NodeIndex = -1; // absolute depth-first index of the record's tree node
    // The action items whose trigger list holds this command, each once. Not owned.
    std::vector<TAction*> Actions;

    bool Empty() const { return LastIndex < 0; }
    int Count() const { return LastIndex + 1; }
};

struct TAction {
    std::string Name;
    std::vector<TCommand*> TriggerCommands; // ordered; a command may occur more than once
    int TrigEn = 0;                         // 0 enabled, 1 disabled
    int TrigType = 0;                       // 0 AND (in list order), 1 OR (any one)
    int Progress = -1;                      // next expected trigger; -1 never armed
    std::vector<std::string> ActionStrings;
    int CurrentIndex = -1; // next action string to run
    bool AllAtOnce = false;
    TLayout* Layout = nullptr; // the owner
};

struct TLayout {
    std::string Name;
    std::string WndTitle;    // applies when it occurs in the foreground window's title
    std::string Application; // applies when it occurs in the foreground window's class name
    std::vector<std::unique_ptr<TAction>> Actions;
};

// A learning sample.
struct TInQueueArray {
    TCommand Command;
    bool Matched = false;
};

struct TLearnQueue {
    std::array<TInQueueArray, 4> Samples;
    int LastSample = -1; // -1 = none
};

} // namespace tav
