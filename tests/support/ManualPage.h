#pragma once
// Reads what a manual page says about a program's options, so that tests can
// hold it against the program itself.

#include <set>
#include <string>

// The path of one of our manual pages' sources, by program name.
std::string ManualPagePath(const std::string& program);

// The options the OPTIONS section of a manual page (man macros) tags, as
// they are typed: "--data-root", "-h", "/p". Each tag (the line after ".TP")
// may name several ("-h, --help"); the value it takes is left out.
std::set<std::string> ManualPageOptions(const std::string& path);
