#include "platform/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace topodlg {
namespace {

// One iconv conversion; `lossy` replaces a byte that does not convert with
// U+FFFD (only used towards UTF-8) instead of failing.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in, bool lossy) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);

  std::string out;
  out.reserve(in.size() * 2);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char buffer[1024];
  while (srcLeft > 0) {
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, static_cast<size_t>(dst - buffer));
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    if (!lossy) return std::nullopt;
    out += "\xEF\xBF\xBD";
    ++src;
    --srcLeft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace

std::optional<CString> Utf8ToCp932(std::string_view utf8) {
  auto converted = Convert("CP932", "UTF-8", utf8, false);
  if (!converted) return std::nullopt;
  return CString(std::move(*converted));
}

std::optional<std::string> Cp932ToUtf8Strict(std::string_view cp932) {
  return Convert("UTF-8", "CP932", cp932, false);
}

std::string Cp932ToUtf8(std::string_view cp932) {
  // Plain ASCII is the common case (numbers, paths, result fields).
  bool ascii = true;
  for (char c : cp932) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::string(cp932);
  return Convert("UTF-8", "CP932", cp932, true).value_or(std::string());
}

}  // namespace topodlg
