#pragma once
// Run-time failures inside the catalogue loaders, numbered as the platform
// numbers them: a text that is no number, a number too large for its type, a
// table sized below zero. They never leave a loader: each loader catches them where the
// catalogue's rules say such a failure is reported, and turns them into its
// message (the device-type loader's Abort/Retry/Ignore report, the other
// loaders' "An unexpected error has occurred while reading ...").

#include <stdexcept>
#include <string>

class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}
    int Number() const { return number_; }

    static constexpr int TypeMismatch = 13;
    static constexpr int Overflow = 6;
    static constexpr int SubscriptOutOfRange = 9;
    static constexpr int OutOfMemory = 7;
    static constexpr int InternalError = 51;

private:
    int number_;
};
