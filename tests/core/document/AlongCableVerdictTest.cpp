#include "document/AlongCableVerdict.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr FeedResult Passing{20, 7, 6.64, 7, true};

// A loop of `points` points (address 1 up) with its three feeds and its sections.
AlongCableResult Along(bool positioned, std::array<FeedResult, FeedCount> feeds, std::vector<IsolatorSection> sections,
                       int points = 3)
{
    AlongCableResult result;
    result.Positioned = positioned;
    for (int address = 1; address <= points; ++address)
        result.Points.push_back({.Address = address, .ExactVolts = {20, 20, 20}});
    result.Feeds = feeds;
    result.Sections = std::move(sections);
    return result;
}

struct VerdictRow {
    const char* what;
    AlongCableResult result;
    std::string text;
    int32_t failed;
    bool hint = false;  // shown greyed beside the loop's own verdict
};

}  // namespace

// Every check counted, the first that fails in words: the feeds first, then
// the sections in cable order.
TEST(AlongCableVerdict, TheFirstFailingCheckAndTheCount)
{
    const FeedResult openInLow{16.6, 40, -0.4, 40, false};
    const FeedResult wholeLow{18.9, 12, -0.126, 12, false};
    const std::vector<IsolatorSection> threeSections{{0, 12, 20, 32, true}, {12, 30, 31, 32, true}, {30, 0, 34, 32, false}};
    const VerdictRow rows[] = {
        {"every check passes: the least margin of the feeds",
         Along(true, {Passing, FeedResult{19, 3, 5.1, 3, true}, Passing}, {{0, 12, 20, 32, true}, {12, 0, 8, 32, true}}),
         "5.10 V margin (all 5 checks pass)", 0},
        {"a section over its limit", Along(true, {Passing, Passing, Passing}, threeSections),
         "section 3: 34 points, limit 32 (1 of 6 checks fails)", 1},
        {"a feed below a minimum", Along(true, {Passing, openInLow, Passing}, {{0, 0, 3, 32, true}}),
         "open at IN end: address 40, 0.40 V below its minimum (1 of 4 checks fails)", 1},
        {"a feed before a section, halves away from zero", Along(true, {wholeLow, openInLow, Passing}, threeSections),
         "loop whole: address 12, 0.13 V below its minimum (3 of 6 checks fail)", 3},
        {"no isolator, placed evenly", Along(false, {Passing, Passing, Passing}, {{0, 0, 46, 32, false}}),
         "Placed evenly, no isolator: 46 points, limit 32 (1 of 4 checks fails)", 1},
        {"placed evenly and passing", Along(false, {Passing, Passing, Passing}, {{0, 0, 3, 32, true}}),
         "Placed evenly, 6.64 V margin (all 4 checks pass)", 0, true},
        {"no points, no checks", AlongCableResult{}, "", 0, true},
    };
    for (const VerdictRow& row : rows) {
        const AlongCableVerdict verdict = JudgeAlongCable(row.result);
        EXPECT_EQ(verdict.Text, row.text) << row.what;
        EXPECT_EQ(verdict.Failed, row.failed) << row.what;
        EXPECT_EQ(verdict.Pass(), row.failed == 0) << row.what;
        EXPECT_EQ(verdict.Empty, row.result.Points.empty()) << row.what;
        EXPECT_EQ(verdict.Hint(), row.hint) << row.what;
    }
}

TEST(AlongCableVerdict, EachCheckSaysHowItFares)
{
    AlongCableResult result = Along(true, {Passing, Passing, Passing}, {{0, 2, 1, 32, true}, {2, 0, 33, 32, false}});
    // Open at OUT end the loop collapses at address 2, which needs no voltage
    // of its own: its margin is not below 0, yet the feed fails.
    result.Feeds[2] = {0, 2, 0, 1, false};
    result.Points[1].ExactVolts[2] = -0.5;
    const AlongCableVerdict verdict = JudgeAlongCable(result);
    std::vector<std::string> texts;
    for (const AlongCableCheck& check : verdict.Checks)
        texts.push_back(check.Text + (check.Pass ? "" : " [fails]"));
    EXPECT_EQ(texts, (std::vector<std::string>{"loop whole: 6.64 V margin at address 7",
                                               "open at IN end: 6.64 V margin at address 7",
                                               "open at OUT end: no voltage left at address 2 [fails]",
                                               "section 1: 1 point, limit 32", "section 2: 33 points, limit 32 [fails]"}));
    EXPECT_EQ(AlongCableLine(verdict), "Along the cable: open at OUT end: no voltage left at address 2 (2 of 5 checks fail)");
    EXPECT_EQ(verdict.Placement, "at their own distances");
}

TEST(AlongCableVerdict, TheLoopsThatFail)
{
    for (const auto& [loops, text] : std::initializer_list<std::pair<std::vector<int>, std::string>>{
             {{}, ""},
             {{1}, "Loop 1 fails along the cable"},
             {{1, 4}, "Loops 1 and 4 fail along the cable"},
             {{1, 3, 4}, "Loops 1, 3 and 4 fail along the cable"}})
        EXPECT_EQ(AlongCableFailuresText(loops), text);
}
