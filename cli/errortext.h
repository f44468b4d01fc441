#pragma once
// The one line pruzcalc prints after "error: " for any exception, so that
// nothing thrown ever ends the program without a word.

#include <exception>
#include <string>

std::string errorText(const std::exception_ptr& error);
