#include "shell/FrameBar.h"

#include "shell/ShellServices.h"

#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace plan::shell {

TFrameBar::TFrameBar(QWidget* parent) : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_inner = new QWidget;
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
    it.title = new QToolButton(m_inner);
    it.title->setText(caption);
    it.title->setToolButtonStyle(Qt::ToolButtonTextOnly);
    it.title->setCheckable(true);
    it.title->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    it.title->setFixedHeight(m_titleHeight);
    it.title->setStyleSheet(QStringLiteral("QToolButton { text-align: left; padding-left: 6px; }"));
    connect(it.title, &QToolButton::clicked, this, [this, index] { titleClicked(index); });
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
    }
    for (int i = 0; i < count(); ++i) {
        const bool open = i == index;
        if (m_items[i].frame) m_items[i].frame->setVisible(open);
        m_items[i].title->setChecked(open);
    }
    m_open = index;
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
