// The receiver search: each COM port that opens gets the receiver's start-up, and a receiver
// that answers its init string with "OK" is offered to the user.

#include "engine/serial/PortSettings.h"
#include "engine/serial/SerialReceiver.h"

#include "framework/Text.h"

namespace tav {

namespace {

constexpr const char* kSearchCaption = "Tavrilo configuration";
constexpr const char* kNotFound = "Can't find the device in any of the serial ports";
constexpr const char* kSearchAgain =
    "Can't find the device in any of the serial ports\r\rPlease, connect the device to the "
    "serial port and press 'Yes' if you want to start searching again.\rPress 'No' to stop "
    "searching for the device.";

std::string FoundText(std::int32_t port) {
    return "Device found in COM" + IntToStr(port) +
           ".\r\rPress 'Yes' if you want to configure Tavrilo to work with it or 'Not' to "
           "continue searching.\rPress 'Cancel' to stop searching for the device.";
}

} // namespace

bool TSerialReceiver::FindUIRPort(std::int32_t port) {
    // A receiver that ran comes back if nothing is chosen.
    if (!searching_)
        reopenAfterSearch_ = open_.has_value();
    // The search borrows the receiver's port: the receiver, or the port probed last, goes.
    if (open_)
        Close();
    TSerialLine line = ReadSerialLine(l_.Settings, kReceiverPortSettings);
    for (searchPort_ = port;; ++searchPort_) {
        if (searchPort_ > kLastSearchPort) {
            if (l_.ShowMessage(kSearchAgain, kSearchCaption, kMbYesNo | kMbIconExclamation) !=
                kIdYes) {
                EndSearch();
                return false;
            }
            searchPort_ = 1;
        }
        line.ComNumber = searchPort_;
        try {
            l_.Port.Open(line);
        } catch (...) {
            // A port that does not open is simply not probed.
        }
        if (l_.Port.Connected())
            break;
    }
    l_.Port.Close();
    searching_ = true;
    answer_.clear();
    if (OpenPort(searchPort_))
        return true;
    EndSearch();
    return false;
}

void TSerialReceiver::JudgeAnswer() {
    const bool ok = answer_ == "OK";
    answer_.clear();
    if (ok) {
        const int choice = l_.ShowMessage(FoundText(searchPort_), kSearchCaption,
                                          kMbYesNoCancel | kMbIconInformation);
        if (choice == kIdYes) {
            // The receiver stays open on the port found, which is now its port.
            searching_ = false;
            l_.Settings.SetInt(kReceiverPortSettings.Port, searchPort_);
            if (OnPortFound)
                OnPortFound(searchPort_);
            return;
        }
        if (choice == kIdCancel) {
            EndSearch();
            return;
        }
    }
    ProbeNextPort();
}

// The probed port has no receiver to offer: the next one, or after COM8 the end of the search.
void TSerialReceiver::ProbeNextPort() {
    if (searchPort_ + 1 > kLastSearchPort) {
        l_.ShowMessage(kNotFound, kSearchCaption, kMbOk | kMbIconExclamation);
        EndSearch();
        return;
    }
    FindUIRPort(searchPort_ + 1);
}

void TSerialReceiver::StopSearch() {
    if (searching_)
        EndSearch();
}

// Nothing was chosen: the probe goes, and the receiver comes back on its own port if it ran.
void TSerialReceiver::EndSearch() {
    searching_ = false;
    if (open_)
        Close();
    if (reopenAfterSearch_)
        OpenSerialReceiver(true);
}

} // namespace tav
