#pragma once
// Where and when the program runs, as far as the layers below the windows
// need to know it: the program folder (the report's language files stand
// there) and the local clock (the report header prints its date and time).
// The platform is one; the report takes nothing more of it.

#include <string>

namespace quorvel::runtime {

// A moment of the local clock.
struct LocalDateTime {
    int year = 2000;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;
    int second = 0;
};

class ProgramContext {
public:
    virtual ~ProgramContext() = default;
    // The folder of the program file, ending with "/".
    virtual std::string programFolder() const = 0;
    // The local date and time now.
    virtual LocalDateTime localDateTime() const = 0;
};

}  // namespace quorvel::runtime
