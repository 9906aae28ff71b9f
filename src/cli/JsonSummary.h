#pragma once
// The headless calculator's --json output: one object with the site, the
// panel, the eight loops (1 to 8, whatever the panel's loops) and the totals.
// Currents in µA and volt drops in V are exact JSON numbers; the cable
// impedance in hundredths of an ohm per km per core and the lengths in
// decimetres as the document holds them. Each loop's "along_cable" gives
// the lowest voltages with the loop whole and open at either end and the
// isolator sections, in volts to the hundredth; with `devices`, its
// "devices" gives every point along the cable.

#include "cli/JsonWriter.h"

#include <string>

struct CalcSummary;

// The object, to be written by JsonText (its exact numbers need it).
Json SummaryObject(const CalcSummary& summary, bool devices = false);

// The object as text, ended by a line feed.
std::string SummaryJson(const CalcSummary& summary, bool devices = false);
