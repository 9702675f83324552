#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <stdexcept>

namespace plan {
namespace {
bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0 || a.toUpper() == b.toUpper();
}
} // namespace

IniFile::IniFile(const QString& path) : m_path(path) { reload(); }

void IniFile::reload()
{
    m_sections.clear();
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly)) return;
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    Section* current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            const int close = line.indexOf(QLatin1Char(']'));
            if (close < 0) { current = nullptr; continue; }
            current = &ensureSection(line.mid(1, close - 1).trimmed());
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || !current) continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        bool replaced = false;
        for (auto& e : current->entries)
            if (sameName(e.key, key)) { e.value = value; replaced = true; break; }
        if (!replaced) current->entries.push_back({key, value});
    }
}

const IniFile::Section* IniFile::findSection(const QString& name) const
{
    for (const auto& s : m_sections)
        if (sameName(s.name, name)) return &s;
    return nullptr;
}

IniFile::Section& IniFile::ensureSection(const QString& name)
{
    for (auto& s : m_sections)
        if (sameName(s.name, name)) return s;
    m_sections.push_back({name, {}});
    return m_sections.back();
}

const IniFile::Entry* IniFile::findEntry(const QString& section, const QString& key) const
{
    const Section* s = findSection(section);
    if (!s) return nullptr;
    for (const auto& e : s->entries)
        if (sameName(e.key, key)) return &e;
    return nullptr;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const
{
    const Entry* e = findEntry(section, key);
    return e ? e->value : def;
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const
{
    const Entry* e = findEntry(section, key);
    if (!e) return def;
    bool ok = false;
    const int v = e->value.toInt(&ok);
    return ok ? v : def;
}

double IniFile::readFloat(const QString& section, const QString& key, double def) const
{
    const Entry* e = findEntry(section, key);
    if (!e) return def;
    QString t = e->value;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const
{
    const Entry* e = findEntry(section, key);
    if (!e) return def;
    bool ok = false;
    const int v = e->value.toInt(&ok);
    if (ok) return v != 0;
    const QString t = e->value.toLower();
    if (t == QLatin1String("true") || t == QLatin1String("yes")) return true;
    if (t == QLatin1String("false") || t == QLatin1String("no")) return false;
    return def;
}

bool IniFile::sectionExists(const QString& section) const { return findSection(section) != nullptr; }
bool IniFile::valueExists(const QString& section, const QString& key) const { return findEntry(section, key) != nullptr; }

QStringList IniFile::sections() const
{
    QStringList r;
    for (const auto& s : m_sections) r << s.name;
    return r;
}

QStringList IniFile::keys(const QString& section) const
{
    QStringList r;
    if (const Section* s = findSection(section))
        for (const auto& e : s->entries) r << e.key;
    return r;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    Section& s = ensureSection(section);
    bool done = false;
    for (auto& e : s.entries)
        if (sameName(e.key, key)) { e.value = value; done = true; break; }
    if (!done) s.entries.push_back({key, value});
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
    for (auto it = m_sections.begin(); it != m_sections.end(); ++it)
        if (sameName(it->name, section)) { m_sections.erase(it); save(); return; }
}

void IniFile::deleteKey(const QString& section, const QString& key)
{
    for (auto& s : m_sections) {
        if (!sameName(s.name, section)) continue;
        for (auto it = s.entries.begin(); it != s.entries.end(); ++it)
            if (sameName(it->key, key)) { s.entries.erase(it); save(); return; }
    }
}

void IniFile::save() const
{
    const QFileInfo fi(m_path);
    QDir().mkpath(fi.absolutePath());
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error(("cannot write the settings file " + m_path + ": " + f.errorString()).toStdString());
    QString out;
    for (const auto& s : m_sections) {
        out += QLatin1Char('[') + s.name + QStringLiteral("]\n");
        for (const auto& e : s.entries) out += e.key + QLatin1Char('=') + e.value + QLatin1Char('\n');
        out += QLatin1Char('\n');
    }
    f.write(out.toUtf8());
    if (!f.commit())
        throw std::runtime_error(("cannot write the settings file " + m_path + ": " + f.errorString()).toStdString());
}

} // namespace plan
