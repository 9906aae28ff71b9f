#pragma once
// What a design file carries about its project for the hand-over: the
// project's number, client, designer, checker and revision, free notes, and
// the spare capacity the client asks of every loop. Every field may be empty.

#include <cstdint>
#include <string>

struct ProjectProperties {
    std::string Number;
    std::string Client;
    std::string Designer;
    std::string CheckedBy;
    std::string Revision;
    std::string RevisionDate;  // as the designer writes it
    std::string Notes;         // may hold several lines
    // The spare capacity every loop must keep, in percent; 0 for none.
    int32_t SpareRequired = 0;

    bool Empty() const { return *this == ProjectProperties{}; }
    bool operator==(const ProjectProperties&) const = default;
};
