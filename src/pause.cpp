#include "pause.hpp"

#ifdef _WIN32

#include <cstdlib>
#include <windows.h>

bool pause_console()
{
    // Only with the console on both sides is someone there to press a key:
    // output sent to a file or a pipe, or input taken from one, gets neither a
    // prompt nor a wait.
    DWORD mode = 0;
    if (GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0 &&
        GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0) {
        // The command processor prints its own prompt; its result does not matter.
        static_cast<void>(std::system("pause"));
    }
    return true;
}

#else

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <iostream>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

// For the signal handler: the terminal's settings before the pause, and
// whether the terminal is still raw and this program's to give back.
termios saved{}; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
volatile std::sig_atomic_t raw = 0; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

// The signals that by default neither end nor stop a program but SIGCONT,
// which has a handler of its own. SIGKILL and SIGSTOP cannot be caught.
constexpr std::array not_ending{SIGCHLD, SIGURG, SIGWINCH};

// The shell has taken the terminal back: it is not this program's to change.
bool in_background()
{
    const pid_t owner = tcgetpgrp(STDIN_FILENO);
    return owner != -1 && owner != getpgrp();
}

// The process dies, or stops, in the handler before coverage can be written:
// the terminal test vouches for these lines. GCOVR_EXCL_START

// Gives the terminal back, in the foreground only, then lets the signal act as
// it would have (the handler was reset as it was entered). A stop ends the
// pause: once continued, the terminal may be the shell's.
extern "C" void give_back(int signal)
{
    const int error = errno;
    if (raw != 0 && !in_background()) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    }
    raw = 0;
    static_cast<void>(raise(signal));
    errno = error;
}

// Breaks into the wait when the program is continued, so that it sees where it is.
extern "C" void wake(int /*signal*/) { }

// GCOVR_EXCL_STOP

// Waits for a key, then takes whatever follows it closely, the rest of an
// arrow's bytes or of a paste, until 50 ms pass without input. A stop, the
// background, an error or the end of the input ends the wait too. Whether a
// key came.
bool take_key()
{
    constexpr int quiet_ms = 50;
    constexpr std::size_t taken_at_once = 256;
    int wait_ms = -1;
    std::array<char, taken_at_once> taken{};
    while (raw != 0 && !in_background()) {
        pollfd key{STDIN_FILENO, POLLIN, 0};
        const int ready = poll(&key, 1, wait_ms);
        // Only a program left without file descriptors fails otherwise, and it
        // cannot then write its coverage: the terminal test vouches for it.
        if (ready < 0 && errno == EINTR) { // GCOVR_EXCL_BR_LINE
            continue;
        }
        if (ready <= 0 || read(STDIN_FILENO, taken.data(), taken.size()) <= 0) {
            return ready == 0;
        }
        wait_ms = quiet_ms;
    }
    return false;
}

} // namespace

bool pause_console()
{
    // Only with one terminal on both sides, and the program in its foreground,
    // is someone there to see the prompt and press a key. A closed output
    // stays device 0, which no terminal is.
    struct stat input { };
    struct stat output { };
    fstat(STDIN_FILENO, &input);
    fstat(STDOUT_FILENO, &output);
    if (tcgetattr(STDIN_FILENO, &saved) != 0 || input.st_rdev != output.st_rdev ||
        tcgetpgrp(STDIN_FILENO) != getpgrp()) {
        return true;
    }
    // Any signal that ends or stops the program gives the terminal back first;
    // one that is ignored keeps its action.
    struct sigaction ending { };
    ending.sa_handler = give_back;
    ending.sa_flags = static_cast<int>(SA_RESETHAND);
    sigfillset(&ending.sa_mask);
    for (int signal = 1; signal < NSIG; ++signal) {
        struct sigaction old { };
        if (std::find(not_ending.begin(), not_ending.end(), signal) == not_ending.end() &&
            sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_DFL) {
            sigaction(signal, &ending, nullptr);
        }
    }
    struct sigaction continued { };
    continued.sa_handler = wake;
    sigaction(SIGCONT, &continued, nullptr);

    // One key without Enter, unechoed: Ctrl-C, Ctrl-Z, Ctrl-\ and Ctrl-S are
    // keys too. Should the terminal refuse, it is gone: the wait ends at once
    // and the restore below fails.
    termios keys = saved;
    keys.c_iflag &= ~static_cast<tcflag_t>(IXON);
    keys.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
    keys.c_cc[VMIN] = 1;
    raw = 1;
    tcsetattr(STDIN_FILENO, TCSANOW, &keys);
    std::cout << "Press any key to continue . . . " << std::flush;
    const bool key = take_key();

    // Given back by a stop, or in the background, the terminal is the shell's,
    // and so is what was typed since. Otherwise what followed the key goes too.
    if (raw == 0 || in_background()) {
        return true;
    }
    if (key) {
        std::cout << std::endl; // the shell's prompt on a line of its own
    }
    return tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved) == 0;
}

#endif
