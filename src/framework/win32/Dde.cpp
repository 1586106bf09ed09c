#include "framework/win32/Dde.h"

#include "framework/Text.h"
#include "framework/win32/Forms.h"

#include <algorithm>

namespace tav {
namespace {

// The process's one DDEML instance and what it serves. Several conversations may share a
// service, which stays registered until the last of them is gone.
struct TDdeInstance {
    struct TService {
        std::string Name;
        HSZ Handle;
        int Users;
    };
    DWORD Id = 0;
    std::vector<TDdeServerConv*> Convs;
    std::vector<TDdeServerItem*> Items;
    std::vector<TService> Services;
};

TDdeInstance& Dde() {
    static TDdeInstance instance;
    return instance;
}

std::string HszText(HSZ hsz) {
    const DWORD length = DdeQueryStringA(Dde().Id, hsz, nullptr, 0, CP_WINANSI);
    std::string text(length + 1, '\0');
    DdeQueryStringA(Dde().Id, hsz, text.data(), length + 1, CP_WINANSI);
    text.resize(length);
    return text;
}

HDDEDATA Answer(bool yes) {
    return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(yes ? TRUE : FALSE));
}

HDDEDATA CALLBACK DdeCallback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA,
                              ULONG_PTR, ULONG_PTR);

bool AddService(const std::string& name) {
    TDdeInstance& dde = Dde();
    if (dde.Id == 0) {
        DWORD id = 0;
        const DWORD flags = APPCLASS_STANDARD | CBF_FAIL_EXECUTES | CBF_FAIL_POKES |
                            CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS;
        if (DdeInitializeA(&id, &DdeCallback, flags, 0) != DMLERR_NO_ERROR)
            return false;
        dde.Id = id;
    }
    for (auto& service : dde.Services) {
        if (AnsiSameText(service.Name, name)) {
            ++service.Users;
            return true;
        }
    }
    HSZ handle = DdeCreateStringHandleA(dde.Id, name.c_str(), CP_WINANSI);
    if (handle == nullptr)
        return false;
    if (DdeNameService(dde.Id, handle, nullptr, DNS_REGISTER) == nullptr) {
        DdeFreeStringHandle(dde.Id, handle);
        return false;
    }
    dde.Services.push_back({name, handle, 1});
    return true;
}

void ReleaseService(const std::string& name) {
    TDdeInstance& dde = Dde();
    auto it = std::find_if(dde.Services.begin(), dde.Services.end(),
                           [&](const auto& s) { return AnsiSameText(s.Name, name); });
    if (it != dde.Services.end() && --it->Users == 0) {
        DdeNameService(dde.Id, it->Handle, nullptr, DNS_UNREGISTER);
        DdeFreeStringHandle(dde.Id, it->Handle);
        dde.Services.erase(it);
    }
}

// The instance goes with the last conversation component.
void EndInstanceWhenIdle() {
    TDdeInstance& dde = Dde();
    if (dde.Convs.empty() && dde.Id != 0) {
        DdeUninitialize(dde.Id);
        dde.Id = 0;
    }
}

} // namespace

// What DDEML asks the server, answered from the components that exist at that moment.
struct TDdeCallback {
    static TDdeServerConv* FindTopic(HSZ service, HSZ topic) {
        const std::string serviceName = HszText(service);
        const std::string topicName = HszText(topic);
        for (TDdeServerConv* conv : Dde().Convs)
            if (AnsiSameText(conv->Service(), serviceName) && AnsiSameText(conv->Name(), topicName))
                return conv;
        return nullptr;
    }

    static TDdeServerItem* FindItem(HCONV conversation, HSZ item) {
        const std::string itemName = HszText(item);
        for (TDdeServerItem* candidate : Dde().Items) {
            const TDdeServerConv* conv = candidate->ServerConv();
            if (conv != nullptr && conv->Holds(conversation) &&
                AnsiSameText(candidate->Name(), itemName))
                return candidate;
        }
        return nullptr;
    }

    static HDDEDATA TextData(const TDdeServerItem* item, HSZ hszItem) {
        if (item == nullptr)
            return nullptr;
        const std::string& text = item->Text();
        auto* bytes = reinterpret_cast<LPBYTE>(const_cast<char*>(text.c_str()));
        return DdeCreateDataHandle(Dde().Id, bytes, static_cast<DWORD>(text.size() + 1), 0, hszItem,
                                   CF_TEXT, 0);
    }

