#pragma once
// The signals that ask a program to end (SIGTERM from a logout or a system shutdown, SIGHUP when
// its terminal goes, SIGINT from Ctrl+C), turned into bytes on a pipe, so that the user-interface
// thread can run the orderly shutdown instead of the process dying on the spot.
namespace tw {

// Catches the three signals; each one writes its number as one byte to a pipe, and the handler does
// nothing else. Returns the pipe's read end (non-blocking), or -1 when no pipe could be made (the
// signals then keep their usual effect). Called once.
int PipeEndSignals();

}  // namespace tw
