#pragma once
// The lines of one section in a single string, each as its length and its bytes. A file of
// hundreds of thousands of short lines then costs a byte or two per line beyond its text, where
// a string object per line would cost 32 bytes and, for a longer line, an allocation of its own.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

using IniLines = std::vector<std::string>;

class TPackedLines {
public:
    TPackedLines() = default;
    explicit TPackedLines(const IniLines& lines);

    int Count() const { return count_; }
    void Clear();
    // Returns where the line's length is stored.
    std::size_t Append(std::string_view line);
    void Replace(int index, std::string_view line);
    void Erase(int index);
    IniLines Unpacked() const;

    // Walks the lines in order: `visit(index, line, start)`, `start` being where the line's
    // length is stored, until it returns true; the index it stopped at, or -1.
    template <class Visit> int FindIf(Visit visit) const {
        std::size_t at = 0;
        for (int i = 0; i < count_; ++i) {
            const std::size_t start = at;
            if (visit(i, Next(at), start))
                return i;
        }
        return -1;
    }

    // The line whose length is stored at `start`.
    std::string_view At(std::size_t start) const { return Next(start); }

private:
    // The line whose length is stored at `at`; `at` moves on to the next line.
    std::string_view Next(std::size_t& at) const;
    std::size_t StartOf(int index) const;

    std::string bytes_;
    int count_ = 0;
};

} // namespace tav
