#pragma once
// A chain of procedures over one topmost procedure, each installed over the one that was on top
// before and getting every message with the procedure below it (a control's window procedures:
// the theme manager's, a form's tray hook, a tree's click selection). Taking one out takes out
// exactly that one: those installed above it keep theirs and pass their messages on to what
// now lies below them.

#include <functional>
#include <memory>
#include <utility>

namespace tav {

// A procedure put into a chain: it gets each message with the procedure below it, to pass the
// message on (or not).
template <class Message>
using TChainedProc =
    std::function<void(Message& message, const std::function<void(Message&)>& below)>;

// One procedure of a chain, as its installer holds it.
template <class Message> class TProcHook {
public:
    using Proc = std::function<void(Message&)>;

    TProcHook() = default;
    explicit operator bool() const { return link_ != nullptr; }

    // Puts `proc` on top of the chain whose topmost procedure is `top`.
    static TProcHook Install(Proc& top, TChainedProc<Message> proc) {
        auto link = std::make_shared<Link>(
            Link{std::move(proc), std::make_shared<const Proc>(std::move(top)), false});
        top = Call{link};
        return TProcHook(std::move(link));
    }

    // Passes `message` to the procedure that lies below this one now.
    void CallBelow(Message& message) const {
        const std::shared_ptr<const Proc> below = link_->below;
        (*below)(message);
    }

    // Takes this procedure out of the chain whose topmost procedure is `top`, wherever it lies
    // now; taking it out again changes nothing. Above a procedure that was put on top by plain
    // assignment the chain cannot be followed: a procedure below that one stays where it is and
    // only passes messages on.
    void Remove(Proc& top) const {
        if (link_ == nullptr)
            return;
        link_->removed = true;
        const Call* above = top.template target<Call>();
        if (above != nullptr && above->link == link_) {
            top = *link_->below; // may free the call running this very message: nothing after
            return;
        }
        while (above != nullptr) {
            const Call* next = above->link->below->template target<Call>();
            if (next != nullptr && next->link == link_) {
                above->link->below = link_->below;
                return;
            }
            above = next;
        }
    }

private:
    struct Link {
        TChainedProc<Message> proc;
        // Shared, so that a message in progress keeps the procedure it passes on to while the
        // chain below changes.
        std::shared_ptr<const Proc> below;
        bool removed;
    };
    // What stands in the chain for one procedure.
    struct Call {
        std::shared_ptr<Link> link;
        void operator()(Message& message) const {
            // The procedure may be taken out, and this call freed, while it runs.
            const std::shared_ptr<Link> self = link;
            const std::shared_ptr<const Proc> below = self->below;
            if (self->removed)
                (*below)(message);
            else
                self->proc(message, *below);
        }
    };

    explicit TProcHook(std::shared_ptr<Link> link) : link_(std::move(link)) {}

    std::shared_ptr<Link> link_;
};

} // namespace tav
