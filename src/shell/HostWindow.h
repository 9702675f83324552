#pragma once
// The host window family: the frame bar on the left, the splitter, the
// report panel on the right with the embedded preview, the status bar with
// the progress bar. The six host windows differ only in their traits (bar,
// section of "reports.ini", item table, progress bar, close-with-preview
// flag, end-of-document handler) and in small extras of their own classes.
#include "platform/Connection.h"
#include "platform/ReportHost.h"
#include "shell/PlanWindow.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

class QLabel;
class QProgressBar;
class QSplitter;
class QStatusBar;

namespace plan {
class Dataset;
class ReportComponent;
} // namespace plan

namespace plan::shell {

class TFrameBar;
class TPlanFrame;

// One bar item: its caption, the key that switches it in "reports.ini"
// (the caption when empty), the frame class, and the argument of FunStart.
struct HostItem {
    QString caption;
    QString frameClass;
    QString switchKey;
    bool hasArgument = false;
    QString argument;

    QString key() const { return switchKey.isEmpty() ? caption : switchKey; }
};

struct HostTraits {
    QString className;   // "TfrmPlanPrognoz"
    QString windowKey;   // "frmPlanPrognoz"
    QString caption;     // caption set by the entry point
    QString section;     // section of "reports.ini"
    QString switchFile;  // "reports.ini" (found without regard to case)
    QString barName;     // "BarSpravka" or "BarVS"
    int barWidth = 240;
    QString reportPanelName = QStringLiteral("PanReport");
    int datasetCount = 2;
    bool progressBar = true;
    bool closeWithPreviewFlag = false;
    bool endDocHandler = true;
    // The bar, splitter and report panel sit in PanBottom, which frames
    // disable while they work (instead of the bar).
    bool panBottom = false;
    // The host gives a new frame the bar's height below the titles.
    bool fitFrameHeight = true;
    std::vector<HostItem> items;
};

// The captions the bar of a window holds as "reports.ini" switches it, in
// item-table order.
QStringList switchedItems(const HostTraits& traits);

class THostWindow : public TPlanWindow, public ReportHost {
    Q_OBJECT
public:
    // Builds the controls and runs FormCreate (opens the connection: a
    // failure raises plan::DbError).
    explicit THostWindow(const HostTraits& traits, QWidget* parent = nullptr);
    ~THostWindow() override;

    const HostTraits& traits() const { return m_traits; }

    // Report datasets 1..3 handed over by the entry point.
    void setReportDatasets(Dataset* d1, Dataset* d2 = nullptr, Dataset* d3 = nullptr);
    Dataset* reportDataset(int n) const;

    // Geometry from the settings file, then the bar.
    void FunStart() override;
    // Rebuilds the bar from "reports.ini" (FunBarSpravka / FunBarVS).
    void FunBarVS();
    void restoreDefaultPosition(double scale) override;

    // Opens the bar item of that caption as a click on its title would,
    // without catching what the frame raises. Throws when the bar has no
    // such item.
    TPlanFrame* openItem(const QString& caption);
    TFrameBar* bar() const { return m_bar; }
    QWidget* reportPanel() const { return PanReport; }
    QWidget* panBottom() const { return PanBottom; }
    QProgressBar* progressBar() const { return ProgressBar; }
    QStatusBar* statusBar() const { return StBar; }
    // What the last run produced ("Страниц: 3, строк: 154, 1,2 с"), at the
    // right of the status bar.
    QString producedText() const;
    // The embedded preview (nullptr until a report has been shown).
    QWidget* previewWindow() const { return m_preview; }
    int endDocCounter() const { return m_endDocCounter; }
    int closeWithPreview() const { return m_closeWithPreview; }
    QString openingCaption() const { return m_openingCaption; }

    // ReportHost
    QString windowKey() const override;
    ReportComponent* reportComponent() override { return frxReport; }
    void progressStart(int n) override;
    void progressPulse();
    void progressStep() override;
    void progressReset() override;
    void beginBusy() override;
    void endBusy() override;

    // The connection all frames of the window use, and the report component.
    Connection ADOConPdo;
    ReportComponent* frxReport = nullptr;

public slots:
    void frxReportPreview();
    void frxReportClosePreview();
    void frxReportEndDoc();

protected:
    void FormCreate();
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The bar's frame-creation handler (BarSpravkaItemsCreateFrame / BarVSItemsCreateFrame).
    QWidget* BarVSItemsCreateFrame(int index);

private:
    const HostItem* itemOf(const QString& caption) const;
    QWidget* barHolder() const;

    HostTraits m_traits;
    TFrameBar* m_bar = nullptr;
    QSplitter* sSplitter4 = nullptr;
    QWidget* PanReport = nullptr;
    QWidget* PanBottom = nullptr;
    QStatusBar* StBar = nullptr;
    QLabel* m_panel1 = nullptr;
    QLabel* m_panel2 = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QPointer<QWidget> m_preview;
    Dataset* m_datasets[3] = {nullptr, nullptr, nullptr};
    int m_endDocCounter = -1;
    int m_closeWithPreview = 0;
    QString m_openingCaption;
    int m_busyDepth = 0;
    bool m_counted = false; // the frame counts its own steps this run
    QElapsedTimer m_runTimer;
    bool m_endDocWhileBusy = false;
};

} // namespace plan::shell
