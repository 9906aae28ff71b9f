#pragma once
// A new, empty Loop Calculation: what start-up, File New and an open that
// stopped part-way leave behind.

#include "document/CalculationSupport.h"

class Catalogue;
class Document;
class Options;

// What an emptied loop starts with now: the options' cable impedance and
// calculation type and the current panel's outputs (0 without a panel).
CalculationSupport::LoopDefaults CurrentLoopDefaults(const Options& options, const Catalogue& catalogue);

// No path, writable, created and modified now, no site name, every loop
// emptied with the defaults, clean. The window title is the caller's.
void NewDocument(Document& document, const CalculationSupport::LoopDefaults& defaults);
