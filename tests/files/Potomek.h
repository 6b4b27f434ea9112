#pragma once
// Tests that need a process of their own: a file-size limit (setrlimit), an unprivileged user (the
// suite runs as root in CI, and root may write any file), or two saves at the same time.

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

namespace murolab::test {

// Runs `f` in a forked child and returns what it returned as the child's exit status; -1 when the
// child did not end normally (a signal such as SIGXFSZ killed it).
template <typename F> int WProcesiePotomnym(F&& f) {
    const pid_t pid = ::fork();
    if (pid < 0)
        return -2;
    if (pid == 0)
        ::_exit(std::forward<F>(f)());
    int stan = 0;
    while (::waitpid(pid, &stan, 0) < 0) {
    }
    return WIFEXITED(stan) ? WEXITSTATUS(stan) : -1;
}

// In a child: gives up root for the user "nobody" (65534), so that file permissions apply to it.
// False when it could not; an unprivileged process is already subject to them and returns true.
inline bool PorzucUprawnieniaRoota() {
    if (::geteuid() != 0)
        return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0 && ::geteuid() != 0;
}

} // namespace murolab::test
