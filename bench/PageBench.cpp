// Timing of pagination and painting of long documents: a table of 30 cells a
// row in the house style (landscape A4, 8 pt, heading, repeated head,
// signature block), long enough for each page count asked for. Prints, per
// document, the layout time (the first pageCount()), and the paint time of
// every page into an image at 100 dpi and into a PDF (first page, last page,
// mean), in milliseconds of the thread's processor time (the machine may be
// busy with other work; wall time would count that too).
//
//   bench_pages [--png DIR] [--sample] [PAGES]...        (default 30 300 750)
// With --png the first and the last page of each document are saved there;
// with --sample only the first, the middle and the last five pages are
// painted (the mean is theirs).
#include "platform/TemplateRenderer.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// Milliseconds of processor time this thread has used.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

QString document(int rows)
{
    QFile style(QStringLiteral(PLAN_SOURCE_DIR "/templates/_style.html"));
    style.open(QIODevice::ReadOnly);
    QString html = QStringLiteral("<html><head><meta name=\"plan-page\" content=\"A4 landscape; margins 10 10 10 15mm; "
                                  "font 8pt\">") +
                   QString::fromUtf8(style.readAll()) +
                   QStringLiteral("</head><body><p><b>Формуляр</b></p><table class=\"grid\" width=\"100%\" border=\"1\" "
                                  "cellspacing=\"0\" cellpadding=\"1\"><thead><tr>");
    for (int c = 1; c <= 30; ++c) html += QStringLiteral("<th width=\"3%\">Гр. %1</th>").arg(c);
    html += QStringLiteral("</tr></thead>\n");
    for (int r = 1; r <= rows; ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 1; c <= 30; ++c)
            html += c == 1 ? QStringLiteral("<td>%1</td>").arg(r % 10000) : QStringLiteral("<td class=\"r\">%1</td>").arg((r * c) % 1000);
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table><p>&nbsp;</p><table class=\"signatures\"><tr><td><a name=\"signatures\"></a>"
                           "Начальник ИАС</td><td>________</td><td>Иванов И.И.</td></tr><tr><td colspan=\"3\">Дата</td>"
                           "</tr></table></body></html>");
    return html;
}

struct PaintTimes {
    double first = 0, last = 0, mean = 0, max = 0;
};

template <class Paint> PaintTimes timePages(int pages, bool sample, Paint paint)
{
    PaintTimes t;
    double sum = 0;
    int painted = 0;
    for (int i = 0; i < pages; ++i) {
        const bool inSample = i < 5 || (i >= pages / 2 - 2 && i < pages / 2 + 3) || i >= pages - 5;
        if (sample && !inSample) continue;
        ++painted;
        const double start = cpuMs();
        paint(i);
        const double ms = cpuMs() - start;
        if (i == 0) t.first = ms;
        t.last = ms;
        t.max = std::max(t.max, ms);
        sum += ms;
    }
    t.mean = painted ? sum / painted : 0;
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    std::vector<int> wanted;
    QString pngDir;
    bool sample = false;
    for (int i = 1; i < argc; ++i) {
        if (QString::fromUtf8(argv[i]) == QLatin1String("--png") && i + 1 < argc) pngDir = QString::fromUtf8(argv[++i]);
        else if (QString::fromUtf8(argv[i]) == QLatin1String("--sample")) sample = true;
        else wanted.push_back(std::atoi(argv[i]));
    }
    if (wanted.empty()) wanted = {30, 300, 750};

    // Rows a page holds, from a short document.
    const int probeRows = 400;
    const int probePages = plan::PagedDocument(document(probeRows), plan::TemplateRenderer::pageSetup(document(1))).pageCount();
    const double rowsPerPage = static_cast<double>(probeRows) / probePages;

    std::printf("pages  rows   layout_ms  layout_ms/page  png_first  png_last  png_mean  png_max  pdf_first  pdf_last  pdf_mean  pdf_max\n");
    for (const int want : wanted) {
        const int rows = static_cast<int>(want * rowsPerPage);
        const QString html = document(rows);
        const double start = cpuMs();
        const plan::PagedDocument doc(html, plan::TemplateRenderer::pageSetup(html));
        const int pages = doc.pageCount();
        const double layoutMs = cpuMs() - start;

        const double dpi = 100;
        const QSizeF pt = doc.pageSizePt();
        QImage img(qRound(pt.width() / 72.0 * dpi), qRound(pt.height() / 72.0 * dpi), QImage::Format_RGB32);
        const PaintTimes png = timePages(pages, sample, [&](int i) {
            img.fill(Qt::white);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.scale(dpi / plan::PagedDocument::LayoutDpi, dpi / plan::PagedDocument::LayoutDpi);
            doc.paintPage(&p, i, i + 1, pages);
            p.end();
            if (!pngDir.isEmpty() && (i == 0 || i == pages - 1))
                img.save(QStringLiteral("%1/%2-%3.png").arg(pngDir).arg(want).arg(i + 1));
        });

        const QString pdfPath = QStringLiteral("/tmp/bench_pages_%1.pdf").arg(want);
        QPdfWriter writer(pdfPath);
        writer.setResolution(plan::PagedDocument::LayoutDpi);
        writer.setPageLayout(doc.setup().layout());
        QPainter p(&writer);
        bool firstPdfPage = true;
        const PaintTimes pdf = timePages(pages, sample, [&](int i) {
            if (!firstPdfPage) writer.newPage();
            firstPdfPage = false;
            doc.paintPage(&p, i, i + 1, pages);
        });
        p.end();
        QFile::remove(pdfPath);

        std::printf("%5d  %5d  %9.0f  %14.1f  %9.1f  %8.1f  %8.1f  %7.1f  %9.1f  %8.1f  %8.1f  %7.1f\n", pages, rows, layoutMs,
                    layoutMs / pages, png.first, png.last, png.mean, png.max, pdf.first, pdf.last, pdf.mean, pdf.max);
        std::fflush(stdout);
    }
    return 0;
}
