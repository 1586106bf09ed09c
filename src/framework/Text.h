#pragma once
// Text helpers for 8-bit Windows-1252 strings. They are portable so that the native and the
// Windows builds fold case and parse numbers identically.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// Case mapping over the letters of the code page, not only ASCII.
std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);

// Case-insensitive comparison over the code page's letters; <0, 0 or >0.
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);

// Removes characters up to and including the blank (control characters too) at the ends.
std::string Trim(std::string_view s);

// Integer grammar shared by every reader of stored numbers:
//   optional blanks, optional sign, then decimal digits, or "$", "0x", "0X", "x", "X" followed by
//   hexadecimal digits; nothing may follow. Decimal values must fit in 32 signed bits;
//   hexadecimal values may use all 32 bits (they wrap to negative, two's complement).
std::optional<std::int32_t> TryStrToInt(std::string_view s);
std::int32_t StrToIntDef(std::string_view s, std::int32_t fallback);
// The value of one hexadecimal digit (either case), or -1.
int HexDigitValue(char c);
// Hexadecimal digits only (either case, at most 8 significant digits after leading zeros).
std::optional<std::int32_t> TryHexToInt(std::string_view s);

std::string IntToStr(std::int64_t value);
// Upper-case hexadecimal, at least `digits` wide; negatives as 32-bit two's complement.
std::string IntToHex(std::int32_t value, int digits);

// Cuts the first line off `rest` and returns it without its end; LF, CR LF and a CR alone each
// end a line.
std::string_view CutTextLine(std::string_view& rest);

// Splits on every occurrence of `separator` (no trimming, empty pieces kept).
std::vector<std::string> SplitString(std::string_view s, std::string_view separator);
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);

// The mnemonic of a caption: the letter after a single "&", in lower case ("&&" is a plain
// ampersand); 0 when there is none.
char CaptionMnemonic(std::string_view caption);

// A caption as a plain name (in status texts, lists of origins, stored sound names): without
// its first "&", ending before its first ":", or before its first "." when that one comes
// earlier. A caption without ":" keeps its dots ("Save As...").
std::string StripMenuCaption(std::string_view caption);

} // namespace tav
