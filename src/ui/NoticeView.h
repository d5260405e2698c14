#pragma once

#include <functional>

#include <QList>
#include <QStringList>
#include <QWidget>

namespace halvex {

class ButtonBase;
class KitLabel;

// What must be read before going on: for each topic a symbol, a headline
// and wrapped paragraphs that can be selected (paths in them copied), then
// the actions at the foot, the primary one last: in a row at the trailing
// edge, or one above the other at full width when their texts are longer
// than a row holds. Its owner gives the texts in the interface language.
class NoticeView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoticeView)
public:
    struct Topic {
        enum class Tone { warning, information };
        Tone tone = Tone::warning;
        QString title{};
        QStringList paragraphs{};
        QString objectName{};
    };
    struct Action {
        QString title{};
        std::function<void()> perform{};
        bool primary = false;
        QString objectName{};
    };

    static constexpr int width = 480;
    static constexpr int padding = 24;
    static constexpr int spacing = 16;
    static constexpr int symbolSize = 22;
    static constexpr int symbolGap = 12;
    static constexpr int paragraphSpacing = 8;

    NoticeView(const QList<Topic> &topics, const QList<Action> &actions, QWidget *parent = nullptr);

    // The buttons, in the order of the actions.
    const QList<ButtonBase *> &buttons() const { return m_buttons; }

private:
    QWidget *topicBlock(const Topic &topic);

    QList<ButtonBase *> m_buttons;
};

} // namespace halvex
