#include "platform/DirectLayout.h"

#include "platform/TemplateRenderer.h"

#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

namespace plan {
namespace {

constexpr double Dpi = PagedDocument::LayoutDpi;
double fromPx(double px) { return px * Dpi / 96.0; } // lengths of the HTML are pixels of 96 dpi
double fromPt(double pt) { return pt * Dpi / 72.0; }

// Marks in the text of a cell or paragraph; a line break is '\n'.
constexpr char16_t BoldOn = 0xE000, BoldOff = 0xE001, ItalicOn = 0xE002, ItalicOff = 0xE003;
constexpr char16_t Shy = 0x00AD, Nbsp = 0x00A0;
bool isMark(char16_t c) { return c >= BoldOn && c <= ItalicOff; }

struct Refused {
    QString why;
};
[[noreturn]] void refuse(const QString& why) { throw Refused{why}; }

// ------------------------------------------------------------ style

enum class Align { Left, Center, Right };
enum class VAlign { Top, Middle, Bottom };

struct Style {
    double fontPt = 9;
    bool bold = false, italic = false, nowrap = false;
    QRgb color = qRgb(0, 0, 0);
    Align align = Align::Left;
    // not inherited
    VAlign valign = VAlign::Top;
    QRgb background = 0;
    bool hasBackground = false;
    double marginTop = 12, marginBottom = 12; // pixels, a paragraph's
    double pad[4] = {-1, -1, -1, -1};           // top, right, bottom, left pixels; -1: the table's cellpadding
    bool pageBreakBefore = false;

    Style inherited() const
    {
        Style s;
        s.fontPt = fontPt;
        s.bold = bold;
        s.italic = italic;
        s.nowrap = nowrap;
        s.color = color;
        s.align = align;
        return s;
    }
    bool operator==(const Style&) const = default;
};

QRgb parseColor(const QString& v)
{
    const QColor c = QColor::fromString(v.trimmed());
    if (!c.isValid()) refuse(QStringLiteral("цвет «%1»").arg(v));
    return c.rgb();
}

double parseLengthPx(const QString& v, double fontPt)
{
    const QString s = v.trimmed().toLower();
    bool ok = false;
    double n = 0;
    if (s == QLatin1String("0")) return 0;
    if (s.endsWith(QLatin1String("px"))) n = s.chopped(2).toDouble(&ok);
    else if (s.endsWith(QLatin1String("pt"))) n = s.chopped(2).toDouble(&ok) * 96.0 / 72.0;
    else if (s.endsWith(QLatin1String("em"))) n = s.chopped(2).toDouble(&ok) * fontPt * 96.0 / 72.0;
    if (!ok) refuse(QStringLiteral("длина «%1»").arg(v));
    return n;
}

void applyDeclaration(Style& s, const QString& property, const QString& value)
{
    const QString p = property.trimmed().toLower();
    const QString v = value.trimmed().toLower();
    if (p == QLatin1String("font-family")) {
        QString family = value.trimmed();
        family.remove(QLatin1Char('"')).remove(QLatin1Char('\''));
        if (family.split(QLatin1Char(',')).first().trimmed() != QLatin1String("DejaVu Sans"))
            refuse(QStringLiteral("шрифт «%1»").arg(value));
    } else if (p == QLatin1String("font-size")) {
        s.fontPt = parseLengthPx(v, s.fontPt) * 72.0 / 96.0;
        if (s.fontPt <= 0) refuse(QStringLiteral("font-size: %1").arg(value));
    } else if (p == QLatin1String("font-weight")) {
        s.bold = v == QLatin1String("bold") || v == QLatin1String("bolder") || v.toInt() >= 600;
    } else if (p == QLatin1String("font-style")) {
        s.italic = v == QLatin1String("italic") || v == QLatin1String("oblique");
    } else if (p == QLatin1String("color")) {
        s.color = parseColor(v);
    } else if (p == QLatin1String("background-color") || p == QLatin1String("background")) {
        s.hasBackground = v != QLatin1String("transparent");
        if (s.hasBackground) s.background = parseColor(v);
    } else if (p == QLatin1String("text-align")) {
        if (v == QLatin1String("left")) s.align = Align::Left;
        else if (v == QLatin1String("center")) s.align = Align::Center;
        else if (v == QLatin1String("right")) s.align = Align::Right;
        else refuse(QStringLiteral("text-align: %1").arg(value));
    } else if (p == QLatin1String("vertical-align")) {
        if (v == QLatin1String("top")) s.valign = VAlign::Top;
        else if (v == QLatin1String("middle")) s.valign = VAlign::Middle;
        else if (v == QLatin1String("bottom")) s.valign = VAlign::Bottom;
        else refuse(QStringLiteral("vertical-align: %1").arg(value));
    } else if (p == QLatin1String("white-space")) {
        s.nowrap = v == QLatin1String("nowrap");
    } else if (p == QLatin1String("margin-top")) {
        s.marginTop = parseLengthPx(v, s.fontPt);
    } else if (p == QLatin1String("margin-bottom")) {
        s.marginBottom = parseLengthPx(v, s.fontPt);
    } else if (p == QLatin1String("padding")) {
        const double n = parseLengthPx(v, s.fontPt);
        std::fill(s.pad, s.pad + 4, n);
    } else if (p == QLatin1String("padding-top")) {
        s.pad[0] = parseLengthPx(v, s.fontPt);
    } else if (p == QLatin1String("padding-right")) {
        s.pad[1] = parseLengthPx(v, s.fontPt);
    } else if (p == QLatin1String("padding-bottom")) {
        s.pad[2] = parseLengthPx(v, s.fontPt);
    } else if (p == QLatin1String("padding-left")) {
        s.pad[3] = parseLengthPx(v, s.fontPt);
    } else if (p == QLatin1String("page-break-before")) {
        s.pageBreakBefore = v == QLatin1String("always");
    } else if (p == QLatin1String("border-collapse") || p == QLatin1String("page-break-inside")) {
        // grid lines are always drawn collapsed
    } else {
        refuse(QStringLiteral("свойство стиля «%1»").arg(property.trimmed()));
    }
}

void applyDeclarations(Style& s, const QString& text)
{
    for (const QString& d : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (d.trimmed().isEmpty()) continue;
        const int colon = static_cast<int>(d.indexOf(QLatin1Char(':')));
        if (colon < 0) refuse(QStringLiteral("стиль «%1»").arg(d.trimmed()));
        applyDeclaration(s, d.left(colon), d.mid(colon + 1));
    }
}

// An element as selectors see it.
struct Element {
    QString tag;
    QStringList classes;
};

struct Compound {
    QString tag; // empty: any
    QStringList classes;
    bool matches(const Element& e) const
    {
        if (!tag.isEmpty() && tag != e.tag) return false;
        for (const QString& c : classes)
            if (!e.classes.contains(c)) return false;
        return true;
    }
};

struct Rule {
    std::vector<Compound> chain; // descendant combinators only
    int specificity = 0;
    QString declarations;
};

// Applies the declarations to a style as a test run, so that a rule with a
// property the layout does not know is refused when the sheet is read.
void checkDeclarations(const QString& text)
{
    Style s;
    applyDeclarations(s, text);
}

class StyleSheet {
public:
    void add(const QString& css)
    {
        static const QRegularExpression comments(QStringLiteral("/\\*.*?\\*/"),
                                                 QRegularExpression::DotMatchesEverythingOption);
        QString text = css;
        text.remove(comments);
        text.remove(QLatin1String("<!--")).remove(QLatin1String("-->"));
        int i = 0;
        while (true) {
            const int open = static_cast<int>(text.indexOf(QLatin1Char('{'), i));
            if (open < 0) {
                if (!text.mid(i).trimmed().isEmpty()) refuse(QStringLiteral("таблица стилей"));
                break;
            }
            const int close = static_cast<int>(text.indexOf(QLatin1Char('}'), open));
            if (close < 0) refuse(QStringLiteral("таблица стилей"));
            const QString selectors = text.mid(i, open - i);
            const QString decls = text.mid(open + 1, close - open - 1);
            if (selectors.contains(QLatin1Char('@'))) refuse(QStringLiteral("правило «%1»").arg(selectors.trimmed()));
            checkDeclarations(decls);
            for (const QString& sel : selectors.split(QLatin1Char(','))) {
                Rule r;
                r.declarations = decls;
                for (const QString& part : sel.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                    static const QRegularExpression compound(QStringLiteral("^([a-z][a-z0-9]*)?((\\.[A-Za-z0-9_-]+)*)$"));
                    const QRegularExpressionMatch m = compound.match(part);
                    if (!m.hasMatch() || part.isEmpty()) refuse(QStringLiteral("селектор «%1»").arg(sel.trimmed()));
                    Compound c;
                    c.tag = m.captured(1);
                    c.classes = m.captured(2).split(QLatin1Char('.'), Qt::SkipEmptyParts);
                    r.specificity += static_cast<int>(c.classes.size()) * 10 + (c.tag.isEmpty() ? 0 : 1);
                    r.chain.push_back(c);
                }
                if (r.chain.empty()) refuse(QStringLiteral("селектор «%1»").arg(sel.trimmed()));
                m_rules.push_back(r);
            }
            i = close + 1;
        }
        std::stable_sort(m_rules.begin(), m_rules.end(),
                         [](const Rule& a, const Rule& b) { return a.specificity < b.specificity; });
    }

