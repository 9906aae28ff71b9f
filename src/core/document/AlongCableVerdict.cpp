#include "document/AlongCableVerdict.h"

#include "document/CalculationSupport.h"
#include "document/Document.h"
#include "document/LoopResults.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Volts(double volts) { return VoltsTextToHundredths(volts) + " V"; }

// "Loop whole" as it reads inside a line: "loop whole".
std::string FeedInLine(Feed feed)
{
    std::string name = FeedName(feed);
    name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    return name;
}

// Where no margin is below 0 yet the feed fails, the loop has collapsed at
// a point that needs no voltage of its own: the first such point is named.
int CollapsedAddress(const AlongCableResult& result, Feed feed)
{
    const auto f = static_cast<size_t>(feed);
    for (const AlongCablePoint& point : result.Points)
        if (point.ExactVolts[f] < 0)
            return point.Address;
    return result.Of(feed).WorstAddress;
}

AlongCableCheck FeedCheck(const AlongCableResult& result, Feed feed)
{
    const FeedResult& summary = result.Of(feed);
    const std::string address = "address " + std::to_string(summary.WorstAddress);
    std::string text = FeedInLine(feed) + ": ";
    if (summary.Pass)
        text += Volts(summary.WorstMargin) + " margin at " + address;
    else if (summary.WorstMargin < 0)
        text += address + ", " + Volts(-summary.WorstMargin) + " below its minimum";
    else
        text += "no voltage left at address " + std::to_string(CollapsedAddress(result, feed));
    return {text, summary.Pass};
}

AlongCableCheck SectionCheck(const IsolatorSection& section, size_t number, size_t sections)
{
    const std::string name = sections == 1 ? "no isolator" : "section " + std::to_string(number);
    const std::string points = std::to_string(section.Points) + (section.Points == 1 ? " point" : " points");
    return {name + ": " + points + ", limit " + std::to_string(section.Limit), section.Pass};
}

double LeastMargin(const AlongCableResult& result)
{
    double least = result.Of(Feed::Whole).WorstMargin;
    for (const Feed feed : AllFeeds)
        least = std::min(least, result.Of(feed).WorstMargin);
    return least;
}

std::string ResultText(const AlongCableVerdict& verdict, double leastMargin)
{
    const std::string checks = std::to_string(verdict.Checks.size()) + " checks";
    if (verdict.Pass())
        return Volts(leastMargin) + " margin (all " + checks + " pass)";
    return verdict.FirstFailure + " (" + std::to_string(verdict.Failed) + " of " + checks +
           (verdict.Failed == 1 ? " fails)" : " fail)");
}

}  // namespace

AlongCableVerdict JudgeAlongCable(const AlongCableResult& result)
{
    AlongCableVerdict verdict;
    if (result.Empty())
        return verdict;
    verdict.Empty = false;
    verdict.Positioned = result.Positioned;
    for (const Feed feed : AllFeeds)
        verdict.Checks.push_back(FeedCheck(result, feed));
    for (size_t i = 0; i < result.Sections.size(); ++i)
        verdict.Checks.push_back(SectionCheck(result.Sections[i], i + 1, result.Sections.size()));
    for (const AlongCableCheck& check : verdict.Checks) {
        if (check.Pass)
            continue;
        if (verdict.Failed++ == 0)
            verdict.FirstFailure = check.Text;
    }
    verdict.Result = ResultText(verdict, LeastMargin(result));
    if (result.Positioned) {
        verdict.Text = verdict.Result;
        verdict.Placement = "at their own distances";
    } else if (result.PartlyPositioned) {
        verdict.Text = "Partly positioned, " + verdict.Result;
        verdict.Placement = "partly at their own distances (" + PlacedBetweenText(result) + ")";
    } else {
        verdict.Text = "Placed evenly, " + verdict.Result;
        verdict.Placement = "placed evenly (no distances)";
    }
    return verdict;
}

std::string AlongCableLine(const AlongCableVerdict& verdict) { return "Along the cable: " + verdict.Text; }

std::vector<std::string> AlongCableDetails(const AlongCableVerdict& verdict)
{
    std::vector<std::string> lines;
    if (verdict.Empty)
        return lines;
    lines.push_back("Devices " + verdict.Placement);
    for (const AlongCableCheck& check : verdict.Checks)
        lines.push_back(check.Text);
    return lines;
}

AlongCableVerdict AlongCableVerdictFor(const Document& document, int loop)
{
    return JudgeAlongCable(CalculationSupport::AnalyseAlongCable(document, loop));
}

std::vector<int> LoopsFailingAlongCable(const Document& document)
{
    std::vector<int> loops;
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        if (document.LoopExists(loop) && !AlongCableVerdictFor(document, loop).Pass())
            loops.push_back(loop);
    return loops;
}

std::string AlongCableFailuresText(const std::vector<int>& loops)
{
    if (loops.empty())
        return "";
    return LoopsText(loops) + (loops.size() == 1 ? " fails" : " fail") + " along the cable";
}
