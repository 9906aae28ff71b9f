#pragma once
// What the control-panel editor and the user-defined panel list work on: the
// open Loop Calculation, the catalogue with its panel files, the options and
// the message and busy-pointer hosts.

#include "catalogues/Catalogue.h"
#include "catalogues/DataFiles.h"
#include "catalogues/Options.h"
#include "document/Document.h"
#include "platform/MessageHost.h"
#include "forms/BusyPointer.h"

struct PanelServices {
    Document& document;
    Catalogue& catalogue;
    Options& options;
    MessageHost& host;
    const DataFiles& files;
    BusyPointer& pointer;
};
