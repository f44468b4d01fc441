#include "engine/common/errors.h"
#include "engine/common/errortext.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace {

// Whatever ends a run, pruzcalc has one line to say for it, never a crash.
TEST(ErrorText, EveryKindOfExceptionHasItsLine)
{
    const struct {
        std::exception_ptr error;
        const char* text;
    } cases[] = {
        { std::make_exception_ptr(IoError("Файл x.rid больше 16 МБ")), "Файл x.rid больше 16 МБ" },
        { std::make_exception_ptr(std::bad_alloc()), "out of memory" },
        { std::make_exception_ptr(std::length_error("basic_string::_M_create")), "basic_string::_M_create" },
        { std::make_exception_ptr(42), "unknown error" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorText(c.error), c.text);
}

} // namespace
