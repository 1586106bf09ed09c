#pragma once
// A one-line edit whose text stands left, right or in the middle of the box; the address fields
// of the TCP/IP dialog are centred ones.

#include "framework/win32/StdCtrls.h"

namespace tav {

// In this order: the published property "Alignment" holds these numbers.
enum class TAlignment { LeftJustify, RightJustify, Center };

class TAlignEdit : public TEdit {
public:
    // A new field is centred.
    TAlignEdit(TComponent* owner, TControl* parent, std::string name = {});

    TAlignment Alignment() const { return alignment_; }
    // Takes effect at once on the text shown; the same alignment again changes nothing.
    void SetAlignment(TAlignment alignment);

private:
    TAlignment alignment_ = TAlignment::Center;
};

} // namespace tav
