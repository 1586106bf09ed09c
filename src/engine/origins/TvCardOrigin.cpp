#include "engine/origins/TvCardOrigin.h"

#include "framework/Text.h"

namespace tav {

std::int32_t TvCardCode(std::int32_t param) {
    const std::int32_t key = param & 0xFF;
    return key == 127 ? key : key & 0x3F;
}

TTvCardOrigin::~TTvCardOrigin() {
    Close();
}

bool TTvCardOrigin::OpenBestBuy(bool active) {
    if (!active)
        return Close();
    if (!loaded_) {
        if (!l_.Library.Load()) {
            Fail("Cannot load GRAPPLER.DLL");
            return false;
        }
        loaded_ = true;
    }
    if (!bound_) {
        if (!l_.Library.Bind()) {
            Fail("Cannot link with GRAPPLER.DLL");
            return false;
        }
        bound_ = true;
    }
    l_.PollTimer.Start();
    return true;
}

// The entry is forgotten with the library, and no poll is left armed to call it: a library
// loaded again may well sit elsewhere.
bool TTvCardOrigin::Close() {
    l_.PollTimer.Stop();
    bound_ = false;
    if (!loaded_)
        return false;
    loaded_ = false;
    l_.Library.Free();
    return true;
}

void TTvCardOrigin::Fail(const char* text) {
    l_.ShowMessage(text, l_.Translate("Initialization result"), kMbOk | kMbIconExclamation);
}

void TTvCardOrigin::BestBuyTimerTimer() {
    l_.PollTimer.Stop();
    if (!bound_)
        return;
    const std::int32_t code = TvCardCode(l_.Library.GetTVParam(kTvParamRemoteKey));
    l_.Codes.ReceiveWhole(
        [code](TReceivedCode& rc) {
            rc.Replace({&code, 1});
        },
        [code](const TReceivedCode&, TDataFormat) { return IntToStr(code) + " "; });
    // What the code set off may have closed the origin.
    if (bound_)
        l_.PollTimer.Start();
}

} // namespace tav
