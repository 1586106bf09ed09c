#pragma once
// The records of the document: commands (remotes share the record type), layouts and action
// items, and the learning samples. Plain data; the document keeps the links between them in step.

#include "engine/document/Code.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tav {

struct TAction;
struct TLayout;
class TCodeStore;

struct TCommand {
    bool Recognition = true;
    bool Typematic = true;
    std::string Sound;           // name of a sound of the settings' sound list; empty = none
    std::int32_t NodeIndex = -1; // absolute depth-first index of the record's tree node
    // The action items whose trigger list holds this command, each once. Not owned.
    std::vector<TAction*> Actions;

    TCommand() = default;
    // A copy would share the document's values without the document knowing of it.
    TCommand(const TCommand&) = delete;
    TCommand& operator=(const TCommand&) = delete;

    // The learned code. The document's code store holds the values and the document sets
    // them, so that the store stays in recognition order.
    std::span<const std::int32_t> Code() const {
        return values_
                   ? std::span(*values_).subspan(codeOffset_, static_cast<std::size_t>(codeCount_))
                   : std::span<const std::int32_t>();
    }
    std::int32_t LastIndex() const { return codeCount_ - 1; } // -1 = empty or not learned
    bool Empty() const { return codeCount_ == 0; }
    int Count() const { return codeCount_; }

private:
    friend class TCodeStore;
    const std::vector<std::int32_t>* values_ = nullptr;
    std::size_t codeOffset_ = 0;
    std::int32_t codeCount_ = 0;
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
    TCode Code;
    bool Matched = false;
};

struct TLearnQueue {
    std::array<TInQueueArray, 4> Samples;
    int LastSample = -1; // -1 = none
};

} // namespace tav
