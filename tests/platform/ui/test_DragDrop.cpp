#include "platform/ui/DragDrop.h"

#include "platform/ui/Controls.h"
#include "platform/ui/DragDropMime.h"
#include "platform/ui/Forms.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace {

TBytes Bytes(const char* text, size_t size) { return TBytes(text, text + size); }

TBytes Utf16Block(const String& text)
{
    TBytes block(static_cast<size_t>(text.size() + 1) * 2, 0);
    std::memcpy(block.data(), text.utf16(), static_cast<size_t>(text.size()) * 2);
    return block;
}

// A data object that offers fixed blocks in a fixed order.
class TBlocks : public IDataObject {
public:
    std::vector<std::pair<TClipboardFormat, TBytes>> Blocks;

    HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override
    {
        for (const auto& [cf, block] : Blocks)
            if (cf == format.cfFormat) {
                medium.tymed = TYMED_HGLOBAL;
                medium.hGlobal = block;
                return S_OK;
            }
        return DV_E_FORMATETC;
    }
    HRESULT GetDataHere(const FORMATETC&, STGMEDIUM&) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const FORMATETC& format) override
    {
        STGMEDIUM medium;
        return GetData(format, medium);
    }
    HRESULT GetCanonicalFormatEtc(const FORMATETC&, FORMATETC&) override { return E_NOTIMPL; }
    HRESULT SetData(const FORMATETC&, STGMEDIUM&, bool) override { return E_NOTIMPL; }
    HRESULT EnumFormatEtc(uint32_t, std::shared_ptr<IEnumFORMATETC>& enumerator) override
    {
        class TList : public IEnumFORMATETC {
        public:
            std::vector<FORMATETC> Formats;
            size_t Position = 0;
            HRESULT Next(uint32_t count, FORMATETC* formats, uint32_t* fetched) override
            {
                uint32_t copied = 0;
                while (copied < count && Position < Formats.size())
                    formats[copied++] = Formats[Position++];
                if (fetched)
                    *fetched = copied;
                return copied == count ? S_OK : S_FALSE;
            }
            HRESULT Skip(uint32_t) override { return E_NOTIMPL; }
            HRESULT Reset() override
            {
                Position = 0;
                return S_OK;
            }
            HRESULT Clone(std::shared_ptr<IEnumFORMATETC>&) override { return E_NOTIMPL; }
        };
        auto list = std::make_shared<TList>();
        for (const auto& [cf, block] : Blocks) {
            FORMATETC format;
            format.cfFormat = cf;
            list->Formats.push_back(format);
        }
        enumerator = list;
        return S_OK;
    }
    HRESULT DAdvise(const FORMATETC&, uint32_t, IAdviseSink*, uint32_t&) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT DUnadvise(uint32_t) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT EnumDAdvise(std::shared_ptr<IEnumSTATDATA>&) override { return OLE_E_ADVISENOTSUPPORTED; }
};

// Writes down what it hears and answers a fixed effect.
class TRecordingTarget : public IDropTarget {
public:
    explicit TRecordingTarget(uint32_t answer) : Answer(answer) { }

    uint32_t Answer;
    QStringList Calls;
    std::shared_ptr<IDataObject> Data;
    TPoint LastPoint;
    uint32_t LastKeyState = 0;

    HRESULT DragEnter(const std::shared_ptr<IDataObject>& data, uint32_t keyState, TPoint point,
        uint32_t& effect) override
    {
        Calls.append(QStringLiteral("enter"));
        Data = data;
        Record(keyState, point, effect);
        return S_OK;
    }
    HRESULT DragOver(uint32_t keyState, TPoint point, uint32_t& effect) override
    {
        Calls.append(QStringLiteral("over"));
        Record(keyState, point, effect);
        return S_OK;
    }
    HRESULT DragLeave() override
    {
        Calls.append(QStringLiteral("leave"));
        return S_OK;
    }
    HRESULT Drop(const std::shared_ptr<IDataObject>& data, uint32_t keyState, TPoint point, uint32_t& effect) override
    {
        Calls.append(QStringLiteral("drop"));
        Data = data;
        Record(keyState, point, effect);
        return S_OK;
    }

private:
    void Record(uint32_t keyState, TPoint point, uint32_t& effect)
    {
        LastKeyState = keyState;
        LastPoint = point;
        effect &= Answer;
    }
};

