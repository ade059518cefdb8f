// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/HttpClient.h"
#include "presets/AntiFreeze.h"
#include "support/LoopbackServer.h"
#include "support/Seams.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

std::string Get(THttpClient& client, const TLoopbackServer& server) {
    return client.Get(QString::fromStdString(server.Url()));
}

// Serves each request of a connection with the next canned reply, then closes.
TLoopbackServer::TScript Replies(std::vector<std::string> replies) {
    return [replies](TPeer& peer) {
        for (const std::string& reply : replies) {
            if (!peer.ReadRequest())
                return;
            peer.Send(reply);
        }
    };
}

// What Get threw: 0 nothing, 1 a plain NetworkError, 2 a SocketError.
int FailureKind(const std::function<void()>& fetch) {
    try {
        fetch();
    } catch (const SocketError&) {
        return 2;
    } catch (const NetworkError&) {
        return 1;
    }
    return 0;
}

constexpr int Succeeds = 0, Network = 1, Socket = 2;

// Code without windows fails one way: the program's error type.
static_assert(std::is_base_of_v<common::EException, NetworkError>);
static_assert(std::is_base_of_v<NetworkError, SocketError>);

} // namespace

TEST(HttpClientTest_Request, BytesOnTheWireAreExactlyTheFourHeaders) {
    TLoopbackServer server(Replies({Response("200 OK", "x")}));
    THttpClient client;
    EXPECT_EQ(Get(client, server), "x");
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0], "GET /korvane5/korvane5dates.xml HTTP/1.1\r\n"
                                    "Host: " +
                                        server.HostPort() +
                                        "\r\n"
                                        "Accept: text/xml\r\n"
                                        "Referer: Korvane5\r\n"
                                        "User-Agent: Mozilla/3.0 (compatible; Korvane5)\r\n"
                                        "\r\n");
    // Port 80 is not written after the host.
    EXPECT_EQ(THttpClient::RequestFor("http://www.korvane5.example/korvane5/korvane5dates.xml")
                  .substr(0, 70),
              "GET /korvane5/korvane5dates.xml HTTP/1.1\r\nHost: www.korvane5.example\r\n");
}

TEST(HttpClientTest_Response, BodiesOfEveryFraming) {
    struct TCase {
        const char* Name;
        std::string Reply;
        std::string Body;
    };
    const std::vector<TCase> cases = {
        {"content length, extra bytes left",
         "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhelloEXTRA", "hello"},
        {"content length padded", "HTTP/1.1 200 OK\r\ncontent-length:  3 \r\n\r\nabc", "abc"},
        {"chunked",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
         "4\r\n<kor\r\nA ignored\r\nvane5xml/>\r\n0\r\n\r\n",
         "<korvane5xml/>"},
        {"until close", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nall of it", "all of it"},
        {"content length zero", "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", ""},
        {"no content", "HTTP/1.1 204 No Content\r\n\r\n", ""},
        {"encoded, not decoded",
         "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nContent-Length: 4\r\n\r\n" +
             std::string("\x1f\x8b\x08\x00", 4),
         std::string("\x1f\x8b\x08\x00", 4)},
        {"continue first",
         "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 100 Continue\r\nX: y\r\n\r\n"
         "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok",
         "ok"},
        {"closed before the length", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nshort",
         "short"},
        {"bare LF lines", "HTTP/1.1 200 OK\nContent-Length: 2\n\nhi", "hi"},
        {"chunk sizes with leading zeros",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
         "0000000000000000000003\r\nabc\r\n00000000000000000000\r\n\r\n",
         "abc"},
        {"a chunk size that is no number ends the body",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nab\r\n2x\r\ncd\r\n", "ab"},
    };
    for (const TCase& c : cases) {
        TLoopbackServer server(Replies({c.Reply}));
        THttpClient client;
        std::string body;
        EXPECT_EQ(FailureKind([&] { body = Get(client, server); }), Succeeds) << c.Name;
        EXPECT_EQ(body, c.Body) << c.Name;
    }
}

TEST(HttpClientTest_Response, RejectedAnswersArePlainNetworkErrors) {
    const std::string big(17000, 'a');
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"redirect", "HTTP/1.1 302 Found\r\nLocation: /elsewhere\r\nContent-Length: 0\r\n\r\n"},
        {"200 with a location", "HTTP/1.1 200 OK\r\nLocation: /x\r\nContent-Length: 2\r\n\r\nok"},
        {"not found", Response("404 Not Found", "gone")},
        {"server error", Response("500 Internal Server Error", "")},
        {"not modified", "HTTP/1.1 304 Not Modified\r\n\r\n"},
        {"unauthorized", Response("401 Unauthorized", "", "WWW-Authenticate: Basic\r\n")},
        {"switching", "HTTP/1.1 101 Switching\r\n\r\n"},
        {"unreadable status", Response("OK", "x")},
        {"not http", "hello\r\n\r\n"},
        {"closed before the status line", "HTTP/1.1 20"},
        {"closed at once", ""},
        {"closed inside the headers of a 200", "HTTP/1.1 200 OK\r\nX-Partial: 1"},
        {"long status line", "HTTP/1.1 200 " + big + "\r\nContent-Length: 0\r\n\r\n"},
        {"long header line", "HTTP/1.1 200 OK\r\nX: " + big + "\r\nContent-Length: 0\r\n\r\n"},
    };
    for (const auto& [name, reply] : cases) {
        TLoopbackServer server(Replies({reply}));
        THttpClient client;
        EXPECT_EQ(FailureKind([&] { Get(client, server); }), Network) << name;
        EXPECT_EQ(server.Requests().size(), 1u) << name << ": no second request";
    }
}