    // Applies the rules that select the last element of `path` (its
    // ancestors before it), in the order of their specificity.
    void apply(Style& s, const std::vector<Element>& path) const
    {
        for (const Rule& r : m_rules)
            if (matches(r, path)) applyDeclarations(s, r.declarations);
    }

private:
    static bool matches(const Rule& r, const std::vector<Element>& path)
    {
        if (path.empty() || !r.chain.back().matches(path.back())) return false;
        int e = static_cast<int>(path.size()) - 2;
        for (int c = static_cast<int>(r.chain.size()) - 2; c >= 0; --c) {
            while (e >= 0 && !r.chain[static_cast<size_t>(c)].matches(path[static_cast<size_t>(e)])) --e;
            if (e < 0) return false;
            --e;
        }
        return true;
    }

    std::vector<Rule> m_rules;
};

// ------------------------------------------------------------ the document

struct Cell {
    QString text; // with marks
    int style = 0;
    int row = 0, col = 0, rowspan = 1, colspan = 1;
    double widthPct = 0, widthPx = 0;
    double contentHeight = 0;
};

struct Table {
    double widthPct = 0, widthPx = 0; // none: as wide as its content
    double border = 0;                 // line thickness, device pixels
    double padding = 1;                // cellpadding, HTML pixels
    int headRows = 0;
    int rows = 0, columns = 0;
    std::vector<Cell> cells;     // in the order of the HTML: row by row
    std::vector<int> rowStart;   // the first cell of each row, and cells.size()
    std::vector<double> colX;    // columns + 1 edges, from the table's left
    std::vector<double> rowHeight;
    double headHeight = 0;
};

struct Paragraph {
    QString text;
    int style = 0;
    double height = 0;
};

struct Block {
    bool table = false;
    int index = 0; // into paragraphs or tables
};

// An item of the flow: a paragraph, or body rows of a table that stay
// together.
struct Item {
    int block = 0;
    int rowFrom = 0, rowTo = 0;
    double height = 0;
    bool keep = false;       // stays on the page of the next item
    bool signatures = false; // holds the signatures anchor
    bool breakBefore = false;
    bool tall = false;       // a row taller than a page: split by lines
};

// The part of a tall row on one page: the lines of each of its cells.
struct Slice {
    std::vector<std::pair<int, int>> lines; // per cell of the row, [from, to)
    double height = 0;
};

struct Placed {
    int block = 0;
    double y = 0;
    int rowFrom = 0, rowTo = 0;
    bool head = false;      // the table's head rows stand at y, the rows below them
    bool firstHead = false; // that head begins the table (its text belongs to this page)
    int slice = -1;         // the part of a tall row shown here
};

// ------------------------------------------------------------ fonts

struct Font {
    QRawFont raw;
    double ascent = 0, height = 0;
    std::array<float, 0x500> advance;
    std::array<quint32, 0x500> glyph;
    QHash<char16_t, std::pair<float, quint32>> others;

    void load(char16_t c)
    {
        const QString s(QChar{c});
        const QList<quint32> g = raw.glyphIndexesForString(s);
        const quint32 index = g.isEmpty() ? 0 : g.first();
        if (index == 0 && c > 0x20) refuse(QStringLiteral("знак U+%1 без начертания в шрифте").arg(int(c), 4, 16, QLatin1Char('0')));
        const QList<QPointF> a = raw.advancesForGlyphIndexes(QList<quint32>{index}, QRawFont::UseDesignMetrics);
        const float w = a.isEmpty() ? 0.f : static_cast<float>(a.first().x());
        if (c < advance.size()) {
            advance[c] = w;
            glyph[c] = index;
        } else {
            others.insert(c, {w, index});
        }
    }
    float width(char16_t c)
    {
        if (c < advance.size()) {
            if (std::isnan(advance[c])) load(c);
            return advance[c];
        }
        auto it = others.constFind(c);
        if (it == others.constEnd()) {
            load(c);
            it = others.constFind(c);
        }
        return it->first;
    }
    quint32 glyphOf(char16_t c)
    {
        width(c);
        return c < advance.size() ? glyph[c] : others.value(c).second;
    }
};

class Fonts {
public:
    int index(double pt, bool bold, bool italic)
    {
        const int key = static_cast<int>(std::lround(pt * 100)) * 4 + (bold ? 2 : 0) + (italic ? 1 : 0);
        const auto it = m_index.find(key);
        if (it != m_index.end()) return it->second;
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(100);
        f.setBold(bold);
        f.setItalic(italic);
        auto font = std::make_unique<Font>();
        font->raw = QRawFont::fromFont(f);
        if (!font->raw.isValid() || !font->raw.familyName().startsWith(QLatin1String("DejaVu Sans")))
            refuse(QStringLiteral("шрифт DejaVu Sans недоступен"));
        font->raw.setPixelSize(fromPt(pt));
        font->ascent = font->raw.ascent();
        font->height = font->raw.ascent() + font->raw.descent() + std::max(0.0, font->raw.leading());
        font->advance.fill(std::numeric_limits<float>::quiet_NaN());
        font->width(u' ');
        font->width(u'-');
        m_fonts.push_back(std::move(font));
        const int i = static_cast<int>(m_fonts.size()) - 1;
        m_index[key] = i;
        return i;
    }
    Font& operator[](int i) { return *m_fonts[static_cast<size_t>(i)]; }

private:
    std::map<int, int> m_index;
    std::vector<std::unique_ptr<Font>> m_fonts;
};

// ------------------------------------------------------------ lines

// A run of text of one font on a line.
struct Piece {
    int font = 0;
    int from = 0, to = 0; // in the text
    double x = 0;
};

struct Line {
    int firstPiece = 0, endPiece = 0;
    double width = 0, height = 0, ascent = 0;
    bool hyphen = false; // broken at a soft hyphen: a '-' ends it
};

// True when a blank stands before position `from` of a text with marks.
bool blankBefore(const QString& text, int from)
{
    int k = from - 1;
    while (k >= 0 && isMark(text[k].unicode())) --k;
    return k >= 0 && text[k] == QLatin1Char(' ');
}

// True when a soft hyphen stands before position `from`.
bool softBefore(const QString& text, int from)
{
    int k = from - 1;
    while (k >= 0 && isMark(text[k].unicode())) --k;
    return k >= 0 && text[k].unicode() == Shy;
}

// Breaks a text with marks into lines of at most `width` (no limit when
// negative). Words are separated by blanks; a soft hyphen may break a word;
// a word longer than a line is broken after its last hyphen that fits, else
// where it must.
class LineBreaker {
public:
    LineBreaker(Fonts& fonts) : m_fonts(fonts) {}

    std::vector<Line> lines;
    std::vector<Piece> pieces;

    // A nowrap text keeps one line unless that is wider than `width` (a
    // table too wide for the page shrank its column): then it wraps rather
    // than print over its neighbour.
    void run(const QString& text, const Style& style, double width)
    {
        runWithin(text, style, style.nowrap ? -1 : width);
        if (style.nowrap && width >= 0)
            for (const Line& l : lines)
                if (l.width > width + 0.01) {
                    runWithin(text, style, width);
                    break;
                }
    }

