#include "settings/MenuPicker.h"

#include <QActionGroup>
#include <QMenu>
#include <QPainter>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KeyboardFocusRing.h"
#include "ui/PointingHandCursor.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr int sidePadding = 10;
constexpr int chevronSize = 10;
constexpr int chevronSpacing = 8;

} // namespace

MenuPicker::MenuPicker(QWidget *parent)
    : QAbstractButton(parent)
{
    setFont(Typography::body13());
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    HoverPointingHandCursor::apply(this);
    KeyboardFocusRing::track(this);
    connect(this, &QAbstractButton::clicked, this, &MenuPicker::openMenu);
}

void MenuPicker::addChoice(const QString &value, const QString &text)
{
    m_choices.append({value, text});
    updateGeometry();
    update();
}

void MenuPicker::setChoiceText(const QString &value, const QString &text)
{
    for (Choice &choice : m_choices) {
        if (choice.value == value)
            choice.text = text;
    }
    updateGeometry();
    update();
}

QStringList MenuPicker::values() const
{
    QStringList values;
    for (const Choice &choice : m_choices)
        values << choice.value;
    return values;
}

void MenuPicker::setCurrentValue(const QString &value)
{
    if (value == m_current)
        return;
    m_current = value;
    setAccessibleDescription(currentText());
    update();
}

QString MenuPicker::currentText() const
{
    for (const Choice &choice : m_choices) {
        if (choice.value == m_current)
            return choice.text;
    }
    return {};
}

void MenuPicker::openMenu()
{
    if (m_menu)
        return;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto *group = new QActionGroup(menu);
    for (const Choice &choice : std::as_const(m_choices)) {
        QAction *action = menu->addAction(choice.text);
        action->setCheckable(true);
        action->setChecked(choice.value == m_current);
        action->setData(choice.value);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, value = choice.value] {
            setCurrentValue(value);
            emit picked(value);
        });
    }
    m_menu = menu;
    menu->popup(mapToGlobal(QPoint(0, height + 2)));
}

QSize MenuPicker::sizeHint() const
{
    const QFontMetrics fm(font());
    int widest = 0;
    for (const Choice &choice : m_choices)
        widest = qMax(widest, fm.horizontalAdvance(choice.text));
    // A pixel either side of the widest text: painting measures in fractions
    // and would otherwise elide it.
    return {sidePadding + widest + 2 + chevronSpacing + chevronSize + sidePadding, height};
}

void MenuPicker::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(Color::divider().resolve(this), 1.0));
    p.setBrush(Color::surface().resolve(this));
    p.drawRoundedRect(shape, cornerRadius, cornerRadius);
    if (m_hovering || isDown()) {
        p.setPen(Qt::NoPen);
        p.setBrush(Color::ink().withOpacity(isDown() ? 0.1 : 0.05).resolve(this));
        p.drawRoundedRect(shape, cornerRadius, cornerRadius);
    }

    const QRect content = rect().adjusted(sidePadding, 0, -sidePadding, 0);
    const QRect chevron(content.right() - chevronSize + 1, (height - chevronSize) / 2, chevronSize,
                        chevronSize);
    p.setFont(font());
    p.setPen(Color::ink().resolve(this));
    const QRect text = content.adjusted(0, 0, -(chevronSize + chevronSpacing), 0);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(currentText(), Qt::ElideRight, text.width()));
    Symbol::paint(p, chevron, QStringLiteral("chevron.down"), Color::inkMuted().resolve(this));

    if (hasFocus() && KeyboardFocusRing::shows(this)) {
        p.setPen(QPen(Color::accent().resolve(this), 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), cornerRadius, cornerRadius);
    }
}

void MenuPicker::enterEvent(QEnterEvent *event)
{
    m_hovering = true;
    update();
    QAbstractButton::enterEvent(event);
}

void MenuPicker::leaveEvent(QEvent *event)
{
    m_hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}

bool MenuPicker::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QAbstractButton::event(event);
}

} // namespace halvex
