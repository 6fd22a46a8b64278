#include "app/UVersion_Check.h"

#include "tests/support/LoopbackHttpServer.h"
#include "TestFolder.h"
#include "platform/net/HttpClient.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionCheck, ConvVersionReadsTheNumberAfterTheFirstBlank)
{
    const struct {
        const char16_t* Text;
        int32_t Expected;
    } cases[] = {
        { u"VER. 1.234", 1234 }, { u"1.000", 1000 }, { u"VER. 0.999", 999 }, { u"ver. 2.000", 2000 },
        { u"VER.  1.001 ", 1001 }, { u"VER. 1,234", 1234 }, { u"VER. 1.23", -1 }, { u"VER. ", -1 },
        { u"", -1 }, { u"VER. a.bcd", -1 }, { u"VER. 1.2x4", -1 }, { u"VER. 12.345", -1 },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(Str(entry.Text).toStdString());
        EXPECT_EQ(Conv_Version(Str(entry.Text)), entry.Expected);
    }
}

TEST(VersionCheck, OnlyAHigherNumberIsANewerVersion)
{
    const struct {
        const char16_t* Reply;
        bool Newer;
    } cases[] = {
        { u"VER. 1.001", true }, { u"VER. 1.000", false }, { u"VER. 0.999", false }, { u"VER. 0.000", false },
        { u"ver. 0.000", false }, { u"", false }, { u"  \r\n", false }, { u"VER. 1.0", false },
        { u"ver. 2.000", true }, { u"\r\nVER. 3.100\r\n", true }, { u"<html>Not found</html>", false },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(Str(entry.Reply).toStdString());
        EXPECT_EQ(Is_Newer_Version(Str(entry.Reply)), entry.Newer);
    }
}

class VersionServerTest : public testing::Test {
protected:
    void SetUp() override
    {
        FSavedServer = Maker_Server();
        Setup_Version_Client(FClient);
    }
    void TearDown() override { Set_Maker_Server(FSavedServer); }

    String FSavedServer;
    THttpClient FClient;
};

TEST_F(VersionServerTest, SendsTheVersionQueryAsHttp10WithItsHeaders)
{
    TLoopbackHttpServer server(TLoopbackHttpServer::Reply("200 OK", "VER. 1.000"));
    Set_Maker_Server(server.Address());
    Check_Version(FClient);
    const std::string& request = server.Request();
    EXPECT_EQ(request.substr(0, request.find("\r\n")), "GET /home/download/GetversionSW.asp?nomesw=SC-TX209 HTTP/1.0");
    EXPECT_NE(request.find("\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"),
              std::string::npos);
    EXPECT_NE(request.find("\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"), std::string::npos);
    EXPECT_EQ(request.find("Cookie"), std::string::npos);
}

TEST_F(VersionServerTest, AnswersOfTheServer)
{
    const struct {
        const char* Name;
        std::string Response;
        bool Newer;
    } cases[] = {
        { "newer version", TLoopbackHttpServer::Reply("200 OK", "VER. 1.002\r\n"), true },
        { "same version", TLoopbackHttpServer::Reply("200 OK", "VER. 1.000"), false },
        { "not found", TLoopbackHttpServer::Reply("404 Not Found", "VER. 9.999"), false },
        { "moved", "HTTP/1.0 302 Found\r\nLocation: /elsewhere\r\nContent-Length: 10\r\n\r\nVER. 9.999", false },
        { "garbage", std::string("\x00\xff\x13garbage", 10), false },
        { "garbage body", TLoopbackHttpServer::Reply("200 OK", std::string("\xff\xfe\x01\x02garbage!", 13)), false },
        { "closed at once", "", false },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        TLoopbackHttpServer server(entry.Response);
        Set_Maker_Server(server.Address());
        EXPECT_EQ(Check_Version(FClient), entry.Newer);
    }
}

TEST_F(VersionServerTest, ASilentServerMeansNoNewerVersion)
{
    FClient.SetTimeout(300);
    TLoopbackHttpServer server(std::nullopt);
    Set_Maker_Server(server.Address());
    EXPECT_FALSE(Check_Version(FClient));
}

TEST(VersionCheck, LinksOfTheMakerServer)
{
    const String saved = Maker_Server();
    Set_Maker_Server(QStringLiteral("http://127.0.0.1:8080"));
    EXPECT_EQ(Version_Query_Url(), u"http://127.0.0.1:8080/home/download/GetversionSW.asp?nomesw=SC-TX209");
    EXPECT_EQ(Download_Page_Url(), u"http://127.0.0.1:8080/Home/download/download.asp#DV-TX209");
    EXPECT_EQ(Home_Page_Url(), u"http://127.0.0.1:8080/HOME/default.asp?frompg=SC-TX209");
    EXPECT_EQ(Update_Link_Caption(QStringLiteral("New")),
              u"<a href=\"http://127.0.0.1:8080/Home/download/download.asp#DV-TX209\">New</a>");
    Set_Maker_Server(saved);
}

} // namespace
