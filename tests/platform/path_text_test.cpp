// Paths as bytes: every path survives the trip through text, and what the player reads of
// one is readable whatever its bytes.
#include "platform/path_text.h"

#include <gtest/gtest.h>

namespace zemlo {
namespace {

// A folder unpacked from a Windows machine's archive: "デッキ" in CP932.
const std::string kCp932Name = "\x83\x66\x83\x62\x83\x4c";

TEST(PathText, EveryPathComesBackAsItsOwnBytes) {
    const std::string paths[] = {
        "/home/p/" + kCp932Name + "/ZM0101.htm",
        "/\xff\xfe/\xc0\x80/\xed\xa0\x80/\xf4\x90\x80\x80",  // no UTF-8: bytes, overlong, surrogate, beyond U+10FFFF
        "/\xe3\x83\x87\xe3\x83\x83\xe3\x82\xad/\xf0\x9f\x82\xa1 deck.htm",  // UTF-8, a pair too
        "\x1b[31m\nred", "\xe3\x83"};  // a name cut inside a character
    for (const std::string& bytes : paths) {
        const std::u16string text = PathText(std::filesystem::path(bytes));
        EXPECT_EQ(PathOfText(text).native(), bytes);
    }
    // Valid UTF-8 is plain text, as the rest of the program writes it.
    EXPECT_EQ(PathText("/\xe3\x83\x87\xe3\x83\x83\xe3\x82\xad"), u"/デッキ");
    // Text from elsewhere never throws, lone surrogates of any kind included.
    EXPECT_EQ(PathOfText(std::u16string(u"a\xD800" u"b\xDC10")).native(),
              "a\xed\xa0\x80" "b\xed\xb0\x90");
}

TEST(PathText, ShownPathReadsCp932NamesAndEscapesWhatIsNeitherAndControls) {
    EXPECT_EQ(ShownPath("/home/p/" + kCp932Name + "/\xe3\x83\x87.htm"), u"/home/p/デッキ/デ.htm");
    // Neither UTF-8 nor CP932 (0xFF starts nothing): the byte shown as an escape.
    EXPECT_EQ(ShownPath("/a\xff" "b/\x83"), u"/a\\xFFb/\\x83");
    // A name cannot break a line or steer a terminal, nor can C1 controls or U+2028.
    EXPECT_EQ(ShownPath("/\x1b[31m\nred\xc2\x9b\xe2\x80\xa8"),
              u"/\\x1B[31m\\x0Ared\\xC2\\x9B\\xE2\\x80\\xA8");
}

}  // namespace
}  // namespace zemlo
