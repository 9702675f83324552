#pragma once
// The common ground of the eight windows of the module: the window key that
// names its settings section, the user name, the settings location read at
// creation, the reset to the default size, and the modal show.
#include "shell/WindowSettings.h"

#include <QWidget>

namespace plan::shell {

class TPlanWindow : public QWidget {
    Q_OBJECT
public:
    explicit TPlanWindow(QWidget* parent = nullptr);

    QString windowKey() const { return m_windowKey; }
    void setWindowKey(const QString& key) { m_windowKey = key; }
    QString userName() const { return m_userName; }
    void setUserName(const QString& name) { m_userName = name; }

    // Name of the user settings file ("res.dat"), its full path and the scale S.
    QString settingsFileName() const { return m_location.fileName; }
    QString settingsPath() const { return m_location.path; }
    double scale() const { return m_location.scale; }

    // Geometry from the settings file and the window's content.
    virtual void FunStart() = 0;
    // Puts this live window back to its default size for the scale given.
    virtual void restoreDefaultPosition(double scale) = 0;

    // Shows the window application-modal and returns once it is closed.
    void showModal();
    // Shows the window in the state FunStart chose.
    void showInState();

signals:
    void closed();

protected:
    // Gives the window this client size; a window that is a child window of
    // the host application's main window resizes its frame around it.
    void resizeWindow(int width, int height);
    // Re-reads "res.dat" and the scale.
    void readSettingsLocationNow() { m_location = readSettingsLocation(); }
    // Saves the window's settings when it closes.
    virtual void FormClose() {}
    void closeEvent(QCloseEvent* e) override;

    SettingsLocation m_location;

private:
    QString m_windowKey;
    QString m_userName;
};

} // namespace plan::shell
