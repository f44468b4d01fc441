#pragma once
// How one design ended, as pruzcalc's exit status (and the windows that
// check saved designs) give it, and what each means, as the help lists them.

enum ExitStatus : int {
    Completed = 0,
    Failed = 1,
    Ended = 2,
    Stopped = 3,
    Usage = 64,
    NoInput = 66,
};

struct ExitStatusMeaning {
    ExitStatus status;
    const char* meaning;
};

inline constexpr ExitStatusMeaning kExitStatusMeanings[] = {
    { Completed, "report complete" },
    { Failed, "a check failed (also a cancelled diameter question)" },
    { Ended, "ended otherwise (missing file, bad number, arithmetic fault)" },
    { Stopped, "an input is zero, or refused with a message" },
    { Usage, "wrong usage" },
    { NoInput, "FILE.rid or the catalogue cannot be read" },
};
