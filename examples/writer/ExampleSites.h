#pragma once
// The sample sites shipped in examples/, built in code on the bundled
// catalogues so that they hold only what the editing rules allow; the
// examples writer saves them.

#include "support/BundledCatalogue.h"

#include <functional>
#include <string>
#include <vector>

class Document;

struct ExampleSite {
    std::string FileName;  // in examples/
    // Fills a new document on the bundled catalogue (the panel becomes
    // current); false with the reason when the catalogue refuses a step.
    std::function<bool(Document&, BundledCatalogue&, std::string& problem)> Build;
};

const std::vector<ExampleSite>& ExampleSites();
