// The ".QLX" reader alone on the bundled catalogues: a fuzzed document is
// parsed from memory and read into one document, with no file written, no
// recalculation and no save, so that the reader's own paths (version,
// panel, calculation keys, device records, standalone lists, bases, older
// counts, devices left out) get many runs a second. The round trip is
// DocumentFuzzer's.

#include "FuzzSupport.h"

#include "text/ProfileText.h"
#include "text/WinINI.h"
#include "document/Document.h"
#include "platform/TextEncoding.h"

#include <string>
#include <string_view>

namespace {

// The bytes as the profile cache would parse a file holding them.
class MemoryProfile : public WinINI::ProfileReader {
public:
    explicit MemoryProfile(std::string_view bytes)
        : text_(WinINI::ProfileText::FromText(TextEncoding::DecodeFileText(bytes)))
    {
    }
    std::string ReadKey(const std::string&, const std::string& section, const std::string& key) override
    {
        return text_.Read(section, key);
    }
    int LastNumberedKey(const std::string&, const std::string& section, const std::string& word) override
    {
        return text_.LastNumberedKey(section, word);
    }

private:
    WinINI::ProfileText text_;
};

// Whatever the file says, a document read holds only what the catalogues do.
void CheckHeldByCatalogue(const Document& document, const Catalogue& catalogue)
{
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        for (int a = 0; a < clsCalculator::AddressCount; ++a) {
            const clsCalculator& model = document.Loop(loop);
            const int type = model.DeviceType(a);
            if (type != 0 && !catalogue.IsSelectableDeviceType(type))
                FuzzCheckFailed("loop " + std::to_string(loop) + " address " + std::to_string(a) +
                                " holds device type " + std::to_string(type) + ", which cannot be selected");
            for (const int other : {model.DeviceOtherType(a), model.DeviceOtherBaseType(a)})
                if (other != 0 && !catalogue.IsValidOtherDevice(other))
                    FuzzCheckFailed("loop " + std::to_string(loop) + " address " + std::to_string(a) +
                                    " holds Other Device " + std::to_string(other) + ", which is not in the catalogue");
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static BundledCatalogue& bundled = *new BundledCatalogue;
    static Document& document = *new Document(bundled.catalogue, FixedNow);
    // No such file: only the read-only check looks for it.
    static const std::string path = bundled.folder.Path("fuzz.QLX");

    MemoryProfile profile(std::string_view(reinterpret_cast<const char*>(data), size));
    const DocumentReadServices services{bundled.catalogue, bundled.options, bundled.messages, bundled.host};
    if (ReadDocument(document, path, false, services, profile).Outcome == ReadOutcome::Opened)
        CheckHeldByCatalogue(document, bundled.catalogue);
    return 0;
}
