#include "text/CsvReader.h"

#include <array>

namespace CsvReader {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

class Reader {
public:
    Reader(std::string_view text, char separator, Strictness strictness)
        : text_(text), separator_(separator), strict_(strictness == Strictness::Standard)
    {
        if (text_.substr(0, ByteOrderMark.size()) == ByteOrderMark)
            text_.remove_prefix(ByteOrderMark.size());
    }

    Table Records()
    {
        Table table;
        while (at_ < text_.size() && table.Failure.empty()) {
            Record& record = table.Records.emplace_back();
            do {
                record.emplace_back();
                table.Failure = Peek('"') ? Quoted(record.back()) : Unquoted(record.back());
            } while (table.Failure.empty() && Take(separator_));
            if (table.Failure.empty())
                table.Failure = RecordEnd();
        }
        if (!table.Failure.empty()) {
            table.FailureLine = line_;
            table.Records.clear();
        }
        return table;
    }

private:
    bool Peek(char c) const { return at_ < text_.size() && text_[at_] == c; }
    bool Take(char c) { return Peek(c) && ++at_ > 0; }

    std::string Quoted(std::string& field)
    {
        const size_t opened = line_;
        ++at_;
        for (;;) {
            if (at_ >= text_.size()) {
                line_ = opened;
                return "a quoted field has no closing quote";
            }
            const char c = text_[at_++];
            if (c == '"' && !Take('"'))
                break;
            if (c == '\n')
                ++line_;
            field += c;
        }
        if (at_ < text_.size() && text_[at_] != separator_ && text_[at_] != '\r' && text_[at_] != '\n')
            return "text follows a closing quote";
        return {};
    }

    std::string Unquoted(std::string& field)
    {
        for (; at_ < text_.size() && text_[at_] != separator_ && text_[at_] != '\r' && text_[at_] != '\n'; ++at_) {
            if (strict_ && text_[at_] == '"')
                return "a quote stands inside an unquoted field";
            field += text_[at_];
        }
        return {};
    }

    std::string RecordEnd()
    {
        if (Take('\r') && Take('\n')) {
            ++line_;
            return {};
        }
        if (strict_)
            return "a record does not end in CR LF";
        // LF alone, a lone CR (as old spreadsheets on the Mac wrote) or the text's end.
        Take('\n');
        ++line_;
        return {};
    }

    std::string_view text_;
    char separator_;
    bool strict_;
    size_t at_ = 0;
    size_t line_ = 1;
};

}  // namespace

Table Read(std::string_view text, char separator, Strictness strictness)
{
    return Reader(text, separator, strictness).Records();
}

char GuessSeparator(std::string_view text)
{
    constexpr std::array<char, 3> candidates = {',', ';', '\t'};
    std::array<size_t, 3> counts{};
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted)
            for (size_t i = 0; i < candidates.size(); ++i)
                counts[i] += c == candidates[i];
    }
    size_t best = 0;
    for (size_t i = 1; i < candidates.size(); ++i)
        if (counts[i] > counts[best])
            best = i;
    return candidates[best];
}

}  // namespace CsvReader
