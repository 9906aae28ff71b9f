#include "platform/LastResort.h"

namespace {

std::string DescriptionOf(const std::exception_ptr& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& exception) {
        return exception.what();
    } catch (...) {
        return "an exception of an unknown kind";
    }
}

}  // namespace

std::string UnexpectedFailureText(const std::string& program, const std::exception_ptr& failure)
{
    return "An unexpected error has occurred and " + program + " has to close down.\n\n\"" + DescriptionOf(failure) +
           "\"";
}

int RunGuarded(MessageHost& host, const std::string& program, const std::function<int()>& body)
{
    try {
        return body();
    } catch (...) {
        MsgBox(host, UnexpectedFailureText(program, std::current_exception()), MsgStyle::OKOnly + MsgStyle::Critical,
               program);
        return UnexpectedFailureExit;
    }
}
