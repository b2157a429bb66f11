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
#include <ctime>
#include <iostream>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// For the signal handlers: the terminal's settings before the pause, how a
// stop is handled, and how many stops there have been.
termios saved{}; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
struct sigaction stop { }; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
volatile std::sig_atomic_t stops = 0; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

// The signals by which a job is stopped, and those that do not end the program
// by default or cannot be caught.
constexpr std::array job_control{SIGTSTP, SIGTTIN, SIGTTOU};
constexpr std::array not_ending{SIGKILL, SIGSTOP, SIGTSTP, SIGTTIN, SIGTTOU, SIGCONT, SIGCHLD, SIGURG, SIGWINCH};

bool is_one_of(const auto& signals, int signal)
{
    return std::find(signals.begin(), signals.end(), signal) != signals.end();
}

// Whether the terminal is this program's to change, not the shell's.
bool in_foreground() { return tcgetpgrp(STDIN_FILENO) == getpgrp(); }

bool set_terminal(int when, const termios& settings)
{
    while (tcsetattr(STDIN_FILENO, when, &settings) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

// The handlers call only async-signal-safe functions, and keep errno. The
// process dies, or stops, inside them before coverage can be written, so the
// terminal test vouches for these lines. GCOVR_EXCL_START

// In the background the terminal is the shell's, and is left alone.
void give_terminal_back()
{
    if (in_foreground()) {
        set_terminal(TCSANOW, saved);
    }
}

// Puts the settings back, then lets the signal end the program as it would
// have: the handler was reset as it was entered.
extern "C" void restore_and_end(int signal)
{
    const int error = errno;
    give_terminal_back();
    static_cast<void>(raise(signal));
    errno = error;
}

// Puts the settings back and stops as a job is stopped (the handler was reset
// as it was entered), also when the kernel stops it in the background for
// touching the terminal there. Once continued, the main flow makes the
// terminal raw again.
extern "C" void restore_and_stop(int signal)
{
    const int error = errno;
    give_terminal_back();
    sigset_t just_this{};
    sigemptyset(&just_this);
    sigaddset(&just_this, signal);
    static_cast<void>(raise(signal));
    sigprocmask(SIG_UNBLOCK, &just_this, nullptr);
    sigaction(signal, &stop, nullptr);
    stops = stops + 1;
    errno = error;
}

// GCOVR_EXCL_STOP

// What the wait needs: the terminal's raw settings, and the signal mask with
// the stop signals let through and with them held back.
struct Waiting {
    termios raw;
    sigset_t open;
    sigset_t blocked;
};

// Makes the terminal raw, at first and after each stop. The stop signals get
// through only here and while waiting for the key: in the background the
// kernel's SIGTTOU stops the program before the terminal changes, and a stop
// that comes just after the change, and so undoes it, makes it again.
bool make_raw(const Waiting& waiting)
{
    for (;;) {
        const std::sig_atomic_t seen = stops;
        sigprocmask(SIG_SETMASK, &waiting.open, nullptr);
        const bool done = set_terminal(TCSANOW, waiting.raw);
        sigprocmask(SIG_SETMASK, &waiting.blocked, nullptr);
        if (!done || seen == stops) {
            return done;
        }
    }
}

// Waits for a key, then takes whatever follows it closely, the rest of an
// arrow's bytes or of a paste that arrives in pieces, until 50 ms pass without
// input. A stop breaks in as EINTR; any other error, or the end of the input,
// ends the wait.
void take_key(const Waiting& waiting)
{
    constexpr timespec quiet{0, 50'000'000};
    const timespec* limit = nullptr;
    pollfd key{STDIN_FILENO, POLLIN, 0};
    constexpr std::size_t taken_at_once = 256;
    std::array<char, taken_at_once> taken{};
    for (bool first = true; make_raw(waiting); first = false) {
        if (first) {
            // The prompt comes only once the terminal is ready for the key.
            std::cout << "Press any key to continue . . . " << std::flush;
        }
        int ready = 0;
        while ((ready = ppoll(&key, 1, limit, &waiting.open)) > 0) {
            if (read(STDIN_FILENO, taken.data(), taken.size()) <= 0) {
                return;
            }
            limit = &quiet;
        }
        // Any error but EINTR ends the wait too. Only a program left without
        // file descriptors meets one, and it cannot then write its coverage:
        // the terminal test vouches for that branch.
        if (ready == 0 || errno != EINTR) { // GCOVR_EXCL_BR_LINE
            return;
        }
    }
}

} // namespace

bool pause_console()
{
    // Only with a terminal on both sides, and the program in its foreground,
    // is someone there to press a key: scripts, background jobs and programs
    // started on a terminal that is not theirs must neither wait nor prompt.
    if (tcgetattr(STDIN_FILENO, &saved) != 0 || isatty(STDOUT_FILENO) == 0 || !in_foreground()) {
        return true;
    }
    // One key without Enter, unechoed; Ctrl-C arrives as a key, not a signal,
    // and Ctrl-S and Ctrl-Q as keys, not flow control. The stop signals wait,
    // blocked, for the places where the terminal may change hands.
    Waiting waiting{saved, {}, {}};
    waiting.raw.c_iflag &= ~static_cast<tcflag_t>(IXON);
    waiting.raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
    waiting.raw.c_cc[VMIN] = 1;
    waiting.raw.c_cc[VTIME] = 0;
    sigset_t before{};
    sigprocmask(SIG_SETMASK, nullptr, &before);
    waiting.open = before;
    waiting.blocked = before;
    for (const int signal : job_control) {
        sigaddset(&waiting.blocked, signal);
        sigdelset(&waiting.open, signal);
    }
    sigprocmask(SIG_SETMASK, &waiting.blocked, nullptr);

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
        auto& previous = old.at(static_cast<std::size_t>(signal));
        const bool stops_job = is_one_of(job_control, signal);
        if ((stops_job || !is_one_of(not_ending, signal)) && sigaction(signal, nullptr, &previous) == 0 &&
            previous.sa_handler == SIG_DFL) {
            sigaction(signal, stops_job ? &stop : &end, nullptr);
            sigaddset(&changed, signal);
        }
    }

    take_key(waiting);

    // A key such as an arrow sends several bytes, a paste many: none of them
    // may reach the shell. In the background the restore waits for the
    // program to be brought back.
    sigprocmask(SIG_SETMASK, &waiting.open, nullptr);
    const bool restored = set_terminal(TCSAFLUSH, saved);
    sigset_t all{};
    sigfillset(&all);
    sigprocmask(SIG_SETMASK, &all, nullptr);
    for (int signal = 1; signal < NSIG; ++signal) {
        if (sigismember(&changed, signal) == 1) {
            sigaction(signal, &old.at(static_cast<std::size_t>(signal)), nullptr);
        }
    }
    sigprocmask(SIG_SETMASK, &before, nullptr);
    std::cout << std::endl;
    return restored;
}

#endif
