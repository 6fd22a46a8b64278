#include "grid/base/DownLoadThread.h"
#include "grid/base/PictureContainer.h"
#include "tests/support/LoopbackHttpServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A 1 x 1 GIF (screen 3 x 2) in two colours.
const std::string SmallGif("GIF89a\x03\x00\x02\x00\x80\x00\x00\x00\x00\x00\xFF\x00\x00"
                           ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x4C\x01\x00;",
    35);

void WaitWhileBusy(const THTMLPicture& picture)
{
    const auto deadline = std::chrono::steady_clock::now() + 15s;
    while (picture.Busy() && std::chrono::steady_clock::now() < deadline) {
        CheckSynchronize();
        std::this_thread::sleep_for(1ms);
    }
}

struct TDownLoadEvents {
    uint64_t Received = 0;
    int32_t Completed = 0;
    int32_t Changed = 0;
    String Error;

    void Watch(THTMLPicture& picture, bool cancel)
    {
        picture.OnDownLoadProgress = [this](THTMLPicture*, uint64_t received, uint64_t) { Received = received; };
        picture.OnDownLoadCancel = [cancel](THTMLPicture*, bool& cancelled) { cancelled = cancel; };
        picture.OnDownLoadComplete = [this](THTMLPicture*) { ++Completed; };
        picture.OnDownLoadError = [this](THTMLPicture*, const String& error) { Error = error; };
        picture.OnChange = [this](THTMLPicture*) { ++Changed; };
    }
};

} // namespace

TEST(DownLoadThread, FetchesHttpPicturesFromTheirServer)
{
    struct TCase {
        const char* Name;
        std::string Response;
        bool Cancel;
        bool Loaded;
        bool Failed;
    };
    const TCase cases[] = {
        { "picture", TLoopbackHttpServer::Reply("200 OK", SmallGif), false, true, false },
        { "not found", TLoopbackHttpServer::Reply("404 Not Found", "gone"), false, false, true },
        { "no picture", TLoopbackHttpServer::Reply("200 OK", "<html>not a picture</html>"), false, false, true },
        { "cancelled", TLoopbackHttpServer::Reply("200 OK", SmallGif), true, false, false },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        TLoopbackHttpServer server(test.Response);
        THTMLPicture picture;
        TDownLoadEvents events;
        events.Watch(picture, test.Cancel);
        const String url = server.Url("/pictures/logo.gif");
        picture.LoadFromURL(url);
        EXPECT_TRUE(picture.Busy());
        EXPECT_EQ(picture.URL(), url);
        // A second address while one is on its way is not fetched.
        picture.LoadFromURL(server.Url("/other.gif"));
        EXPECT_EQ(picture.URL(), url);
        WaitWhileBusy(picture);

        EXPECT_FALSE(picture.Busy());
        EXPECT_EQ(server.Request().rfind("GET /pictures/logo.gif HTTP/1.0\r\n", 0), 0u);
        EXPECT_EQ(picture.IsEmpty(), !test.Loaded);
        EXPECT_EQ(events.Completed, test.Loaded ? 1 : 0);
        EXPECT_EQ(events.Changed, test.Loaded ? 1 : 0);
        EXPECT_EQ(!events.Error.isEmpty(), test.Failed) << events.Error.toStdString();
        if (test.Loaded) {
            EXPECT_GT(picture.Width(), 0);
            EXPECT_EQ(events.Received, SmallGif.size());
        }
    }
}

TEST(DownLoadThread, OnlyHttpAddressesAreFetched)
{
    THTMLPicture picture;
    TDownLoadEvents events;
    events.Watch(picture, false);
    picture.LoadFromURL(QStringLiteral("ftp://127.0.0.1/logo.gif"));
    WaitWhileBusy(picture);
    EXPECT_FALSE(picture.Busy());
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_TRUE(events.Error.contains(QLatin1String("ftp://127.0.0.1/logo.gif")));
}

// A server that never answers must not hold the picture's owner: freeing the
// picture abandons the download at once instead of waiting out its time.
TEST(DownLoadThread, FreeingThePictureAbandonsItsDownload)
{
    TLoopbackHttpServer server(std::nullopt);
    const auto start = std::chrono::steady_clock::now();
    {
        THTMLPicture picture;
        picture.OnDownLoadError = [](THTMLPicture*, const String&) { ADD_FAILURE() << "an abandoned download reports"; };
        picture.LoadFromURL(server.Url("/slow.gif"));
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}
