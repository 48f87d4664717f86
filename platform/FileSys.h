#pragma once
// The file system as the program expects it from Windows: names match without regard to case
// (the exact name first), Windows-style relative paths ("dlls\opera.dll") join with "\" or "/",
// and text files are read line by line and written whole with CR LF through a temporary file
// that replaces the target only when complete.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace FileSys {

// Joins base and a relative path that may use "\" separators; the result uses "/".
QString JoinPath(const QString& base, const QString& relative);
// Converts "\" to "/" (and nothing else).
QString NormalizeSeparators(const QString& path);

// The path as it exists on disk, each component matched without regard to case (exact name
// first). Components that do not exist are kept as given, so the result can name a new file.
QString Resolve(const QString& path);

// Grows with every file or folder this program creates, replaces or deletes through FileSys,
// so callers that remember resolved names know when to look again.
quint64 ChangeCount();

bool FileExists(const QString& path);       // an existing file (a folder is not a file)
bool DirectoryExists(const QString& path);

// Names (not paths) of the files in dir matching a mask such as "*.bsp", compared without
// regard to case; sorted case-insensitively. An empty mask means "*". Files are everything
// that is not a folder (links to files, hidden files, FIFOs ...); one pass over the folder.
QStringList ListFiles(const QString& dir, const QString& mask = QString());
// The same names in the order the folder holds them, for callers that only look names up.
QStringList ListFilesUnsorted(const QString& dir, const QString& mask = QString());
QStringList ListDirs(const QString& dir);
// Sorts names as every sorted list of the program does: without regard to case (simple case
// folding, as QString::compare with Qt::CaseInsensitive), names equal but for case in a fixed
// order by their code units. Each name is folded once.
void SortInsensitive(QStringList& names);

bool CopyFile(const QString& from, const QString& to, bool overwrite = true);
bool DeleteFile(const QString& path);
bool MakeDirs(const QString& path);

// Utf8Bom: UTF-8 that began with a byte order mark; the mark is not part of the text and is
// written back when the same encoding is passed to a writer. Latin1Bom: a file that begins with
// the mark but whose rest is not UTF-8 (a name typed in another code page): the rest is read as
// Latin-1, and the mark is neither part of the text nor lost.
enum class TEncoding { Utf8, Latin1, Utf8Bom, Latin1Bom };

// True for the encodings that read the rest of the file as Latin-1.
bool IsLatin1(TEncoding encoding);
// The same encoding without the byte order mark (Utf8Bom -> Utf8, Latin1Bom -> Latin1).
TEncoding WithoutMark(TEncoding encoding);
// True when text written in encoding reads back as exactly that text: every character fits
// the encoding and the bytes are not taken for another one (Latin-1 bytes that happen to be
// valid UTF-8 would read back as UTF-8).
bool ReadsBackAs(const QString& text, TEncoding encoding);

// Splits text into lines the way ReadLines does (CR LF, LF, CR; a last line without an ending
// counts; no line for a final ending).
QStringList SplitLines(const QString& text);
// The text of a file's bytes: UTF-8 when they are valid UTF-8, otherwise Latin-1. One leading
// byte order mark is not part of the text (Utf8Bom, Latin1Bom); a second one is.
// Encode(Decode(b, &e), e) == b for any bytes.
QString Decode(const QByteArray& bytes, TEncoding* encoding = nullptr);
// Text as bytes of the encoding; Latin-1 that cannot hold a character falls back to UTF-8 (the
// mark, when the encoding has one, stays).
QByteArray Encode(const QString& text, TEncoding encoding);
// Writes bytes atomically (temporary file + rename); false with a message when it failed, and
// then the target keeps its old contents. The temporary lies beside the target as
// ".<name>.qorvane-<pid>.tmp", is synced before the rename (and the folder after it), and is
// removed whatever happens short of the program being killed; such leftovers of a killed run are
// removed by the next write of that file and by RemoveStaleTemporaries.
bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
// Removes the leftover temporaries of our own writes in a folder (those of a program that is no
// longer running). The start-up runs it over the program's own folders.
void RemoveStaleTemporaries(const QString& folder, const QString& forName = QString());

// A file's bytes as they are; false with a message naming the file when it cannot be read.
bool ReadBytes(const QString& path, QByteArray& bytes, QString* error = nullptr);

// Reads every line; CR LF, LF and CR all end a line, a last line without an ending counts.
// Bytes are decoded as UTF-8 when the file is valid UTF-8, otherwise as Latin-1, so a load
// followed by a save in the reported encoding gives the same bytes back.
bool ReadLines(const QString& path, QStringList& lines, TEncoding* encoding = nullptr,
               QString* error = nullptr);

// Writes lines, each followed by CR LF, atomically. Every line is the caller's new text, so
// with a Latin-1 encoding text that would not read back the same (a character Latin-1 cannot
// hold, or bytes that would read as UTF-8) is written as UTF-8 instead: nothing is lost and
// the file reads back as written.
bool WriteLines(const QString& path, const QStringList& lines,
                TEncoding encoding = TEncoding::Utf8, QString* error = nullptr);

// The program's single text-file writer (the original's shared output file): one file at a
// time, CR LF line ends, committed atomically by Close().
class TOutFile {
public:
    bool Rewrite(const QString& path, TEncoding encoding = TEncoding::Utf8);
    bool Append(const QString& path);   // keeps the existing lines and their encoding
    void WriteLn(const QString& line = QString());
    bool IsOpen() const { return m_open; }
    const QString& Path() const { return m_path; }
    // Writes the file; false (with a message in error) when it could not be written, in
    // which case the target keeps its old contents.
    bool Close(QString* error = nullptr);
    void Discard();

private:
    bool m_open = false;
    QString m_path;
    QStringList m_lines;
    TEncoding m_encoding = TEncoding::Utf8;
};

} // namespace FileSys
