#include "model/leading_number.h"

#include <locale.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace varnholt {
namespace {

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

double RadixInteger(const std::string& s, size_t pos, int radix) {
  double value = 0;
  for (; pos < s.size(); ++pos) {
    const int d = DigitValue(s[pos]);
    if (d >= radix) break;
    value = value * radix + d;
  }
  return value;
}

// strtod in the "C" locale: the desktop program runs with the user's locale,
// in which the decimal separator may be a comma.
double ParseC(const std::string& s) {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return strtod_l(s.c_str(), nullptr, c_locale);
}

}  // namespace

double LeadingNumber(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (!IsIgnored(c)) s.push_back(c);
  }

  if (s.size() >= 2 && s[0] == '&') {
    const char r = s[1];
    if (r == 'H' || r == 'h') return RadixInteger(s, 2, 16);
    if (r == 'O' || r == 'o') return RadixInteger(s, 2, 8);
    return 0;
  }

  // Longest numeric prefix: [sign] digits [. digits] [(E|D) [sign] digits].
  std::string number;
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
  bool mantissa_digits = false;
  while (i < s.size() && IsDigit(s[i])) {
    number.push_back(s[i++]);
    mantissa_digits = true;
  }
  if (i < s.size() && s[i] == '.') {
    number.push_back(s[i++]);
    while (i < s.size() && IsDigit(s[i])) {
      number.push_back(s[i++]);
      mantissa_digits = true;
    }
  }
  if (!mantissa_digits) return 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
    bool exponent_digits = false;
    while (j < s.size() && IsDigit(s[j])) {
      exponent.push_back(s[j++]);
      exponent_digits = true;
    }
    if (exponent_digits) number += exponent;
  }
  return ParseC(number);
}

char32_t HalfWidthNumberChar(char32_t c) {
  if (c >= U'０' && c <= U'９') return U'0' + (c - U'０');
  switch (c) {
    case U'．':
      return U'.';
    case U'－':
    case U'−':  // U+2212, the minus sign some input methods give
      return U'-';
    case U'＋':
      return U'+';
    case U'ｅ':
      return U'e';
    case U'Ｅ':
      return U'E';
    default:
      return c;
  }
}

std::string HalfWidthNumberText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    // Every character to convert is three bytes long (U+2212, U+FF0B…U+FF45);
    // anything else, valid UTF-8 or not, is copied byte for byte.
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if ((c == 0xE2 || c == 0xEF) && i + 2 < utf8.size()) {
      const char32_t code = (static_cast<char32_t>(c & 0x0F) << 12) |
                            (static_cast<char32_t>(utf8[i + 1] & 0x3F) << 6) |
                            static_cast<char32_t>(utf8[i + 2] & 0x3F);
      const bool well_formed = (utf8[i + 1] & 0xC0) == 0x80 && (utf8[i + 2] & 0xC0) == 0x80;
      const char32_t half = well_formed ? HalfWidthNumberChar(code) : code;
      if (half != code) {
        out.push_back(static_cast<char>(half));
        i += 3;
        continue;
      }
    }
    out.push_back(utf8[i++]);
  }
  return out;
}

}  // namespace varnholt
