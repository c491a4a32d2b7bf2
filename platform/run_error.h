#pragma once
// The program's one run-time error: a number in the Windows style, the component it came from and
// a message. Every failure that a guarded routine hands to the error handler is one of these.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/product.h"

namespace tw {

// Error numbers the program raises.
enum ErrorNumber : std::int32_t {
  kErrInvalidCall = 5,      // invalid procedure call or argument
  kErrOutOfMemory = 7,
  kErrTypeMismatch = 13,    // a text that should be a number or a date is not
  kErrFileNotFound = 53,
  kErrDeviceIO = 57,
  kErrDiskFull = 61,
  kErrPathAccess = 75,      // path/file access error (permissions, a folder, a link, ...)
  kErrInvalidPropertyValue = 380,  // a control was given a value it cannot take
};

class RunError : public std::runtime_error {
 public:
  RunError(std::int32_t number, std::string source, std::string description)
      : std::runtime_error(description),
        number_(number),
        source_(std::move(source)),
        description_(std::move(description)) {}
  RunError(std::int32_t number, std::string description)
      : RunError(number, kProductName, std::move(description)) {}

  std::int32_t number() const { return number_; }
  const std::string& source() const { return source_; }
  const std::string& description() const { return description_; }

 private:
  std::int32_t number_;
  std::string source_;
  std::string description_;
};

// The error for a failed system call on a file: ENOENT is 53, a full disk 61, an I/O error 57,
// everything else 75; the description is the system's own message.
RunError FileError(int errnoValue);

}  // namespace tw
