#pragma once
// Helpers (no tests) for the serial port's tests under Wine: a pseudo-terminal made by socat and
// linked into the Wine prefix as a COM port, whose other end is a local TCP connection that the
// test writes to and reads from. socat ends when the pair goes (and at the latest after a
// quarter of a minute), removing its link. The pairs take the numbers 100 to 249.

#include <windows.h>
#include <winsock2.h>

#include <string>

namespace tav::test {

class TPtyPair {
public:
    // Picks a COM number that this process alone uses and starts socat; Ready() tells whether
    // the port came up.
    TPtyPair();
    ~TPtyPair();
    TPtyPair(const TPtyPair&) = delete;
    TPtyPair& operator=(const TPtyPair&) = delete;

    bool Ready() const { return peer_ != INVALID_SOCKET; }
    // "COM" and the number.
    std::string PortName() const { return "COM" + std::to_string(number_); }

    // The Linux end: bytes to the port, and what the port wrote (waiting up to `ms`).
    bool Send(const std::string& bytes);
    std::string Receive(std::size_t count, DWORD ms = 3000);
    // The line speed the Linux end sees (stty), or an empty text.
    std::string LineSpeed();

private:
    // Starts a Linux command line; Wine gives no handle for such a process.
    static bool Run(const std::string& commandLine);
    std::string UnixTemp(const std::string& what) const;

    int number_ = 0;
    std::string link_;
    std::string pidFile_;
    SOCKET peer_ = INVALID_SOCKET;
};

// A Linux path as Wine sees it through drive Z:.
std::string DosPath(const std::string& unixPath);

} // namespace tav::test