    void runWithin(const QString& text, const Style& style, double width)
    {
        lines.clear();
        pieces.clear();
        m_text = &text;
        m_width = width;
        int bold = style.bold ? 1 : 0, italic = style.italic ? 1 : 0;
        m_base = m_fonts.index(style.fontPt, bold > 0, italic > 0);
        int font = m_base;
        startLine();
        const int n = static_cast<int>(text.size());
        // The word being gathered: pieces [wordPiece, pieces.size()) and its width.
        int wordPiece = 0;
        double wordWidth = 0;
        double gap = 0; // the blank before the word, when the line has something
        bool softBefore = false;
        auto flushWord = [&] {
            if (static_cast<int>(pieces.size()) == wordPiece) return;
            Line& line = lines.back();
            const bool empty = line.endPiece == line.firstPiece;
            const double g = empty ? 0 : gap;
            if (!empty && m_width >= 0 && line.width + g + wordWidth > m_width + 0.01) {
                // The word starts the next line.
                std::vector<Piece> word(pieces.begin() + wordPiece, pieces.end());
                pieces.resize(static_cast<size_t>(wordPiece));
                line.hyphen = softBefore;
                startLine();
                for (Piece& p : word) addPiece(p);
            } else {
                double x = line.width + g;
                for (int i = wordPiece; i < static_cast<int>(pieces.size()); ++i) {
                    pieces[static_cast<size_t>(i)].x = x;
                    x += runWidth(pieces[static_cast<size_t>(i)]);
                    noteFont(pieces[static_cast<size_t>(i)].font);
                }
                line.width = x;
                line.endPiece = static_cast<int>(pieces.size());
            }
            // A word wider than its line is cut where it must.
            if (m_width >= 0 && lines.back().width > m_width + 0.01) cutLine();
            wordPiece = static_cast<int>(pieces.size());
            wordWidth = 0;
            gap = 0;
            softBefore = false;
        };
        for (int i = 0; i < n;) {
            const char16_t c = text[i].unicode();
            if (c == u'\n') {
                flushWord();
                startLine();
                ++i;
            } else if (c == u' ') {
                flushWord();
                gap = m_fonts[font].width(u' ');
                ++i;
            } else if (c == Shy) {
                flushWord();
                softBefore = true;
                ++i;
            } else if (isMark(c)) {
                if (c == BoldOn) ++bold;
                else if (c == BoldOff) bold = std::max(0, bold - 1);
                else if (c == ItalicOn) ++italic;
                else italic = std::max(0, italic - 1);
                font = m_fonts.index(style.fontPt, bold > 0, italic > 0);
                ++i;
            } else {
                int j = i;
                double w = 0;
                Font& f = m_fonts[font];
                while (j < n) {
                    const char16_t d = text[j].unicode();
                    if (d == u'\n' || d == u' ' || d == Shy || isMark(d)) break;
                    w += f.width(d);
                    ++j;
                }
                Piece p;
                p.font = font;
                p.from = i;
                p.to = j;
                pieces.push_back(p);
                wordWidth += w;
                i = j;
            }
        }
        flushWord();
    }

    double textHeight() const
    {
        double h = 0;
        for (const Line& l : lines) h += l.height;
        return h;
    }

    // The widest word (what a column cannot be narrower than) and the widest
    // line without wrapping.
    std::pair<double, double> widths(const QString& text, const Style& style)
    {
        run(text, style, -1);
        double widest = 0, longest = 0;
        for (const Line& l : lines) {
            longest = std::max(longest, l.width);
            if (style.nowrap) continue;
            // Words: pieces that touch (no blank or soft hyphen between).
            double word = 0;
            for (int i = l.firstPiece; i < l.endPiece; ++i) {
                const Piece& p = pieces[static_cast<size_t>(i)];
                const bool joined = i > l.firstPiece && !blankBefore(*m_text, p.from) && !softBefore(*m_text, p.from);
                const double w = runWidth(p);
                word = joined ? word + w : w;
                widest = std::max(widest, word);
            }
        }
        return {style.nowrap ? longest : widest, longest};
    }

    double runWidth(const Piece& p) const
    {
        double w = 0;
        Font& f = m_fonts[p.font];
        for (int i = p.from; i < p.to; ++i) w += f.width((*m_text)[i].unicode());
        return w;
    }

    const QString& text() const { return *m_text; }

private:
    void startLine()
    {
        Line l;
        l.firstPiece = l.endPiece = static_cast<int>(pieces.size());
        lines.push_back(l);
        noteFont(m_base);
    }
    void noteFont(int font)
    {
        Line& l = lines.back();
        const Font& f = m_fonts[font];
        l.height = std::max(l.height, f.height);
        l.ascent = std::max(l.ascent, f.ascent);
    }
    void addPiece(Piece p)
    {
        Line& line = lines.back();
        p.x = line.width;
        line.width += runWidth(p);
        noteFont(p.font);
        pieces.push_back(p);
        line.endPiece = static_cast<int>(pieces.size());
    }
    // The last line is wider than allowed: it holds one long word; cut it
    // into lines character by character.
    void cutLine()
    {
        Line line = lines.back();
        std::vector<Piece> word(pieces.begin() + line.firstPiece, pieces.begin() + line.endPiece);
        pieces.resize(static_cast<size_t>(line.firstPiece));
        lines.pop_back();
        startLine();
        for (Piece p : word) {
            Font& f = m_fonts[p.font];
            int i = p.from;
            while (i < p.to) {
                Line& l = lines.back();
                int j = i;
                double w = 0;
                while (j < p.to) {
                    const double cw = f.width(m_text->at(j).unicode());
                    if (l.width + w + cw > m_width + 0.01 && (j > i || l.endPiece > l.firstPiece)) break;
                    w += cw;
                    ++j;
                }
                // Cut after the last hyphen that fits ("Стартер-|генератор"), if any.
                if (j < p.to)
                    for (int k = j - 1; k > i; --k)
                        if (m_text->at(k - 1) == QLatin1Char('-')) {
                            j = k;
                            break;
                        }
                if (j > i) {
                    Piece part = p;
                    part.from = i;
                    part.to = j;
                    addPiece(part);
                    i = j;
                }
                if (i < p.to) startLine();
            }
        }
    }

    Fonts& m_fonts;
    const QString* m_text = nullptr;
    double m_width = -1;
    int m_base = 0;
};

// ------------------------------------------------------------ reading the HTML

// The named characters of HTML 4 that the templates may use (those that
// QTextDocument knows too); any other is refused.
QString decodeEntity(QStringView name)
{
    static const QHash<QString, char16_t> named{
        {QStringLiteral("nbsp"), 0xA0},   {QStringLiteral("amp"), u'&'},     {QStringLiteral("lt"), u'<'},
        {QStringLiteral("gt"), u'>'},     {QStringLiteral("quot"), u'"'},
        {QStringLiteral("shy"), 0xAD},    {QStringLiteral("laquo"), 0xAB},   {QStringLiteral("raquo"), 0xBB},
        {QStringLiteral("mdash"), 0x2014}, {QStringLiteral("ndash"), 0x2013}, {QStringLiteral("hellip"), 0x2026},
        {QStringLiteral("deg"), 0xB0},    {QStringLiteral("times"), 0xD7},   {QStringLiteral("le"), 0x2264},
        {QStringLiteral("ge"), 0x2265},   {QStringLiteral("plusmn"), 0xB1},
        {QStringLiteral("minus"), 0x2212}, {QStringLiteral("middot"), 0xB7}, {QStringLiteral("bull"), 0x2022},
        {QStringLiteral("copy"), 0xA9},   {QStringLiteral("sect"), 0xA7}};
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint code = name.size() > 1 && (name[1] == u'x' || name[1] == u'X') ? name.mid(2).toUInt(&ok, 16)
                                                                                  : name.mid(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0xFFFF || (code >= 0xD800 && code < 0xE000) || isMark(char16_t(code)))
            refuse(QStringLiteral("знак «&%1;»").arg(name));
        return QString(QChar(char16_t(code)));
    }
    const auto it = named.constFind(name.toString());
    if (it == named.constEnd()) refuse(QStringLiteral("знак «&%1;»").arg(name));
    return QString(QChar(*it));
}

struct Tag {
    QString name; // lower case
    bool closing = false;
    QHash<QString, QString> attrs;
};

class Reader {
public:
    Reader(const QString& html) : m_html(html), m_n(static_cast<int>(html.size())) {}

    int pos = 0;

    bool atEnd() const { return pos >= m_n; }
    bool atTag() const { return pos < m_n && m_html[pos] == u'<'; }

    // The text up to the next tag (raw, entities not decoded).
    QStringView text()
    {
        const int from = pos;
        int i = static_cast<int>(m_html.indexOf(QLatin1Char('<'), pos));
        if (i < 0) i = m_n;
        pos = i;
        return QStringView(m_html).mid(from, i - from);
    }

