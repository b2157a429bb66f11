#include "pause.hpp"

#ifdef _WIN32

#include <cstdlib>

void pause_console()
{
    // The command processor prints its own prompt; its result does not matter.
    static_cast<void>(std::system("pause"));
}

#else

#include <algorithm>
#include <array>
#include <csignal>
#include <cstddef>
#include <iostream>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// For the signal handlers: the terminal's settings before the pause and
// during it, and how a stop is handled.
termios saved{}; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
termios raw{}; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
struct sigaction stop { }; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

// Signals that do not end the program by default, or cannot be caught.
constexpr std::array not_ending{SIGKILL, SIGSTOP, SIGTSTP, SIGTTIN, SIGTTOU, SIGCONT, SIGCHLD, SIGURG, SIGWINCH};

bool ends_program(int signal) { return std::find(not_ending.begin(), not_ending.end(), signal) == not_ending.end(); }

// The handlers call only async-signal-safe functions. The process dies, or
// stops, inside them before coverage can be written, so the terminal test
// vouches for these lines. GCOVR_EXCL_START

// Puts the settings back, then lets the signal end the program as it would
// have: the handler was reset as it was entered.
extern "C" void restore_and_end(int signal)
{
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    static_cast<void>(raise(signal));
}

// Puts the settings back and stops as a job is stopped (the handler was reset
// as it was entered); once continued, waits for the key again as before.
extern "C" void restore_and_stop(int signal)
{
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    sigset_t just_this{};
    sigemptyset(&just_this);
    sigaddset(&just_this, signal);
    sigprocmask(SIG_UNBLOCK, &just_this, nullptr);
    static_cast<void>(raise(signal));
    sigaction(signal, &stop, nullptr);
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
}

// GCOVR_EXCL_STOP

} // namespace

void pause_console()
{
    // Only with a terminal on both sides is someone there to press a key;
    // scripted runs must neither hang nor get a prompt in their output.
    if (tcgetattr(STDIN_FILENO, &saved) != 0 || isatty(STDOUT_FILENO) == 0) {
        return;
    }
    // One key without Enter, unechoed; Ctrl-C arrives as a key, not a signal,
    // and Ctrl-S and Ctrl-Q as keys, not flow control.
    raw = saved;
    raw.c_iflag &= ~static_cast<tcflag_t>(IXON);
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);

    // No signal may leave the terminal raw: the handlers are in place before it
    // changes, and the old actions come back only once it is restored. A
    // signal that is ignored, or handled already, keeps its action.
    struct sigaction end { };
    end.sa_handler = restore_and_end;
    end.sa_flags = static_cast<int>(SA_RESETHAND);
    sigfillset(&end.sa_mask);
    stop = end;
    stop.sa_handler = restore_and_stop;
    std::array<struct sigaction, NSIG> old{};
    sigset_t changed{};
    sigemptyset(&changed);
    for (int signal = 1; signal < NSIG; ++signal) {
        auto& before = old.at(static_cast<std::size_t>(signal));
        const bool handled = ends_program(signal) || signal == SIGTSTP;
        if (handled && sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_DFL) {
            sigaction(signal, signal == SIGTSTP ? &stop : &end, nullptr);
            sigaddset(&changed, signal);
        }
    }
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    // The prompt comes only once the terminal is ready for the key.
    std::cout << "Press any key to continue . . . " << std::flush;
    // poll waits even on a terminal left in non-blocking mode. On one valid
    // descriptor it fails only when a signal breaks in (a stop, then continue):
    // then it waits again. A key or a hang-up ends the pause.
    pollfd key{STDIN_FILENO, POLLIN, 0};
    while (poll(&key, 1, -1) < 0) { }

    sigset_t all{};
    sigset_t mask{};
    sigfillset(&all);
    sigprocmask(SIG_BLOCK, &all, &mask);
    // A key such as an arrow sends several bytes, a paste many: none of them
    // may reach the shell.
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    for (int signal = 1; signal < NSIG; ++signal) {
        if (sigismember(&changed, signal) == 1) {
            sigaction(signal, &old.at(static_cast<std::size_t>(signal)), nullptr);
        }
    }
    sigprocmask(SIG_SETMASK, &mask, nullptr);
    std::cout << std::endl;
}

#endif
