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
#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <string_view>
#include <termios.h>
#include <tuple>
#include <unistd.h>

// The pause keeps the terminal discipline of less, vim and readpassphrase.
// Where signals are blocked, said once:
// - Until the program is known to be in its terminal's foreground, as the
//   program had them.
// - From then to the end of the pause, all blocked; each that would end or
//   stop the program, and SIGCONT, is caught and noted, not acted on (SIGKILL
//   and SIGSTOP cannot be caught; one the parent ignores stays ignored). They
//   are let in only inside the calls that may wait: through let_in, setting
//   the terminal, writing the prompt and the line end, giving the terminal
//   back (SIGTTOU kept out while it holds the pause's settings); through
//   ppoll, the wait for a key. A signal cuts such a call short, and the pause
//   ends.
// - Once the terminal is given back, the default actions come back, each
//   signal caught is sent again, acting as sent (SIGCONT does nothing), and
//   then the program's own mask.

namespace {

// The signals the program itself blocked, which stay blocked in the calls
// that let the others in.
sigset_t program_mask{}; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
// Each signal caught, by its number; and whether one was caught as the last
// call that may wait let them in.
std::array<volatile std::sig_atomic_t, NSIG> caught{}; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
volatile std::sig_atomic_t just_caught = 0; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

extern "C" void note_signal(int signal)
{
    caught[static_cast<std::size_t>(signal)] = 1;
    just_caught = 1;
}

bool caught_any()
{
    return std::any_of(caught.begin(), caught.end(), [](std::sig_atomic_t noted) { return noted != 0; });
}

// With `noting`, has `signal` noted if it has its default action; without,
// gives it its default action back if it is noted.
void note(int signal, bool noting)
{
    struct sigaction action = {};
    if (sigaction(signal, nullptr, &action) == 0 && action.sa_handler == (noting ? SIG_DFL : note_signal)) {
        action.sa_handler = noting ? note_signal : SIG_DFL;
        action.sa_flags = 0; // without SA_RESTART: a signal cuts short the call it comes in
        sigaction(signal, &action, nullptr);
    }
}

// Each signal that would end or stop the program, and SIGCONT: all but
// SIGCHLD, SIGURG and SIGWINCH, which by default do nothing.
void note_signals(bool noting)
{
    for (int signal = 1; signal < NSIG; ++signal) {
        if (signal != SIGCHLD && signal != SIGURG && signal != SIGWINCH) {
            note(signal, noting);
        }
    }
}

// Makes `call`, which may wait, with every signal let in but those of `mask`.
// A signal held back until then comes first, and the call is not made: -1,
// as when a signal cuts it short.
ssize_t let_in(const sigset_t& mask, const std::function<ssize_t()>& call)
{
    sigset_t blocked{};
    just_caught = 0;
    sigprocmask(SIG_SETMASK, &mask, &blocked);
    const ssize_t result = just_caught != 0 ? -1 : call();
    sigprocmask(SIG_SETMASK, &blocked, nullptr);
    return result;
}

// Writes `text` to the terminal. Whether all of it was written.
bool show(std::string_view text)
{
    const auto written = let_in(program_mask, [text] { return write(STDOUT_FILENO, text.data(), text.size()); });
    return written == static_cast<ssize_t>(text.size());
}

// Waits for a key, then takes whatever follows it closely, the rest of an
// arrow's bytes or of a paste, until 50 ms pass without input. A signal ends
// the wait, and so do an error and the end of the input. Whether a key came.
bool take_key()
{
    constexpr timespec quiet{.tv_sec = 0, .tv_nsec = 50'000'000};
    constexpr std::size_t taken_at_once = 256;
    std::array<char, taken_at_once> taken{};
    const timespec* timeout = nullptr;
    while (!caught_any()) {
        pollfd input{STDIN_FILENO, POLLIN, 0};
        const int ready = ppoll(&input, 1, timeout, &program_mask);
        if (ready <= 0 || read(STDIN_FILENO, taken.data(), taken.size()) <= 0) {
            return ready == 0;
        }
        timeout = &quiet;
    }
    return false;
}

// One key without Enter, unechoed: Ctrl-C, Ctrl-Z, Ctrl-\ and Ctrl-S are keys
// too.
termios pause_settings(termios settings)
{
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON);
    settings.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
    settings.c_cc[VMIN] = 1;
    return settings;
}

