#pragma once

// Lets the user read the console before the window closes: waits for a key
// press when a person at the console is there to press one. False when the
// terminal could not be given back as it was.
bool pause_console();
