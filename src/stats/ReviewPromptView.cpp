#include "stats/ReviewPromptView.h"

#include <algorithm>

#include <QAbstractAnimation>
#include <QEnterEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStackedLayout>
#include <QTextCursor>
#include <QVBoxLayout>

#include "kit/AppVersion.h"
#include "kit/DistributionChannel.h"
#include "kit/LegalLinks.h"
#include "kit/ReviewPrompt.h"
#include "kit/TipJar.h"
#include "platform/Workspace.h"
#include "stats/GraphemeText.h"
#include "ui/BrandMark.h"
#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/Motion.h"
#include "ui/OutlinedTextEdit.h"
#include "ui/PointingHandCursor.h"
#include "ui/PrimaryButton.h"
#include "ui/Symbol.h"
#include "ui/TextInputField.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr int starCount = 5;
constexpr int starSymbolSize = 26;
constexpr int starSpacing = 8;
constexpr int commentBoxHeight = 112;
constexpr int primaryMaxWidth = 200;
const QString slug = QStringLiteral("halvex");

QString starName(int value)
{
    //% "%n stars"
    return qtTrId("review_prompt.star.a11y", value);
}

} // namespace

// One to five stars. The pointer's star and those before it light up while
// the pointer is over them; otherwise the rating's do. A click sets the
// rating; nothing sets it back to no star.
class ReviewPromptView::StarRating final : public QWidget {
public:
    class Star final : public QAbstractButton {
    public:
        Star(int value, StarRating *rating)
            : QAbstractButton(rating)
            , m_value(value)
            , m_rating(rating)
        {
            setObjectName(u"review_prompt.star." + QString::number(value));
            // Checked stands for "selected": only the rating's own star is.
            setCheckable(true);
            setFocusPolicy(Qt::TabFocus);
            HoverPointingHandCursor::apply(this);
        }
        QSize sizeHint() const override { return {starSymbolSize, starSymbolSize}; }

    protected:
        void paintEvent(QPaintEvent *) override
        {
            QPainter p(this);
            p.setRenderHint(QPainter::Antialiasing);
            const bool lit = m_value <= m_rating->displayed();
            Symbol::paint(p, QRectF(rect()),
                          lit ? QStringLiteral("star.fill") : QStringLiteral("star"),
                          (lit ? Color::accent() : Color::inkSubtle()).resolve(this));
        }
        void enterEvent(QEnterEvent *event) override
        {
            m_rating->setHovered(m_value);
            QAbstractButton::enterEvent(event);
        }
        void leaveEvent(QEvent *event) override
        {
            // Another star may have taken the pointer already.
            if (m_rating->hovered() == m_value)
                m_rating->setHovered(0);
            QAbstractButton::leaveEvent(event);
        }
        void nextCheckState() override { m_rating->choose(m_value); }
        bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

    private:
        int m_value;
        StarRating *m_rating;
    };

    explicit StarRating(std::function<void(int)> choose, QWidget *parent)
        : QWidget(parent)
        , m_choose(std::move(choose))
    {
        auto *row = new QHBoxLayout(this);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(starSpacing);
        for (int value = 1; value <= starCount; ++value) {
            auto *star = new Star(value, this);
            row->addWidget(star);
            m_stars << star;
        }
        retranslate();
    }

    int hovered() const { return m_hovered; }
    int displayed() const { return m_hovered > 0 ? m_hovered : m_rating; }
    void setHovered(int value)
    {
        m_hovered = value;
        repaintStars();
    }
    void setRating(int rating)
    {
        m_rating = rating;
        for (Star *star : std::as_const(m_stars))
            star->setChecked(star == m_stars.value(rating - 1));
        repaintStars();
    }
    void choose(int value)
    {
        m_choose(value);
        // A click on the chosen star must not uncheck it.
        setRating(m_rating);
    }
    void retranslate()
    {
        for (qsizetype i = 0; i < m_stars.size(); ++i)
            m_stars[i]->setAccessibleName(starName(int(i) + 1));
    }

protected:
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            repaintStars();
        return QWidget::event(event);
    }

private:
    void repaintStars()
    {
        for (Star *star : std::as_const(m_stars))
            star->update();
    }

    std::function<void(int)> m_choose;
    QList<Star *> m_stars;
    int m_rating = 0;
    int m_hovered = 0;
};

