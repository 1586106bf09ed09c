#pragma once
// The TV-card origin in the running program: the card's vendor library, bound at run time when
// the origin opens, and the timer that polls it. The main window owns one.

#include "engine/origins/TvCardOrigin.h"
#include "framework/win32/Timer.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tav {

// grappler.dll, found as Windows finds libraries (the program's folder first).
class TGrapplerLibrary : public ITvCardLibrary {
public:
    ~TGrapplerLibrary() override { Free(); }
    bool Load() override;
    bool Bind() override;
    std::int32_t GetTVParam(std::int32_t which) override { return entry_(which); }
    void Free() override;

private:
    using TGetTVParam = int(WINAPI*)(int);
    HMODULE module_ = nullptr;
    TGetTVParam entry_ = nullptr;
};

class TTvCard : public TComponent {
public:
    // Every reference must outlive this object.
    TTvCard(TComponent* owner, std::string name, TCodeReceiver& codes,
            std::function<std::string(const std::string&)> translate, TMessageBoxFn messageBox);

    // The origin's routine (TTvCardOrigin::OpenBestBuy).
    bool OpenBestBuy(bool active) { return origin_.OpenBestBuy(active); }
    void BestBuyTimerTimer(TObject* sender);

    TTimer* BestBuyTimer = nullptr;

private:
    // The timer as the origin sees it; made before the timer is.
    class TPollTimer : public ITimer {
    public:
        explicit TPollTimer(TTimer* const& timer) : timer_(timer) {}
        void Start() override { timer_->SetEnabled(true); }
        void Stop() override { timer_->SetEnabled(false); }
        bool Running() const override { return timer_->Enabled(); }

    private:
        TTimer* const& timer_;
    };

    TGrapplerLibrary library_;
    TPollTimer poll_{BestBuyTimer};
    TTvCardOrigin origin_;
};

} // namespace tav
