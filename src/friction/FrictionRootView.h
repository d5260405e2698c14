#pragma once

#include <QPointer>
#include <QWidget>

class QHBoxLayout;
class QStackedLayout;

namespace halvex {

class BreathDotView;
class BrutalConfessionFlow;
class DisplayNumeral;
class FrictionButtonRow;
class FrictionViewModel;
class KitLabel;
class ResetAnimationView;
class TextInputField;

// The whole content of the friction panel: a 520 by 420 card showing how
// many days the streak has run, its name, the allowance notice, the
// reflection field while the firm countdown runs, the action buttons and a
// failure line. The brutal confession flow takes the card's place while it
// is active, and the reset animation while it plays (over everything). It
// decides nothing itself: it follows the view model.
class FrictionRootView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrictionRootView)
public:
    explicit FrictionRootView(FrictionViewModel &viewModel, QWidget *parent = nullptr);

    static constexpr QSize cardSize{520, 420};
    static constexpr qreal cornerRadius = 12.0;
    static constexpr int columnSidePadding = 64;
    static constexpr int overflowSidePadding = 16;
    static constexpr int columnWidth = cardSize.width() - 2 * columnSidePadding;
    static constexpr int columnVerticalPadding = 32;
    static constexpr int leastColumnVerticalPadding = 12;
    static constexpr int resetPadding = 64;
    static constexpr int reflectionMaximumWidth = 360;

    // A row that centres `widget` and lets it grow up to its maximum width.
    static QHBoxLayout *centred(QWidget *widget);
    // `format` with each %n replaced by the n-th argument.
    static QString fillPlaceholders(const QString &format, const QStringList &arguments);

    enum class Content { normal, brutal, reset };
    Content content() const { return m_content; }

    FrictionViewModel &viewModel() const { return m_viewModel; }
    FrictionButtonRow *buttonRow() const { return m_buttonRow; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void retranslate();
    void refreshContent();
    void refreshColumn();

    FrictionViewModel &m_viewModel;
    Content m_content = Content::normal;
    QStackedLayout *m_stack;

    QWidget *m_column;
    BreathDotView *m_breathDot;
    DisplayNumeral *m_numeral;
    KitLabel *m_title;
    KitLabel *m_allowance = nullptr;
    TextInputField *m_reflection;
    FrictionButtonRow *m_buttonRow;
    KitLabel *m_feedback;

    QPointer<BrutalConfessionFlow> m_brutal;
    QPointer<ResetAnimationView> m_reset;
};

} // namespace halvex
