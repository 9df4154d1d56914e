#include "common/sjis_text.h"

#include <iconv.h>

#include <algorithm>
#include <vector>

namespace mj {
namespace {

// One iconv conversion of a whole buffer; nullopt on any unconvertible input.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(in.size() * 4 + 8, '\0');
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  const bool failed = rc == static_cast<std::size_t>(-1) ||
                      iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (failed) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

// Length of the UTF-8 sequence that starts with byte b (1 for stray bytes).
std::size_t SequenceLength(unsigned char b) {
  if (b >= 0xF0) return 4;
  if (b >= 0xE0) return 3;
  if (b >= 0xC0) return 2;
  return 1;
}

struct Glyph {
  std::string_view utf8;
  int bytes;  // CP932 width
};

std::vector<Glyph> Glyphs(std::string_view text) {
  std::vector<Glyph> glyphs;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = std::min(SequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
    const std::string_view piece = text.substr(i, n);
    int width = 2;
    if (n == 1) {
      width = 1;
    } else if (auto sjis = ToShiftJis(piece)) {
      width = static_cast<int>(sjis->size());
    }
    glyphs.push_back({piece, width});
    i += n;
  }
  return glyphs;
}

}  // namespace

std::optional<std::string> ToShiftJis(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8); }

std::optional<std::string> FromShiftJis(std::string_view sjis) { return Convert("UTF-8", "CP932", sjis); }

bool IsShiftJisText(std::string_view utf8) { return ToShiftJis(utf8).has_value(); }

std::string ToShiftJisReplacing(std::string_view utf8) {
  if (auto whole = ToShiftJis(utf8)) return *whole;
  std::string out;
  for (const Glyph& g : Glyphs(utf8)) {
    auto one = ToShiftJis(g.utf8);
    out += one ? *one : std::string("?");
  }
  return out;
}

int ByteLength(std::string_view utf8) {
  if (auto sjis = ToShiftJis(utf8)) return static_cast<int>(sjis->size());
  int total = 0;
  for (const Glyph& g : Glyphs(utf8)) total += g.bytes;
  return total;
}

std::string MidBytes(std::string_view utf8, int start, int bytes) {
  std::string out;
  if (start < 1 || bytes <= 0) return out;
  const int first = start - 1;  // 0-based byte offset
  const int end = first + bytes;
  int pos = 0;
  for (const Glyph& g : Glyphs(utf8)) {
    if (pos >= first && pos + g.bytes <= end) out += g.utf8;
    pos += g.bytes;
    if (pos >= end) break;
  }
  return out;
}

std::string LeftBytes(std::string_view utf8, int bytes) { return MidBytes(utf8, 1, bytes); }

std::string RightBytes(std::string_view utf8, int bytes) {
  const int total = ByteLength(utf8);
  if (bytes >= total) return std::string(utf8);
  return MidBytes(utf8, total - bytes + 1, bytes);
}

std::string PadBytes(std::string_view utf8, int width) {
  std::string out(utf8);
  const int missing = width - ByteLength(utf8);
  if (missing > 0) out.append(static_cast<std::size_t>(missing), ' ');
  return out;
}

}  // namespace mj
