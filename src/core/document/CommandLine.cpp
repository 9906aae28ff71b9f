#include "document/CommandLine.h"

#include <cctype>

namespace {

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Trims, drops one leading and one trailing double quote, trims again.
std::string_view Unquoted(std::string_view text)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '"')
        text.remove_prefix(1);
    if (!text.empty() && text.back() == '"')
        text.remove_suffix(1);
    return Trimmed(text);
}

bool StartsWithOption(std::string_view text)
{
    return text.size() >= 2 && text[0] == '/' && (text.size() == 2 || text[2] == ' ');
}

}  // namespace

CommandLineRequest ParseCommandLine(std::string_view commandLine)
{
    CommandLineRequest request;
    std::string_view text = Unquoted(commandLine);
    if (text.empty())
        return request;
    while (StartsWithOption(text)) {
        request.Option = static_cast<char>(std::tolower(static_cast<unsigned char>(text[1])));
        text = text.size() > 2 ? Trimmed(text.substr(3)) : std::string_view{};
    }
    request.File = std::string(Unquoted(text));
    if (request.Option == 'o')
        request.What = CommandLineRequest::Action::Open;
    else if (request.Option == 'p')
        request.What = CommandLineRequest::Action::Print;
    else
        request.What = CommandLineRequest::Action::UnknownOption;
    return request;
}

std::string UnknownOptionMessage(char option)
{
    return std::string("Command line option not recognised.") + "\r\r" + "'" + "/" + option + "'";
}
