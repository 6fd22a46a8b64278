#include "grid/base/zuzdd.h"

#include "platform/core/Exception.h"
#include "platform/core/Streams.h"
#include "platform/ui/DragDropMime.h"

#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstring>

namespace {

TClipboardFormat RichTextFormat() { return RegisterClipboardFormat(QStringLiteral("Rich Text Format")); }
TClipboardFormat ColumnFormat() { return RegisterClipboardFormat(QStringLiteral("Grid Column")); }
TClipboardFormat CellsFormat() { return RegisterClipboardFormat(QStringLiteral("TDudStringGrid Cells")); }

// Turns the rich-text switch on for one test and back off after it.
struct TRichTextOn {
    TRichTextOn() { SetOleDropRTFFlag(true); }
    ~TRichTextOn() { SetOleDropRTFFlag(false); }
};

// Writes down which hooks ran, in order, with what.
class TRecordingTarget : public TZUZDropTarget {
public:
    QStringList Calls;
    bool RefuseMove = false;
    std::unique_ptr<TMemoryStream> Stream;

protected:
    void DropText(TPoint, const String& text) override { Calls.append("text:" + text); }
    void DropStream(TPoint, std::unique_ptr<TMemoryStream> stream) override
    {
        Calls.append(QStringLiteral("stream:%1").arg(stream->Size()));
        Stream = std::move(stream);
    }
    void DropCol(TPoint, int32_t col) override { Calls.append(QStringLiteral("col:%1").arg(col)); }
    void DropRTF(TPoint, const String& text) override { Calls.append("rtf:" + text); }
    void DropFiles(TPoint, TStrings& files) override
    {
        QStringList names;
        for (int32_t i = 0; i < files.Count(); ++i)
            names.append(files[i]);
        Calls.append("files:" + names.join('|'));
    }
    void DropURL(TPoint, const String& text) override { Calls.append("url:" + text); }
    void DragMouseMove(TPoint, bool& allow, TDropFormats) override
    {
        Calls.append(QStringLiteral("move:%1").arg(allow));
        if (RefuseMove)
            allow = false;
    }
    void DragMouseEnter() override { Calls.append(QStringLiteral("enter")); }
    void DragMouseLeave() override { Calls.append(QStringLiteral("leave")); }
};

std::unique_ptr<QMimeData> Mime(std::initializer_list<std::pair<const char*, QByteArray>> blocks)
{
    auto mime = std::make_unique<QMimeData>();
    for (const auto& [kind, bytes] : blocks) {
        const String type = QString::fromLatin1(kind);
        if (type == "text")
            mime->setText(QString::fromUtf8(bytes));
        else if (type == "files")
            mime->setUrls({ QUrl::fromLocalFile(QString::fromUtf8(bytes)) });
        else if (type == "link")
            mime->setUrls({ QUrl(QString::fromUtf8(bytes)) });
        else if (type == "rtf")
            mime->setData(QStringLiteral("text/rtf"), bytes);
        else if (type == "col")
            mime->setData(ClipboardFormatMimeType(ColumnFormat()), bytes);
        else
            mime->setData(ClipboardFormatMimeType(CellsFormat()), bytes);
    }
    return mime;
}

QByteArray CellsBlock(int32_t claimed, const QByteArray& payload)
{
    QByteArray block(8, '\0');
    std::memcpy(block.data(), &claimed, 4);
    return block + payload;
}

QByteArray ColumnBlock(int32_t column) { return QByteArray(reinterpret_cast<const char*>(&column), 4); }

TEST(ZuzDropTarget, AcceptsByItsSwitchesAndDeliversByPriority)
{
    struct TCase {
        const char* Name;
        std::unique_ptr<QMimeData> Data;
        bool AcceptText, AcceptFiles, AcceptCols, AcceptURLs, RichText;
        uint32_t KeyState;
        uint32_t Effect; // after DragEnter, DragOver and Drop alike
        QStringList Drops;
    };
    const uint32_t none = DROPEFFECT_NONE;
    TCase cases[] = {
        { "text moves", Mime({ { "text", "a\tb" } }), true, true, false, true, false, 0, DROPEFFECT_MOVE,
            { "text:a\tb" } },
        { "Ctrl copies", Mime({ { "text", "a" } }), true, true, false, true, false, MK_CONTROL, DROPEFFECT_COPY,
            { "text:a" } },
        { "text refused", Mime({ { "text", "a" } }), false, true, true, true, true, 0, none, {} },
        { "text then files", Mime({ { "text", "t" }, { "files", "/tmp/r.csv" } }), true, true, false, true, false, 0,
            DROPEFFECT_MOVE, { "text:t", "files:/tmp/r.csv" } },
        { "files alone accepted without text", Mime({ { "files", "/tmp/r.csv" } }), false, true, false, false, false,
            0, DROPEFFECT_MOVE, { "files:/tmp/r.csv" } },
        { "a column alone, text ignored", Mime({ { "text", "t" }, { "col", ColumnBlock(3) } }), true, true, true, true,
            false, 0, DROPEFFECT_MOVE, { "col:3" } },
        { "a column refused", Mime({ { "col", ColumnBlock(3) } }), true, true, false, true, false, 0, none, {} },
        { "cells with every switch off", Mime({ { "cells", CellsBlock(2, "xy") }, { "text", "t" } }), false, false,
            false, false, false, 0, DROPEFFECT_MOVE, { "stream:2" } },
        { "cells with a bad length fall back to text", Mime({ { "cells", CellsBlock(50, "xy") }, { "text", "t" } }),
            true, false, false, false, false, 0, DROPEFFECT_MOVE, { "text:t" } },
        { "a negative length likewise", Mime({ { "cells", CellsBlock(-1, "xy") }, { "text", "t" } }), true, false,
            false, false, false, 0, DROPEFFECT_MOVE, { "text:t" } },
        { "rich text ignored while switched off", Mime({ { "rtf", "{\\rtf1}" } }), true, true, true, true, false, 0,
            none, {} },
        { "rich text taken when switched on", Mime({ { "rtf", "{\\rtf1}" }, { "text", "t" } }), true, true, false,
            true, true, 0, DROPEFFECT_MOVE, { "rtf:{\\rtf1}" } },
        { "a link: its text, then the URL", Mime({ { "link", "https://example.org/" } }), false, false, false, true,
            false, 0, DROPEFFECT_MOVE, { "text:https://example.org/", "url:https://example.org/" } },
    };
    for (TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        std::optional<TRichTextOn> richText;
        if (test.RichText)
            richText.emplace();
        TRecordingTarget target;
        target.SetAcceptText(test.AcceptText);
        target.SetAcceptFiles(test.AcceptFiles);
        target.SetAcceptCols(test.AcceptCols);
        target.SetAcceptURLs(test.AcceptURLs);
        const auto data = DataObjectOfMime(test.Data.get());
        uint32_t effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(target.DragEnter(data, test.KeyState, { 5, 5 }, effect), S_OK);
        EXPECT_EQ(effect, test.Effect);
        EXPECT_EQ(target.Ok(), test.Effect != DROPEFFECT_NONE);
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target.DragOver(test.KeyState, { 6, 6 }, effect);
        EXPECT_EQ(effect, test.Effect);
        target.Calls.clear();
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target.Drop(data, test.KeyState, { 6, 6 }, effect);
        EXPECT_EQ(effect, test.Effect);
        EXPECT_EQ(target.Calls, test.Drops);
    }
}

TEST(ZuzDropTarget, RecordsTheOfferedFormatsAndLetsTheMoveHookRefuse)
{
    TRecordingTarget target;
    const auto mime = Mime({ { "text", "t" }, { "files", "/tmp/x" }, { "cells", CellsBlock(0, "") } });
    uint32_t effect = DROPEFFECT_COPY;
    target.DragEnter(DataObjectOfMime(mime.get()), 0, {}, effect);
    EXPECT_EQ(target.DropFormats(), (TDropFormats { dfText, dfFile, dfGridCells }));
    EXPECT_EQ(effect, DROPEFFECT_COPY) << "move is not allowed";

    target.RefuseMove = true;
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.DragOver(MK_LBUTTON, {}, effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    target.DragLeave();
    EXPECT_EQ(target.Calls, QStringList({ "enter", "move:1", "leave" }));
}

std::vector<TClipboardFormat> Offered(IDataObject& data)
{
    std::shared_ptr<IEnumFORMATETC> list;
    EXPECT_EQ(data.EnumFormatEtc(DATADIR_GET, list), S_OK);
    std::vector<TClipboardFormat> formats;
    FORMATETC format;
    while (list->Next(1, &format, nullptr) == S_OK) {
        EXPECT_EQ(format.tymed, TYMED_HGLOBAL);
        EXPECT_EQ(format.lindex, -1);
        formats.push_back(format.cfFormat);
    }
    return formats;
}

HRESULT Query(IDataObject& data, TClipboardFormat cf, uint32_t tymed = TYMED_HGLOBAL)
{
    FORMATETC format;
    format.cfFormat = cf;
    format.tymed = tymed;
    return data.QueryGetData(format);
}

TBytes Block(IDataObject& data, TClipboardFormat cf)
{
    FORMATETC format;
    format.cfFormat = cf;
    STGMEDIUM medium;
    EXPECT_EQ(data.GetData(format, medium), S_OK);
    return medium.hGlobal;
}

TEST(ZuzSourceData, OffersItsFormatsInOrderAndAnswersOnlyForWhatItHolds)
{
    TMemoryStream cells;
    cells.Write("abc", 3);
    TSourceDataObject text(QStringLiteral("x\u00e9"), QStringLiteral("{r}"), -1, nullptr);
    TSourceDataObject withCells(QStringLiteral("x"), QString(), -1, &cells);
    TSourceDataObject column(QString(), QString(), 4, nullptr);
    const TClipboardFormat rtf = RichTextFormat();
    EXPECT_EQ(Offered(text), (std::vector<TClipboardFormat> { CF_TEXT, CF_UNICODETEXT, rtf }));
    EXPECT_EQ(Offered(withCells), (std::vector<TClipboardFormat> { CF_TEXT, CF_UNICODETEXT, rtf, CellsFormat() }));
    EXPECT_EQ(Offered(column), (std::vector<TClipboardFormat> { CF_TEXT, CF_UNICODETEXT, rtf, ColumnFormat() }));

    struct TCase {
        IDataObject* Data;
        TClipboardFormat Format;
        HRESULT Answer;
    };
    const TCase cases[] = {
        { &text, CF_TEXT, S_OK },
        { &text, CF_UNICODETEXT, S_OK },
        { &text, rtf, DV_E_FORMATETC },
        { &text, CellsFormat(), DV_E_FORMATETC },
        { &text, ColumnFormat(), DV_E_FORMATETC },
        { &withCells, CellsFormat(), S_OK },
        { &column, ColumnFormat(), S_OK },
        { &column, CF_UNICODETEXT, DV_E_FORMATETC },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Format);
        EXPECT_EQ(Query(*test.Data, test.Format), test.Answer);
    }
    EXPECT_EQ(Query(text, CF_TEXT, TYMED_HGLOBAL | 2), DV_E_FORMATETC) << "only the memory-block medium";
    TRichTextOn richText;
    EXPECT_EQ(Query(text, rtf), S_OK);
    EXPECT_EQ(Block(text, rtf), TBytes({ '{', 'r', '}', 0 }));
}

TEST(ZuzSourceData, LaysOutEachBlock)
{
    TMemoryStream cells;
    cells.Write("abc", 3);
    TSourceDataObject data(QStringLiteral("x\u00e9\u4e00"), QString(), -1, &cells);
    EXPECT_EQ(Block(data, CF_TEXT), TBytes({ 'x', 0xE9, '?', 0 }));
    EXPECT_EQ(Block(data, CF_UNICODETEXT), TBytes({ 'x', 0, 0xE9, 0, 0x00, 0x4E, 0, 0 }));
    EXPECT_EQ(Block(data, CellsFormat()), TBytes({ 3, 0, 0, 0, 0, 0, 0, 0, 'a', 'b', 'c' }));
    TSourceDataObject column(QString(), QString(), 258, nullptr);
    EXPECT_EQ(Block(column, ColumnFormat()), TBytes({ 2, 1, 0, 0 }));

    FORMATETC format;
    STGMEDIUM medium;
    EXPECT_EQ(data.GetDataHere(format, medium), DV_E_FORMATETC);
    EXPECT_EQ(data.SetData(format, medium, true), DV_E_FORMATETC);
    FORMATETC canonical;
    canonical.ptd = &format;
    EXPECT_EQ(data.GetCanonicalFormatEtc(format, canonical), E_NOTIMPL);
    EXPECT_EQ(canonical.ptd, nullptr);
    uint32_t connection = 0;
    EXPECT_EQ(data.DAdvise(format, 0, nullptr, connection), OLE_E_ADVISENOTSUPPORTED);
    std::shared_ptr<IEnumFORMATETC> setList;
    EXPECT_EQ(data.EnumFormatEtc(DATADIR_SET, setList), E_NOTIMPL);
    EXPECT_EQ(setList, nullptr);
}

TEST(ZuzSourceData, TheFormatListStepsSkipsAndClones)
{
    TSourceEnumFormatEtc list(true, true);
    FORMATETC formats[4];
    uint32_t fetched = 0;
    EXPECT_EQ(list.Next(2, formats, &fetched), S_OK);
    EXPECT_EQ(fetched, 2u);
    std::shared_ptr<IEnumFORMATETC> clone;
    EXPECT_EQ(list.Clone(clone), S_OK);
    EXPECT_EQ(list.Skip(2), S_OK);
    EXPECT_EQ(list.Next(4, formats, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(formats[0].cfFormat, CellsFormat());
    EXPECT_EQ(list.Skip(1), S_FALSE);
    EXPECT_EQ(list.Reset(), S_OK);
    EXPECT_EQ(list.Next(1, formats, &fetched), S_OK);
    EXPECT_EQ(formats[0].cfFormat, CF_TEXT);
    EXPECT_EQ(clone->Next(1, formats, &fetched), S_OK);
    EXPECT_EQ(formats[0].cfFormat, RichTextFormat());
}

TEST(ZuzEnumFormats, ReadsWhatItFindsAndNothingPastABlock)
{
    const auto mime = Mime({ { "text", "caf\xc3\xa9" }, { "col", ColumnBlock(7) }, { "cells", CellsBlock(2, "xyz") } });
    TEnumFormats formats(DataObjectOfMime(mime.get()));
    EXPECT_TRUE(formats.HasText());
    EXPECT_FALSE(formats.HasFile());
    EXPECT_FALSE(formats.Valid());
    EXPECT_EQ(formats.Text(), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(formats.Col(), 7);
    const auto stream = formats.Stream();
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->Bytes(), TBytes({ 'x', 'y' }));
    EXPECT_EQ(formats.RTF(), QString());
    EXPECT_FALSE(formats.ReadFiles(formats.Files()));

    const auto shortColumn = Mime({ { "col", QByteArray("\x01\x02", 2) } });
    TEnumFormats truncated(DataObjectOfMime(shortColumn.get()));
    EXPECT_EQ(truncated.Col(), -1);

    class TNoFormats : public TSourceDataObject {
    public:
        TNoFormats() : TSourceDataObject(QString(), QString(), -1, nullptr) { }
        HRESULT EnumFormatEtc(uint32_t, std::shared_ptr<IEnumFORMATETC>& list) override
        {
            list.reset();
            return E_NOTIMPL;
        }
    };
    try {
        TEnumFormats failing(std::make_shared<TNoFormats>());
        FAIL() << "no exception";
    } catch (const EAssertionFailed& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Cannot get the format enumerator"));
    }
}

// A file-drop block as another program may make it.
class TFileBlock : public TSourceDataObject {
public:
    explicit TFileBlock(TBytes block) : TSourceDataObject(QString(), QString(), -1, nullptr), FBlock(std::move(block)) { }
    HRESULT EnumFormatEtc(uint32_t, std::shared_ptr<IEnumFORMATETC>& list) override
    {
        list = std::make_shared<TOne>();
        return S_OK;
    }
    HRESULT GetData(const FORMATETC&, STGMEDIUM& medium) override
    {
        medium.tymed = TYMED_HGLOBAL;
        medium.hGlobal = FBlock;
        return S_OK;
    }

private:
    class TOne : public TSourceEnumFormatEtc {
    public:
        TOne() : TSourceEnumFormatEtc(false, false) { }
        HRESULT Next(uint32_t count, FORMATETC* formats, uint32_t* fetched) override
        {
            if (FDone || count == 0)
                return S_FALSE;
            formats[0] = FORMATETC { CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
            FDone = true;
            if (fetched)
                *fetched = 1;
            return S_OK;
        }
        HRESULT Reset() override
        {
            FDone = false;
            return S_OK;
        }

    private:
        bool FDone = false;
    };
    TBytes FBlock;
};

TBytes FileBlock(uint32_t offset, uint32_t wide, std::initializer_list<uint8_t> names)
{
    TBytes block(20, 0);
    std::memcpy(block.data(), &offset, 4);
    std::memcpy(block.data() + 16, &wide, 4);
    block.insert(block.end(), names);
    return block;
}

TEST(ZuzEnumFormats, ReadsFileListsOfBothWidthsAndStopsAtTheBlocksEnd)
{
    struct TCase {
        const char* Name;
        TBytes Block;
        QStringList Files;
    };
    const TCase cases[] = {
        { "single-byte", FileBlock(20, 0, { 'a', 0, 0xFC, 0, 0 }), { "a", "\u00fc" } },
        { "wide", FileBlock(20, 1, { 'a', 0, 'b', 0, 0, 0, 'c', 0, 0, 0, 0, 0 }), { "ab", "c" } },
        { "a name running off the end", FileBlock(20, 0, { 'a', 0, 'b', 'c' }), { "a" } },
        { "an offset past the block", FileBlock(4000, 0, { 'a', 0, 0 }), {} },
        { "a header cut short", TBytes { 20, 0, 0 }, {} },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        TEnumFormats formats(std::make_shared<TFileBlock>(test.Block));
        ASSERT_TRUE(formats.HasFile());
        EXPECT_EQ(formats.ReadFiles(formats.Files()), !test.Files.isEmpty());
        QStringList names;
        for (int32_t i = 0; i < formats.Files().Count(); ++i)
            names.append(formats.Files()[i]);
        EXPECT_EQ(names, test.Files);
    }
}

class TRecordingSource : public TZUZDropSource {
public:
    QStringList Calls;

protected:
    void DropDone() override { Calls.append(QStringLiteral("done")); }
    void CurrentEffect(uint32_t effect) override { Calls.append(QStringLiteral("effect:%1").arg(effect)); }
    void QueryDrag() override { Calls.append(QStringLiteral("query")); }
};

TEST(ZuzDropSource, EscapeCancelsLettingGoDropsAndEveryQueryIsHeard)
{
    struct TCase {
        bool Escape;
        uint32_t KeyState;
        HRESULT Answer;
        QStringList Calls;
    };
    const TCase cases[] = {
        { false, MK_LBUTTON, S_OK, { "query" } },
        { true, MK_LBUTTON, DRAGDROP_S_CANCEL, { "done", "query" } },
        { false, MK_CONTROL, DRAGDROP_S_DROP, { "done", "query" } },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Answer);
        TRecordingSource source;
        EXPECT_EQ(source.QueryContinueDrag(test.Escape, test.KeyState), test.Answer);
        EXPECT_EQ(source.Calls, test.Calls);
    }
    TRecordingSource source;
    EXPECT_EQ(source.GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_TRUE(source.NoAccept());
    source.GiveFeedback(DROPEFFECT_MOVE);
    EXPECT_FALSE(source.NoAccept());
    EXPECT_EQ(source.Calls, QStringList({ "effect:0", "effect:2" }));
}

TEST(ZuzDrag, AStartedDragWhoseLastFeedbackShowedNoEffectIsACancel)
{
    // Nothing lies under the steps, so every feedback is "no effect", and
    // the release is a drop as the system reports it.
    auto source = std::make_shared<TRecordingSource>();
    SetDragSteps({ { TPoint { -500, -500 } }, { TPoint { -500, -500 }, 0 } });
    uint32_t effect = 99;
    EXPECT_EQ(BeginTextDrag(source, QStringLiteral("t"), QString(), nullptr, DROPEFFECT_COPY, effect),
        DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(source->Calls, QStringList({ "query", "effect:0", "done", "query" }));

    auto columnSource = std::make_shared<TRecordingSource>();
    SetDragSteps({ { TPoint { -500, -500 }, MK_LBUTTON, true } });
    EXPECT_EQ(BeginColumnDrag(columnSource, 2, DROPEFFECT_COPY, effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(columnSource->Calls, QStringList({ "done", "query" }));
}

} // namespace
