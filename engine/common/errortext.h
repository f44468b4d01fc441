#pragma once
// The one line of text for any exception (pruzcalc prints it after
// "error: "), so that nothing thrown ever ends a run without a word.

#include <exception>
#include <string>

std::string errorText(const std::exception_ptr& error);
