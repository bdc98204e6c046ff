#include "Spawn.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {
QByteArray drain(int fd) {
    QByteArray all;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = ::read(fd, buffer, sizeof buffer)) > 0) {
        all.append(buffer, count);
    }
    return all;
}
} // namespace

Spawned spawn(const QList<QByteArray>& argv, const SpawnOptions& options) {
    // Everything the child needs is made before the fork: other threads of
    // the test may hold the allocator's lock at that moment.
    std::vector<char*> arguments;
    for (const QByteArray& argument : argv) {
        arguments.push_back(const_cast<char*>(argument.constData()));
    }
    arguments.push_back(nullptr);
    // The ones given come first: the first of two equal names wins. Then
    // French, the programs' own language, whatever this machine's is.
    static const QByteArray french[] = {"LANGUAGE=", "LC_ALL=C.UTF-8"};
    std::vector<char*> environment;
    for (const QByteArray& variable : options.environment) {
        environment.push_back(const_cast<char*>(variable.constData()));
    }
    for (const QByteArray& variable : french) {
        environment.push_back(const_cast<char*>(variable.constData()));
    }
    for (char** variable = environ; *variable != nullptr; ++variable) {
        environment.push_back(*variable);
    }
    environment.push_back(nullptr);

    int in[2], out[2], err[2];
    if (::pipe(in) != 0 || ::pipe(out) != 0 || ::pipe(err) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(in[0], STDIN_FILENO);
        if (options.closeOutput) {
            ::close(STDOUT_FILENO);
        } else if (!options.outputFile.isEmpty()) {
            const int file =
                ::open(options.outputFile.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(file, STDOUT_FILENO);
        } else {
            ::dup2(out[1], STDOUT_FILENO);
        }
        ::dup2(err[1], STDERR_FILENO);
        for (const int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
            ::close(fd);
        }
        ::execve(arguments[0], arguments.data(), environment.data());
        ::_exit(127);
    }
    for (const int fd : {in[0], out[1], err[1]}) {
        ::close(fd);
    }
    // The input goes in parts from a thread of its own, so that a child that
    // writes much before reading cannot block us.
    std::thread feeder([&] {
        std::signal(SIGPIPE, SIG_IGN);
        for (qsizetype k = 0; k < options.input.size(); ++k) {
            if (k > 0) {
                std::this_thread::sleep_for(options.pause);
            }
            (void)::write(in[1], options.input[k].constData(),
                          static_cast<size_t>(options.input[k].size()));
        }
        ::close(in[1]);
    });
    Spawned result;
    ::fcntl(out[0], F_SETFL, O_NONBLOCK);
    ::fcntl(err[0], F_SETFL, O_NONBLOCK);
    const auto deadline = std::chrono::steady_clock::now() + options.timeout;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        result.out += drain(out[0]);
        result.err += drain(err[0]);
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            result.hung = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    feeder.join();
    result.out += drain(out[0]);
    result.err += drain(err[0]);
    ::close(out[0]);
    ::close(err[0]);
    if (!result.hung && WIFEXITED(status)) {
        result.code = WEXITSTATUS(status);
    }
    return result;
}
