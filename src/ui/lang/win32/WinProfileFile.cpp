#include "ui/lang/win32/WinProfileFile.h"

#include <windows.h>

namespace tav {

namespace {

class TWinProfileFile final : public TProfileFile {
public:
    explicit TWinProfileFile(std::string path) : path_(std::move(path)) {}

    std::string ReadString(std::string_view section, std::string_view key) const override {
        if (path_.empty())
            return {};
        const std::string s(section);
        const std::string k(key);
        char buffer[kMaxProfileValueLength + 1];
        const DWORD n = GetPrivateProfileStringA(s.c_str(), k.c_str(), "", buffer, sizeof buffer,
                                                 path_.c_str());
        return std::string(buffer, n);
    }

private:
    std::string path_;
};

} // namespace

std::unique_ptr<TProfileFile> OpenWinProfileFile(const std::string& path) {
    return std::make_unique<TWinProfileFile>(path);
}

} // namespace tav