    static HDDEDATA Serve(UINT type, UINT format, HCONV conversation, HSZ hsz1, HSZ hsz2) {
        switch (type) {
        case XTYP_CONNECT:
            return Answer(FindTopic(hsz2, hsz1) != nullptr);
        case XTYP_CONNECT_CONFIRM:
            if (TDdeServerConv* conv = FindTopic(hsz2, hsz1))
                conv->Opened(conversation);
            return nullptr;
        case XTYP_DISCONNECT:
            for (TDdeServerConv* conv : Dde().Convs)
                if (conv->Closed(conversation))
                    break; // its handler may have freed components
            return nullptr;
        case XTYP_ADVSTART:
            return Answer(format == CF_TEXT && FindItem(conversation, hsz2) != nullptr);
        case XTYP_REQUEST:
        case XTYP_ADVREQ:
            return format == CF_TEXT ? TextData(FindItem(conversation, hsz2), hsz2) : nullptr;
        default:
            return nullptr;
        }
    }
};

namespace {

HDDEDATA CALLBACK DdeCallback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA,
                              ULONG_PTR, ULONG_PTR) {
    HDDEDATA result = nullptr;
    GuardCallback([&] { result = TDdeCallback::Serve(type, format, conv, hsz1, hsz2); });
    return result;
}

} // namespace

TDdeServerConv::TDdeServerConv(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)) {}

TDdeServerConv::~TDdeServerConv() {
    BeginDestruction();
    TDdeInstance& dde = Dde();
    auto it = std::find(dde.Convs.begin(), dde.Convs.end(), this);
    if (it == dde.Convs.end())
        return;
    dde.Convs.erase(it);
    for (HCONV conversation : conversations_)
        DdeDisconnect(conversation);
    ReleaseService(service_);
    EndInstanceWhenIdle();
}

void TDdeServerConv::ApplyArgs(Args& args) {
    OnOpen = std::move(args.OnOpen);
    OnClose = std::move(args.OnClose);
    service_ = std::move(args.Service);
    // Without DDE the program runs on; no client can reach this topic then.
    if (AddService(service_))
        Dde().Convs.push_back(this);
    else
        EndInstanceWhenIdle();
}

void TDdeServerConv::Opened(HCONV conversation) {
    conversations_.push_back(conversation);
    Fire(OnOpen, this);
}

bool TDdeServerConv::Closed(HCONV conversation) {
    auto it = std::find(conversations_.begin(), conversations_.end(), conversation);
    if (it == conversations_.end())
        return false;
    conversations_.erase(it);
    Fire(OnClose, this);
    return true;
}

bool TDdeServerConv::Holds(HCONV conversation) const {
    return std::find(conversations_.begin(), conversations_.end(), conversation) !=
           conversations_.end();
}

void TDdeServerConv::PostAdvise(const std::string& item) {
    if (conversations_.empty())
        return;
    const DWORD id = Dde().Id;
    HSZ topic = DdeCreateStringHandleA(id, Name().c_str(), CP_WINANSI);
    HSZ itemHandle = DdeCreateStringHandleA(id, item.c_str(), CP_WINANSI);
    DdePostAdvise(id, topic, itemHandle);
    DdeFreeStringHandle(id, itemHandle);
    DdeFreeStringHandle(id, topic);
}

TDdeServerItem::TDdeServerItem(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)) {
    Dde().Items.push_back(this);
}

TDdeServerItem::~TDdeServerItem() {
    std::erase(Dde().Items, this);
}

void TDdeServerItem::ApplyArgs(Args& args) {
    conv_ = args.ServerConv;
    text_ = std::move(args.Text);
}

namespace {

// Puts a copy of `bytes` on the open clipboard in `format`.
bool PutClipboardData(UINT format, const std::string& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory == nullptr)
        return false;
    if (void* data = GlobalLock(memory)) {
        std::copy(bytes.begin(), bytes.end(), static_cast<char*>(data));
        GlobalUnlock(memory);
        if (SetClipboardData(format, memory) != nullptr)
            return true;
    }
    GlobalFree(memory);
    return false;
}

} // namespace

bool TDdeServerItem::CopyToClipboard() const {
    if (conv_ == nullptr || !OpenClipboard(nullptr))
        return false;
    const std::string link = conv_->Service() + '\0' + conv_->Name() + '\0' + Name() + '\0' + '\0';
    const bool copied = EmptyClipboard() &&
                        PutClipboardData(RegisterClipboardFormatA("Link"), link) &&
                        PutClipboardData(CF_TEXT, text_ + '\0');
    CloseClipboard();
    return copied;
}

void TDdeServerItem::SetText(std::string text) {
    text_ = std::move(text);
    if (conv_ != nullptr)
        conv_->PostAdvise(Name());
}

} // namespace tav
