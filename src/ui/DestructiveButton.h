#pragma once

#include "ui/ButtonBase.h"

namespace halvex {

// An outlined action in the destructive colour. Its title wraps instead of
// being cut. Only its own enabled flag dims it (to 0.4): loading swaps the
// title for the indicator and refuses clicks but keeps full opacity.
class DestructiveButton final : public ButtonBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DestructiveButton)
public:
    struct Options {
        QString title{};
        Action action{};
        bool isEnabled = true;
        bool isLoading = false;
        bool fullWidth = false;
    };
    explicit DestructiveButton(Options options, QWidget *parent = nullptr);

    static constexpr qreal cornerRadius = 8.0;
    static constexpr qreal horizontalPadding = 16.0;
    static constexpr qreal disabledOpacity = 0.4;

    void setLoading(bool loading) { setLoadingState(loading); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    bool wantsEnabledLook() const override { return isOwnEnabled(); }
    qreal indicatorOpacity() const override;
    void paintEvent(QPaintEvent *event) override;

private:
    int contentHeightForWidth(int width) const;
};

} // namespace halvex
