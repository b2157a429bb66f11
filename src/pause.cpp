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

#include <array>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <iostream>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <tuple>
#include <unistd.h>

namespace {

// For the signal handler: the terminal's settings before the pause, and the
// pause's own, as the terminal holds them (all zero, which no terminal holds,
// until the pause sets them).
termios saved{}; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
termios keys{}; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

// Whether a shell has taken the terminal back: it then holds settings other
// than the pause's, as a shell puts its own on after a stop. A closed
// terminal, whose settings cannot be read, has not been.
bool taken_back()
{
    termios now{};
    return tcgetattr(STDIN_FILENO, &now) == 0 &&
        std::tuple{now.c_iflag, now.c_oflag, now.c_cflag, now.c_lflag, std::to_array(now.c_cc)} !=
        std::tuple{keys.c_iflag, keys.c_oflag, keys.c_cflag, keys.c_lflag, std::to_array(keys.c_cc)};
}

// Gives back a terminal that still holds the pause's settings, from the
// background too (the handler blocks every signal, SIGTTOU among them, which
// lets the call through), then lets the signal act as it would have (the
// handler was reset as it was entered). A process that a signal ends here
// writes no coverage, so the branch for a terminal not the pause's is not
// counted: the terminal test vouches for it.
extern "C" void give_back(int signal)
{
    const int error = errno;
    if (!taken_back()) { // GCOVR_EXCL_BR_LINE
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    }
    static_cast<void>(raise(signal));
    errno = error;
}

// Only breaks into the wait.
extern "C" void wake(int /*signal*/) { }

// Waits for a key, then takes whatever follows it closely, the rest of an
// arrow's bytes or of a paste, until 50 ms pass without input. The wait lasts
// while the program is in the terminal's foreground and the terminal holds the
// pause's settings; an error or the end of the input ends it too. Whether a key came.
bool take_key()
{
    constexpr int quiet_ms = 50;
    constexpr std::size_t taken_at_once = 256;
    int wait_ms = -1;
    std::array<char, taken_at_once> taken{};
    while (tcgetpgrp(STDIN_FILENO) == getpgrp() && !taken_back()) {
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
    struct stat input = {};
    struct stat output = {};
    fstat(STDIN_FILENO, &input);
    fstat(STDOUT_FILENO, &output);
    if (tcgetattr(STDIN_FILENO, &saved) != 0 || input.st_rdev != output.st_rdev ||
        tcgetpgrp(STDIN_FILENO) != getpgrp()) {
        return true;
    }
    // Any signal that ends or stops the program gives the terminal back first;
    // one that is ignored keeps its action. SIGCHLD, SIGURG and SIGWINCH by
    // default do neither; SIGKILL and SIGSTOP cannot be caught. SIGCONT breaks
    // into the wait (poll is never restarted), so that the program sees where
    // it is once continued.
    struct sigaction ending = {};
    ending.sa_handler = give_back;
    ending.sa_flags = static_cast<int>(SA_RESETHAND);
    sigfillset(&ending.sa_mask);
    for (int signal = 1; signal < NSIG; ++signal) {
        struct sigaction old = {};
        if (signal != SIGCHLD && signal != SIGURG && signal != SIGWINCH && sigaction(signal, nullptr, &old) == 0 &&
            old.sa_handler == SIG_DFL) {
            sigaction(signal, &ending, nullptr);
        }
    }
    static_cast<void>(std::signal(SIGCONT, wake));

    // One key without Enter, unechoed: Ctrl-C, Ctrl-Z, Ctrl-\ and Ctrl-S are
    // keys too. Read back, as a driver may keep some settings of its own.
    keys = saved;
    keys.c_iflag &= ~static_cast<tcflag_t>(IXON);
    keys.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
    keys.c_cc[VMIN] = 1;
    tcsetattr(STDIN_FILENO, TCSANOW, &keys);
    tcgetattr(STDIN_FILENO, &keys);
    std::cout << "Press any key to continue . . . " << std::flush;
    const bool key = take_key();
    if (key) {
        std::cout << std::endl; // the shell's prompt on a line of its own
    }

    // A terminal the shell has taken back is left to it, and so is what was
    // typed since. Any other is given back, from the background too, where an
    // ignored SIGTTOU lets the call through; only what followed a key goes.
    if (taken_back()) {
        return true;
    }
    static_cast<void>(std::signal(SIGTTOU, SIG_IGN));
    return tcsetattr(STDIN_FILENO, key ? TCSAFLUSH : TCSANOW, &saved) == 0;
}

#endif
