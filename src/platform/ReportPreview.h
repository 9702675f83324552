#pragma once
// The preview of a report component: one prepared page at a time in a scroll
// area, with page navigation, zoom, printing, export to PDF and a close
// button. The host window embeds it in its report panel.
#include <QPointer>
#include <QWidget>

class QLabel;
class QScrollArea;
class QToolButton;

namespace plan {

class ReportComponent;

class ReportPreview : public QWidget {
    Q_OBJECT
public:
    explicit ReportPreview(ReportComponent* component, QWidget* parent = nullptr);
    ~ReportPreview() override;

    // Re-reads the prepared pages (called by the component after each show);
    // the first page is shown.
    void refresh();
    // The component is going away: show nothing from now on.
    void detach();

    int pageCount() const;
    int currentPage() const { return m_page; } // 0-based
    void setCurrentPage(int index);
    // "Стр. N из M" as the navigation label shows it.
    QString pageLabelText() const;

    // 1.0 = actual size on a 96 dpi screen.
    double zoom() const { return m_zoom; }
    void setZoom(double z);
    bool fitsWidth() const { return m_fitWidth; }

public slots:
    void firstPage();
    void priorPage();
    void nextPage();
    void lastPage();
    void zoomIn();
    void zoomOut();
    void fitWidth();
    // Opens the print dialog and prints.
    void print();
    // Asks for a file name and exports the prepared pages to PDF.
    void exportPdf();
    // Asks for a file name and exports the printed tables to a spreadsheet / CSV.
    void exportXlsx();
    void exportCsv();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void updatePage();
    void updateButtons();
    // Asks for a file of the kind and writes it; a failure is shown, naming the file.
    void exportTo(const QString& caption, const QString& fileName, const QString& filter,
                  void (ReportComponent::*write)(const QString&) const);
    double fitWidthZoom() const;

    QPointer<ReportComponent> m_component;
    QScrollArea* m_scroll = nullptr;
    QLabel* m_image = nullptr;
    QLabel* m_pageLabel = nullptr;
    QToolButton* m_first = nullptr;
    QToolButton* m_prior = nullptr;
    QToolButton* m_next = nullptr;
    QToolButton* m_last = nullptr;
    QToolButton* m_print = nullptr;
    QToolButton* m_pdf = nullptr;
    QToolButton* m_xlsx = nullptr;
    QToolButton* m_csv = nullptr;
    int m_page = 0;
    double m_zoom = 1.0;
    bool m_fitWidth = true;
    bool m_stale = true; // the shown page is not the current one yet
};

} // namespace plan
