#pragma once
// The command line of the desktop program: an optional option ("/o" open,
// "/p" open, print and end; the last one counts) and a file name, perhaps in
// double quotes. A slash option is a slash, one letter and then a blank or
// the end; a text such as "/home/me/site.QLX" is a file, since absolute paths
// begin with a slash here.

#include <string>
#include <string_view>

struct CommandLineRequest {
    enum class Action { None, Open, Print, UnknownOption };
    Action What = Action::None;
    char Option = 'o';
    std::string File;
};

CommandLineRequest ParseCommandLine(std::string_view commandLine);

// "Command line option not recognised." and the option, on lines of their own.
std::string UnknownOptionMessage(char option);
