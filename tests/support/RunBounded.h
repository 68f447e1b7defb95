// Runs a piece of work that might hang (a read of a FIFO, a device, a
// locked file) in a forked child under an alarm, so that a hang fails the
// test instead of stopping the whole test program.
#pragma once

#include <cerrno>
#include <functional>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace zorbik::testing {

// What `work` returned in the child, or nothing when it did not finish
// within `seconds` or died.
inline std::optional<std::string> RunBounded(const std::function<std::string()>& work, unsigned seconds = 10)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return std::nullopt;
    const pid_t pid = ::fork();
    if (pid < 0)
        return std::nullopt;
    if (pid == 0) {
        ::close(fds[0]);
        ::alarm(seconds);
        std::string out;
        try {
            out = work();
        } catch (...) {
            ::_exit(3); // never back into the test program's own flow
        }
        for (size_t done = 0; done < out.size();) {
            const ssize_t n = ::write(fds[1], out.data() + done, out.size() - done);
            if (n <= 0)
                ::_exit(2);
            done += static_cast<size_t>(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string out;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            out.append(buffer, static_cast<size_t>(n));
        else if (errno != EINTR)
            break;
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return out;
}

} // namespace zorbik::testing
