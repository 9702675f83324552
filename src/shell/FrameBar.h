#pragma once
// The frame bar of a host window: a column of title items, each of which
// opens one report frame below its title. The frame of an item is created
// on first opening by the bar's creation handler, becomes a child of the bar
// and is kept for later openings. Opening an item closes the one open
// before; clicking the title of the open item closes it, so all may be closed.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QScrollArea;
class QToolButton;
class QVBoxLayout;

namespace plan::shell {

class TFrameBar : public QWidget {
    Q_OBJECT
public:
    // Creates the frame of item `index`; may throw. The handler may call
    // adoptFrame() itself before it starts the frame.
    using CreateFrame = std::function<QWidget*(int index)>;

    explicit TFrameBar(QWidget* parent = nullptr);

    void setTitleHeight(int h) { m_titleHeight = h; }
    int titleHeight() const { return m_titleHeight; }
    void setCreateFrame(CreateFrame f) { m_create = std::move(f); }

    // Item list changes between these two are drawn once, at the end.
    void beginUpdate();
    void endUpdate();
    void clear();
    int addItem(const QString& caption);
    int count() const { return static_cast<int>(m_items.size()); }
    QString caption(int index) const;
    QStringList captions() const;
    int indexOf(const QString& caption) const;

    // Opens an item: creates its frame when it has none yet (errors of the
    // creation handler go to the caller), shows it and closes the others.
    QWidget* openItem(int index);
    void closeAll();
    int openIndex() const { return m_open; }
    QWidget* frame(int index) const;
    // Makes a frame the child of the bar below the item's title and the bar's tag.
    void adoptFrame(int index, QWidget* frame);
    // The frame created last (the bar's tag).
    QWidget* tag() const { return m_tag; }
    // Height the bar offers below its titles.
    int clientHeight() const;
    // The title button of an item (for tests and the driver).
    QToolButton* titleButton(int index) const;
    // Keyboard walk of the titles (Up, Down, Home, End from a title).
    void moveFocus(QToolButton* from, int key);

signals:
    void itemOpened(int index);

private:
    void titleClicked(int index);
    void chainFrame(int index);

    struct Item {
        QString caption;
        QToolButton* title = nullptr;
        QPointer<QWidget> frame;
    };
    QScrollArea* m_scroll = nullptr;
    QWidget* m_inner = nullptr;
    QVBoxLayout* m_layout = nullptr;
    std::vector<Item> m_items;
    CreateFrame m_create;
    QPointer<QWidget> m_tag;
    int m_open = -1;
    int m_titleHeight = 34;
    int m_updateDepth = 0;
};

} // namespace plan::shell
