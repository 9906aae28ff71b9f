#include "support/CsvReader.h"

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<CsvRecords> Records()
    {
        CsvRecords records;
        while (at_ < text_.size()) {
            std::vector<std::string>& record = records.emplace_back();
            do {
                const std::optional<std::string> field = Field();
                if (!field)
                    return std::nullopt;
                record.push_back(*field);
            } while (Take(','));
            if (!Take('\r') || !Take('\n'))
                return std::nullopt;
        }
        return records;
    }

private:
    bool Take(char c)
    {
        if (at_ >= text_.size() || text_[at_] != c)
            return false;
        ++at_;
        return true;
    }

    std::optional<std::string> Field()
    {
        std::string field;
        if (!Take('"')) {
            while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\r') {
                if (text_[at_] == '"' || text_[at_] == '\n')
                    return std::nullopt;
                field += text_[at_++];
            }
            return field;
        }
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c != '"')
                field += c;
            else if (!Take('"'))
                return field;
            else
                field += '"';
        }
        return std::nullopt;  // no closing quote
    }

    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace

std::optional<CsvRecords> ReadCsv(std::string_view text) { return Reader(text).Records(); }
