#pragma once
// The welcome dialog of a first start and the new-version dialog after an
// upgrade: when they are due and what closing them with "Don't show this
// window again." ticked remembers.

class Options;

namespace FirstStart {

// Every start is a first start until the welcome dialog is closed ticked.
bool IsFirstStart(const Options& options);
// After an upgrade, until the new-version dialog is closed ticked.
bool NewVersionDue(const Options& options);

void WelcomeClosed(Options& options, bool dontShowAgain);
void NewVersionClosed(Options& options, bool dontShowAgain);

}  // namespace FirstStart
