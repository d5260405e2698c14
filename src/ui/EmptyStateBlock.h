#pragma once

#include <functional>
#include <optional>

#include <QWidget>

namespace halvex {

class KitLabel;
class PrimaryButton;

// The centred placeholder of an empty screen: title, optional subtitle and
// optional primary action, between equal flexible spaces.
class EmptyStateBlock final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EmptyStateBlock)
public:
    struct Action {
        QString label{};
        std::function<void()> perform;
    };
    struct Options {
        QString title{};
        std::optional<QString> subtitle{};
        std::optional<Action> action{};
    };
    explicit EmptyStateBlock(Options options, QWidget *parent = nullptr);

    static constexpr int spacing = 12;
    static constexpr int padding = 16;
    static constexpr int actionTopPadding = 8;

    KitLabel *titleLabel() const { return m_title; }
    KitLabel *subtitleLabel() const { return m_subtitle; }
    PrimaryButton *actionButton() const { return m_button; }

private:
    KitLabel *m_title;
    KitLabel *m_subtitle = nullptr;
    PrimaryButton *m_button = nullptr;
};

} // namespace halvex
