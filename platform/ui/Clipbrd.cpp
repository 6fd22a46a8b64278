#include "platform/ui/Clipbrd.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <map>
#include <memory>

namespace {

// Registered formats are numbered after the platform's predefined range.
constexpr TClipboardFormat FirstRegisteredFormat = 0xC000;

std::map<TClipboardFormat, String>& RegisteredFormats()
{
    static std::map<TClipboardFormat, String> formats;
    return formats;
}

} // namespace

String ClipboardFormatMimeType(TClipboardFormat format)
{
    const auto& formats = RegisteredFormats();
    const auto found = formats.find(format);
    if (found == formats.end())
        return {};
    return QStringLiteral("application/x-trelvador-%1").arg(found->second.toLower());
}

TClipboardFormat ClipboardFormatOfMimeType(const String& mimeType)
{
    for (const auto& [format, name] : RegisteredFormats())
        if (ClipboardFormatMimeType(format) == mimeType)
            return format;
    return 0;
}

TClipboardFormat RegisterClipboardFormat(const String& name)
{
    auto& formats = RegisteredFormats();
    for (const auto& [format, registered] : formats)
        if (registered.compare(name, Qt::CaseInsensitive) == 0)
            return format;
    const auto format = static_cast<TClipboardFormat>(FirstRegisteredFormat + formats.size());
    formats.emplace(format, name);
    return format;
}

String TClipboard::AsText() const { return QGuiApplication::clipboard()->text(); }

void TClipboard::SetAsText(const String& text) { QGuiApplication::clipboard()->setText(text); }

bool TClipboard::HasFormat(TClipboardFormat format) const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return false;
    if (format == CF_TEXT || format == CF_UNICODETEXT)
        return data->hasText();
    const String mimeType = ClipboardFormatMimeType(format);
    return !mimeType.isEmpty() && data->hasFormat(mimeType);
}

TBytes TClipboard::AsBytes(TClipboardFormat format) const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const String mimeType = ClipboardFormatMimeType(format);
    if (!data || mimeType.isEmpty())
        return {};
    const QByteArray bytes = data->data(mimeType);
    return TBytes(bytes.begin(), bytes.end());
}

void TClipboard::SetAsBytes(TClipboardFormat format, const TBytes& bytes)
{
    const String mimeType = ClipboardFormatMimeType(format);
    if (mimeType.isEmpty())
        throw Exception(QStringLiteral("Clipboard format %1 is not registered").arg(format));
    auto data = std::make_unique<QMimeData>();
    data->setData(mimeType, QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void TClipboard::Clear() { QGuiApplication::clipboard()->clear(); }

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}
