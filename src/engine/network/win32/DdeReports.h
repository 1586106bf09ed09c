#pragma once
// The DDE side of the reports of each fired command. Clients open a conversation on the topic
// "RemoteControlData" of the program's service and request or advise the item
// "TavriloDDEServer", whose text is the report of the last command fired while a conversation
// was open.

#include "framework/win32/Dde.h"

#include <string>

namespace tav {

class TDdeReports : public TComponent {
public:
    struct Args {
        std::string Service; // DdeServiceName of the program's file
    };
    TDdeReports(TComponent* owner, std::string name);
    static TDdeReports* Construct(TComponent* owner, std::string name, Args&) {
        return new TDdeReports(owner, std::move(name));
    }
    void ApplyArgs(Args& args);

    // The DDE half of the recognizer's report port.
    bool DdeOpen() const { return open_; }
    void SetDdeText(const std::string& text);

    // New and Open: reports stop until a client opens a conversation again.
    void DocumentReset() { open_ = false; }

    TDdeServerConv* RemoteControlData = nullptr;
    TDdeServerItem* TavriloDDEServer = nullptr;

private:
    void RemoteControlDataOpen(TObject* sender);
    void RemoteControlDataClose(TObject* sender);

    bool open_ = false;
};

} // namespace tav
