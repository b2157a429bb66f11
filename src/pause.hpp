#pragma once

// Lets the user read the console before the window closes: waits for a key
// press when someone is there to press one.
void pause_console();
