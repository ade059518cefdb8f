// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/HttpClient.h"

#include "presets/AntiFreeze.h"

#include <QUrl>
#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

// A whole decimal number, or -1; a number too long to hold saturates.
long long Decimal(const std::string& s) {
    if (s.empty() ||
        !std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); }))
        return -1;
    if (s.size() > 18)
        return std::numeric_limits<long long>::max();
    return std::stoll(s);
}

// The number of a chunk-size line: the text before its first space as hexadecimal, of any
// length and with any leading zeros; text that is not hexadecimal counts as 0. A value
// beyond limit comes back as limit + 1, so no size can wrap around.
std::size_t ChunkSize(const std::string& line, std::size_t limit) {
    const std::string text = line.substr(0, line.find(' '));
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c); }))
        return 0;
    std::size_t n = 0;
    for (const unsigned char c : text) {
        n = n * 16 + std::size_t(std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10);
        if (n > limit)
            return limit + 1;
    }
    return n;
}

[[noreturn]] void ThrowSocket(const char* what, int code) {
    throw SocketError(std::string(what) + ": " + std::strerror(code), code);
}

int IdleTimeOut() {
    const TAntiFreeze* pump = TAntiFreeze::Instance();
    return pump ? std::max(1, pump->IdleTimeOut) : 250;
}

struct TAddress {
    sockaddr_storage Storage{};
    socklen_t Length = 0;
    int Family = AF_INET;
};

// "LOCALHOST" in any case is the loopback address, a dotted address stands for itself,
// any other name goes to the system resolver and its first answer is taken.
TAddress Resolve(const std::string& host, int port) {
    TAddress a;
    in_addr v4{};
    const std::string name = Lower(host) == "localhost" ? "127.0.0.1" : host;
    if (inet_pton(AF_INET, name.c_str(), &v4) == 1) {
        auto* sin = reinterpret_cast<sockaddr_in*>(&a.Storage);
        sin->sin_family = AF_INET;
        sin->sin_addr = v4;
        sin->sin_port = htons(std::uint16_t(port));
        a.Length = sizeof(sockaddr_in);
        return a;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int rc = getaddrinfo(name.c_str(), std::to_string(port).c_str(), &hints, &found);
    if (rc != 0 || !found)
        throw SocketError("cannot resolve " + host + ": " + gai_strerror(rc), rc);
    std::memcpy(&a.Storage, found->ai_addr, found->ai_addrlen);
    a.Length = found->ai_addrlen;
    a.Family = found->ai_family;
    freeaddrinfo(found);
    return a;
}

// The connect call, on its own thread; the user-interface thread can end it through the
// event descriptor.
struct TConnectJob {
    int Socket = -1;
    TAddress Address;
    int Cancel = -1;
    std::mutex Lock;
    std::condition_variable Done;
    bool Finished = false;
    int Error = 0;

    void Run() {
        int error = 0;
        if (::connect(Socket, reinterpret_cast<const sockaddr*>(&Address.Storage),
                      Address.Length) != 0) {
            error = errno;
            if (error == EINPROGRESS) {
                pollfd fds[2] = {{Socket, POLLOUT, 0}, {Cancel, POLLIN, 0}};
                while (::poll(fds, 2, -1) < 0 && errno == EINTR) {
                }
                socklen_t len = sizeof error;
                if (fds[1].revents & POLLIN)
                    error = ECANCELED;
                else if (::getsockopt(Socket, SOL_SOCKET, SO_ERROR, &error, &len) != 0)
                    error = errno;
            }
        }
        std::lock_guard<std::mutex> guard(Lock);
        Error = error;
        Finished = true;
        Done.notify_all();
    }

    bool WaitFor(int ms) {
        std::unique_lock<std::mutex> guard(Lock);
        return Done.wait_for(guard, std::chrono::milliseconds(std::max(0, ms)),
                             [this] { return Finished; });
    }
};

// A complete answer that is not accepted; the connection stays usable.
class TRejected : public NetworkError {
public:
    using NetworkError::NetworkError;
};

} // namespace

namespace {
int ConnectTimeOutSetting = 0;
}

