#pragma once

#include <memory>

#include <QLocale>
#include <QTimeZone>
#include <QWidget>

namespace halvex {

class KitLabel;
class Tombstone;

// One broken run in a streak's history: a headstone mark, the days it
// lasted with the mode it broke in, when it started and broke, and the last
// answer given to the friction panel before the break (at most two lines,
// only when there is one).
//
// Identifiers: "streakEditor.tombstone.count", ".mode", ".dates", ".why".
class TombstoneRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TombstoneRow)
public:
    // Dates are shown as days of `zone`'s calendar.
    TombstoneRow(const std::shared_ptr<Tombstone> &tombstone, const QTimeZone &zone,
                 QWidget *parent = nullptr);

    // The mode's onboarding title up to its first hyphen; the raw value
    // capitalised where no title exists.
    static QString modeLabel(const QString &modeAtBreak);
    // "Mar 5 → Mar 9": abbreviated month and day, in the locale's order.
    static QString datesLine(const QDateTime &startedAt, const QDateTime &brokenAt,
                             const QTimeZone &zone, const QLocale &locale);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    std::shared_ptr<Tombstone> m_tombstone;
    QTimeZone m_zone;
    KitLabel *m_unit;
    KitLabel *m_mode;
    KitLabel *m_dates;
};

} // namespace halvex
