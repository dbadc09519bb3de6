#pragma once
// The program's error classes. Event handlers raise them; the application's default error box
// shows the message and the program goes on.
#include <stdexcept>
#include <string>

namespace quellar {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A text that is not a whole number where one is required.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A stream that ends before the bytes asked for.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// A stream that could not take the bytes given.
class EWriteError : public Exception {
public:
    using Exception::Exception;
};

} // namespace quellar