// Drops when the left button is up, cancels on Escape; writes down the
// feedback it was given.
class TRecordingSource : public IDropSource {
public:
    std::vector<uint32_t> Feedback;
    int Queries = 0;

    HRESULT QueryContinueDrag(bool escapePressed, uint32_t keyState) override
    {
        ++Queries;
        if (escapePressed)
            return DRAGDROP_S_CANCEL;
        if ((keyState & MK_LBUTTON) == 0)
            return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT GiveFeedback(uint32_t effect) override
    {
        Feedback.push_back(effect);
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }
};

// A form with two panels side by side, each with its own target.
struct TTwoTargets {
    explicit TTwoTargets(uint32_t leftAnswer = DROPEFFECT_COPY | DROPEFFECT_MOVE,
        uint32_t rightAnswer = DROPEFFECT_COPY | DROPEFFECT_MOVE)
        : Form(nullptr), Left(&Form), Right(&Form),
          LeftTarget(std::make_shared<TRecordingTarget>(leftAnswer)),
          RightTarget(std::make_shared<TRecordingTarget>(rightAnswer))
    {
        Form.SetBounds(100, 100, 300, 120);
        Left.SetParent(&Form);
        Left.SetBounds(0, 0, 150, 120);
        Right.SetParent(&Form);
        Right.SetBounds(150, 0, 150, 120);
        Form.Show();
        QApplication::processEvents();
        EXPECT_EQ(RegisterDragDrop(&Left, LeftTarget), S_OK);
        EXPECT_EQ(RegisterDragDrop(&Right, RightTarget), S_OK);
    }

    TPoint InLeft() const { return Left.ClientToScreen({ 20, 20 }); }
    TPoint InRight() const { return Right.ClientToScreen({ 30, 40 }); }

    TForm Form;
    TCustomControl Left;
    TCustomControl Right;
    std::shared_ptr<TRecordingTarget> LeftTarget;
    std::shared_ptr<TRecordingTarget> RightTarget;
};

std::shared_ptr<TBlocks> TextData(const String& text)
{
    auto data = std::make_shared<TBlocks>();
    data->Blocks.emplace_back(CF_UNICODETEXT, Utf16Block(text));
    return data;
}

TEST(DragDropDrag, FromOneWindowToAnotherEntersLeavesAndDropsWithTheSourcesOwnData)
{
    TTwoTargets windows;
    const auto data = TextData(QStringLiteral("a\tb"));
    auto source = std::make_shared<TRecordingSource>();
    SetDragSteps({ { windows.InLeft() }, { windows.InRight() }, { windows.InRight(), MK_CONTROL } });
    uint32_t effect = 99;
    const HRESULT result = DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);

    EXPECT_EQ(result, DRAGDROP_S_DROP);
    EXPECT_EQ(windows.LeftTarget->Calls, QStringList({ "enter", "over", "leave" }));
    EXPECT_EQ(windows.RightTarget->Calls, QStringList({ "enter", "over", "drop" }));
    // Within the program the target reads the source's own object.
    EXPECT_EQ(windows.RightTarget->Data, data);
    EXPECT_EQ(windows.RightTarget->LastPoint, windows.InRight());
    EXPECT_EQ(windows.RightTarget->LastKeyState, static_cast<uint32_t>(MK_CONTROL));
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(source->Queries, 3);
    EXPECT_EQ(source->Feedback, (std::vector<uint32_t> { DROPEFFECT_MOVE, DROPEFFECT_MOVE }));
}

