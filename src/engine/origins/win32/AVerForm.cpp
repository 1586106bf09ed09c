#include "engine/origins/win32/AVerForm.h"

#include "engine/origins/TvApplication.h"

namespace tav {

TAVerForm::TAVerForm(TComponent* owner, TCodeReceiver& codes)
    : TForm(owner, "AVerForm", TBorderStyle::Sizeable, "TAVerForm"), codes_(&codes) {
    Loaded();
}

void TAVerForm::WndProc(TMessage& m) {
    if (m.Msg == kTvRemoteMessage || m.Msg == kTvRemoteMessageAlt) {
        WMRemoteCode(m);
        return;
    }
    TForm::WndProc(m);
}

void TAVerForm::WMRemoteCode(TMessage& m) {
    m.Result = 0;
    if (codes_ == nullptr)
        return;
    // Counted also when the delivery ends in an exception.
    struct Delivering {
        TAVerForm& form;
        explicit Delivering(TAVerForm& f) : form(f) { ++form.delivering_; }
        ~Delivering() {
            if (--form.delivering_ == 0 && form.codes_ == nullptr)
                form.Release();
        }
    } delivering(*this);
    ReceiveTvApplicationCode(*codes_, m.WParam, static_cast<std::uint64_t>(m.LParam));
}

void TAVerForm::Retire() {
    codes_ = nullptr;
    SetCaption({});
    if (delivering_ == 0)
        delete this;
}

TTvApplication::TTvApplication(TComponent* owner, std::string name, const TSettings& settings,
                               TCodeReceiver& codes)
    : TComponent(owner, std::move(name)), settings_(settings), codes_(codes) {}

void TTvApplication::OpenAVerWindow(bool active) {
    if (!active) {
        if (TAVerForm* window = window_) {
            window_ = nullptr;
            window->Retire();
        }
        return;
    }
    if (window_ == nullptr)
        window_ = new TAVerForm(this, codes_);
    window_->SetCaption(settings_.Str("AverMedia window"));
}

} // namespace tav
