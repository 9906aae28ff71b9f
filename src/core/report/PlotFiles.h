#pragma once
// The voltage plots of a document written to image files, with no window
// and no display (the Qt offscreen platform unless the caller chose another).

#include <string>
#include <vector>

class Document;

// The file of a loop's plot: `folder`/Loop<n>.<extension>.
std::string PlotFilePath(const std::string& folder, int loop, const std::string& extension);
// Every file the plots of a document may be written to: Loop1.svg to
// Loop8.svg in the folder, and the PNG images with `png`.
std::vector<std::string> PlotFilePaths(const std::string& folder, bool png);

// Writes the plot of each loop of the panel that has points along its cable
// as `folder`/Loop<n>.svg, and Loop<n>.png too with `png`; the folder is
// made when missing. False with the reason at the first file that could not
// be written.
bool WriteVoltagePlots(const Document& document, int units, const std::string& folder, bool png, std::string& error);
