#pragma once
// How one design ended, as pruzcalc's exit status (and the windows that
// check saved designs) give it, what each means, as the help lists them,
// and the words the windows show for it.

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
    const char* caption; // in the windows
};

inline constexpr ExitStatusMeaning kExitStatusMeanings[] = {
    { Completed, "report complete", "расчет выполнен" },
    { Failed, "a check failed (also a cancelled diameter question)", "проверка не выполнена" },
    { Ended, "ended otherwise (missing file, bad number, arithmetic fault)", "расчет прерван" },
    { Stopped, "an input is zero, or refused with a message", "исходные данные не приняты" },
    { Usage, "wrong usage", "ошибка вызова" },
    { NoInput, "FILE.rid or the catalogue cannot be read", "файл не прочитан" },
};

// The row of a status; nullptr for none of the above.
inline const ExitStatusMeaning* exitStatusMeaning(int status)
{
    for (const auto& s : kExitStatusMeanings)
        if (s.status == status)
            return &s;
    return nullptr;
}
