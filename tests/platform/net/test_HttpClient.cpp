#include "platform/net/HttpClient.h"
#include "tests/support/LoopbackHttpServer.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

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
    TLoopbackHttpServer server(std::string("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nSet-Cookie: a=b\r\n\r\nVer. 1.234"));
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
    TLoopbackHttpServer server(std::string("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\n<html>\x01\xff!"));
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
        TLoopbackHttpServer server(testCase.response);
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
        TLoopbackHttpServer server(std::nullopt);
        THttpClient client = VersionClient();
        client.SetTimeout(200);
        const THttpReply reply = client.Get(server.Url("/"));
        EXPECT_FALSE(reply.Success);
        EXPECT_EQ(reply.StatusCode, 0);
    }
    {
        SCOPED_TRACE("silent server, no time left");
        TLoopbackHttpServer server(std::nullopt);
        THttpClient client = VersionClient();
        client.SetConnectTimeout(0);
        client.SetTimeout(0);
        const THttpReply reply = client.Get(server.Url("/"));
        EXPECT_FALSE(reply.Success);
    }
    {
        SCOPED_TRACE("endless body");
        TLoopbackHttpServer server("HTTP/1.0 200 OK\r\n\r\n" + std::string(5000, 'x'));
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
