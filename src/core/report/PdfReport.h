#pragma once
// The printed report of every loop of the document's panel written to a PDF
// file, with no window and no display (the Qt offscreen platform unless the
// caller chose another).

#include <string>

class Document;

// False with the reason when the file could not be written.
bool WritePdfReport(const Document& document, int units, const std::string& path, std::string& error);
