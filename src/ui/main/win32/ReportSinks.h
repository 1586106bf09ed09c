#pragma once
// The recognizer's report port in the running program: its DDE half and its TCP half. It holds
// the main window's members that will point to the two components, so the recognizer can be
// made before them (the TCP sockets feed the recognizer's own receiver).

#include "engine/network/win32/DdeReports.h"
#include "engine/network/win32/TcpSockets.h"
#include "engine/recognition/RecognitionPorts.h"

namespace tav {

class TReportSinks : public IReportSinks {
public:
    TReportSinks(TDdeReports* const& dde, TTcpSockets* const& tcp) : dde_(dde), tcp_(tcp) {}
    bool DdeOpen() const override { return dde_->DdeOpen(); }
    void SetDdeText(const std::string& text) override { dde_->SetDdeText(text); }
    void SendInfoLine(const std::string& line) override { tcp_->SendInfoLine(line); }
    void ClearReplySocket() override { tcp_->ClearReplySocket(); }

private:
    TDdeReports* const& dde_;
    TTcpSockets* const& tcp_;
};

} // namespace tav
