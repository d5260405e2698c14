#pragma once

#include <QAbstractButton>
#include <QList>

#include "settings/SettingsTab.h"

namespace fennimar {
class TipJar;
}

namespace halvex {

class SettingsRouter;

// One section's row: symbol and name, drawn selected (accent text, tinted
// background, a bar at the leading edge) or plain, with an ink tint while
// hovered. A plain row may still write in the accent colour, as the tip row
// does. It takes no keyboard focus; named "settings.sidebar.<raw>".
class SidebarRow final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SidebarRow)
    Q_PROPERTY(bool selected READ isSelected)
    Q_PROPERTY(qreal selectionLook READ selectionLook WRITE setSelectionLook)
public:
    static constexpr int horizontalPadding = 8;
    static constexpr int verticalPadding = 6;
    static constexpr qreal cornerRadius = 8.0;
    static constexpr qreal selectedFillOpacity = 0.14;
    static constexpr qreal hoverFillOpacity = 0.06;
    static constexpr QSize selectionBar{3, 16};
    static constexpr int selectionChangeMs = 140;

    SidebarRow(const QString &symbol, QWidget *parent = nullptr);

    bool isSelected() const { return m_selected; }
    // Eases into the new look while the row is on screen.
    void setSelected(bool selected);
    // From 0 (plain) to 1 (selected).
    qreal selectionLook() const { return m_selectionLook; }
    void setSelectionLook(qreal look);
    bool isHovering() const { return m_hovering; }
    // Shrinks the title's font down to this share before eliding it.
    void setMinimumTextScale(qreal scale);
    // Symbol and text in the accent colour even while not selected.
    void setAccentForeground(bool accent);

    // The colours it fills its shape with and draws its text in now.
    QColor fillColor() const;
    QColor foregroundColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    QFont fittedFont(int width) const;

    QString m_symbol;
    bool m_selected = false;
    qreal m_selectionLook = 0.0;
    bool m_hovering = false;
    bool m_accentForeground = false;
    qreal m_minimumTextScale = 1.0;
};

// The settings window's left column: a row per section, and at its foot a
// row that opens the maker's tip page, written in the accent colour but
// never drawn as the selection. Clicking a row selects its section in the
// router; the rows follow the router's selection.
class HalvexSettingsSidebar final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HalvexSettingsSidebar)
public:
    static constexpr int width = 200;

    HalvexSettingsSidebar(SettingsRouter &selection, const fennimar::TipJar &tipJar,
                          QWidget *parent = nullptr);

    SidebarRow *row(SettingsTab tab) const;
    SidebarRow *tipRow() const { return m_tipRow; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void showSelection();
    void retranslate();

    SettingsRouter &m_selection;
    QList<SidebarRow *> m_rows; // in the order of allSettingsTabs
    SidebarRow *m_tipRow;
};

} // namespace halvex
