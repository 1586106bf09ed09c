#pragma once
// A failed file operation, told in pieces: the program's own words can then be translated while
// the file's name and the system's reason are shown as they are.

#include <string>
#include <string_view>

namespace tav {

struct TFileError {
    std::string What;   // the program's words, such as "Cannot write file"
    std::string Path;   // the file concerned
    std::string Reason; // the system's own text; may be empty

    // The message with `what` in place of the program's words (for a translation of them).
    std::string Text(std::string_view what) const {
        std::string text(what);
        text += " \"" + Path + "\"";
        if (!Reason.empty())
            text += ": " + Reason;
        return text;
    }
    std::string Text() const { return Text(What); }
};

} // namespace tav