    // The tag at pos (comments, <!...> and <?...> are skipped first); false
    // at the end.
    bool tag(Tag& t)
    {
        while (pos < m_n) {
            if (QStringView(m_html).mid(pos, 4) == QLatin1String("<!--")) {
                const int e = static_cast<int>(m_html.indexOf(QLatin1String("-->"), pos + 4));
                pos = e < 0 ? m_n : e + 3;
                continue;
            }
            if (pos + 1 < m_n && (m_html[pos + 1] == u'!' || m_html[pos + 1] == u'?')) {
                const int e = static_cast<int>(m_html.indexOf(QLatin1Char('>'), pos));
                pos = e < 0 ? m_n : e + 1;
                continue;
            }
            break;
        }
        if (pos >= m_n) return false;
        int j = pos + 1;
        t = Tag();
        if (j < m_n && m_html[j] == u'/') {
            t.closing = true;
            ++j;
        }
        const int nameStart = j;
        while (j < m_n && (m_html[j].isLetterOrNumber())) ++j;
        if (j == nameStart) refuse(QStringLiteral("знак «<» вне разметки"));
        t.name = m_html.mid(nameStart, j - nameStart).toLower();
        // attributes
        while (j < m_n) {
            while (j < m_n && m_html[j].isSpace()) ++j;
            if (j >= m_n) break;
            if (m_html[j] == u'>') {
                ++j;
                break;
            }
            if (m_html[j] == u'/') {
                ++j;
                continue;
            }
            const int a = j;
            while (j < m_n && !m_html[j].isSpace() && m_html[j] != u'=' && m_html[j] != u'>') ++j;
            const QString name = m_html.mid(a, j - a).toLower();
            QString value;
            while (j < m_n && m_html[j].isSpace()) ++j;
            if (j < m_n && m_html[j] == u'=') {
                ++j;
                while (j < m_n && m_html[j].isSpace()) ++j;
                if (j < m_n && (m_html[j] == u'"' || m_html[j] == u'\'')) {
                    const QChar q = m_html[j];
                    const int e = static_cast<int>(m_html.indexOf(q, j + 1));
                    if (e < 0) refuse(QStringLiteral("незакрытые кавычки в теге <%1>").arg(t.name));
                    value = decodeText(QStringView(m_html).mid(j + 1, e - j - 1));
                    j = e + 1;
                } else {
                    const int v = j;
                    while (j < m_n && !m_html[j].isSpace() && m_html[j] != u'>') ++j;
                    value = m_html.mid(v, j - v);
                }
            }
            t.attrs.insert(name, value);
        }
        pos = j;
        return true;
    }

    // Skips past the closing tag of a raw element (style, script, title).
    void skipPastClose(const QString& name)
    {
        const int e = static_cast<int>(m_html.indexOf(QLatin1String("</") + name, pos, Qt::CaseInsensitive));
        const int close = e < 0 ? -1 : static_cast<int>(m_html.indexOf(QLatin1Char('>'), e));
        pos = close < 0 ? m_n : close + 1;
    }

    static QString decodeText(QStringView s)
    {
        QString out;
        out.reserve(s.size());
        for (qsizetype i = 0; i < s.size(); ++i) {
            if (s[i] == u'&') {
                const qsizetype e = s.indexOf(u';', i);
                if (e > i && e - i <= 10) {
                    out += decodeEntity(s.mid(i + 1, e - i - 1));
                    i = e;
                    continue;
                }
                out += QLatin1Char('&');
                continue;
            }
            if (isMark(s[i].unicode())) refuse(QStringLiteral("служебный знак в тексте"));
            out += s[i];
        }
        return out;
    }

private:
    const QString& m_html;
    int m_n;
};

double htmlNumber(const QString& v, const QString& what)
{
    bool ok = false;
    const double n = QString(v).remove(QLatin1String("px")).trimmed().toDouble(&ok);
    if (!ok || n < 0) refuse(QStringLiteral("%1=\"%2\"").arg(what, v));
    return n;
}

// Reads "N%" or "N" (pixels).
void htmlWidth(const QString& v, double& pct, double& px)
{
    const QString s = v.trimmed();
    if (s.endsWith(QLatin1Char('%'))) pct = htmlNumber(s.chopped(1), QStringLiteral("width"));
    else px = htmlNumber(s, QStringLiteral("width"));
}

Align htmlAlign(const QString& v)
{
    const QString s = v.trimmed().toLower();
    if (s == QLatin1String("center") || s == QLatin1String("middle")) return Align::Center;
    if (s == QLatin1String("right")) return Align::Right;
    if (s == QLatin1String("left")) return Align::Left;
    refuse(QStringLiteral("align=\"%1\"").arg(v));
}

VAlign htmlVAlign(const QString& v)
{
    const QString s = v.trimmed().toLower();
    if (s == QLatin1String("middle") || s == QLatin1String("center")) return VAlign::Middle;
    if (s == QLatin1String("bottom")) return VAlign::Bottom;
    if (s == QLatin1String("top")) return VAlign::Top;
    refuse(QStringLiteral("valign=\"%1\"").arg(v));
}

void checkAttributes(const Tag& t, std::initializer_list<const char*> known)
{
    for (auto it = t.attrs.constBegin(); it != t.attrs.constEnd(); ++it) {
        bool ok = false;
        for (const char* k : known) ok = ok || it.key() == QLatin1String(k);
        if (!ok) refuse(QStringLiteral("атрибут %1 тега <%2>").arg(it.key(), t.name));
    }
}

// ------------------------------------------------------------ the pages

} // namespace

struct DirectPages::Data {
    PageSetup setup;
    QSizeF body;
    Fonts fonts;
    std::vector<Style> styles;
    std::vector<Paragraph> paragraphs;
    std::vector<Table> tables;
    std::vector<Block> blocks;
    std::vector<Item> items;
    std::vector<std::vector<Placed>> pages;
    std::vector<Slice> slices;
    StyleSheet sheet;
    bool spanTrimmed = false; // a colspan ran past the table's last column

    int styleIndex(const Style& s)
    {
        for (size_t i = 0; i < styles.size(); ++i)
            if (styles[i] == s) return static_cast<int>(i);
        styles.push_back(s);
        return static_cast<int>(styles.size()) - 1;
    }

    // ---- reading

