#pragma once

#include <QAbstractButton>
#include <QList>
#include <QMenu>
#include <QPointer>

namespace halvex {

// A pop-up choice: a small outlined button showing the chosen item's text
// and a chevron; a click opens a menu of all items with the chosen one
// checked. Its width fits the longest item, so choosing never moves what
// stands beside it.
class MenuPicker final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MenuPicker)
public:
    static constexpr qreal cornerRadius = 6.0;
    static constexpr int height = 26;

    explicit MenuPicker(QWidget *parent = nullptr);

    // Items in menu order; `value` identifies one.
    void addChoice(const QString &value, const QString &text);
    void setChoiceText(const QString &value, const QString &text);
    QStringList values() const;

    // Empty until set. Setting announces nothing.
    const QString &currentValue() const { return m_current; }
    void setCurrentValue(const QString &value);
    QString currentText() const;

    // The menu while it is open.
    QMenu *menu() const { return m_menu; }
    void openMenu();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // The user chose an item from the menu (also the chosen one again).
    void picked(const QString &value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    struct Choice {
        QString value;
        QString text;
    };
    QList<Choice> m_choices;
    QString m_current;
    QPointer<QMenu> m_menu;
    bool m_hovering = false;
};

} // namespace halvex
