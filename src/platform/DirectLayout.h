// Pages of a prepared document laid out and painted without QTextDocument.
//
// Reports print long tables: the complex forecast of a large fleet runs to
// hundreds of pages of a few hundred cells each. QTextDocument spends about
// 150 microseconds on every cell (reading the HTML into its structure and
// laying it out) and as much again painting it, which makes a page cost tens
// of milliseconds. The documents the templates make use a small part of HTML:
// paragraphs and tables of text cells, bold and italic, line breaks, a few
// classes from the shared style sheet. This layout reads that part directly,
// measures words with the glyph advances of the font, and paints lines of
// glyphs, at a few milliseconds a page.
//
// A document with anything outside that part (another element, a nested
// table, an unknown style property, a character the font has no glyph for, a
// row or paragraph taller than a page) is refused, with the reason, and is
// laid out by QTextDocument as before.
//
// The rules of the layout (the same as the pages QTextDocument makes, up to
// where exactly a long cell wraps):
//   - a table's columns take their width from the cells' width attributes
//     (per cent of the table, or pixels); columns without one share what is
//     left by the width of their content; no column is narrower than its
//     longest word;
//   - a row is never split over two pages; rows joined by a rowspan stay
//     together; the head rows (<thead>) are repeated at the top of every page
//     the table continues on;
//   - a row or paragraph with the keep-with-next anchor stays on the page of
//     what follows it;
//   - the signature block (the last one in the document) takes the last three
//     body rows before it along to its page.
#pragma once

#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;

namespace plan {

struct PageSetup;

class DirectPages {
public:
    // The pages of the document on a page body of `body` (LayoutDpi pixels),
    // or nullptr when the document is outside what this layout reads;
    // `why` then says what it met.
    static std::unique_ptr<DirectPages> layOut(const QString& html, const PageSetup& setup, const QSizeF& body,
                                               QString* why = nullptr);
    ~DirectPages();
    DirectPages(const DirectPages&) = delete;
    DirectPages& operator=(const DirectPages&) = delete;

    int pageCount() const;
    // True when a colspan ran past the last column any cell starts in (a
    // template that counts its columns wrong); the span was cut there.
    bool spanTrimmed() const;
    // The lines of a page, each followed by "\n"; head rows repeated on a
    // later page are not in its text.
    QString pageText(int page) const;
    // Paints a page on a painter whose origin is the top-left corner of the
    // page body and whose units are LayoutDpi pixels.
    void paint(QPainter* p, int page) const;

    struct Data;

private:
    explicit DirectPages(std::unique_ptr<Data> d);
    std::unique_ptr<Data> d;
};

} // namespace plan
