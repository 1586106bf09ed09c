#include "engine/origins/OriginControl.h"

#include "framework/Text.h"

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

bool TOriginControl::StartOrigins(bool active) {
    doc_.ReceivedCode.Empty();
    if (!active)
        host_.SetOriginStatus({});
    bool ok = true;
    for (const TOriginDef& def : kOrigins) {
        if (!settings_.Bool(def.Setting))
            continue;
        switch (ChainRole(def.Origin)) {
        case TInChain::Chained:
            if (ok)
                ok = host_.SwitchOrigin(def.Origin, active);
            break;
        case TInChain::Always:
            host_.SwitchOrigin(def.Origin, active);
            break;
        case TInChain::StatusOnly:
            break;
        }
    }
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
