#include "grid/DudOder.h"

#include "grid/DudOder_VisualPropTable.h"
#include "platform/core/Exception.h"
#include "platform/core/FileUtils.h"
#include "platform/core/TextCodec.h"

#include <QHash>
#include <QStringList>

#include <string_view>
#include <utility>
#include <vector>

// The grid's look as a text file of Name=Value lines. A file is parsed whole
// before anything is applied, so a damaged one leaves the look as it was.

void TDudStringGrid::SaveVisualProps(const String& fileName)
{
    String text;
    for (const TVisualProp& prop : VisualProps())
        text += prop.Name + u'=' + prop.Write(*this) + QStringLiteral("\r\n");
    const QByteArray bytes = text.toUtf8();
    try {
        WriteFileAtomic(fileName, reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
    } catch (const EInOutError&) {
        throw Exception(QStringLiteral("Cannot Create ") + fileName);
    }
}

void TDudStringGrid::LoadVisualProps(const String& fileName)
{
    TBytes bytes;
    try {
        bytes = ReadFileBytes(fileName);
    } catch (const EInOutError&) {
        throw Exception(QStringLiteral("Cannot open file ") + fileName);
    }
    String text;
    if (!DecodeText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), text))
        throw EConvertError(QStringLiteral("%1 is not a text file").arg(fileName));

    // The first line of a name counts; names compare without case.
    QHash<String, String> values;
    for (String line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        const String name = line.left(equals).toUpper();
        if (!values.contains(name))
            values.insert(name, line.mid(equals + 1));
    }

    // The look goes first: it sets colours of its own, and the file's
    // colours, saved on top of it, must win.
    const String lookName = QStringLiteral("LOOK");
    std::vector<TVisualProp::TApply> changes;
    for (const TVisualProp& prop : VisualProps()) {
        const String name = prop.Name.toUpper();
        TVisualProp::TApply change = prop.Read(values.value(name));
        if (name == lookName)
            changes.insert(changes.begin(), std::move(change));
        else
            changes.push_back(std::move(change));
    }
    for (const TVisualProp::TApply& change : changes)
        change(*this);
}
