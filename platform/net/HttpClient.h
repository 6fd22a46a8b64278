#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <functional>
#include <string>

struct THttpReply {
    bool Success = false; // a 2xx answer read whole
    long StatusCode = 0;  // 0 when no answer came
    std::string Body;     // the bytes as received; empty on failure
    String Error;         // why it failed, for logs

    String Text() const { return String::fromUtf8(Body.data(), static_cast<qsizetype>(Body.size())); }
};

// A plain HTTP/1.0 GET: no cookies, no proxy (the environment's proxies are
// ignored too), no redirections (an answer 3xx fails like any non-2xx one),
// only the Accept and User-Agent headers given here besides Host. The
// request is bounded by a connect and a total time-out and a body size, so a
// silent or endless server cannot hold the caller.
class THttpClient {
public:
    const String& Accept() const { return FAccept; }
    void SetAccept(const String& value) { FAccept = value; }
    const String& UserAgent() const { return FUserAgent; }
    void SetUserAgent(const String& value) { FUserAgent = value; }
    uint32_t ConnectTimeout() const { return FConnectTimeout; }
    void SetConnectTimeout(uint32_t milliseconds) { FConnectTimeout = milliseconds; }
    uint32_t Timeout() const { return FTimeout; }
    void SetTimeout(uint32_t milliseconds) { FTimeout = milliseconds; }
    size_t MaxBodySize() const { return FMaxBodySize; }
    void SetMaxBodySize(size_t bytes) { FMaxBodySize = bytes; }
    // Called from the requesting thread while the request runs, at least
    // about once a second, with the bytes received and the total announced
    // (0 while unknown); answering false abandons the request.
    using TProgress = std::function<bool(uint64_t received, uint64_t total)>;
    void SetOnProgress(TProgress progress) { FOnProgress = std::move(progress); }

    THttpReply Get(const String& url) const;

private:
    String FAccept;
    String FUserAgent;
    uint32_t FConnectTimeout = 5000;
    uint32_t FTimeout = 10000;
    size_t FMaxBodySize = 1 << 20;
    TProgress FOnProgress;
};
