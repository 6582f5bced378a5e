// indiserver with the simulated telescope for tests: on a free port, with a local socket of its
// own (servers of tests run side by side would otherwise meet on the default one), its log
// silenced, and killed with its drivers by its process group when the test ends, also on failure.
// The tests that start it run in a network namespace of their own where one can be made
// (tests/support/loopback-only.sh), so the server, which listens on every interface, is
// reachable on the loopback only.
#pragma once

#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace inditest {

// A TCP port of the loopback that nothing listens on now.
inline int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), size);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(fd);
    return ntohs(address.sin_port);
}

class SimulatedMountServer {
public:
    explicit SimulatedMountServer(int port) : m_port(port) {
        m_pid = ::fork();
        if (m_pid == 0) {
            ::setpgid(0, 0); // the drivers it starts go with it
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
            const std::string portText = std::to_string(port);
            const std::string local = "vn-test-indi-" + portText;
            ::execlp("indiserver", "indiserver", "-p", portText.c_str(), "-u", local.c_str(),
                     "indi_simulator_telescope", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        if (m_pid > 0) {
            ::setpgid(m_pid, m_pid); // also here, so that no kill can come before the child's
        }
    }
    ~SimulatedMountServer() { Stop(); }
    SimulatedMountServer(const SimulatedMountServer&) = delete;
    SimulatedMountServer& operator=(const SimulatedMountServer&) = delete;

    int Port() const { return m_port; }
    bool Forked() const { return m_pid > 0; }
    void Stop() {
        if (m_pid > 0) {
            ::kill(-m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

private:
    int m_port;
    pid_t m_pid = -1;
};

} // namespace inditest