// A plain text button in the muted ink, for the way out.
class ReviewPromptView::QuietButton final : public QAbstractButton {
public:
    QuietButton(const QString &accessibilityID, std::function<void()> action, QWidget *parent)
        : QAbstractButton(parent)
    {
        setObjectName(accessibilityID);
        setFont(Typography::body13Medium());
        setFocusPolicy(Qt::TabFocus);
        HoverPointingHandCursor::apply(this);
        connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] {
            if (action)
                action();
        });
    }
    QSize sizeHint() const override
    {
        const QFontMetrics fm(font());
        return {fm.horizontalAdvance(text()) + 24, fm.height() + 16};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setFont(font());
        p.setPen(Color::inkMuted().resolve(this));
        p.drawText(rect(), Qt::AlignCenter, text());
    }
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QAbstractButton::event(event);
    }
};

// A link under the form: symbol, title and an outward arrow; the title
// darkens while the pointer is over it. A click hands the address to the
// desktop.
class ReviewPromptView::FooterLink final : public QAbstractButton {
public:
    FooterLink(const QString &symbol, QUrl destination, const QString &accessibilityID,
               platform::Workspace &workspace, QWidget *parent)
        : QAbstractButton(parent)
        , m_symbol(symbol)
        , m_destination(std::move(destination))
    {
        setObjectName(accessibilityID);
        setFont(Typography::caption11());
        setFocusPolicy(Qt::TabFocus);
        HoverPointingHandCursor::apply(this);
        connect(this, &QAbstractButton::clicked, this,
                [this, &workspace] { static_cast<void>(workspace.openUrl(m_destination)); });
    }
    const QUrl &destination() const { return m_destination; }
    QSize sizeHint() const override
    {
        const QFontMetrics fm(font());
        return {symbolSize() + gap + fm.horizontalAdvance(text()) + gap + arrowSize,
                std::max(fm.height(), symbolSize())};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int s = symbolSize();
        Symbol::paint(p, QRectF(0, (height() - s) / 2.0, s, s), m_symbol,
                      Color::accent().resolve(this));
        const QFontMetrics fm(font());
        const QRect title(s + gap, 0, fm.horizontalAdvance(text()), height());
        p.setFont(font());
        p.setPen((m_hovering ? Color::ink() : Color::inkMuted()).resolve(this));
        p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, text());
        Symbol::paint(
            p, QRectF(title.right() + 1 + gap, (height() - arrowSize) / 2.0, arrowSize, arrowSize),
            QStringLiteral("arrow.up.right"), Color::inkSubtle().resolve(this));
    }
    void enterEvent(QEnterEvent *event) override
    {
        m_hovering = true;
        update();
        QAbstractButton::enterEvent(event);
    }
    void leaveEvent(QEvent *event) override
    {
        m_hovering = false;
        update();
        QAbstractButton::leaveEvent(event);
    }
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    bool event(QEvent *event) override
    {
        if (Environment::isChange(event))
            update();
        return QAbstractButton::event(event);
    }

private:
    static constexpr int gap = 4;
    static constexpr int arrowSize = 8;
    int symbolSize() const { return Symbol::sizeForFont(font().pixelSize()); }

    QString m_symbol;
    QUrl m_destination;
    bool m_hovering = false;
};

