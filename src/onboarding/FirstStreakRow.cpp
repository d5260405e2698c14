#include "onboarding/FirstStreakRow.h"

#include <algorithm>

#include <QAbstractAnimation>
#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/Color.h"
#include "ui/Motion.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

FirstStreakRowButton::FirstStreakRowButton(QString systemImage, QWidget *parent)
    : OnboardingChoiceButton(parent)
    , m_systemImage(std::move(systemImage))
{
    setFont(Typography::body13());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize FirstStreakRowButton::sizeHint() const
{
    const QFontMetrics fm(font());
    const int content = std::max({fm.height(), radioSize, symbolWidth});
    return {2 * horizontalPadding + symbolWidth + spacing + fm.horizontalAdvance(text()) + spacing +
                radioSize,
            content + 2 * verticalPadding};
}

QSize FirstStreakRowButton::minimumSizeHint() const
{
    return {2 * horizontalPadding + symbolWidth + 2 * spacing + radioSize, sizeHint().height()};
}

void FirstStreakRowButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    paintFrame(p);

    const QColor ink = Color::ink().resolve(this);
    const qreal middle = height() / 2.0;
    const int symbolSize = Symbol::sizeForFont(13);
    Symbol::paint(p,
                  QRectF(horizontalPadding + (symbolWidth - symbolSize) / 2.0,
                         middle - symbolSize / 2.0, symbolSize, symbolSize),
                  m_systemImage, ink);

    const int textLeft = horizontalPadding + symbolWidth + spacing;
    const int radioLeft = width() - horizontalPadding - radioSize;
    const int room = radioLeft - spacing - textLeft;
    p.setPen(ink);
    p.setFont(font());
    p.drawText(QRect(textLeft, 0, room, height()), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(font()).elidedText(text(), Qt::ElideRight, room));

    const QRectF radio(radioLeft, middle - radioSize / 2.0, radioSize, radioSize);
    // In muted ink: a thin round stroke never covers a whole pixel, so it
    // shows lighter than its colour, and the divider colour all but vanished.
    p.setPen(QPen(Color::inkMuted().resolve(this), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(radio.adjusted(0.5, 0.5, -0.5, -0.5));
    if (isSelected()) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QRectF(radio.center().x() - dotSize / 2.0, radio.center().y() - dotSize / 2.0,
                             dotSize, dotSize));
    }
}

FirstStreakRow::FirstStreakRow(const QString &systemImage, QWidget *trailing, QWidget *parent)
    : QWidget(parent)
    , m_button(new FirstStreakRowButton(systemImage, this))
    , m_trailing(trailing)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addWidget(m_button);
    if (m_trailing) {
        m_trailingBox = new QWidget(this);
        auto *box = new QVBoxLayout(m_trailingBox);
        box->setContentsMargins(16, 0, 16, 0);
        box->setSpacing(0);
        box->addWidget(m_trailing);
        m_trailingBox->hide();
        column->addWidget(m_trailingBox);
    }
    connect(m_button, &QAbstractButton::clicked, this, &FirstStreakRow::clicked);
}

QString FirstStreakRow::title() const
{
    return m_button->text();
}

void FirstStreakRow::setTitle(const QString &title)
{
    m_button->setText(title);
    m_button->setAccessibleName(title);
    m_button->updateGeometry();
}

bool FirstStreakRow::isSelected() const
{
    return m_button->isSelected();
}

void FirstStreakRow::setSelected(bool selected, bool animated)
{
    const bool changed = selected != m_button->isSelected();
    m_button->setSelected(selected, animated);
    if (!m_trailingBox || !changed)
        return;
    m_trailingBox->setVisible(selected);
    if (!selected || !animated || Motion::reduceMotion())
        return;
    // The extra content fades in; the effect goes once it is fully there.
    auto *fade = new QGraphicsOpacityEffect(m_trailingBox);
    fade->setOpacity(0.0);
    m_trailingBox->setGraphicsEffect(fade);
    if (QAbstractAnimation *animation =
            Motion::animate(fade, "opacity", 0.0, 1.0, Motion::snappySpring())) {
        connect(animation, &QAbstractAnimation::finished, m_trailingBox,
                [box = m_trailingBox] { box->setGraphicsEffect(nullptr); });
    }
}

} // namespace halvex
