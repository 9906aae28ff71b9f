#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

TEST(TextEncoding, LinesThatAreNotUtf8AreReadAsWindows1252)
{
    const std::pair<std::string, std::string> cases[] = {  // bytes, text
        {"Caf\xE9 \x80" "5", "Caf\xC3\xA9 \xE2\x82\xAC" "5"},     // e acute, euro sign
        {"\x93q\x94\x81", "\xE2\x80\x9Cq\xE2\x80\x9D\xC2\x81"},     // curly quotes, undefined byte
        {"\xEF\xBB\xBF[Dralon]", "[Dralon]"},                      // byte-order mark dropped
        // Each line decides for itself.
        {"A=Caf\xC3\xA9\r\nB=Caf\xE9\r\nC=\xC3\xA9", "A=Caf\xC3\xA9\r\nB=Caf\xC3\xA9\r\nC=\xC3\xA9"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(TextEncoding::DecodeFileText(bytes), text) << bytes;

    EXPECT_EQ(TextEncoding::FirstCharacters("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
}
