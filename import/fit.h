#pragma once
// Names and comments of other programs' files made fit for a record, and any text made fit to print
// on one line of the preview. A record's project holds no comma, no line break, no control
// character and nothing that is not UTF-8, and is at most 200 bytes long; its comment is one line of
// at most 4,000 bytes: the limits tallywright-ctl and the D-Bus interface take for a stretch.
#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

inline constexpr std::size_t kMostProjectBytes = 200;
inline constexpr std::size_t kMostCommentBytes = 4000;
// What a reader keeps of a name or comment at most: more than a record takes, so that the cut is
// still seen and said, and little enough that a file of huge values is not held many times over.
inline constexpr std::size_t kHeldTextBytes = 64 * 1024;

// Cuts text to at most `most` bytes, at the start of a character.
void CutAtCharacter(std::string& text, std::size_t most);
// The text as a message names it: what lies past `most` bytes cut, and "..." in its place.
std::string Shortened(std::string_view text, std::size_t most = 60);

// Whether a record takes a project name (a comment) as it is: printable ASCII within the limit,
// the name without a comma and without blanks at its ends. The usual case, told without a copy.
bool PlainProjectName(std::string_view name);
bool PlainComment(std::string_view comment);

// Makes a project name fit for a record, blanks at its ends left out: each line break, control
// character and comma becomes a blank, each byte that is not UTF-8 U+FFFD, and what lies past 200
// bytes goes. Answers why it changed ("a project name holds no line break; ..."), or "" when it
// did not (but for its blanks).
std::string FitProjectName(std::string& name);

// Makes a comment fit for a record: each control character but a line break becomes a blank (a
// record turns line breaks into blanks itself), each byte that is not UTF-8 U+FFFD, and what lies
// past 4,000 bytes goes. Answers why it changed, or "".
std::string FitComment(std::string& comment);

// The text with its control characters and the bytes that are not UTF-8 written as escapes ("\n",
// "\t", "\x07", "\xE9"), so that it prints on one line as it is.
std::string Printable(std::string_view text);

}  // namespace tw
