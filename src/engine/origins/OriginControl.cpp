#include "engine/origins/OriginControl.h"

#include "framework/Text.h"

#include <vector>

namespace tav {

const std::array<TOriginDef, 8> kOrigins{{
    {TOrigin::Receiver, "Use serial port", "&Serial port"},
    {TOrigin::Console, "Use serial console port", "&Serial port console"},
    {TOrigin::IrServer, "Use IR server", "&IR server"},
    {TOrigin::TvApplication, "Use AVerMedia", "&AVerMedia TV Series Remote"},
    {TOrigin::TvCard, "Use BestBuy", "&BestBuy EasyTV"},
    {TOrigin::CdRom, "Use Creative iNFRA", "&Creative iNFRA CD-ROM drive"},
    {TOrigin::Keyboard, "Use keyboard trapping", "&Keyboard press trapping"},
    {TOrigin::TcpControl, "Use TCP/IP", "&TCP/IP socket"},
}};

namespace {

// How StartOrigins treats each origin: switched in the chain (a failure stops the later ones),
// switched whatever happened before (its result ignored), or named in the status text only.
enum class TInChain { Chained, Always, StatusOnly };

TInChain ChainRole(TOrigin origin) {
    switch (origin) {
    case TOrigin::Receiver:
    case TOrigin::Console:
    case TOrigin::Keyboard:
    case TOrigin::TcpControl:
        return TInChain::Chained;
    case TOrigin::TvApplication:
        return TInChain::Always;
    default:
        return TInChain::StatusOnly;
    }
}

} // namespace

TOriginControl::TOriginControl(TDocument& doc, TSettings& settings, IOriginHost& host)
    : doc_(doc), settings_(settings), host_(host) {}

bool TOriginControl::Checked(TOrigin origin) const {
    for (const TOriginDef& def : kOrigins)
        if (def.Origin == origin)
            return settings_.Bool(def.Setting);
    return false;
}

std::string TOriginControl::StatusText() const {
    std::string text = StripMenuCaption(host_.EnableOriginCaption()) + ": ";
    bool first = true;
    for (const TOriginDef& def : kOrigins) {
        if (!settings_.Bool(def.Setting))
            continue;
        text += (first ? "" : ", ") + StripMenuCaption(def.Caption);
        first = false;
    }
    return text;
}

// Opening stops at the first failure of the chain and closes again what it had opened, so that
// no origin runs unseen while the menu item says none do. Closing closes every checked origin,
// whatever the earlier ones answered.
bool TOriginControl::StartOrigins(bool active) {
    doc_.ReceivedCode.Empty();
    if (!active)
        host_.SetOriginStatus({});
    bool ok = true;
    std::vector<TOrigin> opened;
    for (const TOriginDef& def : kOrigins) {
        const TInChain role = ChainRole(def.Origin);
        if (!settings_.Bool(def.Setting) || role == TInChain::StatusOnly)
            continue;
        if (!active || role == TInChain::Always) {
            const bool switched = host_.SwitchOrigin(def.Origin, active);
            if (role == TInChain::Chained)
                ok = switched && ok;
            else if (active && switched)
                opened.push_back(def.Origin);
        } else if (ok) {
            ok = host_.SwitchOrigin(def.Origin, true);
            if (ok)
                opened.push_back(def.Origin);
        }
    }
    if (active && !ok)
        for (auto origin = opened.rbegin(); origin != opened.rend(); ++origin)
            host_.SwitchOrigin(*origin, false);
    const bool running = active && ok;
    host_.SetEnableOriginChecked(running);
    host_.SetOriginStatus(running ? StatusText() : std::string());
    return ok;
}

void TOriginControl::EnableOriginMenuClick() {
    const bool enable = !host_.EnableOriginChecked();
    host_.SetEnableOriginChecked(enable);
    settings_.SetBool("Origin enabled", enable);
    StartOrigins(enable);
}

} // namespace tav
