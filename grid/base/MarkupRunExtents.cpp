#include "grid/base/MarkupRunExtents.h"

#include "platform/graphics/Canvas.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// The faces kept, and the runs kept per face before it starts afresh.
constexpr size_t KeptFaces = 8;
constexpr size_t KeptRuns = 4096;

struct TRunHash {
    size_t operator()(const String& run) const noexcept
    {
        return std::hash<std::u16string_view> {}(
            std::u16string_view(reinterpret_cast<const char16_t*>(run.utf16()), static_cast<size_t>(run.size())));
    }
};

struct TFaceExtents {
    String Name;
    int32_t Height = 0;
    TFontStyles Style;
    int32_t Orientation = 0;
    int32_t PixelsPerInch = 0;
    int32_t LineHeight = -1;
    std::unordered_map<String, int32_t, TRunHash> Widths;

    bool Matches(const TFont& font) const
    {
        return Height == font.Height() && Style == font.Style() && Orientation == font.Orientation()
            && PixelsPerInch == font.PixelsPerInch() && Name == font.Name();
    }
};

TFaceExtents& FaceOf(const TFont& font)
{
    thread_local std::vector<TFaceExtents> faces;
    thread_local size_t last = 0;
    thread_local size_t next = 0;
    if (last < faces.size() && faces[last].Matches(font))
        return faces[last];
    for (size_t index = 0; index < faces.size(); ++index)
        if (faces[index].Matches(font)) {
            last = index;
            return faces[index];
        }
    TFaceExtents face { font.Name(), font.Height(), font.Style(), font.Orientation(), font.PixelsPerInch(), -1, {} };
    if (faces.size() < KeptFaces) {
        faces.push_back(std::move(face));
        last = faces.size() - 1;
    } else {
        faces[next] = std::move(face);
        last = next;
        next = (next + 1) % KeptFaces;
    }
    return faces[last];
}

bool NeedsLayout(const String& run)
{
    for (const QChar character : run)
        if (character == u'\t' || character == u'\r' || character == u'\n')
            return true;
    return false;
}

// The text a measure without DT_NOPREFIX shows: "&x" stands for x.
String WithoutPrefixes(const String& run)
{
    if (!run.contains(u'&'))
        return run;
    String shown;
    shown.reserve(run.size());
    for (qsizetype index = 0; index < run.size(); ++index) {
        if (run[index] == u'&' && ++index == run.size())
            break;
        shown += run[index];
    }
    return shown;
}

} // namespace

int32_t MarkupLineHeight(TCanvas& canvas)
{
    if (!canvas.Mapping().IsIdentity())
        return canvas.TextHeight(String());
    TFaceExtents& face = FaceOf(canvas.Font());
    if (face.LineHeight < 0)
        face.LineHeight = canvas.TextHeight(String());
    return face.LineHeight;
}

int32_t MarkupRunWidth(TCanvas& canvas, const String& run)
{
    if (!canvas.Mapping().IsIdentity() || NeedsLayout(run))
        return -1;
    TFaceExtents& face = FaceOf(canvas.Font());
    if (const auto found = face.Widths.find(run); found != face.Widths.end())
        return found->second;
    if (face.Widths.size() >= KeptRuns)
        face.Widths.clear();
    const int32_t width = canvas.TextWidth(WithoutPrefixes(run));
    face.Widths.emplace(run, width);
    return width;
}
