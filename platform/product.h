#pragma once
// The program's name: its windows' and message boxes' title, the settings store's application
// name, the source of its run-time errors, the tip of its notification icon, and the executable
// name that marks the released program.
namespace tw {

inline constexpr const char* kProductName = "Tallywright";

}  // namespace tw
