#pragma once
// Failures that end the running command and that the application's general
// error handler shows in a message box. Each carries the text the user sees.

#include <stdexcept>
#include <string>

struct PruzError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A text that should be a number and is not, or a data file whose layout
// does not hold what the calculation needs.
struct ConversionError : PruzError {
    using PruzError::PruzError;
};

// Division by zero, square root of a negative number, a non-finite result.
struct ArithmeticError : PruzError {
    using PruzError::PruzError;
};

// A read or write that failed after the file was opened.
struct IoError : PruzError {
    using PruzError::PruzError;
};
