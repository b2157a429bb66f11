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
#include <csignal>
#include <cstddef>
#include <iostream>
#include <poll.h>
#include <termios.h>
#include <tuple>
#include <unistd.h>

namespace {

// The terminal's settings before the pause, which are given back after it,
// and the pause's own, as the terminal reports them once they are set.
termios shell_settings{}; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
termios pause_settings{}; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
// The signal that ended the wait, to be raised again once the terminal has
// been given back.
volatile std::sig_atomic_t caught_signal = 0; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

extern "C" void note_signal(int signal) { caught_signal = signal; }

// With `noting`, has every signal that would end or stop the program noted
// instead; without, gives those their default action back. SIGCHLD, SIGURG
// and SIGWINCH by default do neither, a signal the parent ignores stays
// ignored, and SIGKILL and SIGSTOP cannot be caught.
void note_signals(bool noting)
{
    using Action = void (*)(int);
    const Action current = noting ? SIG_DFL : note_signal;
    const Action replacement = noting ? note_signal : SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) {
        struct sigaction action = {};
        if (signal != SIGCHLD && signal != SIGURG && signal != SIGWINCH && sigaction(signal, nullptr, &action) == 0 &&
            action.sa_handler == current) {
            action.sa_handler = replacement;
            sigaction(signal, &action, nullptr);
        }
    }
}

// The settings a shell or the pause may change: the modes and the control
// characters.
auto modes_of(const termios& settings)
{
    return std::tuple{
        settings.c_iflag, settings.c_oflag, settings.c_cflag, settings.c_lflag, std::to_array(settings.c_cc)};
}

// Whether the terminal's settings are no longer the pause's: a shell that
// takes the terminal back after a stop may put its own on. A closed terminal,
// whose settings cannot be read, counts as unchanged.
bool changed_by_shell()
{
    termios now{};
    return tcgetattr(STDIN_FILENO, &now) == 0 && modes_of(now) != modes_of(pause_settings);
}

// Waits for a key, then takes whatever follows it closely, the rest of an
// arrow's bytes or of a paste, until 50 ms pass without input. Signals are
// let in only while it waits; one that comes ends the wait, and so do an
// error and the end of the input. Whether a key came.
bool take_key(const sigset_t& mask_while_waiting)
{
    constexpr timespec quiet{.tv_sec = 0, .tv_nsec = 50'000'000};
    constexpr std::size_t taken_at_once = 256;
    std::array<char, taken_at_once> taken{};
    const timespec* timeout = nullptr;
    for (;;) {
        pollfd input{STDIN_FILENO, POLLIN, 0};
        const int ready = ppoll(&input, 1, timeout, &mask_while_waiting);
        if (ready <= 0 || read(STDIN_FILENO, taken.data(), taken.size()) <= 0) {
            return ready == 0;
        }
        timeout = &quiet;
    }
}

} // namespace

bool pause_console()
{
    // Only with its controlling terminal on both sides, by whatever name it
    // was opened, and the program in its foreground, is someone there to see
    // the prompt and press a key.
    if (tcgetpgrp(STDIN_FILENO) != getpgrp() || tcgetpgrp(STDOUT_FILENO) != getpgrp()) {
        return true;
    }
    tcgetattr(STDIN_FILENO, &shell_settings);
    // Signals are held back until the wait, so that none is lost between
    // setting the terminal up and the wait, nor leaves the terminal half set.
    sigset_t all{};
    sigset_t blocked_before{};
    sigfillset(&all);
    sigprocmask(SIG_SETMASK, &all, &blocked_before);
    note_signals(true);

    // One key without Enter, unechoed: Ctrl-C, Ctrl-Z, Ctrl-\ and Ctrl-S are
    // keys too. Read back, as a driver may keep some settings of its own.
    pause_settings = shell_settings;
    pause_settings.c_iflag &= ~static_cast<tcflag_t>(IXON);
    pause_settings.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
    pause_settings.c_cc[VMIN] = 1;
    tcsetattr(STDIN_FILENO, TCSANOW, &pause_settings);
    tcgetattr(STDIN_FILENO, &pause_settings);
    // Input typed ahead, a line or part of one (part of a line can be seen
    // only now, without line editing), is for the shell: then no pause.
    constexpr timespec at_once{};
    pollfd typed_ahead{STDIN_FILENO, POLLIN, 0};
    bool key = false;
    if (ppoll(&typed_ahead, 1, &at_once, nullptr) == 0) {
        std::cout << "Press any key to continue . . . " << std::flush;
        key = take_key(blocked_before);
    }
    if (key) {
        std::cout << std::endl; // the shell's prompt on a line of its own
    }

    // Settings that a shell put on after a stop are left to it, and so is
    // what was typed since. Otherwise the terminal is given back, from the
    // background too (a blocked SIGTTOU lets the call through); only what
    // followed a key is discarded. Then a caught signal acts as it would have.
    const bool restored =
        changed_by_shell() || tcsetattr(STDIN_FILENO, key ? TCSAFLUSH : TCSANOW, &shell_settings) == 0;
    note_signals(false);
    if (caught_signal != 0) {
        static_cast<void>(std::raise(caught_signal)); // SIGCONT, raised again, does nothing
    }
    sigprocmask(SIG_SETMASK, &blocked_before, nullptr);
    return restored;
}

#endif
