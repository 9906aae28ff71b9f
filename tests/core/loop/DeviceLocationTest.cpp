// The one rule for what a location may be.

#include "loop/DeviceLocation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* TooLong = "A location can hold at most 200 characters.";
constexpr const char* NotOneLine = "A location is one line of text.";

TEST(DeviceLocation, WhatALocationMayBe)
{
    std::string twoHundred;  // 200 characters of two bytes each
    for (int i = 0; i < 200; ++i)
        twoHundred += "\xC3\xA9";
    const struct {
        std::string typed;
        std::string cleaned;
        const char* refusal;
    } rows[] = {
        {"  Room 1.12, corridor ceiling \t", "Room 1.12, corridor ceiling", ""},
        {"   ", "", ""},
        {twoHundred, twoHundred, ""},
        {twoHundred + "x", twoHundred + "x", TooLong},
        {"Plant room\tnorth", "Plant room\tnorth", NotOneLine},
        {"Plant room\r\nnorth", "Plant room\r\nnorth", NotOneLine},
        {"Plant room\xC2\x85north", "Plant room\xC2\x85north", NotOneLine},      // next line (C1)
        {"Plant room\xE2\x80\xA8north", "Plant room\xE2\x80\xA8north", NotOneLine},  // line separator
        {std::string(300, 'a') + "\n", std::string(300, 'a') + "\n", NotOneLine},
    };
    for (const auto& row : rows) {
        const std::string cleaned = DeviceLocation::Cleaned(row.typed);
        EXPECT_EQ(cleaned, row.cleaned) << row.typed;
        EXPECT_EQ(DeviceLocation::Refusal(cleaned), row.refusal) << row.typed;
    }
}

}  // namespace
