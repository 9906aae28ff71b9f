#pragma once
// The functions the module imports from its JavaScript side
// (library_ferrolux.js). Those marked "may stop" answer -1 when the page
// answers later: the caller then throws QuestionPending.

extern "C" {
void ferrolux_beep(int iconBits);
int ferrolux_show(const char* text, int style, const char* caption, int fallback);  // may stop
int ferrolux_choose(const char* text, const char* first, const char* second, const char* caption);  // may stop
void ferrolux_progress(const char* step, const char* text, int number);
int ferrolux_cancel_requested();
int ferrolux_unknown_response(int loop, int address, int deviceType);  // may stop
void ferrolux_busy(int shown);
void ferrolux_file_changed(const char* path);
// The page's width (or line height) of text in a font, in the units of its
// size; below 0 when the page measures nothing.
double ferrolux_measure_text(const char* text, const char* font, double size, bool bold, bool italic, bool underline,
                             bool height);
}
