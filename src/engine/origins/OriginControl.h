#pragma once
// The input origins open and close together, in a fixed order, as the settings' origin boxes
// say; the origin menu item's check and the status bar's second panel show whether they run.

#include "engine/document/Document.h"
#include "engine/settings/Settings.h"

#include <array>
#include <string>
#include <string_view>

namespace tav {

// In the order the origins open and the status text names them.
enum class TOrigin {
    Receiver,
    Console,
    IrServer,
    TvApplication,
    TvCard,
    CdRom,
    Keyboard,
    TcpControl
};

struct TOriginDef {
    TOrigin Origin;
    // The setting that holds its box, and the box's caption in the settings dialog.
    std::string_view Setting;
    std::string_view Caption;
};

extern const std::array<TOriginDef, 8> kOrigins;

// What the origin control needs of the main window.
class IOriginHost {
public:
    virtual ~IOriginHost() = default;
    // Opens (true) or closes (false) one origin; false when that failed (the origin has shown
    // why).
    virtual bool SwitchOrigin(TOrigin origin, bool active) = 0;
    // "Ori&gin enabled", whose check says the origins run.
    virtual std::string EnableOriginCaption() const = 0;
    virtual bool EnableOriginChecked() const = 0;
    virtual void SetEnableOriginChecked(bool checked) = 0;
    // The status bar's panel of the running origins.
    virtual void SetOriginStatus(const std::string& text) = 0;
};

class TOriginControl {
public:
    TOriginControl(TDocument& doc, TSettings& settings, IOriginHost& host);

    // Opens or closes the checked origins in their order. After a failure the later origins
    // of the chain are left alone. True when every origin it switched did so.
    bool StartOrigins(bool active);
    // The origin menu item: flips its check, stores it as "Origin enabled" and starts or
    // stops the origins accordingly.
    void EnableOriginMenuClick();
    // The status text: the menu item's caption, ": " and the captions of the checked boxes.
    std::string StatusText() const;
    bool Checked(TOrigin origin) const;

private:
    TDocument& doc_;
    TSettings& settings_;
    IOriginHost& host_;
};

} // namespace tav
