// The memo files (the chat files and other free text of the mods): read into a memo control
// and into a line list, saved and read again. Lines come back as they were, the file keeps its
// encoding, and a save of what was read writes the file's lines back in it.
#include "FuzzSupport.h"

#include "core/UQOR_Settings.h"
#include "platform/FileSys.h"

#include <QPlainTextEdit>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::Init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    const QString folder = Fuzz::Scratch(QStringLiteral("mod")) + QLatin1Char('\\');
    const QString file = QStringLiteral("chat.txt");
    const QString path = Fuzz::Scratch(QStringLiteral("mod/chat.txt"));
    Fuzz::Put(path, bytes);
    FileSys::TEncoding encoding;
    const QStringList lines = FileSys::SplitLines(FileSys::Decode(bytes, &encoding));

    QString error;
    QStringList read{QStringLiteral("stale")};
    FUZZ_CHECK(UQOR::AccessMemoFile(QStringLiteral("Read"), read, folder, file, &error), error);
    FUZZ_CHECK(read == lines, Fuzz::Shown(read));
    // The saves and what they read back for one input in two.
    if (!Fuzz::Sampled(bytes, 2))
        return 0;
    FUZZ_CHECK(UQOR::AccessMemoFile(QStringLiteral("Write"), read, folder, file, &error), error);
    QString text;
    for (const QString& l : lines)
        text += l + QStringLiteral("\r\n");
    if (FileSys::ReadsBackAs(text, encoding))
        FUZZ_CHECK(Fuzz::Get(path) == FileSys::Encode(text, encoding),
                   QString::fromLatin1(bytes.toHex() + " -> " + Fuzz::Get(path).toHex()));
    QStringList again;
    FUZZ_CHECK(UQOR::AccessMemoFile(QStringLiteral("Read"), again, folder, file, &error), error);
    FUZZ_CHECK(again == lines, Fuzz::Shown(lines) + QStringLiteral(" -> ") + Fuzz::Shown(again));

    // Through the memo control, as the chat page does (one input in eight).
    if (!Fuzz::Sampled(bytes, 8))
        return 0;
    static QPlainTextEdit memo;
    FUZZ_CHECK(UQOR::AccessMemoFile(QStringLiteral("Read"), &memo, folder, file, &error), error);
    FUZZ_CHECK(UQOR::AccessMemoFile(QStringLiteral("Write"), &memo, folder, file, &error), error);
    QStringList shown;
    FUZZ_CHECK(UQOR::AccessMemoFile(QStringLiteral("Read"), shown, folder, file, &error), error);
    // The control has no way to hold an empty last line or characters it takes for line and
    // paragraph breaks; everything else comes back.
    QStringList expected = lines;
    while (!expected.isEmpty() && expected.last().isEmpty())
        expected.removeLast();
    QString joined = expected.join(QLatin1Char('\n'));
    for (QChar breakChar : {QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator), QChar(0xFDD0), QChar(0xFDD1)})
        joined.replace(breakChar, QLatin1Char('\n'));
    expected = joined.isEmpty() ? QStringList() : joined.split(QLatin1Char('\n'));
    while (!expected.isEmpty() && expected.last().isEmpty())
        expected.removeLast();
    while (!shown.isEmpty() && shown.last().isEmpty())
        shown.removeLast();
    FUZZ_CHECK(shown == expected, Fuzz::Shown(expected) + QStringLiteral(" -> ") + Fuzz::Shown(shown));
    return 0;
}
