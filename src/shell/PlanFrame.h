#pragma once
// The report frame: a panel that lives in the bar of a host window, gathers
// the options of one report and, on its show button, runs the report.
//
// A frame reaches its host through the module-wide variable of its window
// key (never through a pointer handed to it). When the host opens the bar
// item it calls start(), which copies from the host the connection, the
// report datasets, the report component and the settings file name, reads
// the scale S and then runs the frame's own FunStart().
//
// Every frame class registers itself by class name in its .cpp:
//
//     PLAN_REGISTER_FRAME(TfrPlanPrognDvig)
//
// so that the host's item table finds it.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QAbstractButton;

namespace plan {
class Connection;
class Dataset;
class ReportComponent;
class ReportHost;
} // namespace plan

namespace plan::shell {

class THostWindow;

class TPlanFrame : public QWidget {
    Q_OBJECT
public:
    explicit TPlanFrame(const QString& windowKey, QWidget* parent = nullptr);

    // The key of the host window this frame belongs to ("frmPlanReport").
    QString windowKey() const { return m_windowKey; }

    // Called by the host once the frame is in the bar: copy from the host,
    // then FunStart (with the item's argument where the item table has one).
    void start();
    void start(const QString& argument);

    // The frame's own start: fill the option controls.
    virtual void FunStart() {}
    // The start of frames whose item passes a text (the caption, "Type1").
    // By default the plain FunStart.
    virtual void FunStart(const QString& argument);
    // The show button: runs FunReport.
    virtual void cmdReportClick() { FunReport(); }
    // The report routine.
    virtual void FunReport() {}

    // True for the notice shown in place of a frame not built yet.
    virtual bool isPlaceholder() const { return false; }

    // The host window through the module-wide variable; nullptr when that
    // window is gone.
    THostWindow* host() const;
    // The host as the report cycle sees it; throws when the host is gone.
    ReportHost& reportHost() const;

    Connection* connection() const { return ADOConPdo; }
    Dataset* reportDataset(int n = 1) const;
    ReportComponent* reportComponent() const { return frxReport; }
    QString settingsFileName() const { return m_iniFileName; }
    // The user settings file (settings folder + settings file name).
    QString settingsPath() const;
    double scale() const { return S; }

protected:
    // Connects a show button: its click runs cmdReportClick(); an error that
    // ends the run is shown as a message box.
    void bindShowButton(QAbstractButton* cmdReport);
    // Runs any other handler of a control with the same error handling.
    bool guarded(const std::function<void()>& handler);

    // Progress bar of the host: 0..n, one step, back to 0 (the report cycle
    // resets it at its end).
    void progressStart(int n);
    void progressStep();
    void progressReset();

    // Copied from the host by start().
    Connection* ADOConPdo = nullptr;
    Dataset* ADOQueryReport = nullptr;  // report dataset 1
    Dataset* ADOQueryReport2 = nullptr; // report dataset 2 (where the host has it)
    Dataset* ADOQueryReport3 = nullptr; // report dataset 3 (frmPlanReport)
    ReportComponent* frxReport = nullptr;
    double S = 1.0;

private:
    void copyFromHost();

    QString m_windowKey;
    QString m_iniFileName;
};

// The notice that stands in a bar item whose frame is not built yet.
class TfrNotBuilt : public TPlanFrame {
    Q_OBJECT
public:
    TfrNotBuilt(const QString& windowKey, const QString& caption, const QString& frameClass);
    bool isPlaceholder() const override { return true; }
    QString caption() const { return m_caption; }
    QString frameClass() const { return m_frameClass; }
    // "The report ... is not built yet" as the notice says it.
    QString notice() const;

private:
    QString m_caption;
    QString m_frameClass;
};

// Frame classes by class name.
class FrameRegistry {
public:
    using Factory = std::function<TPlanFrame*()>;
    // Registers a class; false (and nothing changes) when the name is taken.
    static bool add(const QString& className, Factory factory);
    // Puts a factory in place of the registered one (an empty factory
    // removes the class) and returns the one it replaced; for test frames.
    static Factory replace(const QString& className, Factory factory);
    static bool contains(const QString& className);
    // A new frame of the class, with no owner; nullptr for an unknown name.
    static TPlanFrame* create(const QString& className);
    static QStringList classNames();
};

} // namespace plan::shell

// Registers a frame class (default-constructible, derived from TPlanFrame)
// under its own name when the module is loaded. Write it once in the frame's
// .cpp, in the namespace of the class.
#define PLAN_REGISTER_FRAME(Class)                                                                  \
    namespace {                                                                                     \
    [[maybe_unused]] const bool planFrameRegistered_##Class = ::plan::shell::FrameRegistry::add(   \
        QStringLiteral(#Class), []() -> ::plan::shell::TPlanFrame* { return new Class(); });        \
    }