    // Inline content up to the tag that closes it (`close`, consumed) or to a
    // tag that does not belong to inline content (left for the caller).
    // Returns the text with marks; sets the anchors found.
    QString readInline(Reader& r, const QString& close, bool& keep, bool& signatures)
    {
        QString out;
        bool pendingBlank = false, lineStart = true;
        auto addText = [&](QStringView raw) {
            const QString text = Reader::decodeText(raw);
            for (const QChar ch : text) {
                const char16_t c = ch.unicode();
                if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f') {
                    if (!lineStart) pendingBlank = true;
                    continue;
                }
                if (c < 0x20) continue;
                if (pendingBlank) out += QLatin1Char(' ');
                pendingBlank = false;
                lineStart = false;
                out += ch;
            }
        };
        Tag t;
        while (!r.atEnd()) {
            if (!r.atTag()) {
                addText(r.text());
                continue;
            }
            const int at = r.pos;
            if (!r.tag(t)) break;
            if (t.name == close && t.closing) break;
            if (t.name == QLatin1String("b") || t.name == QLatin1String("strong")) {
                out += QChar(t.closing ? BoldOff : BoldOn);
            } else if (t.name == QLatin1String("i") || t.name == QLatin1String("em")) {
                out += QChar(t.closing ? ItalicOff : ItalicOn);
            } else if (t.name == QLatin1String("br") && !t.closing) {
                out += QLatin1Char('\n');
                pendingBlank = false;
                lineStart = true;
            } else if (t.name == QLatin1String("a")) {
                if (!t.closing) {
                    checkAttributes(t, {"name"});
                    const QString name = t.attrs.value(QStringLiteral("name"));
                    if (name == QLatin1String(PagedDocument::KeepWithNext)) keep = true;
                    if (name == QLatin1String(PagedDocument::Signatures)) signatures = true;
                }
            } else if (t.name == QLatin1String("meta") || t.name == QLatin1String("br")) {
                // nothing
            } else {
                r.pos = at; // not inline: the caller's
                break;
            }
        }
        return out;
    }

    void readParagraph(Reader& r, const Tag& t, const std::vector<Element>& bodyPath, const Style& bodyStyle)
    {
        checkAttributes(t, {"class", "align", "style"});
        Style s = bodyStyle.inherited();
        s.marginTop = s.marginBottom = 12;
        std::vector<Element> path = bodyPath;
        path.push_back({QStringLiteral("p"), t.attrs.value(QStringLiteral("class")).split(QLatin1Char(' '), Qt::SkipEmptyParts)});
        sheet.apply(s, path);
        if (t.attrs.contains(QStringLiteral("align"))) s.align = htmlAlign(t.attrs.value(QStringLiteral("align")));
        applyDeclarations(s, t.attrs.value(QStringLiteral("style")));
        Paragraph p;
        Item item;
        p.text = readInline(r, QStringLiteral("p"), item.keep, item.signatures);
        p.style = styleIndex(s);
        item.breakBefore = s.pageBreakBefore;
        item.block = static_cast<int>(blocks.size());
        blocks.push_back({false, static_cast<int>(paragraphs.size())});
        paragraphs.push_back(std::move(p));
        items.push_back(item);
    }

    void readTable(Reader& r, const Tag& open, const std::vector<Element>& bodyPath, const Style& bodyStyle)
    {
        checkAttributes(open, {"class", "width", "border", "cellspacing", "cellpadding"});
        Table table;
        if (open.attrs.contains(QStringLiteral("width")))
            htmlWidth(open.attrs.value(QStringLiteral("width")), table.widthPct, table.widthPx);
        table.border = fromPx(htmlNumber(open.attrs.value(QStringLiteral("border"), QStringLiteral("0")), QStringLiteral("border")));
        table.padding = htmlNumber(open.attrs.value(QStringLiteral("cellpadding"), QStringLiteral("1")), QStringLiteral("cellpadding"));
        if (htmlNumber(open.attrs.value(QStringLiteral("cellspacing"), QStringLiteral("0")), QStringLiteral("cellspacing")) != 0)
            refuse(QStringLiteral("cellspacing у таблицы"));
        std::vector<Element> path = bodyPath;
        path.push_back({QStringLiteral("table"), open.attrs.value(QStringLiteral("class")).split(QLatin1Char(' '), Qt::SkipEmptyParts)});
        Style tableStyle = bodyStyle.inherited();
        sheet.apply(tableStyle, path);
        path.push_back({QStringLiteral("tr"), {}});
        Style rowStyle = tableStyle.inherited();
        sheet.apply(rowStyle, path);

        std::vector<std::pair<bool, bool>> rowAnchors; // keep, signatures
        std::vector<int> filled; // per column: the row below the last cell placed in it
        QHash<QString, int> cellStyles;
        bool inHead = false, headDone = false, inRow = false;
        Tag t;
        while (true) {
            if (!r.atTag()) {
                if (!r.text().trimmed().isEmpty()) refuse(QStringLiteral("текст в таблице вне ячейки"));
                if (r.atEnd()) refuse(QStringLiteral("незакрытая таблица"));
                continue;
            }
            if (!r.tag(t)) refuse(QStringLiteral("незакрытая таблица"));
            if (t.name == QLatin1String("table") && t.closing) break;
            if (t.name == QLatin1String("thead")) {
                if (!t.closing && (headDone || table.rows > 0)) refuse(QStringLiteral("<thead> не в начале таблицы"));
                inHead = !t.closing;
                if (t.closing) headDone = true;
            } else if (t.name == QLatin1String("tbody")) {
                if (inHead) {
                    inHead = false;
                    headDone = true;
                }
            } else if (t.name == QLatin1String("tr")) {
                inRow = !t.closing;
                if (!t.closing) {
                    checkAttributes(t, {});
                    if (inHead) table.headRows = table.rows + 1;
                    table.rowStart.push_back(static_cast<int>(table.cells.size()));
                    rowAnchors.push_back({false, false});
                    ++table.rows;
                }
            } else if ((t.name == QLatin1String("td") || t.name == QLatin1String("th")) && !t.closing) {
                if (!inRow) refuse(QStringLiteral("ячейка вне строки таблицы"));
                checkAttributes(t, {"class", "colspan", "rowspan", "width", "align", "valign", "bgcolor", "nowrap"});
                // Cells of the same tag and attributes have the same style
                // (an attribute given empty, as `nowrap`, differs from none).
                QString key = t.name;
                for (const char* a : {"class", "align", "valign", "bgcolor", "nowrap"}) {
                    key += QLatin1Char('|');
                    if (t.attrs.contains(QLatin1String(a))) key += QLatin1Char('=') + t.attrs.value(QLatin1String(a));
                }
                int style = cellStyles.value(key, -1);
                if (style < 0) {
                    Style s = rowStyle.inherited();
                    s.valign = VAlign::Top;
                    if (t.name == QLatin1String("th")) {
                        s.bold = true;
                        s.align = Align::Center;
                        s.valign = VAlign::Middle;
                    }
                    path.push_back({t.name, t.attrs.value(QStringLiteral("class")).split(QLatin1Char(' '), Qt::SkipEmptyParts)});
                    sheet.apply(s, path);
                    path.pop_back();
                    // The cell's own attributes over the style sheet.
                    if (t.attrs.contains(QStringLiteral("align"))) s.align = htmlAlign(t.attrs.value(QStringLiteral("align")));
                    if (t.attrs.contains(QStringLiteral("valign"))) s.valign = htmlVAlign(t.attrs.value(QStringLiteral("valign")));
                    if (t.attrs.contains(QStringLiteral("bgcolor"))) {
                        s.hasBackground = true;
                        s.background = parseColor(t.attrs.value(QStringLiteral("bgcolor")));
                    }
                    if (t.attrs.contains(QStringLiteral("nowrap"))) s.nowrap = true;
                    style = styleIndex(s);
                    cellStyles.insert(key, style);
                }
                Cell cell;
                cell.style = style;
                cell.row = table.rows - 1;
                cell.colspan = std::max(1, static_cast<int>(htmlNumber(t.attrs.value(QStringLiteral("colspan"), QStringLiteral("1")), QStringLiteral("colspan"))));
                cell.rowspan = std::max(1, static_cast<int>(htmlNumber(t.attrs.value(QStringLiteral("rowspan"), QStringLiteral("1")), QStringLiteral("rowspan"))));
                if (t.attrs.contains(QStringLiteral("width")))
                    htmlWidth(t.attrs.value(QStringLiteral("width")), cell.widthPct, cell.widthPx);
                // The first column free in this row: not taken by a cell to
                // its left nor by a rowspan from above.
                int col = 0;
                while (col < static_cast<int>(filled.size()) && filled[static_cast<size_t>(col)] > cell.row) ++col;
                cell.col = col;
                if (static_cast<int>(filled.size()) < col + cell.colspan) filled.resize(static_cast<size_t>(col + cell.colspan), 0);
                for (int c = col; c < col + cell.colspan; ++c) filled[static_cast<size_t>(c)] = cell.row + cell.rowspan;
                bool keep = false, signatures = false;
                cell.text = readInline(r, t.name, keep, signatures);
                rowAnchors.back().first = rowAnchors.back().first || keep;
                rowAnchors.back().second = rowAnchors.back().second || signatures;
                table.columns = std::max(table.columns, col + cell.colspan);
                table.cells.push_back(std::move(cell));
            } else if ((t.name == QLatin1String("td") || t.name == QLatin1String("th")) && t.closing) {
                // closed already
            } else {
                refuse(QStringLiteral("тег <%1> в таблице").arg(t.name));
            }
        }
        table.rowStart.push_back(static_cast<int>(table.cells.size()));
        // Rows past the end that a rowspan reaches into are not made; nor are
        // columns past the last one a cell starts in, that only a colspan
        // reaches into (a section row with one colspan too many would
        // otherwise add an empty column that no other row draws a line for).
        for (Cell& c : table.cells) c.rowspan = std::min(c.rowspan, table.rows - c.row);
        int lastStart = 0;
        for (const Cell& c : table.cells) lastStart = std::max(lastStart, c.col);
        if (table.columns > lastStart + 1) {
            spanTrimmed = true;
            table.columns = lastStart + 1;
            for (Cell& c : table.cells) c.colspan = std::min(c.colspan, table.columns - c.col);
        }
        if (table.rows == 0 || table.columns == 0) return; // an empty table shows nothing
        if (table.headRows >= table.rows) table.headRows = 0; // a head alone is printed once, as rows
        for (const Cell& c : table.cells)
            if (c.row < table.headRows && c.row + c.rowspan > table.headRows) refuse(QStringLiteral("rowspan из шапки в тело таблицы"));

        // Items: body rows joined by rowspans.
        const int block = static_cast<int>(blocks.size());
        blocks.push_back({true, static_cast<int>(tables.size())});
        std::vector<int> reach(static_cast<size_t>(table.rows));
        for (int row = 0; row < table.rows; ++row) reach[static_cast<size_t>(row)] = row;
        for (const Cell& c : table.cells)
            reach[static_cast<size_t>(c.row)] = std::max(reach[static_cast<size_t>(c.row)], c.row + c.rowspan - 1);
        for (int row = table.headRows; row < table.rows;) {
            Item item;
            item.block = block;
            item.rowFrom = row;
            int last = row, end = reach[static_cast<size_t>(row)];
            while (last < end) end = std::max(end, reach[static_cast<size_t>(++last)]);
            item.rowTo = last + 1;
            for (int k = item.rowFrom; k < item.rowTo; ++k) {
                item.keep = item.keep || rowAnchors[static_cast<size_t>(k)].first;
                item.signatures = item.signatures || rowAnchors[static_cast<size_t>(k)].second;
            }
            items.push_back(item);
            row = item.rowTo;
        }
        // Anchors in the head keep nothing: the head goes with the first row anyway.
        tables.push_back(std::move(table));
    }

    void read(const QString& html)
    {
        static const QRegularExpression styleTag(QStringLiteral("<style\\b[^>]*>(.*?)</style\\s*>"),
                                                 QRegularExpression::CaseInsensitiveOption |
                                                     QRegularExpression::DotMatchesEverythingOption);
        for (auto it = styleTag.globalMatch(html); it.hasNext();) sheet.add(it.next().captured(1));

        Reader r(html);
        static const QRegularExpression bodyTag(QStringLiteral("<body\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch body = bodyTag.match(html);
        if (body.hasMatch()) {
            r.pos = static_cast<int>(body.capturedEnd());
        } else {
            const qsizetype head = html.indexOf(QLatin1String("</head"), 0, Qt::CaseInsensitive);
            if (head >= 0) r.pos = static_cast<int>(html.indexOf(QLatin1Char('>'), head)) + 1;
        }
        const std::vector<Element> bodyPath{{QStringLiteral("body"), {}}};
        Style bodyStyle;
        bodyStyle.fontPt = setup.fontPt;
        sheet.apply(bodyStyle, bodyPath);
        Tag t;
        while (!r.atEnd()) {
            if (!r.atTag()) {
                if (!r.text().trimmed().isEmpty()) refuse(QStringLiteral("текст вне абзаца"));
                continue;
            }
            if (!r.tag(t)) break;
            if (t.name == QLatin1String("p") && !t.closing) readParagraph(r, t, bodyPath, bodyStyle);
            else if (t.name == QLatin1String("table") && !t.closing) readTable(r, t, bodyPath, bodyStyle);
            else if (t.name == QLatin1String("style") || t.name == QLatin1String("title") || t.name == QLatin1String("script"))
                r.skipPastClose(t.name);
            else if (t.name == QLatin1String("meta") || t.name == QLatin1String("body") || t.name == QLatin1String("html") ||
                     t.name == QLatin1String("head") || (t.name == QLatin1String("p") && t.closing))
                continue;
            else
                refuse(QStringLiteral("тег <%1%2>").arg(t.closing ? QStringLiteral("/") : QString(), t.name));
        }
    }

    // ---- layout

    double padding(const Style& s, int side, const Table& t) const { return fromPx(s.pad[side] >= 0 ? s.pad[side] : t.padding); }
    double padX(const Style& s, const Table& t) const { return padding(s, 1, t) + padding(s, 3, t); }
    double padY(const Style& s, const Table& t) const { return padding(s, 0, t) + padding(s, 2, t); }

    void layOutTable(Table& t, LineBreaker& lb)
    {
        const int cols = t.columns;
        const double b = t.border;
        std::vector<double> minW(static_cast<size_t>(cols), b), maxW(static_cast<size_t>(cols), b);
        std::vector<double> pct(static_cast<size_t>(cols), 0), px(static_cast<size_t>(cols), 0);
        struct Span {
            int col, span;
            double min, max;
        };
        std::vector<Span> spans;
        for (const Cell& c : t.cells) {
            const Style& s = styles[static_cast<size_t>(c.style)];
            const auto [mn, mx] = lb.widths(c.text, s);
            const double extra = b + padX(s, t);
            if (c.colspan == 1) {
                const size_t k = static_cast<size_t>(c.col);
                minW[k] = std::max(minW[k], mn + extra);
                maxW[k] = std::max(maxW[k], mx + extra);
                if (c.widthPct > 0 && pct[k] == 0 && px[k] == 0) pct[k] = c.widthPct;
                if (c.widthPx > 0 && pct[k] == 0 && px[k] == 0) px[k] = fromPx(c.widthPx);
            } else {
                spans.push_back({c.col, c.colspan, mn + extra, mx + extra});
            }
        }
        // A spanning cell wider than its columns widens them evenly.
        for (const Span& s : spans) {
            double mn = 0, mx = 0;
            for (int k = s.col; k < s.col + s.span; ++k) {
                mn += minW[static_cast<size_t>(k)];
                mx += maxW[static_cast<size_t>(k)];
            }
            for (int k = s.col; k < s.col + s.span; ++k) {
                if (s.min > mn) minW[static_cast<size_t>(k)] += (s.min - mn) / s.span;
                if (s.max > mx) maxW[static_cast<size_t>(k)] += (s.max - mx) / s.span;
            }
        }
        for (int k = 0; k < cols; ++k) maxW[static_cast<size_t>(k)] = std::max(maxW[static_cast<size_t>(k)], minW[static_cast<size_t>(k)]);

        const double avail = body.width() - b;
        double total = t.widthPct > 0 ? avail * t.widthPct / 100.0 : t.widthPx > 0 ? fromPx(t.widthPx) - b : -1;
        std::vector<double> w(static_cast<size_t>(cols));
        double used = 0, autoMin = 0, autoMax = 0, pctSum = 0;
        const double base = total > 0 ? total : avail;
        for (int k = 0; k < cols; ++k) {
            const size_t i = static_cast<size_t>(k);
            if (px[i] > 0) w[i] = std::max(px[i], minW[i]);
            else if (pct[i] > 0) w[i] = std::max(base * pct[i] / 100.0, minW[i]), pctSum += pct[i];
            else {
                w[i] = minW[i];
                autoMin += minW[i];
                autoMax += maxW[i];
            }
            used += w[i];
        }
        if (total < 0) total = std::min(avail, std::max(used, used - autoMin + autoMax)); // as wide as the content
        total = std::min(total, avail);
        double left = total - used;
        if (left > 0.01) {
            // Columns without a width grow toward their content, then share the rest by it.
            const double grow = autoMax - autoMin;
            for (int k = 0; k < cols; ++k) {
                const size_t i = static_cast<size_t>(k);
                if (px[i] > 0 || pct[i] > 0) continue;
                if (grow > 0.01) w[i] += std::min(left, grow) * (maxW[i] - minW[i]) / grow;
            }
            left -= std::min(left, grow);
            if (left > 0.01) {
                if (autoMax > 0.01) {
                    for (int k = 0; k < cols; ++k) {
                        const size_t i = static_cast<size_t>(k);
                        if (px[i] == 0 && pct[i] == 0) w[i] += left * maxW[i] / autoMax;
                    }
                } else if (pctSum > 0) {
                    for (int k = 0; k < cols; ++k)
                        if (pct[static_cast<size_t>(k)] > 0) w[static_cast<size_t>(k)] += left * pct[static_cast<size_t>(k)] / pctSum;
                }
            }
        }
        // Wider than the table may be (columns widened to their longest
        // words): the columns above their longest word give up the excess in
        // proportion; if even the longest words do not fit, every column
        // shrinks in proportion and long words are cut (nothing is printed
        // past the page).
        double sum = 0, slack = 0;
        for (int k = 0; k < cols; ++k) {
            sum += w[static_cast<size_t>(k)];
            slack += w[static_cast<size_t>(k)] - minW[static_cast<size_t>(k)];
        }
        if (sum > total + 0.01 && slack > 0.01) {
            const double cut = std::min(sum - total, slack);
            for (int k = 0; k < cols; ++k)
                w[static_cast<size_t>(k)] -= cut * (w[static_cast<size_t>(k)] - minW[static_cast<size_t>(k)]) / slack;
            sum -= cut;
        }
        if (sum > total + 0.01)
            for (double& x : w) x *= total / sum;
        t.colX.assign(static_cast<size_t>(cols) + 1, 0);
        for (int k = 0; k < cols; ++k) t.colX[static_cast<size_t>(k) + 1] = t.colX[static_cast<size_t>(k)] + w[static_cast<size_t>(k)];

        // Row heights: the tallest cell of the row; a cell over several rows
        // lengthens the last of them when they are too short for it.
        t.rowHeight.assign(static_cast<size_t>(t.rows), b);
        for (Cell& c : t.cells) {
            const Style& s = styles[static_cast<size_t>(c.style)];
            lb.run(c.text, s, contentWidth(t, c));
            c.contentHeight = lb.textHeight();
            if (c.rowspan == 1)
                t.rowHeight[static_cast<size_t>(c.row)] = std::max(t.rowHeight[static_cast<size_t>(c.row)], b + padY(s, t) + c.contentHeight);
        }
        for (const Cell& c : t.cells) {
            if (c.rowspan == 1) continue;
            const Style& s = styles[static_cast<size_t>(c.style)];
            const double h = rowsHeight(t, c.row, c.row + c.rowspan);
            const double need = b + padY(s, t) + c.contentHeight;
            if (need > h) t.rowHeight[static_cast<size_t>(c.row + c.rowspan - 1)] += need - h;
        }
        t.headHeight = rowsHeight(t, 0, t.headRows);
    }

    double contentWidth(const Table& t, const Cell& c) const
    {
        const Style& s = styles[static_cast<size_t>(c.style)];
        return std::max(1.0, t.colX[static_cast<size_t>(c.col + c.colspan)] - t.colX[static_cast<size_t>(c.col)] - t.border - padX(s, t));
    }

    double rowsHeight(const Table& t, int from, int to) const
    {
        double h = 0;
        for (int k = from; k < to; ++k) h += t.rowHeight[static_cast<size_t>(k)];
        return h;
    }

    void layOut()
    {
        LineBreaker lb(fonts);
        for (Table& t : tables) layOutTable(t, lb);
        for (Paragraph& p : paragraphs) {
            const Style& s = styles[static_cast<size_t>(p.style)];
            lb.run(p.text, s, body.width());
            p.height = fromPx(s.marginTop) + lb.textHeight() + fromPx(s.marginBottom);
        }
        for (Item& item : items) {
            const Block& bl = blocks[static_cast<size_t>(item.block)];
            if (!bl.table) {
                item.height = paragraphs[static_cast<size_t>(bl.index)].height;
            } else {
                const Table& t = tables[static_cast<size_t>(bl.index)];
                item.height = rowsHeight(t, item.rowFrom, item.rowTo);
                // The line under the last row.
                if (item.rowTo == t.rows) item.height += t.border;
            }
            const double head = bl.table ? tables[static_cast<size_t>(bl.index)].headHeight : 0;
            if (item.height + head <= body.height()) continue;
            if (!bl.table) refuse(QStringLiteral("абзац выше страницы"));
            if (item.rowTo - item.rowFrom > 1) refuse(QStringLiteral("строки, объединенные rowspan, выше страницы"));
            item.tall = true;
        }
    }

    // ---- pages

    void paginate()
    {
        const int n = static_cast<int>(items.size());
        std::vector<bool> glue(static_cast<size_t>(n), false); // item i stays with item i + 1
        for (int i = 0; i + 1 < n; ++i) glue[static_cast<size_t>(i)] = items[static_cast<size_t>(i)].keep;
        // The signature block: the last one, with its whole table, and the
        // last three body rows before it.
        int sig = -1;
        for (int i = n - 1; i >= 0 && sig < 0; --i)
            if (items[static_cast<size_t>(i)].signatures) sig = i;
        if (sig >= 0) {
            auto isTableItem = [&](int i) { return blocks[static_cast<size_t>(items[static_cast<size_t>(i)].block)].table; };
            const int block = items[static_cast<size_t>(sig)].block;
            for (int i = sig; i + 1 < n && items[static_cast<size_t>(i + 1)].block == block; ++i) glue[static_cast<size_t>(i)] = true;
            // What stands between the block and the rows before it goes along.
            int i = sig - 1;
            while (i >= 0 && !isTableItem(i)) glue[static_cast<size_t>(i--)] = true;
            if (i >= 0) {
                const int rowsBlock = items[static_cast<size_t>(i)].block;
                for (int k = 0; k < 3 && i >= 0 && items[static_cast<size_t>(i)].block == rowsBlock; ++k, --i)
                    glue[static_cast<size_t>(i)] = true;
            }
        }

        const double pageH = body.height();
        pages.assign(1, {});
        double y = 0;
        int open = -1; // the table whose rows the page shows last
        auto isTable = [&](const Item& it) { return blocks[static_cast<size_t>(it.block)].table; };
        auto tableOf = [&](const Item& it) -> const Table& { return tables[static_cast<size_t>(blocks[static_cast<size_t>(it.block)].index)]; };
        auto need = [&](int from, int to, double atY, int openTable) {
            double h = atY;
            for (int i = from; i < to; ++i) {
                const Item& it = items[static_cast<size_t>(i)];
                if (isTable(it) && openTable != it.block) h += tableOf(it).headHeight;
                openTable = isTable(it) ? it.block : -1;
                h += it.height;
            }
            return h;
        };
        auto newPage = [&] {
            pages.emplace_back();
            y = 0;
            open = -1;
        };
        auto place = [&](int i) {
            const Item& it = items[static_cast<size_t>(i)];
            std::vector<Placed>& page = pages.back();
            if (!isTable(it)) {
                page.push_back({it.block, y, 0, 0, false, false});
                y += it.height;
                open = -1;
                return;
            }
            const Table& t = tableOf(it);
            if (open != it.block) {
                Placed pl{it.block, y, it.rowFrom, it.rowTo, t.headRows > 0, t.headRows > 0 && it.rowFrom == t.headRows};
                page.push_back(pl);
                y += t.headHeight;
            } else if (page.back().slice >= 0) {
                page.push_back({it.block, y, it.rowFrom, it.rowTo, false, false});
            } else {
                page.back().rowTo = it.rowTo;
            }
            y += it.height;
            open = it.block;
        };
        // A row taller than a page: as many lines of each cell as the room
        // left on the page takes, the rest on the next pages.
        auto placeTall = [&](int i) {
            const Item& it = items[static_cast<size_t>(i)];
            const Table& t = tableOf(it);
            const double b = t.border;
            LineBreaker lb(fonts);
            std::vector<std::vector<double>> heights;
            std::vector<double> pads;
            forEachRowCell(t, it.rowFrom, it.rowTo, [&](const Cell& c) {
                const Style& st = styles[static_cast<size_t>(c.style)];
                lb.run(c.text, st, contentWidth(t, c));
                heights.emplace_back();
                for (const Line& l : lb.lines) heights.back().push_back(l.height);
                pads.push_back(b + padY(st, t));
            });
            std::vector<int> next(heights.size(), 0);
            auto linesLeft = [&] {
                for (size_t k = 0; k < heights.size(); ++k)
                    if (next[k] < static_cast<int>(heights[k].size())) return true;
                return false;
            };
            bool first = true;
            while (linesLeft()) {
                const double head = open != it.block ? t.headHeight : 0;
                const double room = pageH - y - head - b;
                Slice slice;
                bool any = false;
                for (size_t k = 0; k < heights.size(); ++k) {
                    double h = 0;
                    int to = next[k];
                    while (to < static_cast<int>(heights[k].size()) && pads[k] + h + heights[k][static_cast<size_t>(to)] <= room + 0.01)
                        h += heights[k][static_cast<size_t>(to++)];
                    slice.lines.push_back({next[k], to});
                    any = any || to > next[k];
                }
                if (!any && !pages.back().empty()) {
                    newPage();
                    continue;
                }
                if (!any) // a line taller than a page: it goes alone
                    for (size_t k = 0; k < heights.size() && !any; ++k)
                        if (next[k] < static_cast<int>(heights[k].size())) slice.lines[k].second = next[k] + 1, any = true;
                for (size_t k = 0; k < heights.size(); ++k) {
                    double h = pads[k];
                    for (int l = slice.lines[k].first; l < slice.lines[k].second; ++l) h += heights[k][static_cast<size_t>(l)];
                    slice.height = std::max(slice.height, h);
                    next[k] = slice.lines[k].second;
                }
                Placed pl{it.block, y, it.rowFrom, it.rowTo, head > 0, head > 0 && first && it.rowFrom == t.headRows,
                          static_cast<int>(slices.size())};
                pages.back().push_back(pl);
                y += head + slice.height;
                slices.push_back(std::move(slice));
                open = it.block;
                first = false;
                if (linesLeft()) newPage();
            }
            if (it.rowTo == t.rows) y += b;
        };
        for (int from = 0; from < n;) {
            int to = from + 1;
            while (to < n && glue[static_cast<size_t>(to - 1)]) ++to;
            const bool empty = pages.back().empty();
            if (items[static_cast<size_t>(from)].breakBefore && !empty) newPage();
            bool tall = false;
            for (int i = from; i < to; ++i) tall = tall || items[static_cast<size_t>(i)].tall;
            if (!tall && need(from, to, y, open) <= pageH + 0.01) {
                for (int i = from; i < to; ++i) place(i);
            } else {
                // The group goes to a fresh page, unless it holds a tall row,
                // which begins in the room left; what cannot stay together
                // goes item by item.
                if (!tall && !pages.back().empty()) newPage();
                const bool fits = !tall && need(from, to, 0, -1) <= pageH + 0.01;
                for (int i = from; i < to; ++i) {
                    if (items[static_cast<size_t>(i)].tall) {
                        placeTall(i);
                        continue;
                    }
                    if (!fits && need(i, i + 1, y, open) > pageH + 0.01 && !pages.back().empty()) newPage();
                    place(i);
                }
            }
            from = to;
        }
    }

    // ---- painting and text

    template <class Visit> void forEachRowCell(const Table& t, int rowFrom, int rowTo, Visit visit) const
    {
        for (int k = t.rowStart[static_cast<size_t>(rowFrom)]; k < t.rowStart[static_cast<size_t>(rowTo)]; ++k)
            visit(t.cells[static_cast<size_t>(k)]);
    }

    void lineTexts(const LineBreaker& lb, QString& out, std::pair<int, int> range = {0, -1}) const
    {
        const QString& text = lb.text();
        const int end = range.second < 0 ? static_cast<int>(lb.lines.size()) : range.second;
        for (int li = range.first; li < end; ++li) {
            const Line& l = lb.lines[static_cast<size_t>(li)];
            for (int i = l.firstPiece; i < l.endPiece; ++i) {
                const Piece& p = lb.pieces[static_cast<size_t>(i)];
                if (i > l.firstPiece && blankBefore(text, p.from)) out += QLatin1Char(' ');
                for (int c = p.from; c < p.to; ++c) out += text[c] == QChar(Nbsp) ? QChar(u' ') : text[c];
            }
            if (l.hyphen) out += QChar(Shy); // painted as '-'
            out += QLatin1Char('\n');
        }
    }

    QString pageText(int page)
    {
        QString out;
        LineBreaker lb(fonts);
        for (const Placed& pl : pages[static_cast<size_t>(page)]) {
            const Block& bl = blocks[static_cast<size_t>(pl.block)];
            if (!bl.table) {
                const Paragraph& p = paragraphs[static_cast<size_t>(bl.index)];
                lb.run(p.text, styles[static_cast<size_t>(p.style)], body.width());
                lineTexts(lb, out);
                continue;
            }
            const Table& t = tables[static_cast<size_t>(bl.index)];
            const Slice* slice = pl.slice >= 0 ? &slices[static_cast<size_t>(pl.slice)] : nullptr;
            size_t k = 0;
            auto cellText = [&](const Cell& c) {
                lb.run(c.text, styles[static_cast<size_t>(c.style)], contentWidth(t, c));
                lineTexts(lb, out, slice ? slice->lines[k++] : std::pair<int, int>{0, -1});
            };
            if (pl.firstHead) {
                const Slice* rows = slice;
                slice = nullptr;
                forEachRowCell(t, 0, t.headRows, cellText);
                slice = rows;
            }
            forEachRowCell(t, pl.rowFrom, pl.rowTo, cellText);
        }
        return out;
    }

    void paintLines(QPainter* p, const LineBreaker& lb, const Style& s, double x, double top, double width,
                    std::pair<int, int> range = {0, -1})
    {
        const QString& text = lb.text();
        double y = top;
        QList<quint32> glyphs;
        QList<QPointF> positions;
        p->setPen(QColor(s.color));
        const int end = range.second < 0 ? static_cast<int>(lb.lines.size()) : range.second;
        for (int li = range.first; li < end; ++li) {
            const Line& l = lb.lines[static_cast<size_t>(li)];
            double shift = 0;
            const double lineWidth = l.width + (l.hyphen ? fonts[lb.pieces.empty() ? 0 : lb.pieces[static_cast<size_t>(std::max(l.firstPiece, l.endPiece - 1))].font].width(u'-') : 0);
            if (s.align == Align::Center) shift = (width - lineWidth) / 2;
            else if (s.align == Align::Right) shift = width - lineWidth;
            const double baseline = y + l.ascent;
            for (int i = l.firstPiece; i < l.endPiece; ++i) {
                const Piece& pc = lb.pieces[static_cast<size_t>(i)];
                Font& f = fonts[pc.font];
                glyphs.clear();
                positions.clear();
                double gx = 0;
                for (int c = pc.from; c < pc.to; ++c) {
                    const char16_t ch = text[c].unicode();
                    glyphs.append(f.glyphOf(ch));
                    positions.append(QPointF(gx, 0));
                    gx += f.width(ch);
                }
                if (l.hyphen && i == l.endPiece - 1) {
                    glyphs.append(f.glyphOf(u'-'));
                    positions.append(QPointF(gx, 0));
                }
                QGlyphRun run;
                run.setRawFont(f.raw);
                run.setGlyphIndexes(glyphs);
                run.setPositions(positions);
                p->drawGlyphRun(QPointF(x + shift + pc.x, baseline), run);
            }
            y += l.height;
        }
    }

    // Paints the rows [rowFrom, rowTo) from `top`; with a slice, the one row
    // cut to the lines of the slice.
    void paintRows(QPainter* p, const Table& t, int rowFrom, int rowTo, double top, LineBreaker& lb,
                   const Slice* slice = nullptr)
    {
        const double b = t.border;
        std::vector<double> rowY(static_cast<size_t>(t.rows) + 1, 0);
        // Only the rows painted need their places.
        double y = top;
        for (int k = rowFrom; k < rowTo; ++k) {
            rowY[static_cast<size_t>(k)] = y;
            y += slice ? slice->height : t.rowHeight[static_cast<size_t>(k)];
        }
        rowY[static_cast<size_t>(rowTo)] = y;
        size_t cellOfRow = 0;
        forEachRowCell(t, rowFrom, rowTo, [&](const Cell& c) {
            const Style& s = styles[static_cast<size_t>(c.style)];
            const double x0 = t.colX[static_cast<size_t>(c.col)], x1 = t.colX[static_cast<size_t>(c.col + c.colspan)];
            const double y0 = rowY[static_cast<size_t>(c.row)], y1 = rowY[static_cast<size_t>(std::min(c.row + c.rowspan, rowTo))];
            if (s.hasBackground) p->fillRect(QRectF(x0 + b, y0 + b, x1 - x0 - b, y1 - y0 - b), QColor(s.background));
            const double width = contentWidth(t, c);
            lb.run(c.text, s, width);
            const double room = y1 - y0 - b - padY(s, t);
            double dy = 0; // the part of a tall row stands at the top
            if (!slice && s.valign == VAlign::Middle) dy = (room - c.contentHeight) / 2;
            else if (!slice && s.valign == VAlign::Bottom) dy = room - c.contentHeight;
            paintLines(p, lb, s, x0 + b + padding(s, 3, t), y0 + b + padding(s, 0, t) + std::max(0.0, dy), width,
                       slice ? slice->lines[cellOfRow++] : std::pair<int, int>{0, -1});
            if (b > 0) {
                // Each cell draws the line on its left; the last column, the line on its right.
                p->fillRect(QRectF(x0, y0, b, y1 - y0 + b), Qt::black);
                if (c.col + c.colspan == t.columns) p->fillRect(QRectF(x1, y0, b, y1 - y0 + b), Qt::black);
            }
        });
        if (b <= 0) return;
        // The line over each row, where its cells begin (not where a cell of
        // an earlier row runs through), and the line under the last row.
        const double width = t.colX.back() + b;
        std::vector<char> starts(static_cast<size_t>(t.columns));
        for (int row = rowFrom; row <= rowTo; ++row) {
            const double ly = rowY[static_cast<size_t>(row)];
            if (row == rowTo) {
                p->fillRect(QRectF(0, ly, width, b), Qt::black);
                break;
            }
            std::fill(starts.begin(), starts.end(), 0);
            bool all = true;
            forEachRowCell(t, row, row + 1, [&](const Cell& c) { std::fill(starts.begin() + c.col, starts.begin() + c.col + c.colspan, 1); });
            for (char c : starts) all = all && c;
            if (all || row == rowFrom) {
                p->fillRect(QRectF(0, ly, width, b), Qt::black);
                continue;
            }
            for (int k = 0; k < t.columns;) {
                if (!starts[static_cast<size_t>(k)]) {
                    ++k;
                    continue;
                }
                int e = k;
                while (e < t.columns && starts[static_cast<size_t>(e)]) ++e;
                p->fillRect(QRectF(t.colX[static_cast<size_t>(k)], ly, t.colX[static_cast<size_t>(e)] - t.colX[static_cast<size_t>(k)] + b, b), Qt::black);
                k = e;
            }
        }
    }

    void paint(QPainter* p, int page)
    {
        LineBreaker lb(fonts);
        for (const Placed& pl : pages[static_cast<size_t>(page)]) {
            const Block& bl = blocks[static_cast<size_t>(pl.block)];
            if (!bl.table) {
                const Paragraph& para = paragraphs[static_cast<size_t>(bl.index)];
                const Style& s = styles[static_cast<size_t>(para.style)];
                lb.run(para.text, s, body.width());
                paintLines(p, lb, s, 0, pl.y + fromPx(s.marginTop), body.width());
                continue;
            }
            const Table& t = tables[static_cast<size_t>(bl.index)];
            double y = pl.y;
            if (pl.head) {
                paintRows(p, t, 0, t.headRows, y, lb);
                y += t.headHeight;
            }
            paintRows(p, t, pl.rowFrom, pl.rowTo, y, lb, pl.slice >= 0 ? &slices[static_cast<size_t>(pl.slice)] : nullptr);
        }
    }
};

DirectPages::DirectPages(std::unique_ptr<Data> data) : d(std::move(data)) {}
DirectPages::~DirectPages() = default;

std::unique_ptr<DirectPages> DirectPages::layOut(const QString& html, const PageSetup& setup, const QSizeF& body, QString* why)
{
    auto data = std::make_unique<Data>();
    data->setup = setup;
    data->body = body;
    try {
        data->read(html);
        data->layOut();
        data->paginate();
    } catch (const Refused& r) {
        if (why) *why = r.why;
        return nullptr;
    }
    if (why) why->clear();
    return std::unique_ptr<DirectPages>(new DirectPages(std::move(data)));
}

int DirectPages::pageCount() const { return static_cast<int>(d->pages.size()); }

bool DirectPages::spanTrimmed() const { return d->spanTrimmed; }

QString DirectPages::pageText(int page) const
{
    if (page < 0 || page >= pageCount()) return QString();
    return d->pageText(page);
}

void DirectPages::paint(QPainter* p, int page) const
{
    if (page < 0 || page >= pageCount()) return;
    p->save();
    d->paint(p, page);
    p->restore();
}

} // namespace plan
