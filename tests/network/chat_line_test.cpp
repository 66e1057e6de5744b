#include "network/chat_line.h"

#include <gtest/gtest.h>

namespace tavolex {
namespace {

TEST(ChatLine, ControlAndFramingCharactersBecomeUnderscoresAndTheLineIsCut) {
    const std::string longText(300, 'x');
    struct Case {
        std::string name, text, line;
    } cases[] = {
        {"Anna", "hello", "Anna: hello"},
        {"Anna", "a\tb", "Anna: a_b"},
        {"Anna", "\x01\x1f \x7f\xfa", "Anna: __ \x7f\xfa"},
        {"Anna", "\xfb\xfe\xff\r\n", "Anna: _____"},
        {"", "", ": "},
        {"Anna", longText, "Anna: " + longText.substr(0, 249)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OwnChatLine(c.name, c.text), c.line) << c.text;
        // A received line gets the same cleaning, and cleaning twice changes nothing.
        EXPECT_EQ(CleanChatLine(c.name + ": " + c.text), c.line);
        EXPECT_EQ(CleanChatLine(c.line), c.line);
    }
}

}  // namespace
}  // namespace tavolex
