#include "ui/TextInputField.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Symbol.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

// The outlined row; it draws its outline from the focus of the input inside.
class OutlinedRow final : public QWidget {
public:
    OutlinedRow(QWidget *parent)
        : QWidget(parent)
    {}
    QLineEdit *input = nullptr;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const bool focused = input && input->hasFocus();
        p.setPen(QPen((focused ? Color::ink() : Color::divider()).resolve(this), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5),
                          TextInputField::cornerRadius, TextInputField::cornerRadius);
    }
};

} // namespace

TextInputField::TextInputField(Options options, QWidget *parent)
    : QWidget(parent)
    , m_row(new OutlinedRow(this))
    , m_input(new QLineEdit(m_row))
    , m_autoFocus(options.autoFocus)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    if (options.title) {
        m_title = new KitLabel(*options.title, Typography::caption11(), Color::inkMuted(), this);
        column->addWidget(m_title);
    }
    column->addWidget(m_row);

    static_cast<OutlinedRow *>(m_row)->input = m_input;
    auto *row = new QHBoxLayout(m_row);
    row->setSpacing(6);
    if (options.icon) {
        m_icon =
            new SymbolView(*options.icon, Symbol::sizeForFont(Typography::body13().pixelSize()),
                           Color::inkMuted(), m_row);
        row->addWidget(m_icon, 0, Qt::AlignVCenter);
    }
    row->addWidget(m_input, 1);

    m_input->setFrame(false);
    m_input->setFont(Typography::body13());
    m_input->setPlaceholderText(options.placeholder);
    m_input->setText(options.text);
    m_input->setObjectName(options.accessibilityID.value_or(QString()));
    m_input->setAttribute(Qt::WA_MacShowFocusRect, false);
    m_input->installEventFilter(this);
    setSecure(options.isSecure);
    connect(m_input, &QLineEdit::textChanged, this, &TextInputField::textChanged);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    applyPadding();
    applyTheme();
}

QString TextInputField::text() const
{
    return m_input->text();
}

void TextInputField::setText(const QString &text)
{
    if (text != m_input->text())
        m_input->setText(text);
}

void TextInputField::setSecure(bool secure)
{
    m_secure = secure;
    m_input->setEchoMode(secure ? QLineEdit::Password : QLineEdit::Normal);
}

bool TextInputField::isFocused() const
{
    return m_input->hasFocus();
}

void TextInputField::applyPadding()
{
    const int v = qRound(Environment::controlVerticalPadding(this));
    m_row->layout()->setContentsMargins(horizontalPadding, v, horizontalPadding, v);
    m_row->updateGeometry();
    updateGeometry();
}

void TextInputField::applyTheme()
{
    QPalette pal = m_input->palette();
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Text, Color::ink().resolve(this));
    pal.setColor(QPalette::PlaceholderText, Color::inkSubtle().resolve(this));
    pal.setColor(QPalette::Highlight, Color::accent().resolve(this));
    pal.setColor(QPalette::HighlightedText, Color::onAccent().resolve(this));
    m_input->setPalette(pal);
    m_row->update();
}

bool TextInputField::event(QEvent *event)
{
    if (Environment::isChange(event) || event->type() == QEvent::ParentChange) {
        applyPadding();
        applyTheme();
    }
    return QWidget::event(event);
}

void TextInputField::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_autoFocus && !event->spontaneous()) {
        // On the next turn of the loop, once the window has appeared.
        QTimer::singleShot(0, m_input,
                           [input = m_input] { input->setFocus(Qt::OtherFocusReason); });
    }
}

bool TextInputField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_input &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        m_row->update();
    return QWidget::eventFilter(watched, event);
}

} // namespace halvex
