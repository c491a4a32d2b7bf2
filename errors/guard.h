#pragma once
// The trap of a guarded routine. The routine makes one Guard with its location text and runs each
// of its steps through it. When a step fails, the guard calls HandleError and follows the answer:
// 4 runs the step again, 3 tells the routine to leave (the call returns false), anything else goes
// on with the next step (the call returns true, and failed() tells that the step did not finish).
#include <new>
#include <string>
#include <string_view>

#include "errors/error.h"
#include "platform/run_error.h"

namespace tw {

class Guard {
 public:
  explicit Guard(std::string_view location) : location_(location) {}

  template <class Step>
  bool operator()(Step&& step) {
    for (;;) {
      failed_ = true;
      try {
        step();
        failed_ = false;
        return true;
      } catch (const RunError& e) {
        Error::HandleError(location_, e);
      } catch (const std::bad_alloc&) {
        Error::HandleError(location_, RunError(kErrOutOfMemory, "Out of memory"));
      } catch (const std::exception& e) {
        Error::HandleError(location_, RunError(kErrInvalidCall, e.what()));
      }
      if (Error::ErrorAction == Error::kAbort) return false;
      if (Error::ErrorAction != Error::kRetry) return true;
    }
  }

  // Whether the last step failed and was skipped.
  bool failed() const { return failed_; }
  const std::string& location() const { return location_; }

 private:
  std::string location_;
  bool failed_ = false;
};

}  // namespace tw
