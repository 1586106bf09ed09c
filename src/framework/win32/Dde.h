#pragma once
// DDE server components over DDEML. A conversation component serves one topic of a service; the
// items that name it as their conversation answer requests and advise links of that topic with
// their text, as CF_TEXT. The topic is the conversation component's name and an item's name is
// the item component's, so a form's member names are what clients ask for.
//
// The DDEML instance lives on the thread that makes the first conversation (the main thread),
// and its callback runs there, from the message loop; an exception in a handler goes to the
// application's handler and never crosses the callback.

#include "framework/win32/Controls.h"

#include <windows.h>

#include <ddeml.h>

#include <string>
#include <vector>

namespace tav {

class TDdeServerConv : public TComponent {
public:
    struct Args {
        // The service clients connect to; registered while a conversation component names it.
        std::string Service;
        // Each client conversation that opens or closes on the topic.
        TNotifyEvent OnOpen;
        TNotifyEvent OnClose;
    };
    TDdeServerConv(TComponent* owner, std::string name);
    ~TDdeServerConv() override;
    static TDdeServerConv* Construct(TComponent* owner, std::string name, Args&) {
        return new TDdeServerConv(owner, std::move(name));
    }
    void ApplyArgs(Args& args);

    const std::string& Service() const { return service_; }
    // Client conversations open now.
    int Conversations() const { return static_cast<int>(conversations_.size()); }

    TNotifyEvent OnOpen;
    TNotifyEvent OnClose;

private:
    friend class TDdeServerItem;
    friend struct TDdeCallback;
    void Opened(HCONV conversation);
    // False when the conversation is not one of this topic's.
    bool Closed(HCONV conversation);
    bool Holds(HCONV conversation) const;
    // Pushes the item's text to the clients that hold an advise link on it.
    void PostAdvise(const std::string& item);

    std::string service_;
    std::vector<HCONV> conversations_;
};

class TDdeServerItem : public TComponent {
public:
    struct Args {
        TDdeServerConv* ServerConv = nullptr;
        std::string Text;
    };
    TDdeServerItem(TComponent* owner, std::string name);
    ~TDdeServerItem() override;
    static TDdeServerItem* Construct(TComponent* owner, std::string name, Args&) {
        return new TDdeServerItem(owner, std::move(name));
    }
    void ApplyArgs(Args& args);

    TDdeServerConv* ServerConv() const { return conv_.get(); }

    const std::string& Text() const { return text_; }
    // Every setting reaches the advise links, also of an unchanged text: each one is news.
    void SetText(std::string text);
    // Puts the item on the clipboard for another program's Paste Link: its link in the
    // clipboard format "Link" (service, topic and item, each ended by a zero, and a zero after
    // them) and its text. False when the clipboard could not be had or the item serves no topic.
    bool CopyToClipboard() const;

private:
    TComponentRef<TDdeServerConv> conv_{this};
    std::string text_;
};

} // namespace tav
