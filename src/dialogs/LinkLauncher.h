#pragma once

#include <string>
#include <vector>

namespace tarnbrook {

// Starting the web browser and the mail program from the about box's link cells.

// Starts the program (the first word; the others are its arguments, passed as they are, never
// through a shell) detached and returns at once. A child in between starts it and ends straight
// away, and is reaped here; the program, an orphan in a session of its own, is the user's: it
// outlives the game and is reaped by the system. When no process can be made, nothing starts.
void LaunchInBackground(const std::vector<std::string>& words);

}  // namespace tarnbrook
