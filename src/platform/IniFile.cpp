#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <stdexcept>
#include <vector>

namespace plan {

// The parsed file: sections and keys in the order of the file, found through
// hashes of their upper-case names.
struct IniFile::Content {
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
        QHash<QString, int> index; // upper-case key -> entry
    };
    std::vector<Section> sections;
    QHash<QString, int> index; // upper-case section name -> section

    static QString norm(const QString& name) { return name.toUpper(); }

    const Section* section(const QString& name) const
    {
        const auto it = index.constFind(norm(name));
        return it == index.constEnd() ? nullptr : &sections[*it];
    }
    Section& ensure(const QString& name)
    {
        const QString n = norm(name);
        const auto it = index.constFind(n);
        if (it != index.constEnd()) return sections[*it];
        index.insert(n, static_cast<int>(sections.size()));
        sections.push_back({name, {}, {}});
        return sections.back();
    }
    static void set(Section& s, const QString& key, const QString& value)
    {
        const QString n = norm(key);
        const auto it = s.index.constFind(n);
        if (it != s.index.constEnd()) {
            s.entries[*it].value = value;
            return;
        }
        s.index.insert(n, static_cast<int>(s.entries.size()));
        s.entries.push_back({key, value});
    }
    static void reindex(Section& s)
    {
        s.index.clear();
        for (int i = 0; i < static_cast<int>(s.entries.size()); ++i) s.index.insert(norm(s.entries[i].key), i);
    }
    void reindex()
    {
        index.clear();
        for (int i = 0; i < static_cast<int>(sections.size()); ++i) index.insert(norm(sections[i].name), i);
    }

    static std::shared_ptr<Content> parse(const QByteArray& bytes)
    {
        auto c = std::make_shared<Content>();
        QString text = QString::fromUtf8(bytes);
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        Section* current = nullptr;
        for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
            line = line.trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) continue;
            if (line.startsWith(QLatin1Char('['))) {
                const auto close = line.indexOf(QLatin1Char(']'));
                if (close < 0) {
                    current = nullptr;
                    continue;
                }
                current = &c->ensure(line.mid(1, close - 1).trimmed().toString());
                continue;
            }
            const auto eq = line.indexOf(QLatin1Char('='));
            if (eq <= 0 || !current) continue;
            set(*current, line.left(eq).trimmed().toString(), line.mid(eq + 1).trimmed().toString());
        }
        return c;
    }

    QByteArray text() const
    {
        QString out;
        for (const auto& s : sections) {
            out += QLatin1Char('[') + s.name + QStringLiteral("]\n");
            for (const auto& e : s.entries) out += e.key + QLatin1Char('=') + e.value + QLatin1Char('\n');
            out += QLatin1Char('\n');
        }
        return out.toUtf8();
    }
};

namespace {
// Files parsed in this process, by absolute path, with the bytes they held:
// the same bytes are not parsed again.
struct Cached {
    QByteArray bytes;
    std::shared_ptr<const IniFile::Content> content;
};
QHash<QString, Cached>& cache()
{
    static QHash<QString, Cached> c;
    return c;
}

QString absolute(const QString& path) { return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath(); }


[[noreturn]] void cannotSave(const QString& path, const QString& why)
{
    throw std::runtime_error(QStringLiteral("Не удалось сохранить файл настроек %1: %2. Прежние настройки в файле "
                                            "остались без изменений; освободите место на диске или проверьте права "
                                            "на папку и повторите.")
                                 .arg(path, why)
                                 .toStdString());
}
} // namespace

IniFile::IniFile(const QString& path) : m_path(path) { reload(); }

void IniFile::reload()
{
    QFile f(m_path);
    if (m_path.isEmpty() || !QFileInfo(m_path).isFile() || !f.open(QIODevice::ReadOnly)) {
        m_content = std::make_shared<Content>();
        return;
    }
    const QByteArray bytes = f.readAll();
    const QString key = absolute(m_path);
    const auto it = cache().constFind(key);
    if (it != cache().constEnd() && it->bytes == bytes) {
        m_content = it->content;
        return;
    }
    m_content = Content::parse(bytes);
    cache().insert(key, {bytes, m_content});
}

