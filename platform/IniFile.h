#pragma once
// Profile (ini) files with the semantics the program's data files were written for:
// sections and keys match without regard to case, blanks around names are ignored, the first
// matching section and key win, ";" lines are comments, values are trimmed and lose one pair of
// enclosing quotes, a missing file/section/key gives the caller's default, a present but empty
// key gives "". Writes change only the key's own line (or add one) and keep every other byte.
// Parsed files are cached by path and revalidated by size and modification time, so reading a
// thousand sections key by key parses the file once.
#include <QString>
#include <QStringList>

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

    // A section "exists" when it holds at least one key.
    bool SectionExists(const QString& section) const;
    QStringList ReadSections() const;
    QStringList ReadSectionKeys(const QString& section) const;

    // Forgets every cached parse (tests that rewrite files within one timestamp tick).
    static void FlushCache();

private:
    QString m_fileName;
};
