#include "engine/origins/win32/TvCard.h"

namespace tav {

bool TGrapplerLibrary::Load() {
    module_ = LoadLibraryA("grappler.dll");
    return module_ != nullptr;
}

bool TGrapplerLibrary::Bind() {
    entry_ = reinterpret_cast<TGetTVParam>(
        reinterpret_cast<void*>(GetProcAddress(module_, "GetTVParam")));
    return entry_ != nullptr;
}

void TGrapplerLibrary::Free() {
    entry_ = nullptr;
    if (module_ != nullptr)
        FreeLibrary(module_);
    module_ = nullptr;
}

TTvCard::TTvCard(TComponent* owner, std::string name, TCodeReceiver& codes,
                 std::function<std::string(const std::string&)> translate, TMessageBoxFn messageBox)
    : TComponent(owner, std::move(name)),
      origin_({library_, poll_, codes, std::move(translate), std::move(messageBox)}) {
    TAV_CREATE(BestBuyTimer, {.Interval = kTvCardPollMs,
                              .Enabled = false,
                              .OnTimer = Handler(&TTvCard::BestBuyTimerTimer)});
}

void TTvCard::BestBuyTimerTimer(TObject*) {
    origin_.BestBuyTimerTimer();
}

} // namespace tav
