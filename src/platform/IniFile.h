#pragma once
// INI settings file: sections in square brackets, one key=value a line.
// Sections and keys are compared without regard to letter case (Cyrillic
// included); booleans are "1"/"0"; a missing file or key gives the default.
// Every write is saved to disk at once, as the settings of a window must
// survive the window. Lines that are neither a section, a key=value pair nor
// a comment are skipped.
//
// Reading is linear in the size of the file, and the same contents are
// parsed once per process: opening unchanged settings again costs reading
// the bytes and comparing them.
//
// Saving writes a temporary file next to the settings file, checks every
// write and the flush, and only then puts it in place of the old one: a full
// disk leaves the old settings intact and raises std::runtime_error saying so.
#include <QString>
#include <QStringList>
#include <memory>

namespace plan {

class IniFile {
public:
    explicit IniFile(const QString& path);

    QString fileName() const { return m_path; }

    QString readString(const QString& section, const QString& key, const QString& def = {}) const;
    int readInteger(const QString& section, const QString& key, int def) const;
    double readFloat(const QString& section, const QString& key, double def) const;
    bool readBool(const QString& section, const QString& key, bool def) const;
    bool sectionExists(const QString& section) const;
    bool valueExists(const QString& section, const QString& key) const;
    QStringList sections() const;
    QStringList keys(const QString& section) const;

    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeFloat(const QString& section, const QString& key, double value);
    void writeBool(const QString& section, const QString& key, bool value);
    void eraseSection(const QString& section);
    void deleteKey(const QString& section, const QString& key);

    // Re-reads the file (changes made by others since construction).
    void reload();

    struct Content;

private:
    const QString* find(const QString& section, const QString& key) const;
    Content& edit();
    void save();

    QString m_path;
    std::shared_ptr<const Content> m_content;
};

} // namespace plan
