#include "catalogues/UnexpectedError.h"

namespace {

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::string UnexpectedErrorText(int errorNumber, const std::string& description, const std::string& section,
                                const std::string& area)
{
    const std::string title = ApplicationTitle;
    std::string text = "An unexpected error (code " + std::to_string(errorNumber) + ") has occurred in ";
    if (!section.empty()) {
        if (!area.empty())
            text += "the '" + area + "' area of ";
        text += "the '" + section + "' section of ";
    }
    text += title + ".\n\n";
    if (const std::string quoted = Trimmed(description); !quoted.empty())
        text += "\"" + quoted + "\"\n\n";
    text += "Please report the full contents of this message, and the circumstances under which it happened, "
            "to your supplier.\n\n";
    text += "Choosing 'Abort' will close down " + title +
            ", choosing 'Retry' will attempt the operation again, choosing 'Ignore' will skip the operation.";
    return text;
}

int ReportUnexpectedError(MessageHost& host, int errorNumber, const std::string& description,
                          const std::string& section, const std::string& area)
{
    return MsgBox(host, UnexpectedErrorText(errorNumber, description, section, area),
                  MsgStyle::AbortRetryIgnore + MsgStyle::Exclamation);
}
