// The serial origins in the main window: the receiver and console ports, the receiver's
// start-up steps and the power notifications around them.

#include "ui/main/win32/MainForm.h"

#include "framework/win32/Seams.h"

namespace tav {

void TMainForm::CreateSerialOrigins() {
    comPort2Link_ = std::make_unique<TSerialPortLink>(*ComPort2);
    uirTimerPort_ = std::make_unique<TTimerPort>(*UIRTimer);
    auto messageBox = [this](const std::string& text, const std::string& caption, unsigned flags) {
        return SerialMessageBox(text, caption, flags);
    };
    driverOrigins_ = std::make_unique<TDriverOrigins>(TDriverOriginLinks{
        settings_, road_->Receiver(), RunningDriverPlatform(), MakeDriverThreadReader, vxdDriver_,
        [this] { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(Handle())); },
        messageBox});
    serialReceiver_ = std::make_unique<TSerialReceiver>(TSerialReceiverLinks{
        settings_, serialModes_, road_->Receiver(), *comPortLink_, *uirTimerPort_,
        [this](unsigned ms) { UIRTimer->SetInterval(ms); }, counter_,
        static_cast<ISerialHost&>(*this), messageBox,
        [this](bool active) { return driverOrigins_->OpenDriverReceiver(active); }, errors_});
    deviceDefaults_ = std::make_unique<TDeviceDefaults>(
        settings_, serialModes_,
        RunningDriverPlatform() == TDriverPlatform::Win9x ? kPlatformWin9x : kPlatformNt,
        [this](unsigned ms) { TypematicTimer->SetInterval(ms); });
    serialConsole_ = std::make_unique<TSerialConsole>(settings_, road_->Receiver(), *comPort2Link_,
                                                      static_cast<ISerialHost&>(*this), messageBox);
    powerOrigins_ = std::make_unique<TPowerOrigins>(
        settings_, [this] { return EnableOriginMenu->Checked(); },
        [this](bool active) { return road_->Origins().StartOrigins(active); });
}

void TMainForm::CreateActionRoad() {
    keysLink_ = std::make_unique<TKeySenderLink>(*SendKeys);
    mixerLink_ = std::make_unique<TAudioMixerLink>(*Mixer);
    comPortLink_ = std::make_unique<TSerialPortLink>(*ComPort);
    comPortDataLink_ = std::make_unique<TSerialPortLink>(*ComPortData);
    actionRoad_ = std::make_unique<TActionRoad>(
        document_, settings_,
        TActionRoadParts{*keysLink_, *mixerLink_, *comPortLink_, *comPortDataLink_, *Osd,
                         static_cast<IOriginSwitch&>(*this), messageLists_, actionLabels_,
                         *ActionTimer, errors_});
}

void TMainForm::ActionTimerTimer(TObject*) {
    actionRoad_->ActionTimer().ActionTimerTimer();
}

void TMainForm::ComPortRxChar(TObject*, std::int32_t count) {
    serialReceiver_->ComPortRxChar(ReadWaiting(*ComPort, count));
}

void TMainForm::ComPortRLSDChange(TObject*, bool on) {
    serialReceiver_->ComPortRLSDChange(on);
}

void TMainForm::UIRTimerTimer(TObject*) {
    serialReceiver_->UIRTimerTimer();
}

void TMainForm::ComPort2RxChar(TObject*, std::int32_t count) {
    serialConsole_->ComPort2RxChar(ReadWaiting(*ComPort2, count));
}

int TMainForm::SerialMessageBox(const std::string& text, const std::string& caption,
                                unsigned flags) {
    ShowWithMessages();
    return ShowMessageBox(text, caption, flags);
}

void TMainForm::Beep() {
    MessageBeep(0);
}

void TMainForm::SetHighPriority(bool high) {
    SetPriorityClass(GetCurrentProcess(), high ? HIGH_PRIORITY_CLASS : NORMAL_PRIORITY_CLASS);
}

void TMainForm::SetTimeOutInterval(unsigned ms) {
    TypematicTimer->SetInterval(ms);
}

void TMainForm::ApplyDeviceDefaults(int row, int portKind) {
    deviceDefaults_->ApplyDeviceDefaults(row, portKind);
}

// The search takes the receiver's port over: the origins stop first.
void TMainForm::FindReceiver(std::function<void(std::int32_t com)> found) {
    road_->Origins().StartOrigins(false);
    serialReceiver_->OnPortFound = std::move(found);
    serialReceiver_->FindUIRPort(1);
}

// A receiver that a search left running on the port found closes with the origins, which the
// search had stopped.
void TMainForm::EndReceiverSearch() {
    serialReceiver_->OnPortFound = nullptr;
    serialReceiver_->StopSearch();
    road_->Origins().StartOrigins(false);
}

} // namespace tav
