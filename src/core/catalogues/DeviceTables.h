#pragma once
// The tables of the device file that device entries refer to by position:
// families, buttons, output bits, input bits and DIL switches. Each reader
// replaces its table and returns false after a message.

class Options;
struct DeviceFile;

// [Families] "Family" + n from 0 until the first empty value; then the
// user's shown flags and FamilyOrder (positions by SortKey).
bool ReadFamilies(const DeviceFile& file, Options& options);
// [Buttons] "Button" + n from 0 until the first empty value.
bool ReadButtons(const DeviceFile& file);
// [Outputs] "MaxOutputs", then "Output" + n for n from 0 to it.
bool ReadOutputs(const DeviceFile& file);
// [Inputs] "MaxInputs", then "Input" + n for n from 0 to it.
bool ReadInputs(const DeviceFile& file);
// [Switches] "MaxSwitches", then "Switch" + n for n from 0 to it.
bool ReadSwitches(const DeviceFile& file);
