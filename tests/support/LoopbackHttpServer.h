#pragma once

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

// A one-shot HTTP server on 127.0.0.1: takes one connection, keeps the
// request head and sends `response`; without one it stays silent until the
// client gives up.
class TLoopbackHttpServer {
public:
    explicit TLoopbackHttpServer(std::optional<std::string> response) : FResponse(std::move(response))
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
    ~TLoopbackHttpServer()
    {
        if (FThread.joinable())
            FThread.join();
        close(FListener);
    }
    TLoopbackHttpServer(const TLoopbackHttpServer&) = delete;
    TLoopbackHttpServer& operator=(const TLoopbackHttpServer&) = delete;

    String Address() const { return QStringLiteral("http://127.0.0.1:%1").arg(FPort); }
    String Url(const char* path) const { return Address() + QString::fromLatin1(path); }
    uint16_t Port() const { return FPort; }
    // Valid once the client is done.
    const std::string& Request()
    {
        if (FThread.joinable())
            FThread.join();
        return FRequest;
    }

    static std::string Reply(const std::string& status, const std::string& body)
    {
        return "HTTP/1.0 " + status + "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size())
            + "\r\n\r\n" + body;
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
