// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scripted HTTP server on 127.0.0.1 for the download tests. Each accepted connection
// is handed to the test's script on the server's own thread, one connection at a time;
// every request head the script reads is recorded.

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

class TLoopbackServer;

// One accepted connection, as the script sees it.
class TPeer {
public:
    TPeer(TLoopbackServer& server, int fd) : Server(server), Fd(fd) {}

    // Reads one request head (up to the empty line); false when the client closed or the
    // server stops.
    bool ReadRequest();
    void Send(std::string_view data);
    // Waits up to ms, or until the server stops; false when it stops.
    bool Sleep(int ms);
    // Waits until the client closes the connection or the server stops.
    void WaitForClose();
    // The connection ends with a reset instead of an orderly close when the script
    // returns.
    void Reset();

    std::string Pending; // bytes read past the last request head

private:
    TLoopbackServer& Server;
    int Fd;
};

class TLoopbackServer {
public:
    using TScript = std::function<void(TPeer&)>;

    // With accepting off the server listens but never accepts, with a backlog of zero.
    explicit TLoopbackServer(TScript script, bool accepting = true)
        : Script(std::move(script)), Stop(::eventfd(0, EFD_CLOEXEC)) {
        Listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int one = 1;
        ::setsockopt(Listen, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(Listen, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(Listen, accepting ? 16 : 0);
        socklen_t len = sizeof a;
        ::getsockname(Listen, reinterpret_cast<sockaddr*>(&a), &len);
        PortNumber = ntohs(a.sin_port);
        if (accepting)
            Thread = std::thread([this] { Run(); });
    }
    ~TLoopbackServer() { Shutdown(); }

    void Shutdown() {
        if (Stopped.exchange(true))
            return;
        const std::uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(Stop, &one, sizeof one);
        if (Thread.joinable())
            Thread.join();
        ::close(Listen);
        ::close(Stop);
    }

    int Port() const { return PortNumber; }
    std::string HostPort() const { return "127.0.0.1:" + std::to_string(PortNumber); }
    std::string Url(const std::string& path = "/korvane5/korvane5dates.xml") const {
        return "http://" + HostPort() + path;
    }

    std::vector<std::string> Requests() const {
        std::lock_guard<std::mutex> guard(Lock);
        return Recorded;
    }
    int Connections() const { return Accepted; }

private:
    friend class TPeer;

    void Run() {
        for (;;) {
            pollfd fds[2] = {{Listen, POLLIN, 0}, {Stop, POLLIN, 0}};
            if (::poll(fds, 2, -1) < 0)
                continue;
            if (fds[1].revents)
                return;
            const int fd = ::accept4(Listen, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0)
                continue;
            ++Accepted;
            TPeer peer(*this, fd);
            Script(peer);
            ::close(fd);
        }
    }

    // Waits for fd to be readable; false when the server stops or the time runs out.
    bool WaitReadable(int fd, int ms) {
        pollfd fds[2] = {{fd, POLLIN, 0}, {Stop, POLLIN, 0}};
        return ::poll(fds, 2, ms) > 0 && !fds[1].revents;
    }

    TScript Script;
    int Listen = -1;
    int Stop = -1;
    int PortNumber = 0;
    std::thread Thread;
    std::atomic<bool> Stopped{false};
    std::atomic<int> Accepted{0};
    mutable std::mutex Lock;
    std::vector<std::string> Recorded;
};

inline bool TPeer::ReadRequest() {
    for (;;) {
        const std::size_t end = Pending.find("\r\n\r\n");
        if (end != std::string::npos) {
            std::lock_guard<std::mutex> guard(Server.Lock);
            Server.Recorded.push_back(Pending.substr(0, end + 4));
            Pending.erase(0, end + 4);
            return true;
        }
        if (!Server.WaitReadable(Fd, -1))
            return false;
        char buffer[4096];
        const ssize_t n = ::recv(Fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            return false;
        Pending.append(buffer, std::size_t(n));
    }
}

inline void TPeer::Send(std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::send(Fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (n <= 0)
            return;
        data.remove_prefix(std::size_t(n));
    }
}

inline bool TPeer::Sleep(int ms) {
    pollfd fd{Server.Stop, POLLIN, 0};
    return ::poll(&fd, 1, ms) == 0;
}

inline void TPeer::WaitForClose() {
    while (Server.WaitReadable(Fd, -1)) {
        char buffer[4096];
        if (::recv(Fd, buffer, sizeof buffer, 0) <= 0)
            return;
    }
}

inline void TPeer::Reset() {
    const linger hard{1, 0};
    ::setsockopt(Fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
}

// A whole response with a Content-Length.
inline std::string Response(const std::string& status, const std::string& body,
                            const std::string& headers = {}) {
    return "HTTP/1.1 " + status + "\r\n" + headers +
           "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}
