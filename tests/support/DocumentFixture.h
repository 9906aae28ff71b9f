#pragma once
// Everything a document test needs, built in memory: a catalogue with the
// kinds of device types and Other Devices the format distinguishes (custom
// ones, bases, standalone ones, the older types that are converted), two
// panels, a settings file and a scratch folder of its own, a scripted
// message host and a read host that records what the reader asked.

#include "loop/clsCalculator.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "document/DocumentReader.h"
#include "platform/MessageHost.h"
#include "platform/SettingsStore.h"
#include "support/ScratchFolder.h"
#include "support/TestCatalogue.h"

#include <string>

// Other Device Numbers differ from their positions, as they do once the
// catalogue is sorted by name, so that a mix-up of the two shows.
struct DocumentCatalogue : TestCatalogue {
    DocumentCatalogue();

    // Device families; all hidden at first, so that showing one is seen.
    static constexpr int Detectors = 0;
    static constexpr int Sounders = 1;
    static constexpr int Modules = 2;

    int16_t optical = 0;         // base type 1, Detectors
    int16_t heat = 0;            // base type 1, Detectors
    int16_t master = 0;          // a Master module, Modules
    int16_t slaveBase = 0;       // a slave base (no Other Devices, slave)
    int16_t remoteModule = 0;    // has a remote output
    int16_t unselectable = 0;    // icon 0
    int16_t standaloneBase = 0;  // stands for the standalone Call Point
    int16_t customSensor = 0;    // custom, Sounders
    static constexpr int16_t OldSounderBase = 47;
    static constexpr int16_t NewSounderBase = 57;
    static constexpr int16_t OldRelay = 78;
    static constexpr int16_t NewRelay = 79;

    int16_t beacon = 0;          // Number 3, attached, Sounders family
    int16_t relayBase = 0;       // Number 7, a base Other Device for base type 1
    int16_t callPoint = 0;       // Number 9, standalone
    int16_t lineIsolator = 0;    // Number 10, standalone
    int16_t remoteIndicator = 0; // Number 5, needs a remote output
    int16_t customStrobe = 0;    // Number 12, custom, attached
    int16_t customBase = 0;      // Number 13, custom, a base Other Device
    int16_t sounder = 0;         // Number 2, attached, Modules family

    static constexpr int StandardPanel = 0;  // Outputs 96
    static constexpr int UnknownPanel = 1;   // Outputs 40
    static constexpr int16_t DefaultImpedance = 1210;
};

// Counts the reader's questions: never cancels, leaves unknown types empty
// and drops incompatible Other Devices.
class RecordingReadHost : public DocumentReadHost {
public:
    bool CancelRequested(int, int) override { return false; }
    UnknownDeviceAnswer UnknownDeviceType(int, int, int) override { return ++questions, UnknownDeviceAnswer::LeaveEmpty; }
    bool DropIncompatibleOther(int, int, int) override { return ++questions, true; }
    void OthersNotPlaced(int, int, int32_t) override { ++questions; }

    int questions = 0;  // and reports of Other Devices not placed
};

class DocumentFixture {
public:
    DocumentFixture();

    // A document on the fixture's catalogue and clock, emptied as a new one is.
    Document NewEmptyDocument();
    DocumentReadResult Read(Document& document, const std::string& path, bool readOnlyRequest = false);
    // A file in the scratch folder: the [Dralon] section of a version 1 file
    // on the standard panel, then the given text.
    std::string WriteVersion1File(const std::string& name, const std::string& sections);

    ScratchFolder folder;
    DocumentCatalogue catalogue;
    SettingsStore settings{folder.Path("settings.conf")};
    Options options{settings};
    ScriptedMessageHost messages;
    RecordingReadHost host;
    DateTime now{2024, 3, 5, 14, 7, 9};
    DocumentReadServices services{catalogue, options, messages, host};
};
