#pragma once
// Serial bytes become code values of "Value size" bytes each, the first byte the most
// significant. A chunk may end inside a value: its last bytes wait for the next chunk of the
// same code, and go when the code ends.

#include "engine/document/ReceivedCode.h"

#include <string>
#include <string_view>

namespace tav {

class TValuePacker {
public:
    // Appends each whole value of the waiting bytes followed by `bytes`, as long as the
    // buffer's serial bound allows. `valueSize` is 1..4.
    void Pack(std::string_view bytes, int valueSize, TReceivedCode& code);
    // The code ended: an unfinished value is not part of the next one.
    void Drop() { waiting_.clear(); }

private:
    std::string waiting_;
};

} // namespace tav
