#pragma once

#include <QLayout>
#include <QList>

namespace halvex {

// Items side by side from the left, spacing() apart, each at its own size
// hint; an item that would pass the right edge starts a new line,
// lineSpacing() below. So a row of short actions keeps to one line where
// there is room and never asks for more width than its widest item, as a
// longer translation or a narrower column would otherwise make it do.
class WrappingRowLayout final : public QLayout {
    Q_DISABLE_COPY_MOVE(WrappingRowLayout)
public:
    explicit WrappingRowLayout(QWidget *parent = nullptr);
    ~WrappingRowLayout() override;

    int lineSpacing() const { return m_lineSpacing; }
    void setLineSpacing(int spacing);

    void addItem(QLayoutItem *item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // Everything on one line.
    QSize sizeHint() const override;
    // As wide as the widest item, as tall as the lines then are.
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Places the items within `rect` (only measures unless `apply`); the
    // height they take.
    int arrange(const QRect &rect, bool apply) const;
    int gap() const;

    QList<QLayoutItem *> m_items;
    int m_lineSpacing = 0;
};

} // namespace halvex
