#include "telescope/IndiGuard.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace {

// How long the relay waits for the client to connect to it, milliseconds: the client connects
// right after the relay is made.
constexpr int kAcceptTimeoutMs = 5000;
constexpr std::size_t kRelayBufferBytes = 16384;
// Longest a write may wait for a side that does not read, seconds: then the link is dropped, so
// that stopping the relay never waits on the network.
constexpr int kSendTimeoutSeconds = 2;

void SetSendTimeout(int fd) {
    timeval timeout{};
    timeout.tv_sec = kSendTimeoutSeconds;
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Control bytes other than blanks never appear in INDI's XML.
bool IsControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && !IsBlank(c)) || u == 0x7f;
}

// Writes all of `size` bytes; false when the socket fails or closes.
bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

void CloseIfOpen(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

} // namespace

bool IndiStreamCheck::Refuse(std::string problem) {
    m_problem = std::move(problem);
    return false;
}

bool IndiStreamCheck::Feed(std::string_view bytes) {
    if (!m_problem.empty()) {
        return false;
    }
    for (const char c : bytes) {
        if (IsControl(c)) {
            return Refuse("the server sent binary data, not INDI's XML");
        }
        if (m_depth > 0 || m_state != State::Text) {
            if (++m_elementBytes > kMaxIndiElementBytes) {
                return Refuse("the server sent an element larger than " +
                              std::to_string(kMaxIndiElementBytes / 1024) + " KiB");
            }
        }
        switch (m_state) {
        case State::Text:
            if (c == '<') {
                m_state = State::TagStart;
            } else if (m_depth == 0 && !IsBlank(c)) {
                return Refuse("the server sent text that is not INDI's XML");
            }
            break;
        case State::TagStart:
            m_closing = c == '/';
            m_declaration = c == '?' || c == '!';
            m_previous = c;
            m_state = State::Tag;
            if (c == '>' || c == '<' || IsBlank(c)) {
                return Refuse("the server sent a malformed tag");
            }
            break;
        case State::Tag:
            if (c == '"' || c == '\'') {
                m_quote = c;
                m_state = State::Quoted;
            } else if (c == '<') {
                return Refuse("the server sent an unterminated tag");
            } else if (c == '>') {
                m_state = State::Text;
                if (m_declaration) {
                    // no element
                } else if (m_closing) {
                    if (--m_depth < 0) {
                        return Refuse("the server sent an end tag without its start");
                    }
                } else if (m_previous != '/') {
                    if (++m_depth > kMaxIndiDepth) {
                        return Refuse("the server sent elements nested too deeply");
                    }
                }
                if (m_depth == 0) {
                    m_elementBytes = 0;
                }
            }
            m_previous = c;
            break;
        case State::Quoted:
            if (c == m_quote) {
                m_state = State::Tag;
                m_previous = c;
            } else if (c == '<') {
                return Refuse("the server sent an unterminated attribute value");
            }
            break;
        }
    }
    return true;
}

IndiRelay::IndiRelay(int serverSocket) : m_serverSocket(serverSocket) {
    SetSendTimeout(m_serverSocket);
    if (::pipe2(m_stopPipe, O_CLOEXEC) != 0) {
        m_problem = std::string("cannot make the relay's pipe: ") + std::strerror(errno);
        m_refused.store(true);
        return;
    }
    m_listenSocket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (m_listenSocket < 0 ||
        ::bind(m_listenSocket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listenSocket, 1) != 0 ||
        ::getsockname(m_listenSocket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        m_problem = std::string("cannot listen on the loopback interface: ") + std::strerror(errno);
        m_refused.store(true);
        return;
    }
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Run(); });
}

IndiRelay::~IndiRelay() {
    if (m_stopPipe[1] >= 0) {
        const char stop = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_stopPipe[1], &stop, 1);
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
    CloseIfOpen(m_serverSocket);
    CloseIfOpen(m_listenSocket);
    CloseIfOpen(m_stopPipe[0]);
    CloseIfOpen(m_stopPipe[1]);
}

std::string IndiRelay::Problem() const {
    return m_refused.load() ? m_problem : std::string();
}

void IndiRelay::Run() {
    // The one client connection, or nothing when it does not come.
    std::array<pollfd, 2> waitAccept{{{m_listenSocket, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}}};
    if (::poll(waitAccept.data(), waitAccept.size(), kAcceptTimeoutMs) <= 0 ||
        (waitAccept[0].revents & POLLIN) == 0) {
        ::shutdown(m_serverSocket, SHUT_RDWR);
        return;
    }
    int client = ::accept4(m_listenSocket, nullptr, nullptr, SOCK_CLOEXEC);
    CloseIfOpen(m_listenSocket);
    if (client < 0) {
        ::shutdown(m_serverSocket, SHUT_RDWR);
        return;
    }
    SetSendTimeout(client);
    IndiStreamCheck check;
    std::array<char, kRelayBufferBytes> buffer{};
    for (;;) {
        std::array<pollfd, 3> fds{
            {{m_serverSocket, POLLIN, 0}, {client, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (fds[2].revents != 0) {
            break;
        }
        if (fds[0].revents != 0) {
            const ssize_t n = ::recv(m_serverSocket, buffer.data(), buffer.size(), 0);
            if (n <= 0) {
                break;
            }
            const std::string_view bytes(buffer.data(), static_cast<std::size_t>(n));
            if (!check.Feed(bytes)) {
                m_problem = check.Problem();
                m_refused.store(true);
                break;
            }
            if (!WriteAll(client, bytes.data(), bytes.size())) {
                break;
            }
        }
        if (fds[1].revents != 0) {
            const ssize_t n = ::recv(client, buffer.data(), buffer.size(), 0);
            if (n <= 0 || !WriteAll(m_serverSocket, buffer.data(), static_cast<std::size_t>(n))) {
                break;
            }
        }
    }
    // Both sides learn at once that the link is gone; the sockets close with the relay.
    ::shutdown(client, SHUT_RDWR);
    ::close(client);
    ::shutdown(m_serverSocket, SHUT_RDWR);
}
