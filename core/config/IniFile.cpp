#include "core/config/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace velbrisk {

namespace {

constexpr int kMaxValue = 1023;

QStringList readLines(const QString& file, bool* exists = nullptr)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        if (exists)
            *exists = false;
        return {};
    }
    if (exists)
        *exists = true;
    QByteArray data = f.readAll();
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QString text = QString::fromUtf8(data);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// "[name]" -> name; null when the line is no section header.
QString sectionOf(const QString& line)
{
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return QString();
}

bool isSection(const QString& line)
{
    const QString t = line.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}

bool keyOf(const QString& line, QString* key, QString* value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    *key = t.left(eq).trimmed();
    *value = t.mid(eq + 1).trimmed();
    return true;
}

}  // namespace

QString IniReadString(const QString& section, const QString& key, const QString& defaultValue, const QString& file)
{
    const QStringList lines = readLines(file);
    bool inSection = false;
    for (const QString& line : lines) {
        if (isSection(line)) {
            inSection = sectionOf(line).compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        QString k, v;
        if (keyOf(line, &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0) {
            if (v.size() >= 2 && ((v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
                                  || (v.startsWith(QLatin1Char('\'')) && v.endsWith(QLatin1Char('\'')))))
                v = v.mid(1, v.size() - 2);
            return v.left(kMaxValue);
        }
    }
    return defaultValue;
}

bool IniWriteString(const QString& section, const QString& key, const QString& value, const QString& file)
{
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')) || section.isEmpty()
        || key.isEmpty() || key.contains(QLatin1Char('=')))
        return false;
    QStringList lines = readLines(file);
    const QString entry = key + QLatin1Char('=') + value;
    int sectionLine = -1;
    int lastInSection = -1;
    bool written = false;
    bool inSection = false;
    for (int i = 0; i < lines.size(); ++i) {
        if (isSection(lines[i])) {
            inSection = sectionOf(lines[i]).compare(section, Qt::CaseInsensitive) == 0;
            if (inSection && sectionLine < 0) {
                sectionLine = i;
                lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        QString k, v;
        if (keyOf(lines[i], &k, &v)) {
            lastInSection = i;
            if (k.compare(key, Qt::CaseInsensitive) == 0) {
                lines[i] = entry;
                written = true;
                break;
            }
        } else if (!lines[i].trimmed().isEmpty()) {
            lastInSection = i;
        }
    }
    if (!written) {
        if (sectionLine < 0) {
            if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
                lines << QString();
            lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        } else {
            lines.insert(lastInSection + 1, entry);
        }
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const QByteArray data = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    if (out.write(data) != data.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

}  // namespace velbrisk
