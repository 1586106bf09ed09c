#pragma once
// The two places outside the settings store that a new program version touches: the shell's
// file association and the entry that starts the program when the user logs on.

namespace tav {

class TFileAssociation {
public:
    virtual ~TFileAssociation() = default;
    // Makes the shell open configuration files with this program; failures are swallowed.
    virtual void RegisterFileType() noexcept = 0;
};

class TLaunchAtLogon {
public:
    virtual ~TLaunchAtLogon() = default;
    // Adds or removes the entry; false when the place that holds it could not be opened, in
    // which case nothing was changed.
    virtual bool SetLaunchAtLogon(bool enabled) noexcept = 0;
};

} // namespace tav
