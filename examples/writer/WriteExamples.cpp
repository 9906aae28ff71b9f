// Writes the sample sites into a folder (the source tree's examples/):
//   ferrolux_write_examples FOLDER
// Each site is built on the bundled catalogues and saved by the document
// writer, dated 15 January 2025 so that rewriting changes nothing.

#include "document/Document.h"
#include "document/DocumentWriter.h"
#include "ExampleSites.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Usage: ferrolux_write_examples FOLDER\n";
        return 2;
    }
    BundledCatalogue bundled;
    if (!bundled.Loaded) {
        std::cerr << "The bundled catalogues do not load.\n";
        return 1;
    }
    int status = 0;
    for (const ExampleSite& site : ExampleSites()) {
        Document document(bundled.catalogue, [] { return DateTime{2025, 1, 15, 9, 30, 0}; });
        std::string problem;
        const std::string path = std::string(argv[1]) + "/" + site.FileName;
        if (!site.Build(document, bundled, problem)) {
            std::cerr << site.FileName << ": " << problem << '\n';
            status = 1;
            continue;
        }
        // Written afresh, so that no backup of the old one is left beside it.
        std::filesystem::remove(path);
        // Sites of the United Kingdom: a site without a rule of its own is
        // written with BS 5839-1's.
        if (!WriteDocument(document, path, "0809", bundled.messages)) {
            std::cerr << path << ": not written\n";
            status = 1;
        } else {
            std::cout << path << '\n';
        }
    }
    return status;
}
