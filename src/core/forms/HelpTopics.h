#pragma once
// The help topics the windows open; each is the anchor "#topic-n" of the
// help's index page.

namespace HelpTopic {
inline constexpr int Overview = 1;
inline constexpr int MainWindow = 2;
inline constexpr int LoopEditor = 3;
inline constexpr int VoltagePlot = 4;
inline constexpr int CableLayout = 5;
inline constexpr int Printing = 6;
inline constexpr int CsvExports = 7;
inline constexpr int ImportDeviceList = 8;
inline constexpr int ProjectProperties = 9;
inline constexpr int CompareCables = 10;
inline constexpr int PlaceIsolators = 11;
inline constexpr int HowManyMore = 12;
inline constexpr int Glossary = 37;
inline constexpr int Contact = 47;
inline constexpr int WhatsNew = 51;
inline constexpr int Power = 70;
}  // namespace HelpTopic
