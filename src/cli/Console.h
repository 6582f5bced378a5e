// The console modes of the one executable. They are chosen before any display connection is
// opened and never write the user's profile.
#pragma once

#include <optional>

// Runs the console mode named by the command line and returns its exit status, or nullopt when
// the command line asks for the desktop program.
std::optional<int> RunConsoleMode(int argc, char** argv);