// The settings a shell or the pause may change: the modes and the control
// characters.
auto modes_of(const termios& settings)
{
    return std::tuple{
        settings.c_iflag, settings.c_oflag, settings.c_cflag, settings.c_lflag, std::to_array(settings.c_cc)};
}

// Gives the terminal its settings from before the pause, as less does. While
// it holds the pause's settings (dash leaves them so after a stop), from the
// background too: SIGTTOU stays blocked. Once a shell has put its own on, or
// the terminal cannot be read, only from the foreground: in the background the
// program stops on SIGTTOU until brought back, unless a signal that acts on it
// has come; then the shell's settings are left to the shell. After a key,
// what was typed since is discarded. False when the terminal cannot be set.
bool give_back(const termios& before, bool answered)
{
    note(SIGTTOU, false);
    for (;;) {
        caught[SIGCONT] = 0; // a continue, from here on, only has it look again
        termios now{};
        const bool still_paused =
            tcgetattr(STDIN_FILENO, &now) == 0 && modes_of(now) == modes_of(pause_settings(before));
        if (!still_paused && caught_any()) {
            return true;
        }
        sigset_t mask = program_mask;
        if (still_paused) {
            sigaddset(&mask, SIGTTOU);
        }
        if (let_in(mask, [&] { return tcsetattr(STDIN_FILENO, answered ? TCSAFLUSH : TCSANOW, &before); }) == 0) {
            return true;
        }
        if (!caught_any()) {
            return false;
        }
    }
}

// The pause, with signals blocked. False when the terminal could not be given
// back.
bool pause_on_terminal()
{
    termios before{};
    if (tcgetattr(STDIN_FILENO, &before) != 0) {
        return true;
    }
    // From the background the kernel refuses, with SIGTTOU, which ends the
    // pause.
    const termios paused = pause_settings(before);
    if (let_in(program_mask, [&] { return tcsetattr(STDIN_FILENO, TCSANOW, &paused); }) != 0) {
        return true;
    }
    // Input typed ahead, a line or part of one (part of a line can be seen
    // only now, without line editing), is for the shell: then no pause. The
    // line end puts the shell's prompt on a line of its own.
    constexpr timespec at_once{};
    pollfd typed_ahead{STDIN_FILENO, POLLIN, 0};
    const bool answered = ppoll(&typed_ahead, 1, &at_once, nullptr) == 0 && show("Press any key to continue . . . ") &&
        take_key() && show("\n");
    return give_back(before, answered);
}

} // namespace

bool pause_console()
{
    // Only with its controlling terminal on both sides, by whatever name it
    // was opened, input that can be read, and the program in the terminal's
    // foreground, is someone there to press a key. (Output that cannot be
    // written shows no prompt, which ends the pause.)
    if (tcgetpgrp(STDIN_FILENO) != getpgrp() || tcgetpgrp(STDOUT_FILENO) != getpgrp() ||
        (fcntl(STDIN_FILENO, F_GETFL) & O_ACCMODE) == O_WRONLY) { // NOLINT(cppcoreguidelines-pro-type-vararg)
        return true;
    }
    sigset_t every{};
    sigfillset(&every);
    sigprocmask(SIG_SETMASK, &every, &program_mask);
    note_signals(true);
    const bool given_back = pause_on_terminal();
    note_signals(false);
    for (int signal = 1; signal < NSIG; ++signal) {
        if (signal != SIGCONT && caught[static_cast<std::size_t>(signal)] != 0) {
            static_cast<void>(std::raise(signal));
        }
    }
    sigprocmask(SIG_SETMASK, &program_mask, nullptr);
    return given_back;
}

#endif