ReviewPromptView::ReviewPromptView(Services services, std::function<void()> onClose,
                                   QWidget *parent)
    : QWidget(parent)
    , m_services(std::move(services))
    , m_onClose(std::move(onClose))
{
    setObjectName(QStringLiteral("review_prompt.root"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 24, 24, 24);
    m_steps = new QStackedLayout;
    outer->addLayout(m_steps);
    m_form = buildForm();
    m_thanks = buildThanks();
    m_steps->addWidget(m_form);
    m_steps->addWidget(m_thanks);
    m_steps->setCurrentWidget(m_form);
    retranslate();
    refreshSendButton();
}

ReviewPromptView::~ReviewPromptView() = default;

QWidget *ReviewPromptView::buildForm()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(16);

    auto *header = new QVBoxLayout;
    header->setSpacing(8);
    header->addWidget(BrandMark::square(56, page), 0, Qt::AlignHCenter);
    m_title = new KitLabel(QString(), Typography::headline17Semibold(), Color::ink(), page);
    m_title->setAlignment(Qt::AlignHCenter);
    m_title->setWordWrap(true);
    header->addWidget(m_title);
    m_subtitle = new KitLabel(QString(), Typography::caption11(), Color::inkMuted(), page);
    m_subtitle->setAlignment(Qt::AlignHCenter);
    m_subtitle->setWordWrap(true);
    header->addWidget(m_subtitle);
    column->addLayout(header);

    m_stars = new StarRating([this](int value) { setRating(value); }, page);
    column->addWidget(m_stars, 0, Qt::AlignHCenter);

    auto *fields = new QVBoxLayout;
    fields->setSpacing(8);
    m_name = new TextInputField({.accessibilityID = QStringLiteral("review_prompt.name")}, page);
    connect(m_name, &TextInputField::textChanged, this, &ReviewPromptView::limitName);
    fields->addWidget(m_name);
    auto *box = new OutlinedTextEdit(QMargins(8, 4, 8, 4), page);
    box->setFixedHeight(commentBoxHeight);
    m_comment = box->editor();
    m_comment->setObjectName(QStringLiteral("review_prompt.comment"));
    m_comment->setAttribute(Qt::WA_MacShowFocusRect, false);
    connect(m_comment, &QPlainTextEdit::textChanged, this, &ReviewPromptView::limitComment);
    fields->addWidget(box);
    column->addLayout(fields);

    m_error = new KitLabel(QString(), Typography::caption11(), Color::destructive(), page);
    m_error->setObjectName(QStringLiteral("review_prompt.error"));
    m_error->setWordWrap(true);
    m_error->setVisible(false);
    column->addWidget(m_error);

    column->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    m_notNow = new QuietButton(
        QStringLiteral("review_prompt.not_now"),
        [this] {
            if (m_onClose)
                m_onClose();
        },
        page);
    buttons->addWidget(m_notNow);
    // The main button takes its room (up to its maximum) before the gap grows.
    buttons->addStretch();
    m_send = new PrimaryButton({.action = [this] { submit(); }, .fullWidth = true}, page);
    m_send->setObjectName(QStringLiteral("review_prompt.send"));
    m_send->setMaximumWidth(primaryMaxWidth);
    buttons->addWidget(m_send, 1);
    column->addLayout(buttons);

    auto *links = new QHBoxLayout;
    links->setSpacing(16);
    links->addStretch(1);
    m_tipLink =
        new FooterLink(QStringLiteral("cup.and.saucer"), fennimar::TipJar::url(),
                       QStringLiteral("review_prompt.link.tip"), m_services.workspace, page);
    links->addWidget(m_tipLink);
    m_feedbackLink =
        new FooterLink(QStringLiteral("exclamationmark.bubble"),
                       fennimar::LegalLinks::feedback(slug, fennimar::AppVersion::current(),
                                                      fennimar::currentDistributionChannel()),
                       QStringLiteral("review_prompt.link.feedback"), m_services.workspace, page);
    links->addWidget(m_feedbackLink);
    links->addStretch(1);
    column->addLayout(links);
    return page;
}

QWidget *ReviewPromptView::buildThanks()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(16);
    column->addStretch(1);
    column->addWidget(new SymbolView(QStringLiteral("heart"), 44, Color::accent(), page), 0,
                      Qt::AlignHCenter);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(8);
    m_thanksTitle = new KitLabel(QString(), Typography::headline17Semibold(), Color::ink(), page);
    m_thanksTitle->setObjectName(QStringLiteral("review_prompt.thanks"));
    m_thanksTitle->setAlignment(Qt::AlignHCenter);
    m_thanksTitle->setWordWrap(true);
    texts->addWidget(m_thanksTitle);
    m_thanksBody = new KitLabel(QString(), Typography::body13(), Color::inkMuted(), page);
    m_thanksBody->setAlignment(Qt::AlignHCenter);
    m_thanksBody->setWordWrap(true);
    texts->addWidget(m_thanksBody);
    column->addLayout(texts);
    column->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    m_close = new QuietButton(
        QStringLiteral("review_prompt.close"),
        [this] {
            if (m_onClose)
                m_onClose();
        },
        page);
    buttons->addWidget(m_close);
    // The main button takes its room (up to its maximum) before the gap grows.
    buttons->addStretch();
    // Straight to the page, the window staying open.
    m_thanksTip = new PrimaryButton(
        {.action =
             [this] { static_cast<void>(m_services.workspace.openUrl(fennimar::TipJar::url())); },
         .fullWidth = true},
        page);
    m_thanksTip->setObjectName(QStringLiteral("review_prompt.thanks.tip"));
    m_thanksTip->setMaximumWidth(primaryMaxWidth);
    buttons->addWidget(m_thanksTip, 1);
    column->addLayout(buttons);
    return page;
}

void ReviewPromptView::setRating(int rating)
{
    rating = std::clamp(rating, 1, starCount);
    if (rating == m_rating)
        return;
    m_rating = rating;
    m_stars->setRating(rating);
    refreshSendButton();
    emit ratingChanged(rating);
}

QString ReviewPromptView::comment() const
{
    return m_comment->toPlainText();
}

QString ReviewPromptView::name() const
{
    return m_name->text();
}

