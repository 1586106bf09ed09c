#include "ui/main/win32/MenuCopy.h"

namespace tav {

TMenuItem* CopyMenuItem(TComponent* owner, const TMenuItem& source) {
    TMenuItem* copy = nullptr;
    CreateComponent(copy, owner, source.Name() + "Copy",
                    {.Caption = source.Caption(),
                     .Enabled = source.Enabled(),
                     .Checked = source.Checked(),
                     .RadioItem = source.RadioItem(),
                     .OnClick = source.OnClick});
    copy->Tag = source.Tag;
    return copy;
}

} // namespace tav