IniFile::Content& IniFile::edit()
{
    // The content may be shared with the cache and other readers: change a copy.
    auto copy = std::make_shared<Content>(*m_content);
    m_content = copy;
    return *copy;
}

const QString* IniFile::find(const QString& section, const QString& key) const
{
    const Content::Section* s = m_content->section(section);
    if (!s) return nullptr;
    const auto it = s->index.constFind(Content::norm(key));
    return it == s->index.constEnd() ? nullptr : &s->entries[*it].value;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const
{
    const QString* v = find(section, key);
    return v ? *v : def;
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const
{
    const QString* v = find(section, key);
    if (!v) return def;
    bool ok = false;
    const int n = v->toInt(&ok);
    return ok ? n : def;
}

double IniFile::readFloat(const QString& section, const QString& key, double def) const
{
    const QString* v = find(section, key);
    if (!v) return def;
    QString t = *v;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = t.toDouble(&ok);
    return ok ? d : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const
{
    const QString* v = find(section, key);
    if (!v) return def;
    bool ok = false;
    const int n = v->toInt(&ok);
    if (ok) return n != 0;
    const QString t = v->toLower();
    if (t == QLatin1String("true") || t == QLatin1String("yes")) return true;
    if (t == QLatin1String("false") || t == QLatin1String("no")) return false;
    return def;
}

bool IniFile::sectionExists(const QString& section) const { return m_content->section(section) != nullptr; }
bool IniFile::valueExists(const QString& section, const QString& key) const { return find(section, key) != nullptr; }

QStringList IniFile::sections() const
{
    QStringList r;
    for (const auto& s : m_content->sections) r << s.name;
    return r;
}

QStringList IniFile::keys(const QString& section) const
{
    QStringList r;
    if (const Content::Section* s = m_content->section(section))
        for (const auto& e : s->entries) r << e.key;
    return r;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    Content& c = edit();
    Content::set(c.ensure(section), key, value);
    save();
}

void IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeFloat(const QString& section, const QString& key, double value)
{
    writeString(section, key, QString::number(value, 'g', 15));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::eraseSection(const QString& section)
{
    if (!sectionExists(section)) return;
    Content& c = edit();
    const QString n = Content::norm(section);
    std::erase_if(c.sections, [&](const Content::Section& s) { return Content::norm(s.name) == n; });
    c.reindex();
    save();
}

void IniFile::deleteKey(const QString& section, const QString& key)
{
    if (!valueExists(section, key)) return;
    Content& c = edit();
    Content::Section& s = c.ensure(section);
    const QString n = Content::norm(key);
    std::erase_if(s.entries, [&](const Content::Entry& e) { return Content::norm(e.key) == n; });
    Content::reindex(s);
    save();
}

void IniFile::save()
{
    const QFileInfo fi(m_path);
    if (!QDir().mkpath(fi.absolutePath())) cannotSave(m_path, QStringLiteral("нет папки ") + fi.absolutePath());
    // A temporary file beside the settings, renamed over them only when all of
    // it is on disk.
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly)) cannotSave(m_path, f.errorString());
    const QByteArray bytes = m_content->text();
    cache().remove(absolute(m_path));
    if (f.write(bytes) != bytes.size()) {
        const QString why = f.errorString();
        f.cancelWriting();
        cannotSave(m_path, why);
    }
    if (!f.flush()) {
        const QString why = f.errorString();
        f.cancelWriting();
        cannotSave(m_path, why);
    }
    if (!f.commit()) cannotSave(m_path, f.errorString());
    cache().insert(absolute(m_path), {bytes, m_content});
}

} // namespace plan
