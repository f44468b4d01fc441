#pragma once
// The report's lines around the checks of the finished spring: the
// calculation writes them, and lists of many designs read their verdicts
// back from a report.

inline constexpr const char* kImpactHeading
    = "--------------Проверка динамической прочности.----------------";
inline constexpr const char* kImpactPassed = "-------Условие отсутствия соударения витков выполнено-------";
inline constexpr const char* kImpactFailed = "Не выполнено условие отсутствия соударения витков";
inline constexpr const char* kStabilityHeading
    = "--------------Проверка условия устойчивости.----------------";
