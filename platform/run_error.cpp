#include "platform/run_error.h"

#include <cerrno>
#include <cstring>

namespace tw {

RunError FileError(int errnoValue) {
  std::int32_t number = kErrPathAccess;
  switch (errnoValue) {
    case ENOENT:
      number = kErrFileNotFound;
      break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      number = kErrDiskFull;
      break;
    case EIO:
      number = kErrDeviceIO;
      break;
    case ENOMEM:
      number = kErrOutOfMemory;
      break;
    default:
      break;
  }
  return RunError(number, std::strerror(errnoValue));
}

}  // namespace tw