int THttpClient::ConnectTimeOut() {
    return ConnectTimeOutSetting > 0 ? ConnectTimeOutSetting : DefaultConnectTimeOut;
}

void THttpClient::SetConnectTimeOut(int ms) {
    ConnectTimeOutSetting = ms;
}

std::string THttpClient::TResponse::Header(const std::string& name) const {
    const std::string key = Lower(name);
    for (const auto& [n, v] : Headers)
        if (Lower(n) == key)
            return v;
    return {};
}

bool THttpClient::TResponse::Has(const std::string& name) const {
    const std::string key = Lower(name);
    return std::any_of(Headers.begin(), Headers.end(),
                       [&](const auto& h) { return Lower(h.first) == key; });
}

THttpClient::~THttpClient() {
    Disconnect();
}

void THttpClient::Disconnect() {
    if (Socket >= 0)
        ::close(Socket);
    Socket = -1;
    Buffer.clear();
    PeerClosed = false;
}

void THttpClient::CheckAborted() {
    if (Aborted)
        throw NetworkError("the fetch was ended");
}

std::string THttpClient::RequestFor(const QString& url) {
    const QUrl u(url);
    // Appended piece by piece: the request is built once per fetch.
    std::string host = u.host(QUrl::FullyEncoded).toStdString();
    const bool v6 = host.find(':') != std::string::npos;
    const int port = u.port(80);
    std::string path = u.path(QUrl::FullyEncoded).toStdString();
    if (path.empty())
        path.assign(1, '/');
    if (u.hasQuery())
        path.append(1, '?').append(u.query(QUrl::FullyEncoded).toStdString());
    std::string request;
    request.reserve(160 + host.size() + path.size());
    request.append("GET ").append(path).append(" HTTP/1.1\r\nHost: ");
    if (v6)
        request.append(1, '[').append(host).append(1, ']');
    else
        request.append(host);
    if (port != 80)
        request.append(1, ':').append(std::to_string(port));
    request.append("\r\nAccept: text/xml\r\nReferer: Korvane5\r\n"
                   "User-Agent: Mozilla/3.0 (compatible; Korvane5)\r\n\r\n");
    return request;
}

bool THttpClient::ConnectionStillOpen() {
    // A 1 ms look: anything readable now means the server closed it (or sent something
    // unasked), and either way it cannot carry the next exchange.
    pollfd fd{Socket, POLLIN, 0};
    if (::poll(&fd, 1, 1) == 0)
        return true;
    return false;
}

void THttpClient::Connect(const std::string& host, int port) {
    if (Socket >= 0 && host == Host && port == Port && ConnectionStillOpen())
        return;
    Disconnect();
    const TAddress address = Resolve(host, port);

    const int fd = ::socket(address.Family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        ThrowSocket("socket", errno);
    sockaddr_storage any{};
    any.ss_family = sa_family_t(address.Family);
    const socklen_t anyLength =
        address.Family == AF_INET6 ? sizeof(sockaddr_in6) : sizeof(sockaddr_in);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&any), anyLength) != 0) {
        const int e = errno;
        ::close(fd);
        ThrowSocket("bind", e);
    }

    TConnectJob job;
    job.Socket = fd;
    job.Address = address;
    job.Cancel = ::eventfd(0, EFD_CLOEXEC);
    if (job.Cancel < 0) {
        const int e = errno;
        ::close(fd);
        ThrowSocket("eventfd", e);
    }
    std::thread worker([&job] { job.Run(); });
    // The worker is stopped and joined before its socket is closed, on every path.
    struct TJoin {
        std::thread& Worker;
        TConnectJob& Job;
        void Stop() {
            if (!Worker.joinable())
                return;
            const std::uint64_t one = 1;
            [[maybe_unused]] ssize_t n = ::write(Job.Cancel, &one, sizeof one);
            Worker.join();
        }
        ~TJoin() {
            Stop();
            ::close(Job.Cancel);
        }
    } join{worker, job};

    // Waits in steps, with the pump between them, for the worker or the time-out.
    const int step = std::min(ConnectStep, IdleTimeOut());
    int remaining = ConnectTimeOut();
    bool finished = false;
    for (;;) {
        finished = job.WaitFor(step);
        TAntiFreeze::DoProcess();
        remaining -= step;
        if (finished || Aborted || remaining <= step)
            break;
    }
    if (!finished && !Aborted)
        finished = job.WaitFor(remaining);
    if (!finished || Aborted) {
        join.Stop();
        ::close(fd);
        if (Aborted)
            throw NetworkError("the fetch was ended");
        throw NetworkError("no connection to " + host + " within " +
                           std::to_string(ConnectTimeOut()) + " ms");
    }
    join.Stop();
    if (job.Error != 0) {
        ::close(fd);
        throw NetworkError("cannot connect to " + host + ": " + std::strerror(job.Error));
    }
    Socket = fd;
    Host = host;
    Port = port;
}

