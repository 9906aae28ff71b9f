#pragma once
// The document's "[Power]" section: the standby battery settings, each key
// written only when it differs from the default. The document writer always
// gives the rule, so that a saved site gives the same battery on any
// machine; a file without the section (or its rule) reads with the defaults.
//
//   [Power]
//   Rule="NFPA 72 2019"
//   StandbyMinutes=1440
//   AlarmMinutes=15
//   Factor=1.25
//   VoiceEvacuation=True
//   PanelStandbyCurrent=80.5        (mA)
//   PanelAlarmCurrent=240           (mA)
//   FittedBattery=12                (Ah)
//   Load1=2,1,150,"Sounder circuit" (quantity, standby mA, alarm mA, description)

#include "document/PowerSettings.h"

#include <string>

class MessageHost;
namespace WinINI {
class ProfileReader;
class ProfileText;
}  // namespace WinINI

// A refused value gets its message and leaves the default; reading goes on.
PowerSettings ReadPowerSection(WinINI::ProfileReader& profile, const std::string& path, MessageHost& host);
void WritePowerSection(WinINI::ProfileText& profile, const PowerSettings& settings);
