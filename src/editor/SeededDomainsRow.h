#pragma once

#include <QWidget>

#include "engine/DomainPreset.h"

namespace halvex {

class KitLabel;
class PlainTextButton;

// Stands in for the domain list of a new site streak started from a preset
// set of sites: the set's name, how many sites the list holds, and an "Edit
// sites" button, framed in the popover form box. The button emits
// expandRequested(); the form then shows the full list in its place.
//
// Identifiers: "streakEditor.domains.seeded" (the row),
// "streakEditor.domains.showAll" (the button).
class SeededDomainsRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SeededDomainsRow)
public:
    // `count`: the entries of the form's list, not the preset's own size.
    SeededDomainsRow(DomainPreset preset, qint64 count, QWidget *parent = nullptr);

    DomainPreset preset() const { return m_preset; }
    qint64 count() const { return m_count; }
    void setCount(qint64 count);

    KitLabel *titleLabel() const { return m_title; }
    KitLabel *countLabel() const { return m_countLabel; }

signals:
    void expandRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    DomainPreset m_preset;
    qint64 m_count;
    KitLabel *m_title;
    KitLabel *m_countLabel;
    PlainTextButton *m_showAll;
};

} // namespace halvex
