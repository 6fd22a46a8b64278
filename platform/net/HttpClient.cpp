#include "platform/net/HttpClient.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

void InitialiseCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct TReceiving {
    std::string* Body;
    size_t Limit;
};

size_t Receive(char* data, size_t size, size_t count, void* context)
{
    auto* receiving = static_cast<TReceiving*>(context);
    const size_t bytes = size * count;
    if (receiving->Body->size() + bytes > receiving->Limit)
        return CURL_WRITEFUNC_ERROR;
    receiving->Body->append(data, bytes);
    return bytes;
}

int Progress(void* context, curl_off_t total, curl_off_t received, curl_off_t, curl_off_t)
{
    const auto& progress = *static_cast<THttpClient::TProgress*>(context);
    return progress(static_cast<uint64_t>(std::max<curl_off_t>(received, 0)),
               static_cast<uint64_t>(std::max<curl_off_t>(total, 0)))
        ? 0
        : 1;
}

struct TCurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct TSlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

THttpReply THttpClient::Get(const String& url) const
{
    InitialiseCurlOnce();
    THttpReply reply;
    const std::unique_ptr<CURL, TCurlDeleter> handle(curl_easy_init());
    if (!handle) {
        reply.Error = "The HTTP client could not be created.";
        return reply;
    }
    CURL* curl = handle.get();

    curl_slist* rawHeaders = nullptr;
    // An empty value would make curl send its own default; a header with no
    // value is left out instead.
    rawHeaders = curl_slist_append(rawHeaders, FAccept.isEmpty() ? "Accept:" : ("Accept: " + FAccept).toUtf8().constData());
    const std::unique_ptr<curl_slist, TSlistDeleter> headers(rawHeaders);
    const QByteArray address = url.toUtf8();
    const QByteArray userAgent = FUserAgent.toUtf8();
    TReceiving receiving { &reply.Body, FMaxBodySize };
    char errorText[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
    if (!FUserAgent.isEmpty())
        curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.constData());
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    // To curl 0 means no limit; here it means none left, so a silent server
    // can never hold the caller.
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(std::max<uint32_t>(FConnectTimeout, 1)));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(std::max<uint32_t>(FTimeout, 1)));
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &receiving);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    TProgress progress = FOnProgress;
    if (progress) {
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Progress);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &progress);
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    }

    const CURLcode result = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.StatusCode);
    if (result != CURLE_OK) {
        reply.Error = errorText[0] != '\0' ? String::fromUtf8(errorText) : String::fromUtf8(curl_easy_strerror(result));
    } else if (reply.StatusCode < 200 || reply.StatusCode > 299) {
        reply.Error = QString("The server answered with status %1.").arg(reply.StatusCode);
    } else {
        reply.Success = true;
        return reply;
    }
    reply.Body.clear();
    return reply;
}