TEST(HttpClientTest_Response, HostileSizesEndTheFetchWithoutExhaustingMemory) {
    std::string manyHeaders = "HTTP/1.1 200 OK\r\n";
    for (int i = 0; i < 101; ++i)
        manyHeaders += "X-" + std::to_string(i) + ": v\r\n";
    const std::vector<std::pair<const char*, std::string>> heads = {
        {"101 header lines", manyHeaders + "Content-Length: 0\r\n\r\n"},
        {"9 MiB announced", "HTTP/1.1 200 OK\r\nContent-Length: 9437184\r\n\r\nabc"},
        {"absurd length", "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n"},
        {"huge chunk", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nFFFFFFFFFF\r\n"},
        {"chunk size past 64 bits",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n10000000000000000\r\n"},
        {"chunks adding up past the limit",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n400000\r\n" +
             std::string(0x400000, 'a') + "\r\n400001\r\n"},
    };
    for (const auto& [name, reply] : heads) {
        TLoopbackServer server(Replies({reply}));
        THttpClient client;
        EXPECT_EQ(FailureKind([&] { Get(client, server); }), Network) << name;
    }

    // A body that never ends is cut off past 8 MiB.
    TLoopbackServer endless([](TPeer& peer) {
        if (!peer.ReadRequest())
            return;
        peer.Send("HTTP/1.1 200 OK\r\n\r\n");
        const std::string block(1 << 16, 'z');
        for (int i = 0; i < 200; ++i)
            peer.Send(block);
    });
    THttpClient client;
    EXPECT_EQ(FailureKind([&] { Get(client, endless); }), Network);

    // Exactly 100 header lines are still accepted.
    std::string hundred = "HTTP/1.1 200 OK\r\n";
    for (int i = 0; i < 99; ++i)
        hundred += "X-" + std::to_string(i) + ": v\r\n";
    TLoopbackServer fine(Replies({hundred + "Content-Length: 2\r\n\r\nok"}));
    EXPECT_EQ(Get(client, fine), "ok");
}

TEST(HttpClientTest_Connect, FailuresFallInTheirKinds) {
    THttpClient client;
    // A refused connection is reported by the connect worker: a plain NetworkError.
    int refusedPort = 0;
    {
        TLoopbackServer gone(Replies({}));
        refusedPort = gone.Port();
    }
    EXPECT_EQ(FailureKind(
                  [&] { client.Get(QString("http://127.0.0.1:%1/korvane5/x").arg(refusedPort)); }),
              Network);

    // A name that cannot be looked up is the socket layer's. A label longer than 63
    // characters fails inside the resolver, so no query leaves the machine.
    qputenv("RES_OPTIONS", "timeout:1 attempts:1");
    EXPECT_EQ(
        FailureKind([&] { client.Get("http://" + QString(64, 'a') + ".invalid/korvane5/x"); }),
        Socket);

    // A reset while the response is awaited is a receive failure of the socket layer.
    TLoopbackServer reset([](TPeer& peer) {
        if (peer.ReadRequest())
            peer.Reset();
    });
    EXPECT_EQ(FailureKind([&] { Get(client, reset); }), Socket);

    // "LOCALHOST" in any case stands for the loopback address.
    TLoopbackServer local(Replies({Response("200 OK", "here")}));
    EXPECT_EQ(client.Get(QString("http://LocalHost:%1/k").arg(local.Port())), "here");
}

TEST(HttpClientTest_Connect, KeptConnectionServesTheNextFetchUnlessTheServerClosedIt) {
    // The first answer fails but keeps the connection; the second fetch reuses it.
    TLoopbackServer kept(Replies({Response("404 Not Found", "no"), Response("200 OK", "yes")}));
    THttpClient client;
    EXPECT_EQ(FailureKind([&] { Get(client, kept); }), Network);
    EXPECT_EQ(Get(client, kept), "yes");
    EXPECT_EQ(kept.Connections(), 1);

    // A rejected answer that says it closes is not reused.
    TLoopbackServer once(
        Replies({Response("500 Oops", "", "Connection: close\r\n"), Response("200 OK", "no")}));
    EXPECT_EQ(FailureKind([&] { Get(client, once); }), Network);
    EXPECT_EQ(FailureKind([&] { Get(client, once); }), Network);
    EXPECT_EQ(once.Connections(), 2);

    TLoopbackServer reuse(Replies({Response("200 OK", "one"), Response("200 OK", "two")}));
    EXPECT_EQ(Get(client, reuse), "one");
    EXPECT_EQ(Get(client, reuse), "two");
    EXPECT_EQ(reuse.Connections(), 1);
    EXPECT_EQ(reuse.Requests().size(), 2u);

    // The server closes after its answer: the probe notices and a new connection is made.
    TLoopbackServer closing(Replies({Response("200 OK", "a")}));
    EXPECT_EQ(Get(client, closing), "a");
    EXPECT_EQ(Get(client, closing), "a");
    EXPECT_EQ(closing.Connections(), 2);
}

TEST(HttpClientTest_Connect, SilentHostTimesOutAtTheConnectTimeOut) {
    EXPECT_EQ(THttpClient::ConnectTimeOut(), 5000); // the program's own
    const TTestSeams seams; // a shorter one, so the test does not wait five seconds
    const int timeOut = THttpClient::ConnectTimeOut();
    // A listener that never accepts, with its queue already full, never completes a
    // connect.
    TLoopbackServer silent({}, false);
    std::vector<int> fill;
    for (int i = 0; i < 4; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(std::uint16_t(silent.Port()));
        ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        fill.push_back(fd);
    }
    TAntiFreeze pump;
    int pumped = 0;
    pump.OnProcess = [&] { ++pumped; };
    THttpClient client;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(FailureKind([&] { Get(client, silent); }), Network);
    EXPECT_GE(clock.elapsed(), timeOut - 100);
    EXPECT_LT(clock.elapsed(), timeOut + 4000);
    EXPECT_GE(pumped, timeOut / THttpClient::ConnectStep - 1)
        << "the pump runs after each 125 ms step";
    for (int fd : fill)
        ::close(fd);
}

TEST(HttpClientTest_Pump, EventsGoOnWhileTheServerDrips) {
    TLoopbackServer drip([](TPeer& peer) {
        if (!peer.ReadRequest())
            return;
        const std::string reply = Response("200 OK", "0123456789");
        for (char c : reply) {
            peer.Send(std::string(1, c));
            if (!peer.Sleep(15))
                return;
        }
    });
    TAntiFreeze pump;
    int pumped = 0;
    pump.OnProcess = [&] { ++pumped; };
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(50);
    THttpClient client;
    EXPECT_EQ(Get(client, drip), "0123456789");
    EXPECT_GT(pumped, 40) << "the pump runs after every slice";
    EXPECT_GT(ticks, 5) << "timers fire during the fetch";
}

TEST(HttpClientTest_Pump, OnlyOnePumpAndAbortEndsAWaitingFetchPromptly) {
    TAntiFreeze pump;
    EXPECT_ANY_THROW(TAntiFreeze second);
    EXPECT_EQ(TAntiFreeze::Instance(), &pump);

    TLoopbackServer mute([](TPeer& peer) {
        peer.ReadRequest();
        peer.WaitForClose();
    });
    THttpClient client;
    QTimer::singleShot(300, [&] {
        EXPECT_TRUE(client.Busy());
        client.Abort();
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(FailureKind([&] { Get(client, mute); }), Network);
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_FALSE(client.Busy());
}
