#pragma once

#include <optional>

#include <QWidget>

namespace halvex {

class KitLabel;
class ToggleSwitch;

// A labelled switch: title, optional wrapping subtitle, and the switch at the
// trailing edge, which carries the accessibility identifier as its objectName.
class ToggleRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToggleRow)
public:
    struct Options {
        QString title{};
        std::optional<QString> subtitle{};
        bool isOn = false;
        std::optional<QString> accessibilityID{};
    };
    explicit ToggleRow(Options options, QWidget *parent = nullptr);

    bool isOn() const;
    void setOn(bool on);

    QString title() const;
    void setTitle(const QString &title);
    std::optional<QString> subtitle() const;
    void setSubtitle(const std::optional<QString> &subtitle);

    ToggleSwitch *toggle() const { return m_switch; }

signals:
    void toggled(bool on);

private:
    KitLabel *m_title;
    KitLabel *m_subtitle;
    ToggleSwitch *m_switch;
};

} // namespace halvex
