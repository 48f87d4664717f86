// FileSys: the decoder and encoder behind every text file, the line splitter, and the line
// reader and writers on real files (for one input in four). Any bytes decode and encode back to
// themselves, and lines written read back as written.
#include "FuzzSupport.h"

#include "platform/FileSys.h"

using namespace FileSys;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::Init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    TEncoding encoding;
    const QString text = Decode(bytes, &encoding);
    FUZZ_CHECK(Encode(text, encoding) == bytes, QString::fromLatin1(bytes.toHex()));
    const bool mark = bytes.startsWith("\xEF\xBB\xBF");
    FUZZ_CHECK(mark == (encoding == TEncoding::Utf8Bom || encoding == TEncoding::Latin1Bom),
               QString::fromLatin1(bytes.toHex()));
    FUZZ_CHECK(ReadsBackAs(text, encoding), QString::fromLatin1(bytes.toHex()));

    // The lines hold no line end, together they are the text without its ends, and CR LF,
    // LF and CR each end one line.
    const QStringList lines = SplitLines(text);
    QString bare = text;
    bare.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    FUZZ_CHECK(lines.join(QString()) == bare, Fuzz::Shown(lines));
    qsizetype ends = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r')) {
            ++ends;
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else if (text[i] == QLatin1Char('\n')) {
            ++ends;
        }
    }
    const bool openLast = !text.isEmpty() && !text.endsWith(QLatin1Char('\r')) && !text.endsWith(QLatin1Char('\n'));
    FUZZ_CHECK(lines.size() == ends + (openLast ? 1 : 0), Fuzz::Shown(lines));

    // The file round trip: read, write back in the reported encoding, read again.
    if (!Fuzz::Sampled(bytes, 4))
        return 0;
    const QString path = Fuzz::Scratch(QStringLiteral("text.txt"));
    Fuzz::Put(path, bytes);
    QStringList read;
    TEncoding fileEncoding;
    FUZZ_CHECK(ReadLines(path, read, &fileEncoding), path);
    FUZZ_CHECK(read == lines && fileEncoding == encoding, Fuzz::Shown(read));
    FUZZ_CHECK(WriteLines(path, read, fileEncoding), path);
    QStringList again;
    TEncoding againEncoding;
    FUZZ_CHECK(ReadLines(path, again, &againEncoding), path);
    FUZZ_CHECK(again == read, Fuzz::Shown(read) + QStringLiteral(" -> ") + Fuzz::Shown(again));
    // Written with CR LF in the same encoding unless that could not carry the text.
    QString joined;
    for (const QString& l : read)
        joined += l + QStringLiteral("\r\n");
    if (ReadsBackAs(joined, fileEncoding))
        FUZZ_CHECK(Fuzz::Get(path) == Encode(joined, fileEncoding), QString::fromLatin1(Fuzz::Get(path).toHex()));

    // Appending keeps the old lines and the file's encoding.
    TOutFile out;
    FUZZ_CHECK(out.Append(path), path);
    out.WriteLn(QString::fromLatin1("caf\xe9"));
    FUZZ_CHECK(out.Close(), path);
    QStringList appended;
    FUZZ_CHECK(ReadLines(path, appended), path);
    FUZZ_CHECK(appended == again + QStringList{QString::fromLatin1("caf\xe9")}, Fuzz::Shown(appended));
    return 0;
}
