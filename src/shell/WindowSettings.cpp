#include "shell/WindowSettings.h"

#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "shell/ShellServices.h"

#include <QDir>
#include <cmath>

namespace plan::shell {

QString findFileNoCase(const QString& dir, const QString& name)
{
    QDir d(dir);
    if (d.exists(name)) return d.filePath(name);
    const QStringList entries = d.entryList(QDir::Files | QDir::Hidden);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0) return d.filePath(e);
    return d.filePath(name);
}

QString userSettingsPath(const QString& fileName) { return userRoot() + fileName; }

SettingsLocation readSettingsLocation()
{
    SettingsLocation loc;
    const IniFile res(findFileNoCase(Paths::home(), QStringLiteral("res.dat")));
    loc.fileName = res.readString(QStringLiteral("APPLICATION"), QStringLiteral("INIFILE"), QStringLiteral("DerOvorav.ini"));
    if (loc.fileName.trimmed().isEmpty()) loc.fileName = QStringLiteral("DerOvorav.ini");
    loc.path = userSettingsPath(loc.fileName);
    const IniFile user(loc.path);
    loc.scale = user.readFloat(QStringLiteral("MAIN"), QStringLiteral("SCALE"), 1.0);
    return loc;
}

int scaled(int base, double scale)
{
    const double v = base * scale;
    const double nearest = std::round(v);
    if (std::fabs(v - nearest) < 1e-9) return static_cast<int>(nearest);
    return static_cast<int>(std::trunc(v));
}

void writeDefaultGeometry(const SettingsLocation& where, const QString& key)
{
    IniFile ini(where.path);
    const double s = where.scale;
    if (key.compare(QLatin1String("frmTuneReports"), Qt::CaseInsensitive) == 0) {
        ini.writeInteger(key, kKeyPanBottom, scaled(kTuneReportsPanBottom, s));
        ini.writeInteger(key, kKeyPanAgregat, scaled(kTuneReportsPanAgregat, s));
    } else if (key.compare(QLatin1String("frmTuneSpravka"), Qt::CaseInsensitive) == 0) {
        ini.writeInteger(key, kKeyHeight, scaled(kTuneSpravkaHeight, s));
        ini.writeInteger(key, kKeyWidth, scaled(kTuneSpravkaWidth, s));
        ini.writeInteger(key, kKeyPanBottom, scaled(kTuneSpravkaPanBottom, s));
        ini.writeInteger(key, kKeyPanAgregat, scaled(kTuneSpravkaPanAgregat, s));
    } else {
        ini.writeInteger(key, kKeyHeight, scaled(kHostHeight, s));
        ini.writeInteger(key, kKeyWidth, scaled(kHostWidth, s));
        ini.writeBool(key, kKeyMaximized, false);
    }
}

} // namespace plan::shell
