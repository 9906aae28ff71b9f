#pragma once
// The report of a run-time failure nobody expected: an Abort/Retry/Ignore box
// naming the error number, where it happened and its description. The caller
// acts on the answer: Abort ends the program, Retry repeats the failed step,
// Ignore skips it.

#include "platform/MessageHost.h"

#include <string>

// The box's text. An empty section leaves out the place; an empty area
// leaves out the area; an empty (or blank) description leaves out the quote.
std::string UnexpectedErrorText(int errorNumber, const std::string& description, const std::string& section,
                                const std::string& area);

// Shows the report (exclamation icon, application title) and returns the
// button chosen: MsgResult::Abort, Retry or Ignore.
int ReportUnexpectedError(MessageHost& host, int errorNumber, const std::string& description,
                          const std::string& section, const std::string& area);
