// The help and the about box to JavaScript: the topics the Help menu opens,
// as frmMain opens them, and the print dialog's (it has no core of its own), and what dlgAbout says.

#include "forms/AboutBox.h"
#include "forms/HelpTopics.h"

#include <emscripten/bind.h>

namespace {

using emscripten::val;

val HelpMenuTopics()
{
    val topics = val::object();
    topics.set("glossary", HelpTopic::Glossary);
    topics.set("contact", HelpTopic::Contact);
    topics.set("printing", HelpTopic::Printing);
    return topics;
}

val About()
{
    const AboutTexts about = AboutBox();
    val texts = val::object();
    texts.set("title", about.Title);
    texts.set("version", about.Version);
    texts.set("description", about.Description);
    texts.set("copyright", about.Copyright);
    return texts;
}

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_help)
{
    emscripten::function("helpMenuTopics", &HelpMenuTopics);
    emscripten::function("aboutBox", &About);
}