void ReviewPromptView::submit()
{
    if (m_rating < 1 || m_sending)
        return;
    fennimar::ReviewPrompt *prompt = m_services.reviewPrompt ? m_services.reviewPrompt() : nullptr;
    if (!prompt)
        return;
    setSending(true);
    setFailed(false);
    const QString language = m_services.languageCode ? m_services.languageCode() : QString();
    // The window may close while the rating travels. Qt 6.4 asserts when a
    // continuation's context goes first, so the answer comes back on the
    // library's component, which lives for the run, and reaches this form
    // only while it exists.
    const QPointer<ReviewPromptView> form(this);
    prompt->submit(m_rating, comment(), name(), language)
        .then(prompt, [form](const fennimar::ReviewPrompt::SubmitResult &result) {
            if (form)
                form->finishSubmission(bool(result));
        });
}

void ReviewPromptView::finishSubmission(bool succeeded)
{
    if (succeeded)
        showStep(Step::thanks);
    else
        setFailed(true);
    setSending(false);
}

void ReviewPromptView::setSending(bool sending)
{
    if (sending == m_sending)
        return;
    m_sending = sending;
    m_send->setLoading(sending);
    retranslate();
    emit sendingChanged(sending);
}

void ReviewPromptView::setFailed(bool failed)
{
    m_failed = failed;
    m_error->setVisible(failed);
}

void ReviewPromptView::showStep(Step step)
{
    if (step == m_step)
        return;
    m_step = step;
    QWidget *page = step == Step::form ? m_form : m_thanks;
    m_steps->setCurrentWidget(page);
    if (!Motion::reduceMotion()) {
        auto *fade = new QGraphicsOpacityEffect(page);
        page->setGraphicsEffect(fade);
        QAbstractAnimation *animation =
            Motion::animate(fade, "opacity", 0.0, 1.0,
                            MotionPreset{QEasingCurve(QEasingCurve::InOutQuad), stepFadeMs});
        // Drawn straight again once it has faded in.
        if (animation)
            connect(animation, &QAbstractAnimation::finished, page,
                    [page] { page->setGraphicsEffect(nullptr); });
        else
            page->setGraphicsEffect(nullptr);
    }
    emit stepChanged(step);
}

void ReviewPromptView::limitName()
{
    const QString text = m_name->text();
    if (GraphemeText::count(text) > nameLimit)
        m_name->setText(GraphemeText::prefix(text, nameLimit));
}

void ReviewPromptView::limitComment()
{
    const QString text = m_comment->toPlainText();
    if (GraphemeText::count(text) <= commentLimit)
        return;
    // Only the excess goes, so the caret and the undo history stay.
    QTextCursor cut(m_comment->document());
    cut.setPosition(int(GraphemeText::prefix(text, commentLimit).size()));
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

void ReviewPromptView::refreshSendButton()
{
    m_send->setEnabled(m_rating > 0);
}

void ReviewPromptView::retranslate()
{
    //% "Enjoying Halvex?"
    m_title->setText(qtTrId("review_prompt.title"));
    //% "Your rating reaches the people who make Halvex, and only when you press Send."
    m_subtitle->setText(qtTrId("review_prompt.subtitle"));
    //% "Your name (optional)"
    m_name->input()->setPlaceholderText(qtTrId("review_prompt.name.placeholder"));
    //% "What works for you? What could be better? (optional)"
    m_comment->setPlaceholderText(qtTrId("review_prompt.comment.placeholder"));
    //% "Couldn't send your review. Check your connection and try again."
    m_error->setText(qtTrId("review_prompt.error"));
    //% "Not now"
    m_notNow->setText(qtTrId("review_prompt.not_now"));
    if (m_sending) {
        //% "Sending…"
        m_send->setText(qtTrId("review_prompt.sending"));
    } else {
        //% "Send"
        m_send->setText(qtTrId("review_prompt.send"));
    }
    //% "Buy me a coffee"
    m_tipLink->setText(qtTrId("settings.about.tip"));
    //% "Send feedback"
    m_feedbackLink->setText(qtTrId("settings.about.feedback"));
    //% "Thank you!"
    m_thanksTitle->setText(qtTrId("review_prompt.thanks.title"));
    //% "Your review helps Halvex get better for everyone who uses it."
    m_thanksBody->setText(qtTrId("review_prompt.thanks.body"));
    //% "Close"
    m_close->setText(qtTrId("review_prompt.close"));
    //% "Buy me a coffee"
    m_thanksTip->setText(qtTrId("settings.about.tip"));
    m_stars->retranslate();
}

void ReviewPromptView::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Color::background().resolve(this));
}

void ReviewPromptView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

bool ReviewPromptView::event(QEvent *event)
{
    if (Environment::isChange(event))
        update();
    return QWidget::event(event);
}

} // namespace halvex
