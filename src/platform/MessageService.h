#pragma once
// The one road of every message box. In a window session it shows a modal
// box; in a headless run (the command-line driver, tests) it records the text
// instead of blocking.
#include <QString>
#include <QStringList>

class QWidget;

namespace plan {

class MessageService {
public:
    enum class Kind { Information, Warning, Error, Question };
    // Shows (or records) a message; for questions returns the answer (headless: the preset answer).
    // The box is titled `title`, "Планирование" when none is given.
    static bool show(const QString& text, Kind kind = Kind::Information, QWidget* parent = nullptr,
                     const QString& title = QString());
    static void setHeadless(bool headless);
    static bool headless();
    static void setHeadlessAnswer(bool yes);
    // Messages recorded since the last clear, in order.
    static QStringList recorded();
    static void clear();
    // Keeps the platform's start-up notices ("XDG_RUNTIME_DIR not set", the
    // offscreen platform's "propagateSizeHints") from the user's terminal;
    // every other message goes on as before. Installed once; safe before
    // the application object exists.
    static void quietPlatformNoise();
};

} // namespace plan
