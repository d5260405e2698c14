#pragma once

#include <functional>

#include <QWidget>

namespace halvex {

class KitLabel;
class PrimaryButton;

// A page that says one thing: a muted, wrapped line in the middle with one
// primary button under it, between equal flexible spaces. Its owner names
// both and sets their texts.
class MessagePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessagePage)
public:
    static constexpr int padding = 24;
    static constexpr int spacing = 12;

    explicit MessagePage(std::function<void()> action, QWidget *parent = nullptr);

    KitLabel *text() const { return m_text; }
    PrimaryButton *button() const { return m_button; }

private:
    KitLabel *m_text;
    PrimaryButton *m_button;
};

} // namespace halvex
