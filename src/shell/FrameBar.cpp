#include "shell/FrameBar.h"

#include "shell/ShellServices.h"

#include <QKeyEvent>
#include <QLayout>
#include <algorithm>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

namespace plan::shell {
namespace {
// A title, left-aligned, on as many lines as its height holds (two at the
// title height of 34), broken between words; what still does not fit ends
// in "…", and the whole caption is the tooltip.
class TitleButton : public QToolButton {
public:
    TitleButton(const QString& caption, QWidget* parent) : QToolButton(parent), m_caption(caption)
    {
        setToolTip(caption);
        setText(caption);
        // Tab reaches the titles; Space or Enter opens (or closes) the focused
        // one, Up and Down go to the title above or below, Home and End to the
        // first and last.
        setFocusPolicy(Qt::StrongFocus);
    }

    std::function<void(TitleButton*, int key)> onMove;

    static QString fitted(const QString& caption, const QFontMetrics& fm, int width, int maxLines)
    {
        if (width <= 0 || maxLines < 1) return caption;
        QStringList lines;
        QString line;
        const QStringList words = caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int i = 0; i < words.size(); ++i) {
            const QString tryLine = line.isEmpty() ? words[i] : line + QLatin1Char(' ') + words[i];
            if (fm.horizontalAdvance(tryLine) <= width || line.isEmpty()) {
                line = tryLine;
                continue;
            }
            lines << line;
            line = words[i];
            if (lines.size() == maxLines - 1) {
                // The last line takes the rest of the caption, elided.
                line = QStringList(words.mid(i)).join(QLatin1Char(' '));
                break;
            }
        }
        lines << fm.elidedText(line, Qt::ElideRight, width);
        return lines.join(QLatin1Char('\n'));
    }

    // The bar's width decides the title's, never the caption's length.
    QSize sizeHint() const override { return {60, QToolButton::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        // The style draws the button; the title goes at the left, line by line.
        QStylePainter p(this);
        QStyleOptionToolButton opt;
        initStyleOption(&opt);
        opt.text.clear();
        p.drawComplexControl(QStyle::CC_ToolButton, opt);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(rect().adjusted(8, 1, -4, -1), Qt::AlignLeft | Qt::AlignVCenter, text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(3, 3, -3, -3);
            p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier) {
                click();
                return;
            }
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            if (onMove) {
                onMove(this, e->key());
                return;
            }
            break;
        default: break;
        }
        QToolButton::keyPressEvent(e);
    }

    void resizeEvent(QResizeEvent* e) override
    {
        QToolButton::resizeEvent(e);
        const QFontMetrics fm(font());
        const int width = this->width() - 14; // the left padding and the frame
        const int lines = qMax(1, (height() - 4) / qMax(1, fm.lineSpacing()));
        setText(fitted(m_caption, fm, width, lines));
    }

private:
    QString m_caption;
};
} // namespace

TFrameBar::TFrameBar(QWidget* parent) : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_inner = new QWidget;
    // The bar's width decides the frames' width: a frame whose controls would
    // like more is laid out to the bar rather than scrolled sideways (the
    // bar has no horizontal scroll bar, so the left edge would be cut off).
    m_inner->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_layout = new QVBoxLayout(m_inner);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(1);
    m_layout->addStretch(1);
    m_scroll->setWidget(m_inner);
    outer->addWidget(m_scroll);
}

void TFrameBar::beginUpdate()
{
    if (m_updateDepth++ == 0) setUpdatesEnabled(false);
}

void TFrameBar::endUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0) setUpdatesEnabled(true);
}

void TFrameBar::clear()
{
    for (Item& it : m_items) {
        delete it.frame.data();
        delete it.title;
    }
    m_items.clear();
    m_open = -1;
    m_tag = nullptr;
}

int TFrameBar::addItem(const QString& caption)
{
    const int index = count();
    Item it;
    it.caption = caption;
    it.title = new TitleButton(caption, m_inner);
    it.title->setToolButtonStyle(Qt::ToolButtonTextOnly);
    it.title->setCheckable(true);
    it.title->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    it.title->setFixedHeight(m_titleHeight);
    connect(it.title, &QToolButton::clicked, this, [this, index] { titleClicked(index); });
    static_cast<TitleButton*>(it.title)->onMove = [this](TitleButton* from, int key) { moveFocus(from, key); };
    // Before the closing stretch; each title is followed by its frame once made.
    m_layout->insertWidget(m_layout->count() - 1, it.title);
    m_items.push_back(it);
    return index;
}

QString TFrameBar::caption(int index) const
{
    return index >= 0 && index < count() ? m_items[index].caption : QString();
}

QStringList TFrameBar::captions() const
{
    QStringList out;
    for (const Item& it : m_items) out << it.caption;
    return out;
}

int TFrameBar::indexOf(const QString& caption) const
{
    for (int i = 0; i < count(); ++i)
        if (m_items[i].caption == caption) return i;
    return -1;
}

