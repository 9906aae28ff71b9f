// The session to JavaScript: start-up, and the document in and out as bytes.

#include "web/WebBytes.h"
#include "web/WebSession.h"

#include <emscripten/bind.h>

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
}
