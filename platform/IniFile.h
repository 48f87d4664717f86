#pragma once
// Profile (ini) files with the semantics the program's data files were written for:
// sections and keys match without regard to case, blanks around names are ignored, the first
// matching section and key win, ";" lines are comments, values are trimmed and lose one pair of
// enclosing quotes, a missing file/section/key gives the caller's default, a present but empty
// key gives "". Writes change only the key's own line (or add one) and keep every other byte.
// A file keeps the encoding it was read in: a write that the file's single-byte code page cannot
// hold, or that would make the rest of the file read differently, is refused (LastError says
// why) rather than changing other bytes. Key names that would not read back as the same key
// ("a=b", ";x", "[x") are refused too.
// Parsed files are cached by path and revalidated by size and modification time, so reading a
// thousand sections key by key parses the file once.
#include <QString>
#include <QStringList>
#include <memory>

struct TIniBatch;

class TIniFile {
public:
    explicit TIniFile(const QString& fileName);

    const QString& FileName() const { return m_fileName; }

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // A value that is not a whole number (decimal, optional sign, or 0x hex) gives def.
    int ReadInteger(const QString& section, const QString& key, int def) const;

    // Return false when the file cannot be written (the file then keeps its old contents).
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool WriteInteger(const QString& section, const QString& key, int value);
    bool EraseSection(const QString& section);
    // Why the last write, erase or commit through this object failed, without the file's name
    // (which the caller gives): "" when it did not fail.
    const QString& LastError() const { return m_error; }

    // Many writes, one file write: after BeginBatch the writes and erases (and the reads through
    // this object) work on the file's text in memory, and Commit replaces the file once, whole;
    // until then the file on disk is untouched. Commit is false, with the file as it was, when
    // it cannot be written or the file could not be read (a file there but unreadable is never
    // replaced). Without Commit the writes are dropped.
    bool BeginBatch();
    bool Commit();

    // A section "exists" when it holds at least one key.
    bool SectionExists(const QString& section) const;
    QStringList ReadSections() const;
    QStringList ReadSectionKeys(const QString& section) const;

    // Forgets every cached parse (tests that rewrite files within one timestamp tick).
    static void FlushCache();

private:
    QString m_fileName;
    QString m_error;
    std::shared_ptr<TIniBatch> m_batch;
};
