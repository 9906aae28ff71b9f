// What the browser's platform adds to the core's: every file the program
// replaces or removes is told to the JavaScript side, which writes the
// lasting ones (settings, user-defined panels) back to the browser's storage.

#include "platform/FileSystem.h"
#include "web/WebImports.h"

namespace {

const bool listening = [] {
    FileSystem::SetChangeListener([](const std::string& path) { ferrolux_file_changed(path.c_str()); });
    return true;
}();

}  // namespace
