#pragma once

#include <QWidget>

namespace halvex {

class CountdownButton;
class FrictionLinkButton;
class FrictionPrimaryButton;
class FrictionSecondaryButton;
class FrictionViewModel;
class MoreOptionsLine;

// The action buttons at the bottom of the friction card. Normally: step back
// (the emphasised action), open anyway (a small destructive link whose label
// tells the cost once the streak is a day old) and a more-options link that
// reveals pause, the day's free pass and, for a link opened from another
// application, opening without counting. While the firm countdown runs, the
// countdown button and a cancel button stand in their place. Every rule about
// outcomes is the view model's; the row only remembers whether the more
// options are shown, across the firm arrangement and back.
class FrictionButtonRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrictionButtonRow)
public:
    explicit FrictionButtonRow(FrictionViewModel &viewModel, QWidget *parent = nullptr);

    static constexpr int stepBackMaximumWidth = 360;

    bool showMoreOptions() const { return m_showMoreOptions; }
    void setShowMoreOptions(bool show);

    // The open-anyway label for a streak of `days` whole days.
    static QString openAnywayLabel(int days);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void refreshArrangement();

    FrictionViewModel &m_viewModel;
    bool m_showMoreOptions = false;

    QWidget *m_firm;
    CountdownButton *m_countdown;
    FrictionSecondaryButton *m_cancel;

    QWidget *m_normal;
    FrictionPrimaryButton *m_stepBack;
    FrictionLinkButton *m_openAnyway;
    FrictionLinkButton *m_moreOptions;
    MoreOptionsLine *m_moreLine;
    FrictionSecondaryButton *m_pause;
    FrictionSecondaryButton *m_freePass;
    FrictionSecondaryButton *m_externalBypass;
};

} // namespace halvex
