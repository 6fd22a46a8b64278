#include "platform/core/Streams.h"

#include "platform/core/FileUtils.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

std::string Content(const TBytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

void WriteText(TStream& stream, const std::string& text) { stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size())); }

std::string ReadText(TStream& stream, int64_t count)
{
    std::string text(static_cast<size_t>(count), '\0');
    text.resize(static_cast<size_t>(stream.Read(text.data(), count)));
    return text;
}

// Both kinds of stream must behave alike, so each case runs on both.
struct TStreamKind {
    const char* name;
    std::function<std::unique_ptr<TStream>(const String& folder)> make;
};

const TStreamKind StreamKinds[] = {
    { "memory", [](const String&) { return std::make_unique<TMemoryStream>(); } },
    { "file", [](const String& folder) { return std::make_unique<TFileStream>(folder + "/stream.bin", fmCreate); } },
};

} // namespace

TEST(Streams, ReadWriteSeekAndSizeAgreeOnEveryStream)
{
    for (const TStreamKind& kind : StreamKinds) {
        SCOPED_TRACE(kind.name);
        QTemporaryDir temp;
        std::unique_ptr<TStream> stream = kind.make(temp.path());
        WriteText(*stream, "hello world");
        EXPECT_EQ(stream->Size(), 11);
        EXPECT_EQ(stream->Position(), 11);
        EXPECT_EQ(stream->Seek(-5, soEnd), 6);
        EXPECT_EQ(ReadText(*stream, 100), "world");
        EXPECT_EQ(stream->Read(nullptr, 0), 0);
        stream->SetPosition(0);
        EXPECT_EQ(stream->Seek(2, soCurrent), 2);
        WriteText(*stream, "LL");
        stream->SetPosition(0);
        EXPECT_EQ(ReadText(*stream, 5), "heLLo");

        // Writing past the end fills the gap with zero bytes.
        stream->SetPosition(13);
        WriteText(*stream, "!");
        stream->SetPosition(11);
        EXPECT_EQ(ReadText(*stream, 3), std::string("\0\0!", 3));

        stream->SetSize(4);
        EXPECT_EQ(stream->Size(), 4);
        stream->SetPosition(0);
        EXPECT_EQ(ReadText(*stream, 10), "heLL");

        EXPECT_THROW(stream->Seek(-1, soBeginning), EStreamError);
        char buffer[8];
        stream->SetPosition(2);
        EXPECT_THROW(stream->ReadBuffer(buffer, 3), EReadError);
    }
}

TEST(Streams, CopyFromTakesACountOrTheWholeSource)
{
    TMemoryStream source;
    WriteText(source, "0123456789");
    struct Case {
        const char* name;
        int64_t startAt;
        int64_t count;
        const char* copied;
    };
    const Case cases[] = {
        { "count from the position", 3, 4, "3456" },
        { "zero copies all from the start", 7, 0, "0123456789" },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        TMemoryStream target;
        source.SetPosition(testCase.startAt);
        EXPECT_EQ(target.CopyFrom(source, testCase.count), static_cast<int64_t>(strlen(testCase.copied)));
        EXPECT_EQ(Content(target.Bytes()), testCase.copied);
    }
    TMemoryStream target;
    source.SetPosition(8);
    EXPECT_THROW(target.CopyFrom(source, 5), EReadError);
}

TEST(Streams, MemoryStreamLoadsAndSavesWholeFiles)
{
    QTemporaryDir temp;
    const String fileName = temp.path() + "/data.bin";
    TMemoryStream stream;
    WriteText(stream, std::string("a\0b\r\n", 5));
    stream.SaveToFile(fileName);
    EXPECT_EQ(Content(ReadFileBytes(fileName)), std::string("a\0b\r\n", 5));

    TMemoryStream loaded;
    WriteText(loaded, "old");
    loaded.LoadFromFile(fileName);
    EXPECT_EQ(loaded.Position(), 0);
    EXPECT_EQ(loaded.Bytes(), stream.Bytes());

    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    file.SetPosition(3);
    TMemoryStream copy;
    copy.LoadFromStream(file);
    EXPECT_EQ(copy.Bytes(), stream.Bytes());
    EXPECT_THROW(loaded.LoadFromFile(temp.path() + "/absent"), EInOutError);
}

TEST(Streams, FileStreamOpenModes)
{
    QTemporaryDir temp;
    const String fileName = temp.path() + "/f.bin";
    EXPECT_THROW(TFileStream(fileName, fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream(fileName, fmOpenReadWrite), EFOpenError);
    EXPECT_THROW(TFileStream(temp.path() + "/no/such/f.bin", fmCreate), EFCreateError);
    EXPECT_THROW(TFileStream(temp.path(), fmCreate), EFCreateError);
    {
        TFileStream created(fileName, fmCreate);
        WriteText(created, "abcdef");
    }
    {
        TFileStream reader(fileName, fmOpenRead);
        char byte = 0;
        EXPECT_EQ(reader.Write("x", 1), 0);
        EXPECT_THROW(reader.WriteBuffer("x", 1), EWriteError);
        reader.ReadBuffer(&byte, 1);
        EXPECT_EQ(byte, 'a');
    }
    {
        TFileStream writer(fileName, fmOpenWrite);
        WriteText(writer, "XY");
        char byte = 0;
        EXPECT_EQ(writer.Read(&byte, 1), 0);
    }
    EXPECT_EQ(Content(ReadFileBytes(fileName)), "XYcdef");
    {
        TFileStream emptied(fileName, fmCreate);
        EXPECT_EQ(emptied.Size(), 0);
    }
    try {
        TFileStream missing(temp.path() + "/absent.bin", fmOpenRead);
        ADD_FAILURE() << "no exception";
    } catch (const EFOpenError& error) {
        EXPECT_TRUE(error.Message().contains("absent.bin")) << error.what();
    }
}
