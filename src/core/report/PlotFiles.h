#pragma once
// The voltage plots of a document written to image files, with no window
// and no display (the Qt offscreen platform unless the caller chose another).

#include <string>

class Document;

// Writes the plot of each loop of the panel that has points along its cable
// as `folder`/Loop<n>.svg, and Loop<n>.png too with `png`; the folder is
// made when missing. False with the reason at the first file that could not
// be written.
bool WriteVoltagePlots(const Document& document, int units, const std::string& folder, bool png, std::string& error);
