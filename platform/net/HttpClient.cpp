#include "platform/net/HttpClient.h"

#include <curl/curl.h>
#include <dlfcn.h>

#include <algorithm>
#include <memory>

namespace {

// The HTTP library and the score of libraries it needs are loaded on the
// first request, not at every start: most runs never ask anything, and
// mapping and relocating them cost more than the rest of the start-up.
struct TCurl {
    decltype(&curl_global_init) GlobalInit = nullptr;
    decltype(&curl_easy_init) EasyInit = nullptr;
    decltype(&curl_easy_cleanup) EasyCleanup = nullptr;
    decltype(&curl_easy_setopt) EasySetopt = nullptr;
    decltype(&curl_easy_perform) EasyPerform = nullptr;
    decltype(&curl_easy_getinfo) EasyGetinfo = nullptr;
    decltype(&curl_easy_strerror) EasyStrerror = nullptr;
    decltype(&curl_slist_append) SlistAppend = nullptr;
    decltype(&curl_slist_free_all) SlistFreeAll = nullptr;
    bool Loaded = false;

    TCurl()
    {
        // Never unloaded: its global state lives until the end of the run.
        void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return;
        Loaded = Bind(library, GlobalInit, "curl_global_init") && Bind(library, EasyInit, "curl_easy_init")
            && Bind(library, EasyCleanup, "curl_easy_cleanup") && Bind(library, EasySetopt, "curl_easy_setopt")
            && Bind(library, EasyPerform, "curl_easy_perform") && Bind(library, EasyGetinfo, "curl_easy_getinfo")
            && Bind(library, EasyStrerror, "curl_easy_strerror") && Bind(library, SlistAppend, "curl_slist_append")
            && Bind(library, SlistFreeAll, "curl_slist_free_all")
            && GlobalInit(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    }

    template <typename TFunction>
    static bool Bind(void* library, TFunction& function, const char* name)
    {
        function = reinterpret_cast<TFunction>(dlsym(library, name));
        return function != nullptr;
    }
};

// Null when the library cannot be loaded or started.
const TCurl* Curl()
{
    static const TCurl curl;
    return curl.Loaded ? &curl : nullptr;
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
    void operator()(CURL* handle) const { Curl()->EasyCleanup(handle); }
};
struct TSlistDeleter {
    void operator()(curl_slist* list) const { Curl()->SlistFreeAll(list); }
};

} // namespace

THttpReply THttpClient::Get(const String& url) const
{
    THttpReply reply;
    const TCurl* library = Curl();
    if (!library) {
        reply.Error = "The HTTP library (libcurl.so.4) could not be loaded.";
        return reply;
    }
    const std::unique_ptr<CURL, TCurlDeleter> handle(library->EasyInit());
    if (!handle) {
        reply.Error = "The HTTP client could not be created.";
        return reply;
    }
    CURL* curl = handle.get();

    curl_slist* rawHeaders = nullptr;
    // An empty value would make curl send its own default; a header with no
    // value is left out instead.
    rawHeaders = library->SlistAppend(rawHeaders, FAccept.isEmpty() ? "Accept:" : ("Accept: " + FAccept).toUtf8().constData());
    const std::unique_ptr<curl_slist, TSlistDeleter> headers(rawHeaders);
    const QByteArray address = url.toUtf8();
    const QByteArray userAgent = FUserAgent.toUtf8();
    TReceiving receiving { &reply.Body, FMaxBodySize };
    char errorText[CURL_ERROR_SIZE] = {};

    library->EasySetopt(curl, CURLOPT_URL, address.constData());
    library->EasySetopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    library->EasySetopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    library->EasySetopt(curl, CURLOPT_HTTPGET, 1L);
    library->EasySetopt(curl, CURLOPT_HTTPHEADER, headers.get());
    if (!FUserAgent.isEmpty())
        library->EasySetopt(curl, CURLOPT_USERAGENT, userAgent.constData());
    library->EasySetopt(curl, CURLOPT_PROXY, "");
    library->EasySetopt(curl, CURLOPT_NOPROXY, "*");
    library->EasySetopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    // To curl 0 means no limit; here it means none left, so a silent server
    // can never hold the caller.
    library->EasySetopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(std::max<uint32_t>(FConnectTimeout, 1)));
    library->EasySetopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(std::max<uint32_t>(FTimeout, 1)));
    library->EasySetopt(curl, CURLOPT_NOSIGNAL, 1L);
    library->EasySetopt(curl, CURLOPT_WRITEFUNCTION, &Receive);
    library->EasySetopt(curl, CURLOPT_WRITEDATA, &receiving);
    library->EasySetopt(curl, CURLOPT_ERRORBUFFER, errorText);
    TProgress progress = FOnProgress;
    if (progress) {
        library->EasySetopt(curl, CURLOPT_XFERINFOFUNCTION, &Progress);
        library->EasySetopt(curl, CURLOPT_XFERINFODATA, &progress);
        library->EasySetopt(curl, CURLOPT_NOPROGRESS, 0L);
    }

    const CURLcode result = library->EasyPerform(curl);
    library->EasyGetinfo(curl, CURLINFO_RESPONSE_CODE, &reply.StatusCode);
    if (result != CURLE_OK) {
        reply.Error = errorText[0] != '\0' ? String::fromUtf8(errorText) : String::fromUtf8(library->EasyStrerror(result));
    } else if (reply.StatusCode < 200 || reply.StatusCode > 299) {
        reply.Error = QString("The server answered with status %1.").arg(reply.StatusCode);
    } else {
        reply.Success = true;
        return reply;
    }
    reply.Body.clear();
    return reply;
}
