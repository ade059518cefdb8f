// SPDX-License-Identifier: GPL-3.0-or-later
// The server's whole answer to the preset request: any bytes, then the connection closes.
#include "presets/HttpClient.h"

#include <cstddef>
#include <cstdint>
#include <sys/socket.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0)
        return 0;
    // The answer waits in the socket's buffer; a larger one is cut to what fits.
    const int bytes = 1 << 20;
    ::setsockopt(pair[1], SOL_SOCKET, SO_SNDBUF, &bytes, sizeof bytes);
    std::size_t sent = 0;
    while (sent < size) {
        const ssize_t n = ::send(pair[1], data + sent, size - sent, MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += std::size_t(n);
    }
    ::shutdown(pair[1], SHUT_WR);
    THttpClient client;
    try {
        client.GetOver(pair[0], QStringLiteral("http://127.0.0.1/korvane5/korvane5dates.xml"));
    } catch (const NetworkError&) {
    }
    ::close(pair[1]);
    return 0;
}
