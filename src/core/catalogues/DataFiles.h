#pragma once
// Where the catalogue files are, and the two texts every loader's messages
// are built from.
//
// The folders are the data root followed by a fixed tail ("/Harvex/Panels"
// and so on). When the data root is unavailable it is the empty text, so a
// path is just the tail and the file name ("/Harvex/Panels/QuellarStdPanels.dat"):
// an absolute path that names no real file, whatever the working folder, so
// the loaders report the file as missing and their messages show where it was
// looked for.
//
// The user-defined panels live in the user's data folder, not under the data
// root: an installed data root is read-only.

#include <string>

struct DataFiles {
    std::string PanelsFolder;
    std::string CablesFolder;
    std::string DevicesFolder;
    std::string BatteriesFolder;

    std::string RevisedStandardPanelsFile;
    std::string StandardPanelsFile;
    std::string CustomPanelsFile;  // the user's writable copy
    std::string CablesFile;
    std::string DevicesFile;
    std::string CustomDevicesFile;
    std::string BatteriesFile;  // the standard battery sizes

    // The files under this data root, the user-defined panels in
    // Folders::UserDataFolder().
    static DataFiles FromRoot(const std::string& root);
    // The files under Folders::DataRoot().
    static DataFiles Locate();
};

// "configuration settings in '" + path + "'.", the end of every message about
// a data file.
std::string PlaceText(const std::string& path);

// "Unable to find file containing " + what + ": '" + path + "'."
std::string MissingFileMessage(const std::string& what, const std::string& path);
