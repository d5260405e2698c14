#include <xcb/xcb.h>

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include "DesktopHarness.h"
#include "kit/WindowFronting.h"
#include "platform/ApplicationIdentity.h"
#include "platform/DesktopEntryIndex.h"
#include "platform/X11Connection.h"
#include "platform/X11Workspace.h"

using platform::X11Connection;

namespace {

xcb_atom_t atomNamed(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, quint16(qstrlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

// A property holding a list of windows or atoms.
QList<quint32> idList(const X11Connection &x, quint32 window, const char *property, xcb_atom_t type)
{
    xcb_connection_t *c = x.connection();
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atomNamed(c, property), type, 0, 1024), nullptr);
    QList<quint32> values;
    if (reply) {
        const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply));
        values = QList<quint32>(data, data + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    return values;
}

} // namespace

// On a real desktop with a window manager: whether our window comes forward,
// and who has the focus afterwards.
class tst_WindowFronting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void bringToFrontWhileInactiveLeavesTheFocus_data();
    void bringToFrontWhileInactiveLeavesTheFocus();
    void activateAndMakeKeyTakesTheFocus();
    void bringToFrontWhileActiveFocusesTheWindow();

private:
    void putHelperInFront();
    bool helperInFront() const;
    int stackIndex(const QWidget &w) const;
    bool demandsAttention(const QWidget &w) const;

    testing::DesktopHarness m_desktop;
    platform::DesktopEntryIndex m_index{QStringList()};
    platform::ApplicationIdentity m_identity{m_index};
    std::unique_ptr<platform::X11Workspace> m_workspace;
    std::unique_ptr<X11Connection> m_x;
    QProcess *m_helper = nullptr;
    QWidget m_back;
    QWidget m_front;
    QWidget m_fresh;
};

void tst_WindowFronting::initTestCase()
{
    const QString noWindowManager = m_desktop.startWindowManager();
    QVERIFY2(noWindowManager.isEmpty(), qPrintable(noWindowManager));
    m_workspace = std::make_unique<platform::X11Workspace>(m_identity);
    m_x = std::make_unique<X11Connection>();
    m_back.setWindowTitle(QStringLiteral("back"));
    m_front.setWindowTitle(QStringLiteral("front"));
    m_fresh.setWindowTitle(QStringLiteral("fresh"));
    // Overlapping, so that a screenshot shows which is in front.
    int offset = 0;
    for (QWidget *w : {&m_back, &m_front, &m_fresh}) {
        w->setGeometry(400 + offset, 200 + offset, 240, 120);
        offset += 60;
    }
}

void tst_WindowFronting::putHelperInFront()
{
    if (!m_helper) {
        m_helper = m_desktop.startHelperWindow({.title = QStringLiteral("other")});
        QVERIFY(m_desktop.waitForWindow({.processIdentifier = m_helper->processId()}));
    }
    for (const auto &application : m_workspace->runningApplications()) {
        if (application.processIdentifier == qint32(m_helper->processId()))
            QVERIFY(m_workspace->activate(application));
    }
    QTRY_VERIFY_WITH_TIMEOUT(helperInFront(), 10000);
    QTRY_VERIFY(QGuiApplication::applicationState() != Qt::ApplicationActive);
}

bool tst_WindowFronting::helperInFront() const
{
    const auto front = m_workspace->frontmostApplication();
    return m_helper && front && front->processIdentifier == qint32(m_helper->processId());
}

int tst_WindowFronting::stackIndex(const QWidget &w) const
{
    return int(idList(*m_x, m_x->root(), "_NET_CLIENT_LIST_STACKING", XCB_ATOM_WINDOW)
                   .indexOf(quint32(w.winId())));
}

bool tst_WindowFronting::demandsAttention(const QWidget &w) const
{
    return idList(*m_x, quint32(w.winId()), "_NET_WM_STATE", XCB_ATOM_ATOM)
        .contains(atomNamed(m_x->connection(), "_NET_WM_STATE_DEMANDS_ATTENTION"));
}

void tst_WindowFronting::bringToFrontWhileInactiveLeavesTheFocus_data()
{
    QTest::addColumn<bool>("shownBefore");
    QTest::newRow("window shown for the first time") << false;
    QTest::newRow("window behind another of ours") << true;
}

void tst_WindowFronting::bringToFrontWhileInactiveLeavesTheFocus()
{
    QFETCH(bool, shownBefore);
    QWidget &target = shownBefore ? m_back : m_fresh;
    m_back.show();
    m_front.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_front));
    QTRY_VERIFY(stackIndex(m_front) > stackIndex(m_back) && stackIndex(m_back) >= 0);

    putHelperInFront();
    if (QTest::currentTestFailed())
        return;

    fennimar::WindowFronting(*m_workspace).bringToFront(&target);
    QTRY_VERIFY(stackIndex(target) > stackIndex(m_front));
    QTRY_VERIFY(demandsAttention(target));
    QVERIFY(helperInFront());
    QVERIFY(!target.isActiveWindow());
    m_desktop.screenshot(shownBefore ? QStringLiteral("window-fronting-inactive-behind")
                                     : QStringLiteral("window-fronting-inactive-new"));
}

void tst_WindowFronting::activateAndMakeKeyTakesTheFocus()
{
    QTRY_VERIFY(helperInFront());
    fennimar::WindowFronting(*m_workspace).activateAndMakeKey(&m_back);
    QTRY_VERIFY(m_back.isActiveWindow());
    QTRY_VERIFY(!helperInFront());
}

void tst_WindowFronting::bringToFrontWhileActiveFocusesTheWindow()
{
    QTRY_VERIFY(m_back.isActiveWindow());
    fennimar::WindowFronting(*m_workspace).bringToFront(&m_front);
    QTRY_VERIFY(m_front.isActiveWindow());
    QTRY_VERIFY(stackIndex(m_front) > stackIndex(m_back));
    QVERIFY(!demandsAttention(m_front));
}

int main(int argc, char **argv)
{
    return testing::DesktopHarness::run<tst_WindowFronting>(argc, argv);
}

#include "tst_WindowFronting.moc"
