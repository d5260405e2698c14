#include <QTest>

#include "FakeActivationPolicy.h"
#include "kit/ActivationPolicyCoordinator.h"

using fennimar::ActivationPolicy;
using fennimar::ActivationPolicyCoordinator;

Q_DECLARE_METATYPE(QList<ActivationPolicy>)

class tst_ActivationPolicyCoordinator : public QObject {
    Q_OBJECT
private slots:
    void holds_data()
    {
        QTest::addColumn<ActivationPolicy>("initial");
        QTest::addColumn<QString>("steps"); // a: acquire, r: release
        QTest::addColumn<ActivationPolicy>("final");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<ActivationPolicy>>("changes");
        const auto regular = ActivationPolicy::regular, accessory = ActivationPolicy::accessory,
                   prohibited = ActivationPolicy::prohibited;
        using L = QList<ActivationPolicy>;
        QTest::newRow("first hold") << accessory << "a" << regular << 1 << L{regular};
        QTest::newRow("second window opens") << accessory << "aa" << regular << 2 << L{regular};
        QTest::newRow("one of two closes") << accessory << "aar" << regular << 1 << L{regular};
        QTest::newRow("both close")
            << accessory << "aarr" << accessory << 0 << L{regular, accessory};
        QTest::newRow("already regular") << regular << "ar" << regular << 0 << L{};
        QTest::newRow("release without a hold") << accessory << "rr" << accessory << 0 << L{};
        QTest::newRow("unbalanced, then a hold")
            << accessory << "rar" << accessory << 0 << L{regular, accessory};
        QTest::newRow("prohibited comes back")
            << prohibited << "ar" << prohibited << 0 << L{regular, prohibited};
        QTest::newRow("twice over")
            << accessory << "arar" << accessory << 0 << L{regular, accessory, regular, accessory};
    }
    void holds()
    {
        QFETCH(ActivationPolicy, initial);
        QFETCH(QString, steps);
        auto backend = std::make_shared<testing::FakeActivationPolicy>(initial);
        ActivationPolicyCoordinator coordinator(backend);
        for (const QChar step : steps) {
            if (step == u'a')
                coordinator.acquire();
            else
                coordinator.release();
        }
        QTEST(backend->policy, "final");
        QTEST(coordinator.refCount(), "count");
        QTEST(backend->changes, "changes");
        // The policy found at the first hold is kept exactly while holds are out.
        QCOMPARE(coordinator.priorPolicy().has_value(), coordinator.refCount() > 0);
        if (coordinator.priorPolicy())
            QCOMPARE(*coordinator.priorPolicy(), initial);
    }
};

QTEST_GUILESS_MAIN(tst_ActivationPolicyCoordinator)
#include "tst_ActivationPolicyCoordinator.moc"