QWidget* TFrameBar::frame(int index) const
{
    return index >= 0 && index < count() ? m_items[index].frame.data() : nullptr;
}

QToolButton* TFrameBar::titleButton(int index) const
{
    return index >= 0 && index < count() ? m_items[index].title : nullptr;
}

int TFrameBar::clientHeight() const { return m_scroll->viewport()->height(); }

QWidget* TFrameBar::openItem(int index)
{
    if (index < 0 || index >= count()) return nullptr;
    Item& it = m_items[index];
    if (!it.frame) {
        QWidget* f = m_create ? m_create(index) : nullptr;
        if (!f) return nullptr;
        if (it.frame != f) adoptFrame(index, f);
        chainFrame(index); // its controls exist once it has started
    }
    for (int i = 0; i < count(); ++i) {
        const bool open = i == index;
        if (m_items[i].frame) m_items[i].frame->setVisible(open);
        m_items[i].title->setChecked(open);
    }
    m_open = index;
    // The open item's title goes to the top of the bar, its frame below it.
    // (Again once the scroll area has taken the new height of its content.)
    m_inner->layout()->activate();
    m_scroll->verticalScrollBar()->setValue(it.title->y());
    QTimer::singleShot(0, this, [this, title = QPointer<QToolButton>(it.title)] {
        if (title) m_scroll->verticalScrollBar()->setValue(title->y());
    });
    emit itemOpened(index);
    return it.frame;
}

void TFrameBar::adoptFrame(int index, QWidget* f)
{
    if (index < 0 || index >= count() || !f) return;
    Item& it = m_items[index];
    f->setParent(m_inner);
    // The frame goes right below its title.
    m_layout->insertWidget(m_layout->indexOf(it.title) + 1, f);
    it.frame = f;
    m_tag = f;
}

void TFrameBar::moveFocus(QToolButton* from, int key)
{
    int at = -1;
    for (int i = 0; i < count(); ++i)
        if (m_items[i].title == from) at = i;
    if (at < 0 || count() == 0) return;
    int to = at;
    if (key == Qt::Key_Up) to = qMax(0, at - 1);
    else if (key == Qt::Key_Down) to = qMin(count() - 1, at + 1);
    else if (key == Qt::Key_Home) to = 0;
    else if (key == Qt::Key_End) to = count() - 1;
    QToolButton* title = m_items[to].title;
    title->setFocus(Qt::OtherFocusReason);
    m_scroll->ensureWidgetVisible(title, 0, 0);
}

void TFrameBar::chainFrame(int index)
{
    // A frame is made long after the titles, so the window's Tab order would
    // reach its controls last; Tab goes from its title into the frame's
    // controls, in their own order, then on to the next title.
    Item& it = m_items[index];
    QWidget* f = it.frame.data();
    QList<QWidget*> controls;
    for (QWidget* w = f->nextInFocusChain(); w && w != f; w = w->nextInFocusChain())
        if (f->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && !controls.contains(w)) controls << w;
    // In the order a reader sees them (the order the controls were made in
    // is the frame's own business): the order of the frame's layouts, top
    // down; a frame placing its controls itself, by position.
    QList<QWidget*> laidOut;
    std::function<void(QLayout*)> walk = [&](QLayout* l) {
        for (int i = 0; l && i < l->count(); ++i) {
            QLayoutItem* item = l->itemAt(i);
            if (QWidget* w = item->widget()) {
                laidOut << w;
                walk(w->layout());
            } else if (item->layout()) {
                walk(item->layout());
            }
        }
    };
    walk(f->layout());
    auto rank = [&laidOut](QWidget* w) {
        for (int i = 0; i < laidOut.size(); ++i)
            if (laidOut[i] == w || laidOut[i]->isAncestorOf(w)) return i;
        return static_cast<int>(laidOut.size());
    };
    auto at = [f](QWidget* w) { return w->mapTo(f, QPoint(0, 0)); };
    std::stable_sort(controls.begin(), controls.end(), [&](QWidget* a, QWidget* b) {
        const int ra = rank(a), rb = rank(b);
        if (ra != rb) return ra < rb;
        if (!laidOut.isEmpty()) return false;
        const QPoint pa = at(a), pb = at(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    QWidget* prev = it.title;
    for (QWidget* w : controls) {
        QWidget::setTabOrder(prev, w);
        prev = w;
    }
    if (index + 1 < count()) QWidget::setTabOrder(prev, m_items[index + 1].title);
}

void TFrameBar::closeAll()
{
    for (Item& it : m_items) {
        if (it.frame) it.frame->hide();
        it.title->setChecked(false);
    }
    m_open = -1;
}

void TFrameBar::titleClicked(int index)
{
    if (index == m_open) {
        closeAll();
        return;
    }
    if (!runHandler([&] { openItem(index); })) m_items[index].title->setChecked(index == m_open);
}

} // namespace plan::shell
