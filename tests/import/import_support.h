#pragma once
// What the import's tests share: Toggl's CSV, UTC moments, the command on a folder, a guarded child process.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "dates/local_time.h"
#include "import/import_command.h"

namespace tw::test {

inline const std::string kTogglHeader =
    "User,Email,Client,Project,Task,Description,Billable,Start date,Start time,End date,End time,Duration,Tags,"
    "Amount ()\n";

// A row of Toggl's CSV: the project's hour from 9:00 on the day (YYYY-MM-DD).
inline std::string TogglRow(const std::string& project, const std::string& day, const std::string& note = "") {
  return "Ann,a@x,Acme," + project + ",," + note + ",No," + day + ",09:00:00," + day + ",10:00:00,01:00:00,,\n";
}

inline std::int64_t Utc(int y, int mo, int d, int h, int mi) {
  return (DayFromCivil({y, mo, d}) + kUnixDayOfDayZero) * kSecondsPerDay + h * 3600 + mi * 60;
}

// tallywright-ctl import with these arguments on the data folder: its status and what it printed.
inline std::pair<int, std::string> RunImport(const Files& files, const std::string& folder,
                                             const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunImportCommand(args, ImportContext{&files, folder, LocaleData{}, 0}, out, err);
  return {status, out.str() + err.str()};
}

// `run`'s answer from a child killed after `seconds`, under 2 GiB; as nobody for `otherUser` under root.
inline std::string InChild(const std::function<std::string()>& run, bool otherUser = false, int seconds = 10) {
  int pipe[2];
  if (::pipe(pipe) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe[0]);
    ::alarm(static_cast<unsigned>(seconds));
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    // A sanitizer's shadow memory alone exceeds any address-space bound.
    const rlimit memory{rlim_t{2} << 30, rlim_t{2} << 30};
    ::setrlimit(RLIMIT_AS, &memory);
#endif
    if (otherUser && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    std::string answer;
    try {
      answer = run();
    } catch (const std::exception& e) {  // never back into the test program's run
      answer = std::string("exception: ") + e.what();
    }
    for (std::size_t done = 0; done < answer.size();) {
      const ssize_t n = ::write(pipe[1], answer.data() + done, answer.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(pipe[1]);
  std::string answer;
  char block[4096];
  for (ssize_t n; (n = ::read(pipe[0], block, sizeof block)) > 0;) answer.append(block, static_cast<std::size_t>(n));
  ::close(pipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
  return answer;
}

}  // namespace tw::test
