#pragma once

#include <QWidget>

namespace platform {
class DesktopEntryIndex;
}

namespace halvex {

class KitLabel;
class MilestonePlanning;
class NewStreakFormContent;
class PersistenceController;
class StreakEngine;

// The streak editor window's content for a new streak: the title over the
// new-streak form in its wide layout. Cancel and a successful save both
// emit dismissed() once.
class NewStreakSheet final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NewStreakSheet)
public:
    static constexpr QSize minimumContent{480, 560};
    static constexpr QSize idealContent{520, 680};
    static constexpr QSize maximumContent{720, 900};

    NewStreakSheet(PersistenceController &persistence, StreakEngine &engine,
                   MilestonePlanning &milestonePlanning,
                   const platform::DesktopEntryIndex &applications, QWidget *parent = nullptr);

    NewStreakFormContent *form() const { return m_form; }
    QSize sizeHint() const override { return idealContent; }

signals:
    void dismissed();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    KitLabel *m_title;
    NewStreakFormContent *m_form;
};

} // namespace halvex
