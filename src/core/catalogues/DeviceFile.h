#pragma once
// What every part of the device-type load shares: the catalogue being
// filled, the message host, where the files are, and the device file's place
// text that ends every message about it.

#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "platform/MessageHost.h"

#include <functional>
#include <string>

struct DeviceFile {
    DeviceFile(Catalogue& catalogue, MessageHost& host, const DataFiles& files);

    Catalogue& catalogue;
    MessageHost& host;
    const DataFiles& files;
    std::string place;        // PlaceText of the device file
    std::string customPlace;  // PlaceText of the custom device file

    // A value of the device file.
    std::string Read(const std::string& section, const std::string& key) const;

    // Shows a message about bad data (exclamation icon) and returns false,
    // so that a failed check reads `return file.Fail(...)`.
    bool Fail(const std::string& text) const;

    // Runs one step of the load (reading one entry, sizing one table). A
    // run-time failure inside it is reported with the section "reading " +
    // filePlace; Retry runs the step again, Ignore counts it as done and
    // Abort fails the load. Returns false when the load must end: the step
    // failed a check (its message already shown) or the user chose Abort.
    bool Step(const std::string& filePlace, const std::function<bool()>& step) const;
};
