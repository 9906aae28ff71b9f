#include "text/ProfileText.h"

#include <gtest/gtest.h>

#include <random>

using WinINI::ProfileText;

// Every read of a profile edited in memory answers what parsing its text
// afresh answers, whatever sequence of writes and deletions came before.
// The names reach every path of the index: case variants, and names a
// written line does not read back as (blanks around, a comment mark, a
// section bracket, an equals sign).
TEST(ProfileText, EditsInPlaceReadAsTheTextParsedAfresh)
{
    const std::vector<std::string> sections = {"Loop1", "loop1", "Dralon", " Pad ", "[x", "a]b", ""};
    const std::vector<std::string> keys = {"Device1", "DEVICE1", "Name", " Blank", ";c", "[k", "k=v", ""};
    const std::vector<std::string> values = {"1", "", "\"  quoted  \"", " x ", "\""};
    std::mt19937 random(20240611);
    auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
    for (int round = 0; round < 100; ++round) {
        ProfileText profile = ProfileText::FromText(
            ";comment\r\n[Loop1]\r\nName=a\r\nname=shadowed\r\n\r\n[Dralon]\r\nX=1\r\n[LOOP1]\r\nName=repeat\r\n");
        for (int step = 0; step < 60; ++step) {
            const int kind = static_cast<int>(random() % 10);
            if (kind < 7)
                profile.Write(pick(sections), pick(keys), pick(values));
            else if (kind < 9)
                profile.DeleteKey(pick(sections), pick(keys));
            else
                profile.DeleteSection(pick(sections));

            const ProfileText parsed = ProfileText::FromText(profile.Text());
            ASSERT_EQ(parsed.Lines(), profile.Lines());
            for (const std::string& section : sections)
                for (const std::string& key : keys)
                    ASSERT_EQ(parsed.Read(section, key), profile.Read(section, key))
                        << "round " << round << " step " << step << " [" << section << "] " << key;
        }
    }
}
