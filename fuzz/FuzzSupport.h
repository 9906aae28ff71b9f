#pragma once
// What the fuzzing targets share: a message host that shows and keeps
// nothing, a scratch folder of the process's own under the temporary folder
// (never the working folder), file writes that the profile cache always
// takes for a new version, settings that no input can change, and the
// bundled catalogues with a document read host that answers every question.

#include "catalogues/Catalogue.h"
#include "catalogues/Options.h"
#include "document/DateTime.h"
#include "document/DocumentReader.h"
#include "platform/FileSystem.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"

#include <string>
#include <string_view>

// Every box answers its default button: OK, or Abort for the unexpected-error
// report, so that no step is retried for ever.
class SilentMessageHost : public MessageHost {
public:
    void Beep(int) override {}
    int Show(const std::string&, int style, const std::string&) override
    {
        ++shown;
        return DefaultAnswer(style);
    }
    int shown = 0;  // boxes since the target last set it to 0
};

class FuzzFolder {
public:
    FuzzFolder();
    ~FuzzFolder();
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

    const std::string& Root() const { return root_; }
    std::string Path(const std::string& name) const { return root_ + "/" + name; }

private:
    std::string root_;
};

// Replaces the file's contents. The profile cache tells versions of a file
// apart by their size, inode and modification time, and two writes in the
// same clock tick can share all three; each version written here gets a
// modification time of its own.
void WriteVersion(const std::string& path, std::string_view bytes);

// The clock of every document a target or the seed generator makes: a run
// must not depend on the day it runs.
inline DateTime FixedNow() { return {2024, 3, 5, 14, 7, 9}; }

// For a settings store whose writes all fail, so that what one input stores
// cannot change how the next one is read.
FileSystem::WriteFault NeverWrite();

// Stops the run with the message: a check of the target failed.
[[noreturn]] void FuzzCheckFailed(const std::string& what);

// Leaves unknown device types empty, drops incompatible Other Devices and
// never cancels.
class AnsweringReadHost : public DocumentReadHost {
public:
    bool CancelRequested(int, int) override { return false; }
    UnknownDeviceAnswer UnknownDeviceType(int, int, int) override { return UnknownDeviceAnswer::LeaveEmpty; }
    bool DropIncompatibleOther(int, int, int) override { return true; }
    void OthersNotPlaced(int, int, int32_t) override {}
};

// The catalogues of the data root, loaded once, with everything a document
// read needs; settings are never written.
struct BundledCatalogue {
    BundledCatalogue();

    FuzzFolder folder;
    SettingsStore settings{folder.Path("settings.conf"), NeverWrite()};
    Options options{settings};
    SilentMessageHost messages;
    AnsweringReadHost host;
    Catalogue catalogue;
};
