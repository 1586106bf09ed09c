#include "components/serial/win32/PtyPair.h"

#include <fstream>
#include <sstream>

namespace tav::test {
namespace {

constexpr int kFirstNumber = 100;
constexpr int kNumbers = 150;
constexpr int kFirstTcpPort = 47000;

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Looked up in its folder's listing: a path ending in "com123" names the device itself.
bool Exists(const std::string& dosPath) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(dosPath.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

// Polls `done` every 20 ms for up to `ms`.
template <class Fn> bool WaitFor(Fn&& done, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms)
            return false;
        Sleep(20);
    }
    return true;
}

} // namespace

std::string DosPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

bool TPtyPair::Run(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    if (process.hProcess != nullptr)
        CloseHandle(process.hProcess);
    if (process.hThread != nullptr)
        CloseHandle(process.hThread);
    return true;
}

std::string TPtyPair::UnixTemp(const std::string& what) const {
    return "/tmp/tavrilo-serial-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(number_) + "-" + what;
}

TPtyPair::TPtyPair() {
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    char prefix[MAX_PATH] = {};
    if (GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix) == 0)
        return;
    // Tests run side by side, each in a process of its own.
    for (int i = 0; i < kNumbers; ++i) {
        number_ = kFirstNumber + static_cast<int>((GetCurrentProcessId() + i) % kNumbers);
        link_ = std::string(prefix) + "/dosdevices/com" + std::to_string(number_);
        if (!Exists(DosPath(link_)))
            break;
    }
    pidFile_ = UnixTemp("pid");
    const int tcpPort = kFirstTcpPort + number_;
    // The shell's id becomes that of timeout, which passes a TERM on to socat.
    if (!Run("/bin/sh -c \"echo $$ > " + pidFile_ +
             "; exec /usr/bin/timeout 15 /usr/bin/socat PTY,link=" + link_ +
             ",raw,echo=0 TCP-LISTEN:" + std::to_string(tcpPort) + ",bind=127.0.0.1,reuseaddr\""))
        return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(tcpPort));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (!WaitFor([&] { return Exists(DosPath(link_)); }, 5000))
        return;
    WaitFor(
        [&] {
            peer_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
            if (connect(peer_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
                return true;
            closesocket(peer_);
            peer_ = INVALID_SOCKET;
            return false;
        },
        3000);
}

TPtyPair::~TPtyPair() {
    if (peer_ != INVALID_SOCKET)
        closesocket(peer_);
    std::string pid = ReadWholeFile(DosPath(pidFile_));
    while (!pid.empty() && (pid.back() == '\n' || pid.back() == '\r'))
        pid.pop_back();
    if (!pid.empty())
        Run("/bin/kill " + pid);
    // socat removes its link as it ends.
    if (!WaitFor([&] { return !Exists(DosPath(link_)); }, 2000))
        Run("/bin/rm -f " + link_);
    DeleteFileA(DosPath(pidFile_).c_str());
    WSACleanup();
}

bool TPtyPair::Send(const std::string& bytes) {
    return send(peer_, bytes.data(), static_cast<int>(bytes.size()), 0) ==
           static_cast<int>(bytes.size());
}

std::string TPtyPair::Receive(std::size_t count, DWORD ms) {
    const DWORD timeout = ms;
    setsockopt(peer_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout),
               sizeof timeout);
    std::string got;
    char buffer[256];
    while (got.size() < count) {
        const int n = recv(peer_, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
}

std::string TPtyPair::LineSpeed() {
    const std::string file = UnixTemp("speed");
    // Written under another name first, so a half-written answer is never read.
    if (!Run("/bin/sh -c \"stty -F " + link_ + " speed > " + file + ".part && mv " + file +
             ".part " + file + "\""))
        return {};
    std::string speed;
    WaitFor([&] { return !(speed = ReadWholeFile(DosPath(file))).empty(); }, 3000);
    DeleteFileA(DosPath(file).c_str());
    while (!speed.empty() && (speed.back() == '\n' || speed.back() == '\r'))
        speed.pop_back();
    return speed;
}

} // namespace tav::test
