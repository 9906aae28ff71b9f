#pragma once
// Saving the open Loop Calculation as a ".QLX" document: a profile-style text
// file with a comment line, the [Dralon] section, one section per loop
// ([Loop1] to [Loop8]) and, when custom catalogue entries are used,
// [CustomDevice] and [CustomOther], in the order the profile writes of the
// format produce them.

#include "document/SaveWithBackup.h"

#include <string>
#include <string_view>

class Document;
class MessageHost;

// The whole file as it is written: UTF-8, CR LF line ends. A site that names
// no power supply rule is written with the rule it is calculated with, that
// of `localeId`, so that it gives the same battery on any machine.
std::string DocumentText(const Document& document, std::string_view localeId);

// The message of a failed save: "Unable to save the configuration data", as
// it has always read, then a paragraph with the file and the system's reason.
std::string SaveFailedText(const SaveFailure& failure);

// Writes the document to the path, keeping a file already there as the
// backup (see SaveWithBackup). On success the dirty flag is cleared. On
// failure SaveFailedText is shown, the old file and the old backup stay, the
// dirty flag is unchanged and the result is false.
bool WriteDocument(Document& document, const std::string& path, std::string_view localeId, MessageHost& host,
                   const SaveFault& fault = {});