void THttpClient::SendAll(const std::string& data) {
    std::size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(Socket, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            ThrowSocket("send", errno);
        TAntiFreeze::DoProcess();
        CheckAborted();
        if (n > 0) {
            sent += std::size_t(n);
            continue;
        }
        pollfd fd{Socket, POLLOUT, 0};
        ::poll(&fd, 1, IdleTimeOut());
    }
}

bool THttpClient::WaitReadable(int timeoutMs) {
    int remaining = timeoutMs;
    for (;;) {
        const int slice = timeoutMs < 0 ? IdleTimeOut() : std::min(IdleTimeOut(), remaining);
        pollfd fd{Socket, POLLIN, 0};
        const int rc = ::poll(&fd, 1, slice);
        if (rc < 0 && errno != EINTR)
            ThrowSocket("poll", errno);
        TAntiFreeze::DoProcess();
        CheckAborted();
        if (rc > 0)
            return true;
        if (timeoutMs >= 0 && (remaining -= slice) <= 0)
            return false;
    }
}

bool THttpClient::Fill(int timeoutMs) {
    if (PeerClosed)
        return false;
    for (;;) {
        if (!WaitReadable(timeoutMs))
            throw NetworkError("the server sent nothing for " + std::to_string(timeoutMs) + " ms");
        char chunk[65536];
        const ssize_t n = ::recv(Socket, chunk, sizeof chunk, 0);
        if (n > 0) {
            Buffer.append(chunk, std::size_t(n));
            return true;
        }
        if (n == 0) {
            PeerClosed = true;
            return false;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            ThrowSocket("recv", errno);
    }
}

bool THttpClient::ReadLine(std::string& line, int timeoutMs) {
    for (;;) {
        const std::size_t lf = Buffer.find('\n');
        if (lf != std::string::npos) {
            line.assign(Buffer, 0, lf);
            Buffer.erase(0, lf + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.size() > MaxLineLength)
                throw NetworkError("a line longer than 16384 bytes");
            return true;
        }
        if (Buffer.size() > MaxLineLength + 1)
            throw NetworkError("a line longer than 16384 bytes");
        if (!Fill(timeoutMs)) {
            line = Buffer;
            Buffer.clear();
            return false;
        }
    }
}

THttpClient::TResponse THttpClient::ReadResponseHead() {
    for (;;) {
        TResponse r;
        if (!ReadLine(r.StatusLine))
            throw NetworkError("the connection closed before the status line");
        const std::size_t sp = r.StatusLine.find(' ');
        if (sp != std::string::npos) {
            const std::size_t end = r.StatusLine.find(' ', sp + 1);
            r.Code = int(Decimal(r.StatusLine.substr(
                sp + 1, end == std::string::npos ? std::string::npos : end - sp - 1)));
        }
        for (int count = 0;;) {
            std::string line;
            const bool complete = ReadLine(line);
            if (complete && line.empty())
                break;
            if (++count > MaxHeaderLines)
                throw NetworkError("more than 100 header lines");
            const std::size_t colon = line.find(':');
            if (!line.empty())
                r.Headers.emplace_back(line.substr(0, colon), colon == std::string::npos
                                                                  ? std::string()
                                                                  : Trim(line.substr(colon + 1)));
            if (!complete)
                break; // closed during the headers: those read so far count
        }
        if (r.Code != 100)
            return r;
    }
}

void THttpClient::TakeBody(std::string& body, std::size_t wanted, int timeoutMs) {
    while (wanted > 0) {
        if (Buffer.empty() && !Fill(timeoutMs))
            return;
        const std::size_t n = std::min(wanted, Buffer.size());
        if (body.size() + n > MaxBodySize)
            throw NetworkError("a body of more than 8 MiB");
        body.append(Buffer, 0, n);
        Buffer.erase(0, n);
        wanted -= n;
    }
}

void THttpClient::ReadChunkedBody(std::string& body, int timeoutMs) {
    for (;;) {
        std::string line;
        if (!ReadLine(line, timeoutMs) && line.empty())
            break;
        const std::size_t n = ChunkSize(line, MaxBodySize);
        if (n > MaxBodySize - body.size())
            throw NetworkError("a chunk beyond the 8 MiB limit");
        if (n == 0)
            break;
        TakeBody(body, n, timeoutMs);
        ReadLine(line, timeoutMs); // the line break after the chunk
    }
    std::string trailer;
    if (!PeerClosed || !Buffer.empty())
        ReadLine(trailer, timeoutMs);
}

void THttpClient::ReadBodyToClose(std::string& body, int timeoutMs) {
    while (Fill(timeoutMs)) {
        if (body.size() + Buffer.size() > MaxBodySize)
            throw NetworkError("a body of more than 8 MiB");
        body += Buffer;
        Buffer.clear();
    }
    body += Buffer;
    Buffer.clear();
}

std::string THttpClient::ReadBody(const TResponse& response, int timeoutMs) {
    std::string body;
    const long long length = Decimal(Trim(response.Header("Content-Length")));
    if (length > (long long)MaxBodySize)
        throw NetworkError("a Content-Length of more than 8 MiB");
    if (length > 0)
        TakeBody(body, std::size_t(length), timeoutMs);
    else if (response.Header("Transfer-Encoding").find("chunked") != std::string::npos)
        ReadChunkedBody(body, timeoutMs);
    else if (length < 0)
        ReadBodyToClose(body, timeoutMs);
    return body;
}

std::string THttpClient::Get(const QString& url) {
    return Fetch(url, -1);
}

std::string THttpClient::GetOver(int socket, const QString& url) {
    return Fetch(url, socket);
}

std::string THttpClient::Fetch(const QString& url, int connected) {
    struct TInUse {
        bool& Flag;
        ~TInUse() { Flag = false; }
    } inUse{InUse};
    InUse = true;
    Aborted = false;
    const QUrl u(url);
    const std::string host = u.host().toStdString();
    const int port = u.port(80);
    if (connected >= 0) {
        Disconnect();
        Socket = connected;
        Host = host;
        Port = port;
    }
    // The connection survives an exchange whose end was read cleanly, unless the server
    // said it would close it.
    auto keepOrDrop = [this](const TResponse& response) {
        const std::string connection = Lower(Trim(response.Header("Connection")));
        const std::string proxy = Lower(Trim(response.Header("Proxy-Connection")));
        if (connection == "close" || proxy == "close" || PeerClosed)
            Disconnect();
    };
    try {
        if (connected < 0)
            Connect(host, port);
        SendAll(RequestFor(url));
        const TResponse response = ReadResponseHead();
        const int kind = response.Code / 100;
        if ((kind == 3 && response.Code != 304) || response.Has("Location") || kind != 2 ||
            response.Code < 0) {
            // Not followed, not accepted: the body is drained, briefly, and dropped. Answers
            // that never carry one are not waited on.
            if (kind != 1 && response.Code != 204 && response.Code != 304)
                ReadBody(response, RedirectReadTimeOut);
            keepOrDrop(response);
            throw TRejected("HTTP " + std::to_string(response.Code) + ": " + response.StatusLine);
        }
        std::string body;
        if (response.Code != 204) {
            if (PeerClosed && Buffer.empty() &&
                Decimal(Trim(response.Header("Content-Length"))) != 0)
                throw NetworkError("the connection is gone before the body");
            body = ReadBody(response, -1);
        }
        keepOrDrop(response);
        return body;
    } catch (const TRejected&) {
        throw;
    } catch (...) {
        Disconnect();
        throw;
    }
}
