#pragma once

#include <functional>

#include <QPointer>
#include <QWidget>

class QPlainTextEdit;
class QStackedLayout;

namespace fennimar {
class ReviewPrompt;
}

namespace platform {
class Workspace;
}

namespace halvex {

class KitLabel;
class PrimaryButton;
class TextInputField;

// The review window's content. The form asks for one to five stars, an
// optional written review and an optional name, and sends them only when
// the user presses send; after a successful send it thanks the user and
// offers the tip page. A failed send shows one generic line and keeps
// everything as typed. The name and review are cut back to their limits,
// counted in user-perceived characters, whenever they grow past them.
//
// Identifiers: "review_prompt.root", "review_prompt.star.1" … ".5",
// "review_prompt.name", "review_prompt.comment", "review_prompt.error",
// "review_prompt.not_now", "review_prompt.send", "review_prompt.link.tip",
// "review_prompt.link.feedback", "review_prompt.thanks",
// "review_prompt.close", "review_prompt.thanks.tip".
class ReviewPromptView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReviewPromptView)
public:
    enum class Step { form, thanks };

    struct Services {
        // Opens the tip and feedback pages.
        platform::Workspace &workspace;
        // The library's review component; null before the library has
        // started, and then sending does nothing.
        std::function<fennimar::ReviewPrompt *()> reviewPrompt;
        // The code of the language the interface shows, sent with the rating.
        std::function<QString()> languageCode;
    };

    static constexpr qsizetype nameLimit = 60;
    static constexpr qsizetype commentLimit = 2000;
    static constexpr int stepFadeMs = 200;

    ReviewPromptView(Services services, std::function<void()> onClose, QWidget *parent = nullptr);
    ~ReviewPromptView() override;

    Step step() const { return m_step; }
    // 0 until a star is chosen, then 1 to 5.
    int rating() const { return m_rating; }
    void setRating(int rating);
    QString comment() const;
    QString name() const;
    bool isSending() const { return m_sending; }
    bool failed() const { return m_failed; }

    // The send button's action: sends the rating, review and name as they
    // are (the library trims them). Does nothing without a star, while a
    // send runs, or without the library's component. The answer is only
    // taken in while this form still exists; the library records a success
    // either way.
    void submit();

signals:
    void ratingChanged(int rating);
    void stepChanged(halvex::ReviewPromptView::Step step);
    void sendingChanged(bool sending);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    class StarRating;
    class QuietButton;
    class FooterLink;

    QWidget *buildForm();
    QWidget *buildThanks();
    void finishSubmission(bool succeeded);
    void setSending(bool sending);
    void setFailed(bool failed);
    void showStep(Step step);
    void limitName();
    void limitComment();
    void refreshSendButton();
    void retranslate();

    Services m_services;
    std::function<void()> m_onClose;
    Step m_step = Step::form;
    int m_rating = 0;
    bool m_sending = false;
    bool m_failed = false;

    QStackedLayout *m_steps = nullptr;
    QWidget *m_form = nullptr;
    QWidget *m_thanks = nullptr;
    KitLabel *m_title = nullptr;
    KitLabel *m_subtitle = nullptr;
    StarRating *m_stars = nullptr;
    TextInputField *m_name = nullptr;
    QPlainTextEdit *m_comment = nullptr;
    KitLabel *m_error = nullptr;
    QuietButton *m_notNow = nullptr;
    PrimaryButton *m_send = nullptr;
    FooterLink *m_tipLink = nullptr;
    FooterLink *m_feedbackLink = nullptr;
    KitLabel *m_thanksTitle = nullptr;
    KitLabel *m_thanksBody = nullptr;
    QuietButton *m_close = nullptr;
    PrimaryButton *m_thanksTip = nullptr;
};

} // namespace halvex
