// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HTTP client of the preset download: one HTTP/1.1 GET over a plain TCP connection,
// with no proxy, cookies, authentication, redirects or encryption. It blocks the calling
// (user-interface) thread but runs the responsiveness pump in every wait, and only its
// TCP connect runs on a short-lived worker thread.

#include "common/Errors.h"

#include <QString>
#include <atomic>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Any failure of the HTTP client.
class NetworkError : public common::EException {
public:
    using common::EException::EException;
};

// A failure the operating system's socket layer reported: a host that cannot be looked
// up, or a socket call (create, bind, send, receive) that failed.
class SocketError : public NetworkError {
public:
    SocketError(const std::string& what, int code) : NetworkError(what), Code(code) {}
    int Code;
};

class THttpClient {
public:
    THttpClient() = default;
    ~THttpClient();
    THttpClient(const THttpClient&) = delete;
    THttpClient& operator=(const THttpClient&) = delete;

    // Fixed settings of this client. The connect time-out is 5000 ms; tests shorten it.
    static constexpr int DefaultConnectTimeOut = 5000; // ms
    static int ConnectTimeOut();
    static void SetConnectTimeOut(int ms);           // 0: the default
    static constexpr int ConnectStep = 125;          // ms: the smaller of 125 and the pump's
    static constexpr int RedirectReadTimeOut = 2000; // ms, while a rejected body is drained
    static constexpr std::size_t MaxLineLength = 16384;
    // Limits against a hostile or broken server.
    static constexpr std::size_t MaxBodySize = 8 * 1024 * 1024;
    static constexpr int MaxHeaderLines = 100;

    // The body of the response to a GET of url (http://host[:port]/path), exactly as
    // received. Throws SocketError or NetworkError.
    std::string Get(const QString& url);

    // The same exchange over a socket already connected to the server, which the client
    // takes over (the fuzz target hands it one end of a socket pair).
    std::string GetOver(int socket, const QString& url);

    // The request bytes a GET of url sends.
    static std::string RequestFor(const QString& url);

    // Ends a fetch under way from within the pump (the dialog closes, the program ends):
    // the fetch fails promptly with a NetworkError and the connection is dropped.
    void Abort() { Aborted = true; }
    bool Busy() const { return InUse; }

private:
    struct TResponse {
        int Code = -1;
        std::string StatusLine;
        std::vector<std::pair<std::string, std::string>> Headers;
        std::string Header(const std::string& name) const;
        bool Has(const std::string& name) const;
    };

    std::string Fetch(const QString& url, int connected);
    void Connect(const std::string& host, int port);
    void Disconnect();
    bool ConnectionStillOpen();
    void SendAll(const std::string& data);
    // Waits for data for up to timeoutMs (-1: without limit) in slices of the pump's
    // idle time-out; false when the time ran out.
    bool WaitReadable(int timeoutMs);
    // Reads more into Buffer; false when the server has closed the connection.
    bool Fill(int timeoutMs);
    // A line up to LF, the CR before it dropped; false when the connection closed first
    // (line then holds what came).
    bool ReadLine(std::string& line, int timeoutMs = -1);
    TResponse ReadResponseHead();
    // The body as its head frames it: by Content-Length, in chunks, or up to the close.
    std::string ReadBody(const TResponse& response, int timeoutMs);
    // Appends up to wanted bytes of the body (fewer when the connection closes first).
    void TakeBody(std::string& body, std::size_t wanted, int timeoutMs);
    void ReadChunkedBody(std::string& body, int timeoutMs);
    void ReadBodyToClose(std::string& body, int timeoutMs);
    void CheckAborted();

    int Socket = -1;
    std::string Host;
    int Port = 0;
    std::string Buffer;
    bool PeerClosed = false;
    std::atomic<bool> Aborted{false};
    bool InUse = false;
};
