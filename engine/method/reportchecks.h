#pragma once
// The report's lines and messages around the checks of the spring: the
// calculation writes them, and lists of many designs and of neighbouring
// wires read their verdicts back from a report.

// Shown before the diameter question when k3 lies beyond the tables.
inline constexpr const char* kK3BeyondTablesMessage = "Не выполнено условие устойчивости i>10";

inline constexpr const char* kImpactHeading
    = "--------------Проверка динамической прочности.----------------";
inline constexpr const char* kImpactPassed = "-------Условие отсутствия соударения витков выполнено-------";
inline constexpr const char* kImpactFailed = "Не выполнено условие отсутствия соударения витков";
// The report line after which the stability remarks follow, one a line.
inline constexpr const char* kStabilityHeading
    = "--------------Проверка условия устойчивости.----------------";
// A chosen wire stressed beyond [τ] ends the calculation with this text
// (then the number texts of τ3 and [τ]) after the mass line; every figure
// up to the mass and both stresses are worked out by then.
inline constexpr const char* kOverstressStart = "Напряжение tau3=";
// The remark of a spring that keeps its stability.
inline constexpr const char* kStableRemark = "...OK.";
