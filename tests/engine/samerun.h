#pragma once
// A table's silent run (a neighbouring wire, another material) against
// "Расчет" with the same inputs: the same report, messages, error, end and
// every value.

#include "engine/features/quietrun.h"
#include "engine/method/calc.h"
#include "engine/method/quantities.h"
#include "testdir.h"

#include <gtest/gtest.h>

inline void expectSameRun(const QuietRun& row, const CalcResult& r, const RecordingHost& host)
{
    EXPECT_EQ(row.report, r.report);
    EXPECT_EQ(row.messages, host.messages);
    EXPECT_EQ(row.error, r.error);
    EXPECT_EQ(row.ended, r.outcome);
    for (const Quantity& q : kQuantities)
        EXPECT_EQ(row.record.*q.field, r.values.*q.field) << q.name;
}
