#pragma once
// The progress bar of a run over many files, on stderr when it is a
// terminal: it appears once the run has taken a second (a short run shows
// none) and is taken off the line before any message and at the end. Not on
// a terminal, it writes nothing, so that logs hold only the messages.

#include <chrono>
#include <cstddef>
#include <iosfwd>

class BatchProgress {
public:
    BatchProgress(std::ostream& out, bool terminal, size_t total) : out_(out), terminal_(terminal), total_(total) {}

    // After each file: `done` files of the total, `elapsed` since the run began.
    void Update(size_t done, std::chrono::steady_clock::duration elapsed);
    // Takes the bar off its line; the next Update draws it again.
    void Clear();

private:
    std::ostream& out_;
    bool terminal_;
    size_t total_;
    size_t drawnWidth_ = 0;  // characters on the line, 0 when none
};
