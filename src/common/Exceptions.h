#pragma once

#include <stdexcept>
#include <string>

// Failures inside the program are exceptions carrying a message text in code page 1251
// (what() returns it). Callers that only show or log the message catch Exception.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file could not be opened (missing, no permission).
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// A file could not be created or written.
class EFCreateError : public Exception {
public:
    using Exception::Exception;
};

// A text could not be converted to a number or a boolean.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
