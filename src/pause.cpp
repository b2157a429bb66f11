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
#include <csignal>
#include <cstddef>
#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace {

// The terminal's settings before the pause, for the signal handler to put back.
termios saved{}; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

// A signal from outside must not leave the terminal without echo and line
// editing: put the settings back, then let the signal end the program as it
// would have (the handler is reset as it is entered). The process dies before
// coverage can be written, so the terminal test vouches for these lines.
extern "C" void restore_terminal(int signal) // GCOVR_EXCL_START
{
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    static_cast<void>(raise(signal));
} // GCOVR_EXCL_STOP

} // namespace

void pause_console()
{
    // Only with a terminal on both sides is someone there to press a key;
    // scripted runs must neither hang nor get a prompt in their output.
    if (tcgetattr(STDIN_FILENO, &saved) != 0 || isatty(STDOUT_FILENO) == 0) {
        return;
    }
    struct sigaction restore { };
    restore.sa_handler = restore_terminal;
    restore.sa_flags = static_cast<int>(SA_RESETHAND);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT, SIGQUIT}) {
        sigaction(signal, &restore, nullptr);
    }
    // One key without Enter, unechoed; Ctrl-C arrives as a key, not a signal,
    // and Ctrl-S and Ctrl-Q as keys, not flow control. The prompt comes only
    // once the terminal is ready for that key.
    termios raw = saved;
    raw.c_iflag &= ~static_cast<tcflag_t>(IXON);
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
