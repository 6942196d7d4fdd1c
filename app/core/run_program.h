#pragma once
// The small process launcher used by the relaunch and by the system configuration.
#include <cstdint>
#include <string>

// Show modes the callers pass.
constexpr uint16_t SW_SHOWNORMAL = 1;
constexpr uint16_t SW_SHOW = 5;
constexpr uint16_t SW_MINIMIZE = 6;

// Starts a process from a command line that names the program. -1 when it cannot start; with
// wait, the exit code once it has ended; without wait, 0 as soon as it is started.
int32_t RunProgram(const std::string& commandLine, uint16_t showWindow, bool wait);
