#include "project/cp932.h"

#include <gtest/gtest.h>

namespace varnholt::project {
namespace {

struct Encodable {
  const char* text;
  const char* bytes;  // from the code page 932 table
};

TEST(Cp932, EncodesTheTextsTheWindowsHold) {
  const Encodable cases[] = {
      {"∴O.K", "\x81\x88O.K"},
      {" > 1.5 ∴NG", " > 1.5 \x81\x88NG"},
      {"σmax=", "\x83\xD0max="},
      {"ﾌｧｲﾙ", "\xCC\xA7\xB2\xD9"},  // half-width katakana are single bytes
      {"～", "\x81\x60"},            // FULLWIDTH TILDE, the code page's own tilde
      {"①", "\x87\x40"},
      {"\\~", "\\~"},
      {"", ""},
  };
  for (const Encodable& c : cases) {
    SCOPED_TRACE(c.text);
    const Cp932Encoded e = EncodeCp932(c.text);
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.bytes, c.bytes);
    EXPECT_EQ(DecodeCp932(e.bytes), std::optional<std::string>(c.text));
  }
}

TEST(Cp932, NamesTheFirstCharacterItCannotHold) {
  const struct {
    const char* text;
    const char* bad;
  } cases[] = {
      {"横浜😀市", "😀"},            // emoji
      {"a〜b", "〜"},              // WAVE DASH has no code; it must not turn into ～
      {"¥100", "¥"},               // YEN SIGN would silently become a backslash
      {"x\xFFy", "\xEF\xBF\xBD"},  // not UTF-8 at all
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const Cp932Encoded e = EncodeCp932(c.text);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.bad_character, c.bad);
  }
}

TEST(Cp932, RefusesBytesThatAreNotCodePage932) {
  for (const char* bytes : {"\x81\x20", "\x81", "ab\x85\x40", "\xA0", "\xFD"}) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(DecodeCp932(bytes), std::nullopt);
  }
}

}  // namespace
}  // namespace varnholt::project
