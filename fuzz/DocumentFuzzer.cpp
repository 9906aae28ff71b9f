// The ".QLX" reader on the bundled catalogues: a fuzzed document is opened,
// every loop recalculated and the document saved as text. What was saved
// must open again to the very same text: the writer's output is a document
// the reader takes exactly as it was meant (apart from an order of the
// addresses along the cable, see HasCableOrder).

#include "FuzzSupport.h"

#include "document/CalculationSupport.h"
#include "text/ProfileText.h"
#include "document/Document.h"
#include "document/DocumentWriter.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {


// The longest value of a profile text.
size_t LongestValue(const std::string& text)
{
    size_t longest = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const size_t equals = text.find('=', start);
        if (equals < end)
            longest = std::max(longest, end - equals - 1);
        start = end + 1;
    }
    return longest;
}

// Whether some address of the document is not at its own place along the
// cable. Reading moves each address to its stored place in turn, shifting
// the addresses between, so such an order can come back other than it was
// saved: the format reads it that way, and the program itself never makes one.
bool HasCableOrder(const Document& document)
{
    for (int loop = 1; loop <= Document::LoopCount; ++loop)
        for (int a = 0; a < clsCalculator::AddressCount; ++a)
            if (document.Loop(loop).AddressOrder(a) != a)
                return true;
    return false;
}

// Opens the file; the document's text when it opened.
bool Open(BundledCatalogue& bundled, Catalogue& catalogue, const std::string& path, std::string& text, bool& cableOrder)
{
    Document document(catalogue, FixedNow);
    const DocumentReadServices services{catalogue, bundled.options, bundled.messages, bundled.host};
    if (ReadDocument(document, path, false, services).Outcome != ReadOutcome::Opened)
        return false;
    CalculationSupport::RecalculateAll(document);
    // Saved under one fixed locale, so that the rule written never varies.
    text = DocumentText(document, "0809");
    cableOrder = HasCableOrder(document);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static BundledCatalogue& bundled = *new BundledCatalogue;
    const std::string path = bundled.folder.Path("fuzz.QLX");
    WriteVersion(path, std::string(reinterpret_cast<const char*>(data), size));

    // A fresh copy of the catalogue, so that no input changes what the next
    // one starts from.
    Catalogue catalogue = bundled.catalogue;
    std::string saved;
    bool cableOrder = false;
    if (!Open(bundled, catalogue, path, saved, cableOrder) || cableOrder)
        return 0;
    // A value beyond the cut of the profile reader loses its end by design
    // (a long standalone list is the one a save can make longer).
    if (LongestValue(saved) + 2 > WinINI::MaxValueLength)
        return 0;
    WriteVersion(path, saved);
    std::string reopened;
    if (!Open(bundled, catalogue, path, reopened, cableOrder))
        FuzzCheckFailed("a saved document does not open:\n" + saved);
    if (reopened != saved) {
        size_t at = 0;
        while (at < saved.size() && at < reopened.size() && saved[at] == reopened[at])
            ++at;
        const size_t line = saved.rfind('\n', at) == std::string::npos ? 0 : saved.rfind('\n', at) + 1;
        FuzzCheckFailed("a saved document opens as another; saved:\n" + saved.substr(line, 200) + "\nreopened as:\n" +
                        reopened.substr(line, 200));
    }
    return 0;
}
