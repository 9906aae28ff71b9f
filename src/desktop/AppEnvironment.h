#pragma once
// Where a run of the desktop program finds and keeps things, and what it was
// asked on its command line. The process's own values come from the
// environment and the platform; tests build their own.

#include "catalogues/DataFiles.h"

#include <QStringList>

#include <string>

struct AppEnvironment {
    std::string SettingsFile;       // the user's settings
    DataFiles Files;                // the catalogues and the user-defined panels
    std::string OldSettingsFile;    // the older release's settings, carried over once
    std::string LocaleId;           // four hexadecimal digits
    std::string IMeasure;           // "1" for US units
    std::string DocumentsFolder;    // where the file dialogs start at first
    std::string HelpIndex;          // the help's index page
    std::string RecentlyUsedList;   // the desktop's recently-used list; empty for none
    std::string CommandLine;        // the arguments as one text

    static AppEnvironment OfProcess(const QStringList& arguments);

    // The arguments after the program's name as one command line, those
    // holding blanks in double quotes.
    static std::string JoinArguments(const QStringList& arguments);
    // The help's index page: beside the program ("help/"), in its installed
    // share folder, or in the source tree.
    static std::string LocateHelpIndex(const std::string& programFolder);
};
