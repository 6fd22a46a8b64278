#include "grid/base/DownLoadThread.h"

#include "grid/base/PictureContainer.h"
#include "platform/net/HttpClient.h"

namespace {

// As large as a picture file may be; a bigger answer fails the download.
constexpr size_t LargestDownload = 32 * 1024 * 1024;
constexpr uint32_t DownloadTimeout = 60000;

bool IsHttpAddress(const String& url)
{
    const String upper = url.toUpper();
    return upper.startsWith(QLatin1String("HTTP://")) || upper.startsWith(QLatin1String("HTTPS://"));
}

} // namespace

TDownLoadThread::TDownLoadThread(THTMLPicture* picture) : TThread(true), FHTMLPicture(picture), FURL(picture->URL())
{
    Start();
}

TDownLoadThread::~TDownLoadThread()
{
    Terminate();
    WaitFor();
}

bool TDownLoadThread::Progress(uint64_t received, uint64_t total)
{
    if (Terminated())
        return false;
    // Idle ticks repeat the last count; only new bytes are told.
    if (received == FReported)
        return true;
    FReported = received;
    bool goOn = false;
    Synchronize([&] { goOn = !Terminated() && FHTMLPicture->DownLoadProgress(received, total); });
    if (!goOn)
        FCancelled = true;
    return goOn;
}

void TDownLoadThread::Execute()
{
    THttpReply reply;
    if (IsHttpAddress(FURL)) {
        THttpClient client;
        client.SetMaxBodySize(LargestDownload);
        client.SetTimeout(DownloadTimeout);
        client.SetOnProgress([this](uint64_t received, uint64_t total) { return Progress(received, total); });
        reply = client.Get(FURL);
    } else {
        reply.Error = QStringLiteral("Only pictures at HTTP addresses can be downloaded: ") + FURL;
    }
    Synchronize([&] {
        if (Terminated())
            return;
        if (FCancelled)
            FHTMLPicture->DownLoadCancelled();
        else
            FHTMLPicture->DownLoaded(reply);
    });
}
