#pragma once

#include <QWidget>

#include "engine/DomainPreset.h"

namespace halvex {

class ClampedLabel;
class KitLabel;

// What the popover's list screen shows while there is no streak: a large
// "0", a title and a short explanation, and one chip per preset set of
// sites (social, video, news) with the set's size. A chip emits
// startFromSetRequested() with its preset; the root opens the new-streak
// screen seeded with it.
//
// Identifiers: "popover.empty.root", "popover.empty.set.<preset>".
class PopoverEmptyStateView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopoverEmptyStateView)
public:
    explicit PopoverEmptyStateView(QWidget *parent = nullptr);

    // The presets offered, in order.
    static const QList<DomainPreset> &offeredPresets();

    static constexpr int chipMinimumHeight = 56;

    KitLabel *titleLabel() const { return m_title; }

signals:
    void startFromSetRequested(halvex::DomainPreset preset);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    KitLabel *m_title;
    KitLabel *m_subtitle;
    KitLabel *m_setsTitle;
    QList<QWidget *> m_chips;
};

} // namespace halvex
