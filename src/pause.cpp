#include "pause.hpp"

#ifdef _WIN32

#include <cstdlib>

void pause_console()
{
    // The command processor prints its own prompt; its result does not matter.
    static_cast<void>(std::system("pause"));
}

#else

#include <array>
#include <cstddef>
#include <iostream>
#include <termios.h>
#include <unistd.h>

void pause_console()
{
    // Only with a terminal on both sides is someone there to press a key;
    // scripted runs must neither hang nor get a prompt in their output.
    termios saved{};
    if (tcgetattr(STDIN_FILENO, &saved) != 0 || isatty(STDOUT_FILENO) == 0) {
        return;
    }
    // One key without Enter, unechoed; Ctrl-C arrives as a key, not a signal.
    // The prompt comes only once the terminal is ready for that key.
    termios raw = saved;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    std::cout << "Press any key to continue . . . " << std::flush;
    // A key such as an arrow sends several bytes at once: take them all.
    // Whatever ends the wait, a key or a hang-up, ends the pause.
    constexpr std::size_t longest_key = 16;
    std::array<char, longest_key> keys{};
    [[maybe_unused]] const auto got = read(STDIN_FILENO, keys.data(), keys.size());
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    std::cout << std::endl;
}

#endif