TEST(DragDropDrag, EndsAsTheSourceAndTargetDecide)
{
    struct TCase {
        const char* Name;
        uint32_t RightAnswer;
        uint32_t OkEffects;
        bool Escape;
        HRESULT Result;
        uint32_t Effect;
        QStringList RightCalls;
    };
    const TCase cases[] = {
        { "copy only allowed", DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY, false, DRAGDROP_S_DROP,
            DROPEFFECT_COPY, { "enter", "over", "drop" } },
        { "target refuses: left, not dropped", DROPEFFECT_NONE, DROPEFFECT_COPY | DROPEFFECT_MOVE, false,
            DRAGDROP_S_DROP, DROPEFFECT_NONE, { "enter", "over", "leave" } },
        { "escape cancels", DROPEFFECT_COPY, DROPEFFECT_COPY, true, DRAGDROP_S_CANCEL, DROPEFFECT_NONE,
            { "enter", "over", "leave" } },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        TTwoTargets windows(DROPEFFECT_COPY, test.RightAnswer);
        auto source = std::make_shared<TRecordingSource>();
        SetDragSteps({ { windows.InRight() }, { windows.InRight(), test.Escape ? uint32_t { MK_LBUTTON } : 0u,
                                                  test.Escape } });
        uint32_t effect = 99;
        EXPECT_EQ(DoDragDrop(TextData(QStringLiteral("x")), source, test.OkEffects, effect), test.Result);
        EXPECT_EQ(effect, test.Effect);
        EXPECT_EQ(windows.RightTarget->Calls, test.RightCalls);
        EXPECT_TRUE(windows.LeftTarget->Calls.isEmpty());
    }
}

