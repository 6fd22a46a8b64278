#include "platform/net/HttpClient.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstdlib>
#include <optional>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// A one-shot server on 127.0.0.1: takes one connection, keeps the request
// head and answers `response`; with no response it stays silent until the
// client gives up.
class TLoopbackServer {
public:
    explicit TLoopbackServer(std::optional<std::string> response) : FResponse(std::move(response))
    {
        FListener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        EXPECT_EQ(bind(FListener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        EXPECT_EQ(listen(FListener, 1), 0);
        socklen_t size = sizeof address;
        getsockname(FListener, reinterpret_cast<sockaddr*>(&address), &size);
        FPort = ntohs(address.sin_port);
        FThread = std::thread([this] { Serve(); });
    }
    ~TLoopbackServer()
    {
        if (FThread.joinable())
            FThread.join();
        close(FListener);
    }
    TLoopbackServer(const TLoopbackServer&) = delete;
    TLoopbackServer& operator=(const TLoopbackServer&) = delete;

    String Url(const char* path) const { return QString("http://127.0.0.1:%1%2").arg(FPort).arg(path); }
    uint16_t Port() const { return FPort; }
    // Valid once the client is done.
    const std::string& Request()
    {
        if (FThread.joinable())
            FThread.join();
        return FRequest;
    }

private:
    void Serve()
    {
        pollfd waiting { FListener, POLLIN, 0 };
        if (poll(&waiting, 1, 10000) <= 0)
            return;
        const int connection = accept(FListener, nullptr, nullptr);
        char buffer[4096];
        while (FRequest.find("\r\n\r\n") == std::string::npos) {
            const ssize_t received = recv(connection, buffer, sizeof buffer, 0);
            if (received <= 0)
                break;
            FRequest.append(buffer, static_cast<size_t>(received));
        }
        if (FResponse)
            send(connection, FResponse->data(), FResponse->size(), MSG_NOSIGNAL);
        else
            while (recv(connection, buffer, sizeof buffer, 0) > 0) { }
        close(connection);
    }

    std::optional<std::string> FResponse;
    int FListener = -1;
    uint16_t FPort = 0;
    std::thread FThread;
    std::string FRequest;
};

const char* const VersionAccept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
const char* const VersionUserAgent = "Mozilla/3.0 (compatible; Indy Library)";

THttpClient VersionClient()
{
    THttpClient client;
    client.SetAccept(VersionAccept);
    client.SetUserAgent(VersionUserAgent);
    client.SetTimeout(2000);
    return client;
}

} // namespace

TEST(THttpClient, SendsAnExactHttp10GetPastEnvironmentProxiesAndReturnsTheBody)
{
    // A proxy named by the environment must not be used: the request still
    // reaches the server directly.
    setenv("http_proxy", "http://127.0.0.1:9", 1);
    TLoopbackServer server(std::string("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nSet-Cookie: a=b\r\n\r\nVer. 1.234"));
    const THttpReply reply = VersionClient().Get(server.Url("/home/download/GetversionSW.asp?nomesw=SC-TX209"));
    unsetenv("http_proxy");

    EXPECT_TRUE(reply.Success) << reply.Error.toStdString();
    EXPECT_EQ(reply.StatusCode, 200);
    EXPECT_EQ(reply.Text(), "Ver. 1.234");
    EXPECT_EQ(server.Request(), "GET /home/download/GetversionSW.asp?nomesw=SC-TX209 HTTP/1.0\r\n"
                                "Host: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n"
                                "User-Agent: " + VersionUserAgent + "\r\n"
                                "Accept: " + VersionAccept + "\r\n"
                                "\r\n");
}

TEST(THttpClient, ReturnsAnyBodyOfASuccessfulAnswerForTheCallerToJudge)
{
    TLoopbackServer server(std::string("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\n<html>\x01\xff!"));
    const THttpReply reply = VersionClient().Get(server.Url("/"));
    EXPECT_TRUE(reply.Success);
    EXPECT_EQ(reply.Body, std::string("<html>\x01\xff!"));
}

TEST(THttpClient, FailsWithAnEmptyBodyOnEveryAnswerButSuccess)
{
    const struct {
        const char* name;
        std::string response;
        long status;
    } cases[] = {
        { "not found", "HTTP/1.0 404 Not Found\r\n\r\nVer. 9.999", 404 },
        { "server error", "HTTP/1.0 500 Internal Server Error\r\n\r\nVer. 9.999", 500 },
        { "redirection is not followed", "HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1:9/\r\n\r\nVer. 9.999", 302 },
        { "no status line", "Ver. 9.999", 0 },
        { "closed without answer", "", 0 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        TLoopbackServer server(testCase.response);
        const THttpReply reply = VersionClient().Get(server.Url("/"));
        EXPECT_FALSE(reply.Success);
        EXPECT_EQ(reply.StatusCode, testCase.status);
        EXPECT_TRUE(reply.Body.empty());
        EXPECT_FALSE(reply.Error.isEmpty());
    }
}

TEST(THttpClient, FailsWhenTheServerNeverAnswersOrTheBodyIsTooLarge)
{
    {
        SCOPED_TRACE("silent server");
        TLoopbackServer server(std::nullopt);
        THttpClient client = VersionClient();
        client.SetTimeout(200);
        const THttpReply reply = client.Get(server.Url("/"));
        EXPECT_FALSE(reply.Success);
        EXPECT_EQ(reply.StatusCode, 0);
    }
    {
        SCOPED_TRACE("silent server, no time left");
        TLoopbackServer server(std::nullopt);
        THttpClient client = VersionClient();
        client.SetConnectTimeout(0);
        client.SetTimeout(0);
        const THttpReply reply = client.Get(server.Url("/"));
        EXPECT_FALSE(reply.Success);
    }
    {
        SCOPED_TRACE("endless body");
        TLoopbackServer server("HTTP/1.0 200 OK\r\n\r\n" + std::string(5000, 'x'));
        THttpClient client = VersionClient();
        client.SetMaxBodySize(4096);
        const THttpReply reply = client.Get(server.Url("/"));
        EXPECT_FALSE(reply.Success);
        EXPECT_TRUE(reply.Body.empty());
    }
}

TEST(THttpClient, FailsWhenNothingListens)
{
    // A socket bound but not listening refuses connections to its port.
    const int bound = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(bound, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    socklen_t size = sizeof address;
    getsockname(bound, reinterpret_cast<sockaddr*>(&address), &size);
    const uint16_t port = ntohs(address.sin_port);
    const THttpReply reply = VersionClient().Get(QString("http://127.0.0.1:%1/").arg(port));
    close(bound);
    EXPECT_FALSE(reply.Success);
    EXPECT_EQ(reply.StatusCode, 0);
}
