#include "engine/network/win32/DdeReports.h"

namespace tav {

TDdeReports::TDdeReports(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)) {}

void TDdeReports::ApplyArgs(Args& args) {
    TAV_CREATE(RemoteControlData, {.Service = std::move(args.Service),
                                   .OnOpen = Handler(&TDdeReports::RemoteControlDataOpen),
                                   .OnClose = Handler(&TDdeReports::RemoteControlDataClose)});
    TAV_CREATE(TavriloDDEServer, {.ServerConv = RemoteControlData});
}

void TDdeReports::SetDdeText(const std::string& text) {
    TavriloDDEServer->SetText(text);
}

void TDdeReports::RemoteControlDataOpen(TObject*) {
    open_ = true;
}

void TDdeReports::RemoteControlDataClose(TObject*) {
    // One client leaving does not cut the reports of another that is still connected.
    if (RemoteControlData->Conversations() == 0)
        open_ = false;
}

} // namespace tav