TEST(DragDropDrag, StepsThatRunOutCancelAndOutsideOurWindowsNobodyHears)
{
    TTwoTargets windows;
    auto source = std::make_shared<TRecordingSource>();
    SetDragSteps({ { windows.InLeft() }, { TPoint { 5, 5 } } });
    uint32_t effect = 99;
    EXPECT_EQ(DoDragDrop(TextData(QStringLiteral("x")), source, DROPEFFECT_COPY, effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(windows.LeftTarget->Calls, QStringList({ "enter", "over", "leave" }));
    EXPECT_EQ(source->Feedback, (std::vector<uint32_t> { DROPEFFECT_COPY, DROPEFFECT_NONE }));
}

TEST(DragDropRegistration, AnswersAsThePlatformDoes)
{
    TForm form(nullptr);
    auto target = std::make_shared<TRecordingTarget>(DROPEFFECT_COPY);
    EXPECT_EQ(RegisterDragDrop(nullptr, target), DRAGDROP_E_INVALIDHWND);
    EXPECT_EQ(RevokeDragDrop(&form), DRAGDROP_E_NOTREGISTERED);
    EXPECT_EQ(RegisterDragDrop(&form, target), S_OK);
    EXPECT_TRUE(form.Widget()->acceptDrops());
    EXPECT_EQ(RegisterDragDrop(&form, target), DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_EQ(RegisteredDropTarget(&form), target);
    EXPECT_EQ(RevokeDragDrop(&form), S_OK);
    EXPECT_FALSE(form.Widget()->acceptDrops());
    EXPECT_EQ(RegisteredDropTarget(&form), nullptr);

    const TWinControl* gone = nullptr;
    {
        TForm shortLived(nullptr);
        EXPECT_EQ(RegisterDragDrop(&shortLived, target), S_OK);
        gone = &shortLived;
    }
    EXPECT_EQ(RegisteredDropTarget(gone), nullptr);
}

String TextOf(const TBytes& block)
{
    std::u16string text(block.size() / 2, u'\0');
    std::memcpy(text.data(), block.data(), text.size() * 2);
    return String::fromStdU16String(text);
}

TBytes BlockOf(IDataObject& data, TClipboardFormat format)
{
    FORMATETC query;
    query.cfFormat = format;
    STGMEDIUM medium;
    EXPECT_EQ(data.GetData(query, medium), S_OK);
    EXPECT_EQ(medium.tymed, TYMED_HGLOBAL);
    return medium.hGlobal;
}

std::vector<TClipboardFormat> FormatsOf(IDataObject& data)
{
    std::vector<TClipboardFormat> formats;
    std::shared_ptr<IEnumFORMATETC> list;
    EXPECT_EQ(data.EnumFormatEtc(DATADIR_GET, list), S_OK);
    FORMATETC format;
    uint32_t fetched = 0;
    while (list->Next(1, &format, &fetched) == S_OK)
        formats.push_back(format.cfFormat);
    return formats;
}

TEST(DragDropForeignData, TextFilesLinksAndRichTextReadInThePlatformsBlocks)
{
    const TClipboardFormat rtf = RegisterClipboardFormat(QStringLiteral("Rich Text Format"));
    const TClipboardFormat url = RegisterClipboardFormat(QStringLiteral("UniformResourceLocator"));
    QMimeData mime;
    mime.setText(QStringLiteral("caf\u00e9\nx"));
    mime.setData(QStringLiteral("text/rtf"), "{\\rtf1 x}");
    mime.setUrls({ QUrl::fromLocalFile(QStringLiteral("/tmp/a b.csv")), QUrl(QStringLiteral("https://example.org/x")),
        QUrl::fromLocalFile(QStringLiteral("/tmp/\u00fc.txt")) });
    const auto data = DataObjectOfMime(&mime);
    EXPECT_EQ(FormatsOf(*data), (std::vector<TClipboardFormat> { CF_UNICODETEXT, CF_TEXT, rtf, CF_HDROP, url }));

    // Lines end as a Windows program ends them.
    EXPECT_EQ(BlockOf(*data, CF_UNICODETEXT), Utf16Block(QStringLiteral("caf\u00e9\r\nx")));
    EXPECT_EQ(BlockOf(*data, CF_TEXT), Bytes("caf\xe9\r\nx", 8));
    EXPECT_EQ(BlockOf(*data, rtf), Bytes("{\\rtf1 x}", 10));
    EXPECT_EQ(BlockOf(*data, url), Bytes("https://example.org/x", 22));

    const TBytes files = BlockOf(*data, CF_HDROP);
    DROPFILES header;
    ASSERT_GE(files.size(), sizeof header);
    std::memcpy(&header, files.data(), sizeof header);
    EXPECT_EQ(header.pFiles, sizeof header);
    EXPECT_EQ(header.fWide, 1u);
    const TBytes names(files.begin() + header.pFiles, files.end());
    EXPECT_EQ(TextOf(names), QStringLiteral("/tmp/a b.csv") + QChar(u'\0') + QStringLiteral("/tmp/\u00fc.txt")
            + QChar(u'\0') + QChar(u'\0'));

    FORMATETC wrong;
    wrong.cfFormat = CF_UNICODETEXT;
    wrong.tymed = TYMED_NULL;
    EXPECT_EQ(data->QueryGetData(wrong), DV_E_FORMATETC);
    wrong.cfFormat = RegisterClipboardFormat(QStringLiteral("Grid Column"));
    wrong.tymed = TYMED_HGLOBAL;
    STGMEDIUM medium;
    EXPECT_EQ(data->GetData(wrong, medium), DV_E_FORMATETC);
    EXPECT_EQ(medium.tymed, TYMED_NULL);
}

TEST(DragDropForeignData, ALinkAloneComesWithItsAddressAsText)
{
    QMimeData mime;
    mime.setUrls({ QUrl(QStringLiteral("https://example.org/x")) });
    const auto data = DataObjectOfMime(&mime);
    const TClipboardFormat url = RegisterClipboardFormat(QStringLiteral("UniformResourceLocator"));
    EXPECT_EQ(FormatsOf(*data), (std::vector<TClipboardFormat> { CF_UNICODETEXT, CF_TEXT, url }));
    EXPECT_EQ(BlockOf(*data, CF_UNICODETEXT), Utf16Block(QStringLiteral("https://example.org/x")));
}

TEST(DragDropOurData, OtherProgramsSeeTextFilesLinksAndOurOwnFormatsByteForByte)
{
    const TClipboardFormat cells = RegisterClipboardFormat(QStringLiteral("TDudStringGrid Cells"));
    const TClipboardFormat column = RegisterClipboardFormat(QStringLiteral("Grid Column"));
    auto data = std::make_shared<TBlocks>();
    data->Blocks.emplace_back(CF_TEXT, Bytes("ignored\0", 8));
    data->Blocks.emplace_back(CF_UNICODETEXT, Utf16Block(QStringLiteral("x\t\u00e9")));
    data->Blocks.emplace_back(column, Bytes("\x03\0\0\0", 4));
    data->Blocks.emplace_back(cells, Bytes("\x02\0\0\0\0\0\0\0ab", 10));
    DROPFILES header;
    header.pFiles = sizeof header;
    TBytes files(sizeof header, 0);
    std::memcpy(files.data(), &header, sizeof header);
    for (const char c : std::string("/tmp/one\0/tmp/two\0\0", 19))
        files.push_back(static_cast<uint8_t>(c));
    data->Blocks.emplace_back(CF_HDROP, files);

    const std::unique_ptr<QMimeData> mime(NewMimeDataOf(data));
    EXPECT_EQ(mime->formats(), QStringList({ "text/plain", ClipboardFormatMimeType(column),
                                   ClipboardFormatMimeType(cells), "text/uri-list" }));
    EXPECT_EQ(mime->text(), QStringLiteral("x\t\u00e9"));
    EXPECT_EQ(mime->data(ClipboardFormatMimeType(cells)), QByteArray("\x02\0\0\0\0\0\0\0ab", 10));
    EXPECT_EQ(mime->urls(), QList<QUrl>({ QUrl::fromLocalFile("/tmp/one"), QUrl::fromLocalFile("/tmp/two") }));
    // And our own data read back as a foreign program's keeps its blocks.
    QMimeData copy;
    for (const String& type : mime->formats())
        copy.setData(type, mime->data(type));
    const auto back = DataObjectOfMime(&copy);
    EXPECT_EQ(BlockOf(*back, cells), Bytes("\x02\0\0\0\0\0\0\0ab", 10));
    EXPECT_EQ(BlockOf(*back, column), Bytes("\x03\0\0\0", 4));
}

TEST(DragDropForeignData, AFileDroppedFromAnotherProgramReachesTheTargetAsAFileList)
{
    TTwoTargets windows;
    QMimeData mime;
    mime.setUrls({ QUrl::fromLocalFile(QStringLiteral("/tmp/r.csv")) });
    const QPoint local(30, 40);
    QDragEnterEvent enter(local, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(windows.Right.Widget(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(local), Qt::CopyAction, &mime, Qt::NoButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(windows.Right.Widget(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    EXPECT_EQ(windows.RightTarget->Calls, QStringList({ "enter", "drop" }));
    EXPECT_EQ(windows.RightTarget->LastKeyState, uint32_t { MK_SHIFT });
    EXPECT_EQ(windows.RightTarget->LastPoint, windows.InRight());
    ASSERT_TRUE(windows.RightTarget->Data);
    EXPECT_EQ(FormatsOf(*windows.RightTarget->Data), std::vector<TClipboardFormat> { CF_HDROP });
}

} // namespace

// A control without a drop target that hears drags is told of each step
// through DragOver, in its client coordinates; it takes the drop only when
// OnDragOver says so.
TEST(DragDropDragOver, AControlThatHearsDragsIsToldEnterMoveAndLeave)
{
    TForm form(nullptr);
    form.SetBounds(100, 100, 300, 120);
    TCustomControl listener(&form);
    listener.SetParent(&form);
    listener.SetBounds(10, 10, 150, 100);
    listener.SetHearsDrags(true);
    form.Show();
    QApplication::processEvents();
    QStringList heard;
    listener.OnDragOver = [&](TComponent*, TComponent*, int32_t x, int32_t y, TDragState state, bool& accept) {
        heard << QStringLiteral("%1 %2,%3").arg(static_cast<int>(state)).arg(x).arg(y);
        accept = false;
    };
    auto source = std::make_shared<TRecordingSource>();
    SetDragSteps({ { listener.ClientToScreen({ 5, 6 }) }, { listener.ClientToScreen({ 7, 8 }) },
        { form.ClientToScreen({ 250, 50 }) } });
    uint32_t effect = 99;
    EXPECT_EQ(DoDragDrop(TextData(QStringLiteral("x")), source, DROPEFFECT_COPY, effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(heard, QStringList({ "0 5,6", "2 5,6", "2 7,8", "1 0,0" }));
    EXPECT_EQ(source->Feedback, (std::vector<uint32_t> { DROPEFFECT_NONE, DROPEFFECT_NONE, DROPEFFECT_NONE }));

    listener.SetHearsDrags(false);
    heard.clear();
    SetDragSteps({ { listener.ClientToScreen({ 5, 6 }) } });
    DoDragDrop(TextData(QStringLiteral("x")), source, DROPEFFECT_COPY, effect);
    EXPECT_TRUE(heard.isEmpty());
}
