#include <QTest>

#include "UiTestSupport.h"
#include "ui/EmptyStateBlock.h"
#include "ui/KitLabel.h"
#include "ui/PrimaryButton.h"

using namespace halvex;

class tst_EmptyStateBlock : public QObject {
    Q_OBJECT

private slots:
    void titleAloneSitsInTheMiddle()
    {
        auto *block = new EmptyStateBlock({.title = QStringLiteral("No streaks yet")});
        testing::Backdrop window(block, 0);
        window.resize(400, 300);
        testing::render(&window);
        QVERIFY(!block->subtitleLabel());
        QVERIFY(!block->actionButton());
        const QRect title = block->titleLabel()->geometry();
        QVERIFY(qAbs(title.center().y() - block->height() / 2) <= 1);
        QVERIFY(block->titleLabel()->alignment() & Qt::AlignHCenter);
        QCOMPARE(title.left(), EmptyStateBlock::padding);
    }

    void actionSitsEightBelowTheStackSpacing()
    {
        int performed = 0;
        auto *block =
            new EmptyStateBlock({.title = QStringLiteral("Nothing this week"),
                                 .subtitle = QStringLiteral("Steps back show up here."),
                                 .action = EmptyStateBlock::Action{QStringLiteral("Create"),
                                                                   [&performed] { ++performed; }}});
        testing::Backdrop window(block, 0);
        window.resize(400, 300);
        testing::render(&window);
        const QRect title = block->titleLabel()->geometry();
        const QRect subtitle = block->subtitleLabel()->geometry();
        const QRect button = block->actionButton()->geometry();
        QCOMPARE(subtitle.top() - title.bottom() - 1, EmptyStateBlock::spacing);
        QCOMPARE(button.top() - subtitle.bottom() - 1,
                 EmptyStateBlock::spacing + EmptyStateBlock::actionTopPadding);
        QVERIFY(qAbs(button.center().x() - block->width() / 2) <= 1);
        QVERIFY(button.width() < block->width() / 2); // natural width, not full
        QTest::mouseClick(block->actionButton(), Qt::LeftButton);
        QCOMPARE(performed, 1);
    }
};

QTEST_MAIN(tst_EmptyStateBlock)
#include "tst_EmptyStateBlock.moc"
