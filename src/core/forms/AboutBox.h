#pragma once
// What the about box says: the product, its version, what it does and who
// makes it; the desktop's box and the browser's show the same lines.

#include "document/Shell.h"
#include "platform/MessageHost.h"

#include <string>

struct AboutTexts {
    std::string Title;
    std::string Version;
    std::string Description;
    std::string Copyright;
};

inline AboutTexts AboutBox()
{
    return {ApplicationTitle, "Version " + Shell::DisplayedVersion(),
            "Design calculator for addressable fire-detection loops: currents, volt drop and cable limits for "
            "every loop of a control panel.",
            "\u00A9 Harvex. All rights reserved."};
}
