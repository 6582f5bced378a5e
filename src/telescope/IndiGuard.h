// The guard between an INDI server and libindi's client: a relay on the loopback interface that
// passes the server's bytes on only while they look like INDI's XML of a sensible size. libindi's
// XML reader keeps a whole element in memory however large it grows and reads any bytes it is
// given, so a broken or hostile server could make it grow without bound; the relay cuts the link
// instead and says why.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <thread>

// Largest top-level element the server may send, bytes: a mount's biggest property (a switch
// vector of a few dozen entries) is a few kilobytes; pictures (BLOBs) are never asked for.
inline constexpr std::size_t kMaxIndiElementBytes = 1 << 20;
// Deepest nesting of elements INDI uses is 2 (a vector and its members); a little room above.
inline constexpr int kMaxIndiDepth = 8;

// Follows the server's byte stream just enough to bound it: tags, quoted attribute values,
// element depth and the size of the current top-level element. Not a validating parser: libindi
// still reads the XML; this only refuses what no INDI server sends.
class IndiStreamCheck {
public:
    // Takes the next bytes; false (and Problem() says why) once the stream is refused, and from
    // then on.
    bool Feed(std::string_view bytes);
    const std::string& Problem() const { return m_problem; }

private:
    bool Refuse(std::string problem);

    enum class State { Text, TagStart, Tag, Quoted };
    State m_state = State::Text;
    char m_quote = 0;
    bool m_closing = false;     // the tag being read is an end tag
    bool m_declaration = false; // "<?...>" or "<!...>": no element
    char m_previous = 0;        // the byte before the current one inside a tag
    int m_depth = 0;
    std::size_t m_elementBytes = 0;
    std::string m_problem;
};

// The relay: listens on 127.0.0.1 (an ephemeral port) for one connection from the client and
// joins it to an already connected server socket, checking the server's bytes with
// IndiStreamCheck. Closing either side, or a refused stream, ends the relay and closes both.
class IndiRelay {
public:
    // Takes ownership of the connected server socket. Port() is 0 when no listening socket could
    // be made (Problem() says why).
    explicit IndiRelay(int serverSocket);
    ~IndiRelay(); // stops the relay thread and closes every socket
    IndiRelay(const IndiRelay&) = delete;
    IndiRelay& operator=(const IndiRelay&) = delete;

    int Port() const { return m_port; }
    // Why the relay ended, empty while it runs or when a side simply closed.
    std::string Problem() const;

private:
    void Run();

    int m_serverSocket = -1;
    int m_listenSocket = -1;
    int m_stopPipe[2] = {-1, -1};
    int m_port = 0;
    std::atomic<bool> m_refused{false};
    std::string m_problem; // written by the relay thread before m_refused is set
    std::thread m_thread;
};
