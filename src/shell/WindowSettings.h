#pragma once
// Where a window keeps its size, state and display scale: "res.dat" in the
// installation folder names the user settings file, which lies in the user's
// settings folder and holds MAIN/SCALE and one section per window key.
#include <QString>

namespace plan::shell {

struct SettingsLocation {
    QString fileName; // APPLICATION/INIFILE of "res.dat", "DerOvorav.ini" by default
    QString path;     // user settings folder + fileName
    double scale = 1.0; // MAIN/SCALE of the user settings file
};

// Reads "res.dat" and the scale; missing files and keys give the defaults.
SettingsLocation readSettingsLocation();
// The full path of a settings file name in the user's settings folder.
QString userSettingsPath(const QString& fileName);

// base × scale truncated toward zero. The scale is a decimal typed into a
// settings file, so a product that binary arithmetic puts a hair below a
// whole number (730 × 0.7) counts as that whole number.
int scaled(int base, double scale);

// Base values of the default geometry.
inline constexpr int kHostHeight = 730;
inline constexpr int kHostWidth = 1240;
inline constexpr int kTuneReportsPanBottom = 74;
inline constexpr int kTuneReportsPanAgregat = 375;
inline constexpr int kTuneSpravkaHeight = 616;
inline constexpr int kTuneSpravkaWidth = 785;
inline constexpr int kTuneSpravkaPanBottom = 62;
inline constexpr int kTuneSpravkaPanAgregat = 385;

// Names of the settings keys ("Heidht" is spelled so on purpose).
inline constexpr const char* kKeyHeight = "Heidht";
inline constexpr const char* kKeyWidth = "Width";
inline constexpr const char* kKeyMaximized = "MAXIMIZED";
inline constexpr const char* kKeyPanBottom = "PanBottom_Heidht";
inline constexpr const char* kKeyPanAgregat = "PanAgregat_Width";

// Writes the default geometry of one window into its section, so that the
// next opening uses it (the host windows, frmTuneReports, frmTuneSpravka).
void writeDefaultGeometry(const SettingsLocation& where, const QString& windowKey);

// The entry of a folder whose name equals `name` without regard to letter
// case; the plain path when there is none (a file that does not exist).
QString findFileNoCase(const QString& dir, const QString& name);

} // namespace plan::shell
