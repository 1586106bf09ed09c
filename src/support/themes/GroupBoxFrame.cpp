#include "support/themes/GroupBoxFrame.h"

namespace tav::themes {

TGroupBoxFrame GroupBoxFrame(const TRect& client, TExtent caption, bool rightToLeft) {
    TGroupBoxFrame f;
    if (caption.Width > 0 && caption.Height > 0) {
        const int left = rightToLeft ? client.Right - kGroupCaptionIndent - caption.Width
                                     : client.Left + kGroupCaptionIndent;
        f.Caption = {left, client.Top, left + caption.Width, client.Top + caption.Height};
    }
    f.Frame = client;
    f.Frame.Top += f.Caption.Height() / 2;
    return f;
}

} // namespace tav::themes
