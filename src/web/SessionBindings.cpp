// The session to JavaScript: start-up, and the document in and out as bytes.

#include "document/DocumentReader.h"
#include "document/OpenFlow.h"
#include "web/WebBytes.h"
#include "web/WebSession.h"
#include "web/WebValues.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const char* OutcomeName(OpenOutcome outcome)
{
    switch (outcome) {
    case OpenOutcome::Opened: return "opened";
    case OpenOutcome::NotFound: return "notFound";
    case OpenOutcome::Refused: return "refused";
    case OpenOutcome::Cancelled: return "cancelled";
    case OpenOutcome::NoPanel: return "noPanel";
    case OpenOutcome::Failed: return "failed";
    }
    return "failed";
}

std::string Open(WebSession& session, const std::string& name, const std::string& bytes, bool readOnly)
{
    return OutcomeName(session.Open(name, bytes, readOnly));
}

emscripten::val Save(WebSession& session) { return BytesToJs(session.Save()); }

emscripten::val SaveAs(WebSession& session, const std::string& name) { return BytesToJs(session.SaveAs(name)); }

std::string Path(WebSession& session) { return session.document().Path; }

bool Dirty(WebSession& session) { return session.document().Dirty; }

// The sample sites built into the module, by file name: each site's name as
// its file holds it, and where the file is.
emscripten::val SampleSites()
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/examples", error))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());  // this libc++ has no ranges::sort
    return ArrayOf(files, [](const std::filesystem::path& file) {
        emscripten::val site = emscripten::val::object();
        site.set("site", ReadSiteName(file.string()));
        site.set("name", file.filename().string());
        site.set("path", file.string());
        return site;
    });
}

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_session)
{
    using namespace emscripten;
    class_<WebSession>("Session")
        .constructor<>()
        .function("start", &WebSession::Start)
        .function("open", &Open)
        .function("save", &Save)
        .function("saveAs", &SaveAs)
        .function("newDocument", &WebSession::New)
        .function("checkSaved", &WebSession::CheckSaved)
        .function("path", &Path)
        .function("dirty", &Dirty);
    function("sampleSites", &SampleSites);
    function("unknownDeviceText", &UnknownDeviceText);
}
