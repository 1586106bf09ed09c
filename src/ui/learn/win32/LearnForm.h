#pragma once
// The learn dialog: while it is open every complete code becomes a sample, each lighting its
// circle green when it matches the first sample and red when it does not; Accept becomes
// available once two samples match.

#include "engine/document/Records.h"
#include "engine/recognition/RecognitionPorts.h"
#include "framework/win32/ComCtrls.h"
#include "framework/win32/ExtCtrls.h"
#include "framework/win32/Forms.h"
#include "framework/win32/StdCtrls.h"
#include "ui/lang/Lang.h"

#include <array>
#include <string>

namespace tav {

// A round light filled with one colour.
class TLearnCircle : public TGraphicControl {
public:
    TLearnCircle(TComponent* owner, TControl* parent, std::string name = {});
    COLORREF FillColor() const { return fill_; }
    void SetFillColor(COLORREF color);

protected:
    void Paint(HDC dc, const RECT& client) override;

private:
    COLORREF fill_ = 0;
};

// The colour of a circle without a sample.
inline constexpr COLORREF kLearnIdleColor = 0x808000; // teal

class TLearnForm : public TForm, public ILearnView {
public:
    // `queue` is the document's learning queue, emptied at each start; `languageFile` is the
    // chosen language's file, empty when it does not exist.
    TLearnForm(TComponent* owner, TLearnQueue& queue, std::string languageFile);

    void FormShow(TObject* sender);
    void RestartBtnClick(TObject* sender);
    void HelpBtnClick(TObject* sender);

    void SetProgressMax(int max) override;
    void SetProgressPosition(int position) override;
    void SetCircleColor(int sample, std::uint32_t color) override;
    void EnableAccept() override;

    TImage* Image1 = nullptr;
    TLabel* InstructionsLbl = nullptr;
    TGroupBox* IncomingGrpBx = nullptr;
    TProgressBar* ProgressBar = nullptr;
    TGroupBox* ProgressGrpBx = nullptr;
    TLearnCircle* Circle1 = nullptr;
    TLearnCircle* Circle2 = nullptr;
    TLearnCircle* Circle3 = nullptr;
    TLearnCircle* Circle4 = nullptr;
    TButton* RestartBtn = nullptr;
    TButton* AcceptBtn = nullptr;
    TButton* CancelBtn = nullptr;
    TButton* HelpBtn = nullptr;
    TLanguage* Lang = nullptr;

private:
    std::array<TLearnCircle*, 4> Circles() const { return {Circle1, Circle2, Circle3, Circle4}; }
    // The instructions are a paragraph: broken into lines of a readable width, also when a
    // language file gives them as one line.
    std::string Wrapped(const std::string& text) const;

    TLearnQueue& queue_;
    std::string languageFile_;
};

} // namespace tav
