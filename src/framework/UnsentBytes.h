#pragma once
// The bytes a connection was given to send that its peer has not taken yet, oldest first. A
// peer that reads slowly gets them once its socket can be written again, in order; one that
// stops reading would make them grow without end, so the caller closes a connection whose
// waiting bytes stay over the bound.

#include <cstddef>
#include <string>
#include <string_view>

namespace tav {

class TUnsentBytes {
public:
    // Enough for every reply to a peer that sends ten megabytes of lines before it reads.
    static constexpr std::size_t kBound = 32u << 20;

    // Keeps `text` after the bytes that wait already.
    void Keep(std::string_view text);
    // The bytes that wait, oldest first.
    std::string_view Waiting() const;
    // The first `count` waiting bytes were sent.
    void Sent(std::size_t count);
    bool OverBound() const { return Waiting().size() > kBound; }
    void Clear();

private:
    std::string bytes_;
    // Where the waiting bytes begin in `bytes_`; what lies before was sent.
    std::size_t start_ = 0;
};

} // namespace tav
