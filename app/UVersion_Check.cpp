#include "app/UVersion_Check.h"

#include "platform/core/SysUtils.h"
#include "platform/net/HttpClient.h"

#include "platform/ui/Controls.h"
#include "platform/ui/UiServices.h"

#ifndef TRELVADOR_MAKER_URL
#define TRELVADOR_MAKER_URL ""
#endif

namespace {

String& Server()
{
    static String address = QStringLiteral(TRELVADOR_MAKER_URL);
    return address;
}

} // namespace

String Maker_Server() { return Server(); }
void Set_Maker_Server(const String& address) { Server() = address; }

String Version_Query_Url()
{
    return Maker_Server() + QStringLiteral("/home/download/GetversionSW.asp?nomesw=") + Version_SW_Code;
}

String Download_Page_Url() { return Maker_Server() + QStringLiteral("/Home/download/download.asp#DV-TX209"); }

String Maker_Web_Address()
{
    const String address = Maker_Server();
    const qsizetype scheme = address.indexOf(QStringLiteral("://"));
    return scheme < 0 ? address : address.sliced(scheme + 3);
}

void Set_Maker_Link(TControl& control) { control.SetCursor(Maker_Server_Known() ? crHandPoint : crDefault); }

void Open_Maker_Page(const String& url)
{
    if (Maker_Server_Known())
        UiServices().OpenLink(url);
}

String Home_Page_Url() { return Maker_Server() + QStringLiteral("/HOME/default.asp?frompg=SC-TX209"); }

String Update_Link_Caption(const String& text)
{
    return QStringLiteral("<a href=\"") + Download_Page_Url() + QStringLiteral("\">") + text + QStringLiteral("</a>");
}

int32_t Conv_Version(const String& Ver_str)
{
    const qsizetype blank = Ver_str.indexOf(u' ');
    const String number = Trim(blank < 0 ? Ver_str : Ver_str.sliced(blank + 1));
    if (number.size() < 5)
        return -1;
    // The second character is the point and is not looked at.
    const QChar digits[] = { number[0], number[2], number[3], number[4] };
    int32_t value = 0;
    for (const QChar digit : digits) {
        if (digit < u'0' || digit > u'9')
            return -1;
        value = value * 10 + (digit.unicode() - u'0');
    }
    return value;
}

bool Is_Newer_Version(const String& reply)
{
    const String answer = Trim(reply);
    const String upper = UpperCase(answer);
    if (upper.isEmpty() || upper == u"VER. 0.000")
        return false;
    const int32_t running = Conv_Version(SW_Version);
    const int32_t offered = Conv_Version(answer);
    return running != -1 && offered != -1 && offered > running;
}

void Setup_Version_Client(THttpClient& client)
{
    client.SetAccept(QStringLiteral("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"));
    client.SetUserAgent(QStringLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    client.SetConnectTimeout(5000);
    client.SetTimeout(10000);
    client.SetMaxBodySize(4096);
}

bool Check_Version(const THttpClient& client)
{
    if (!Maker_Server_Known())
        return false;
    const THttpReply reply = client.Get(Version_Query_Url());
    return reply.Success && Is_Newer_Version(reply.Text());
}
