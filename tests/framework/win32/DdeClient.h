#pragma once
// A DDEML client for the DDE server tests, on the test's own thread: its synchronous calls serve
// the server's side meanwhile. After each call it handles what is queued, as a client's message
// loop would; Wine takes a late acknowledgement for the answer to the next call otherwise. Under
// Wine a client instance holds one conversation with a topic at a time: two take two clients.

#include <windows.h>

#include <ddeml.h>

#include <optional>
#include <string>
#include <vector>

namespace tav::test {

class TDdeClient {
public:
    TDdeClient() { DdeInitializeA(&id_, &Callback, APPCMD_CLIENTONLY, 0); }
    ~TDdeClient() { DdeUninitialize(id_); }

    // Null when no server serves the topic.
    HCONV Connect(const std::string& service, const std::string& topic) {
        HSZ s = Hsz(service), t = Hsz(topic);
        HCONV conv = DdeConnect(id_, s, t, nullptr);
        DdeFreeStringHandle(id_, t);
        DdeFreeStringHandle(id_, s);
        return Pumped(conv);
    }
    std::optional<std::string> Request(HCONV conv, const std::string& item) {
        HDDEDATA data = Transaction(conv, item, XTYP_REQUEST);
        if (data == nullptr)
            return std::nullopt;
        std::string text = Text(data);
        DdeFreeDataHandle(data);
        return text;
    }
    // A hot link: each new text lands in Advised().
    bool Advise(HCONV conv, const std::string& item) {
        return Transaction(conv, item, XTYP_ADVSTART) != nullptr;
    }
    static inline std::vector<std::string> Advised;

    static bool Connected(HCONV conv) {
        CONVINFO info{};
        info.cb = sizeof info;
        return DdeQueryConvInfo(conv, QID_SYNC, &info) != 0 && (info.wStatus & ST_CONNECTED) != 0;
    }

private:
    template <typename T> static T Pumped(T result) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        return result;
    }
    HSZ Hsz(const std::string& text) const {
        return DdeCreateStringHandleA(id_, text.c_str(), CP_WINANSI);
    }
    HDDEDATA Transaction(HCONV conv, const std::string& item, UINT type) {
        HSZ hsz = Hsz(item);
        DWORD result = 0;
        HDDEDATA data = DdeClientTransaction(nullptr, 0, conv, hsz, CF_TEXT, type, 2000, &result);
        DdeFreeStringHandle(id_, hsz);
        return Pumped(data);
    }
    static std::string Text(HDDEDATA data) {
        std::string text(DdeGetData(data, nullptr, 0, 0), '\0');
        DdeGetData(data, reinterpret_cast<LPBYTE>(text.data()), static_cast<DWORD>(text.size()), 0);
        return text.substr(0, text.find('\0'));
    }
    static HDDEDATA CALLBACK Callback(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA data, ULONG_PTR,
                                      ULONG_PTR) {
        if (type != XTYP_ADVDATA)
            return nullptr;
        Advised.push_back(Text(data));
        return reinterpret_cast<HDDEDATA>(DDE_FACK);
    }

    DWORD id_ = 0;
};

} // namespace tav::test
