#include "loop/DeviceLocation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Counted in characters, not bytes; any control character, or a line or
// paragraph separator, breaks the line.
TEST(DeviceLocation, WhatALocationMayBe)
{
    std::string twoHundred;
    for (int i = 0; i < 200; ++i)
        twoHundred += "\xC3\xA9";
    const std::string tooLong = "A location can hold at most 200 characters.";
    const std::string notOneLine = "A location is one line of text.";
    const std::pair<std::string, std::string> rows[] = {
        {twoHundred, ""},           {twoHundred + "x", tooLong},     {"Plant\troom", notOneLine},
        {"Plant\r\nroom", notOneLine}, {"Plant\xC2\x85room", notOneLine}, {"Plant\xE2\x80\xA8room", notOneLine},
        {std::string(300, 'a') + "\x7F", notOneLine},
    };
    for (const auto& [text, refusal] : rows)
        EXPECT_EQ(DeviceLocation::Refusal(text), refusal) << text;
    EXPECT_EQ(DeviceLocation::Cleaned(" \t Room 1.12, corridor ceiling  "), "Room 1.12, corridor ceiling");
}

}  // namespace
