// Writes the seed corpus of every fuzzing target into a folder:
//   profile/      the bundled data files and the smaller documents
//   fields/       every value of the bundled data files, and a few numbers
//   document/     documents written by the program (an empty one, a small
//                 one, the largest one), documents in the older layouts, and
//                 the sample documents of a folder given as the second argument
//   device_file/  the bundled device file
//   device_list/  the largest document's schedules and a bill of quantities
// Usage: fuzz_seeds OUTPUT_FOLDER [EXAMPLES_FOLDER]

#include "FuzzSupport.h"

#include "document/CalculationSupport.h"
#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "document/DocumentWriter.h"
#include "document/NewDocument.h"
#include "report/Schedules.h"
#include "platform/Folders.h"
#include "platform/SettingsStore.h"
#include "LargestDocument.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

// Sites in the layouts older versions wrote: records of twenty fields
// without base fields, discontinued types, per-loop Other Device counts,
// custom references, names for numbers, eavesdropping addresses, metres.
const char* const OlderDocuments[] = {
    ";Configuration data for Harvex Zephan Dralonix\r\n"
    "[Dralon]\r\nCreatedDate=2001-02-03 04:05:06\r\nDataFormat=1\r\nSiteName=\"  Old Mill \"\r\n"
    "ModifiedDate=not a date\r\nPanelType=\"Quellar QX-8 Eight Loop\"\r\n"
    "[Loop1]\r\nName=\"Ground\"\r\nCableImpedance=1810\r\nCableFirstRun=13\r\nCableMaxRun=450\r\nCalculation=2\r\n"
    "MaxOutputs=300\r\nDINLEDsDisabled=True\r\nIgnoreIsolators=t\r\n"
    "Device1=47,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\nDevice2=20,5,0,2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
    "Device3=1,0,0,3,9,58\r\nDevice4=78,0,0,4,4,0\r\nDevice5=10,-3,0,5,5,0\r\n"
    "RelayBase=3\r\nSlaveBeacon=2\r\nRemoteIndicator=1\r\n",

    ";Configuration data for Harvex Zephan Dralonix\r\n"
    "[Dralon]\r\nDataFormat=1.4\r\nSiteName=\"\"\r\nPanelType=\"no such panel\"\r\n"
    "[Loop2]\r\nCableTotalLength=30000\r\nCableFirstLength=12.5\r\nCalculation=3\r\n"
    "Device1=33,0,0,1,1,0\r\nEavesdroppingDevice3=C7,2,C2+3,3,3,0\r\nDevice4=Heat Detector XA,0,Relay Base,200,4,0\r\n"
    "DeviceBetween1=9 (1),,10,Slave Beacon (3),C12\r\nDeviceBetween4=7 (1)+3\r\n"
    "[CustomDevice]\r\nDevice7=Optical Smoke Detector\r\n[CustomOther]\r\nOther2=Relay Base\r\nOther12=Slave Wall Sounder\r\n",

    "[dralon]\r\ndataformat=2\r\n",
    "[Dralon]\nDataFormat=0\n",
    "[Dralon]\nDataFormat=-1\nPanelType=Unknown Panel\n[Loop8]\nDevice255=1,0,0,0,0,0\nDevice0=2,0,0,255,0,0\n",
};

const char* const Numbers[] = {"12.5 m", "1e3", "1e", "-0.5", "+2.5", "1 000", "&H10", "\"4,5\",6", "1e400", "-1e-400",
                               "32767.5", "-32768.5", "2147483647.5", "0.29", "  7  ,  8  ", "\"unclosed, 9"};

void Write(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The value of every line that has one.
void WriteValues(const std::string& text, const fs::path& folder, std::set<std::string>& seen)
{
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string value = line.substr(equals + 1);
        if (seen.insert(value).second)
            Write(folder / ("value-" + std::to_string(seen.size())), value);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [EXAMPLES_FOLDER]\n", argv[0]);
        return 2;
    }
    const fs::path out = argv[1];
    const DataFiles bundled = DataFiles::FromRoot(Folders::DataRoot());

    std::set<std::string> values;
    for (const std::string& file : {bundled.DevicesFile, bundled.StandardPanelsFile, bundled.CablesFile}) {
        const std::string text = ReadAll(file);
        if (text.empty()) {
            std::fprintf(stderr, "cannot read the bundled file '%s'\n", file.c_str());
            return 1;
        }
        Write(out / "profile" / fs::path(file).filename(), text);
        WriteValues(text, out / "fields", values);
    }
    Write(out / "device_file" / "QuellarDevices.dat", ReadAll(bundled.DevicesFile));
    for (const char* number : Numbers)
        if (values.insert(number).second)
            Write(out / "fields" / ("value-" + std::to_string(values.size())), number);

    FuzzFolder folder;
    SettingsStore settings(folder.Path("settings.conf"), NeverWrite());
    Options options(settings);
    SilentMessageHost messages;
    Catalogue catalogue;
    if (!LoadBundledCatalogues(catalogue, options, messages, Folders::DataRoot(), folder.Root())) {
        std::fprintf(stderr, "the bundled catalogues do not load\n");
        return 1;
    }
    Document document(catalogue, FixedNow);
    NewDocument(document, CurrentLoopDefaults(options, catalogue));
    Write(out / "document" / "empty.QLX", DocumentText(document, "0809"));
    std::string failure;
    if (!BuildLargestDocument(document, catalogue, options, failure)) {
        std::fprintf(stderr, "the largest document cannot be built: %s\n", failure.c_str());
        return 1;
    }
    const std::string largest = DocumentText(document, "0809");
    Write(out / "document" / "largest.QLX", largest);
    // Device lists: the largest document's schedules, and a bill of quantities.
    Write(out / "device_list" / "largest-addresses.csv", Schedules::AddressScheduleCsv(document));
    Write(out / "device_list" / "largest-devices.csv", Schedules::DeviceScheduleCsv(document));
    Write(out / "device_list" / "bill.csv", "Loop;Type;Qty\r\n1;Optical Smoke Detector;20\r\n1;\"Remote Indicator\";4\r\n"
                                             "2;Master Sounder Base;1\r\n2;Slave Sounder Base;3\r\n3;Unknown;2\r\n");
    // One loop of the largest document, as a smaller seed that mutates faster.
    for (int loop = 2; loop <= Document::LoopCount; ++loop)
        CalculationSupport::ClearLoop(document, loop, CurrentLoopDefaults(options, catalogue));
    Write(out / "document" / "one-loop.QLX", DocumentText(document, "0809"));
    Write(out / "profile" / "one-loop.QLX", DocumentText(document, "0809"));
    int older = 0;
    for (const char* text : OlderDocuments) {
        const std::string name = "older-" + std::to_string(++older) + ".QLX";
        Write(out / "document" / name, text);
        Write(out / "profile" / name, text);
    }
    if (argc > 2 && fs::is_directory(argv[2]))
        for (const auto& entry : fs::directory_iterator(argv[2]))
            if (entry.is_regular_file())
                Write(out / "document" / entry.path().filename(), ReadAll(entry.path()));
    // The reader alone starts from the same documents.
    fs::copy(out / "document", out / "reader", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return 0;
}
