#pragma once
// Text is UTF-8 in memory. Widths and cuts are measured in the bytes of the
// Japanese code page (CP932: a full-width character 2 bytes, a half-width one
// 1), which is how names are limited and how the record file is written.
#include <optional>
#include <string>
#include <string_view>

namespace mj {

// UTF-8 -> CP932 bytes; nullopt when a character has no CP932 form.
std::optional<std::string> ToShiftJis(std::string_view utf8);
// CP932 bytes -> UTF-8; nullopt on bytes that are not CP932.
std::optional<std::string> FromShiftJis(std::string_view sjis);
// UTF-8 -> CP932, every character without a CP932 form written as '?':
// for files that must be written even when a name slipped through.
std::string ToShiftJisReplacing(std::string_view utf8);
// True when every character of the text can be written in CP932.
bool IsShiftJisText(std::string_view utf8);

// Byte length in CP932. A character without a CP932 form counts 2, as a
// full-width character would.
int ByteLength(std::string_view utf8);

// Cuts by byte position that never split a double-byte character: a
// character that would be cut in two is left out.
std::string LeftBytes(std::string_view utf8, int bytes);
std::string RightBytes(std::string_view utf8, int bytes);
// start is the 1-based byte position of the first byte wanted.
std::string MidBytes(std::string_view utf8, int start, int bytes);
// Pads with blanks on the right to the given byte width (never cuts).
std::string PadBytes(std::string_view utf8, int width);

}  // namespace mj
