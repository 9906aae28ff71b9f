#pragma once
// The last resort of each program's main: an exception that nothing caught
// on its way up is told through the message routine, and the program ends
// with an exit status of its own instead of the abort (status 134) of an
// uncaught exception.

#include "platform/MessageHost.h"

#include <exception>
#include <functional>
#include <string>

// EX_SOFTWARE of sysexits.h: an internal error of the program.
inline constexpr int UnexpectedFailureExit = 70;

// "An unexpected error has occurred and " + program + " has to close down."
// + line feed + line feed + the exception's description in double quotes.
std::string UnexpectedFailureText(const std::string& program, const std::exception_ptr& failure);

// Runs the body and returns its result. An exception that escapes it is shown
// (critical icon, the program as the caption) and the result is
// UnexpectedFailureExit.
int RunGuarded(MessageHost& host, const std::string& program, const std::function<int()>& body);
