#include "AccessibleUi.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace testing {

namespace {

const QString registryService = QStringLiteral("org.a11y.atspi.Registry");
const QString rootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString nullPath = QStringLiteral("/org/a11y/atspi/null");
const QString accessibleInterface = QStringLiteral("org.a11y.atspi.Accessible");
const QString componentInterface = QStringLiteral("org.a11y.atspi.Component");
constexpr int callTimeoutMs = 2000;
constexpr uint screenCoordinates = 0;
constexpr uint stateEnabled = 8;
// Deep enough for a window's scroll areas and stacked pages.
constexpr int maximumDepth = 40;

QList<AccessibleUi::Element> elementsIn(const QVariant &value)
{
    QList<AccessibleUi::Element> elements;
    if (!value.canConvert<QDBusArgument>())
        return elements;
    const QDBusArgument argument = value.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        QString service;
        QDBusObjectPath path;
        argument.beginStructure();
        argument >> service >> path;
        argument.endStructure();
        if (!service.isEmpty() && path.path() != nullPath)
            elements << AccessibleUi::Element{service, path.path()};
    }
    argument.endArray();
    return elements;
}

QVariant firstArgument(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0) : QVariant();
}

} // namespace

AccessibleUi::AccessibleUi(const QString &busAddress, qint64 processIdentifier)
    : m_connectionName(QStringLiteral("accessible-ui-%1").arg(quintptr(this), 0, 16))
    , m_bus(QDBusConnection::connectToBus(busAddress, m_connectionName))
    , m_processIdentifier(processIdentifier)
{}

AccessibleUi::~AccessibleUi()
{
    QDBusConnection::disconnectFromBus(m_connectionName);
}

std::optional<AccessibleUi::Element> AccessibleUi::application()
{
    if (m_application || !m_bus.isConnected())
        return m_application;
    for (const Element &candidate : children({registryService, rootPath})) {
        const QDBusMessage reply =
            m_bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                      QStringLiteral("/org/freedesktop/DBus"),
                                                      QStringLiteral("org.freedesktop.DBus"),
                                                      QStringLiteral("GetConnectionUnixProcessID"))
                           << candidate.service,
                       QDBus::Block, callTimeoutMs);
        if (firstArgument(reply).toLongLong() == m_processIdentifier) {
            m_application = candidate;
            break;
        }
    }
    return m_application;
}

QList<AccessibleUi::Element> AccessibleUi::children(const Element &element) const
{
    const QDBusMessage reply = m_bus.call(
        QDBusMessage::createMethodCall(element.service, element.path, accessibleInterface,
                                       QStringLiteral("GetChildren")),
        QDBus::Block, callTimeoutMs);
    return elementsIn(firstArgument(reply));
}

std::optional<AccessibleUi::Element> AccessibleUi::parent(const Element &element) const
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        element.service, element.path, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << accessibleInterface << QStringLiteral("Parent");
    const QVariant value = firstArgument(m_bus.call(get, QDBus::Block, callTimeoutMs));
    // Const: a writable argument would be written to rather than read.
    const QDBusArgument argument = value.value<QDBusVariant>().variant().value<QDBusArgument>();
    QString service;
    QDBusObjectPath path;
    argument.beginStructure();
    argument >> service >> path;
    argument.endStructure();
    if (service.isEmpty() || path.path() == nullPath)
        return std::nullopt;
    return Element{service, path.path()};
}

QString AccessibleUi::name(const Element &element) const
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        element.service, element.path, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << accessibleInterface << QStringLiteral("Name");
    return firstArgument(m_bus.call(get, QDBus::Block, callTimeoutMs))
        .value<QDBusVariant>()
        .variant()
        .toString();
}

QString AccessibleUi::roleName(const Element &element) const
{
    return firstArgument(m_bus.call(QDBusMessage::createMethodCall(element.service, element.path,
                                                                   accessibleInterface,
                                                                   QStringLiteral("GetRoleName")),
                                    QDBus::Block, callTimeoutMs))
        .toString();
}

bool AccessibleUi::isEnabled(const Element &element) const
{
    const QVariant value = firstArgument(
        m_bus.call(QDBusMessage::createMethodCall(element.service, element.path,
                                                  accessibleInterface, QStringLiteral("GetState")),
                   QDBus::Block, callTimeoutMs));
    QList<uint> words;
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> words;
    return !words.isEmpty() && (words.first() >> stateEnabled & 1u);
}

QRect AccessibleUi::extents(const Element &element) const
{
    const QVariant value = firstArgument(
        m_bus.call(QDBusMessage::createMethodCall(element.service, element.path, componentInterface,
                                                  QStringLiteral("GetExtents"))
                       << screenCoordinates,
                   QDBus::Block, callTimeoutMs));
    if (!value.canConvert<QDBusArgument>())
        return {};
    int x = 0, y = 0, width = 0, height = 0;
    const QDBusArgument argument = value.value<QDBusArgument>();
    argument.beginStructure();
    argument >> x >> y >> width >> height;
    argument.endStructure();
    return QRect(x, y, width, height);
}

QRect AccessibleUi::visibleExtents(const Element &element) const
{
    QRect visible = extents(element);
    for (std::optional<Element> above = parent(element); above && !visible.isEmpty();
         above = parent(*above)) {
        const QRect box = extents(*above);
        // The application itself has no extents of its own.
        if (!box.isEmpty())
            visible &= box;
    }
    return visible;
}

std::optional<AccessibleUi::Element> AccessibleUi::clippingAncestor(const Element &element) const
{
    const QRect whole = extents(element);
    for (std::optional<Element> above = parent(element); above; above = parent(*above)) {
        const QRect box = extents(*above);
        if (!box.isEmpty() && !box.contains(whole))
            return above;
    }
    return std::nullopt;
}

void AccessibleUi::walk(const Element &element, int depth,
                        const std::function<bool(const Element &, int)> &visit) const
{
    if (depth > maximumDepth)
        return;
    for (const Element &child : children(element)) {
        // Hidden pages and closed windows are no place to click. Qt gives
        // them no extents; its showing state is not reliable for containers.
        if (extents(child).isEmpty())
            continue;
        if (!visit(child, depth))
            return;
        walk(child, depth + 1, visit);
    }
}

QList<AccessibleUi::Element> AccessibleUi::search(const Match &match, bool firstOnly)
{
    QList<Element> found;
    std::optional<Element> root = match.within ? match.within : application();
    if (!root)
        return found;
    bool done = false;
    walk(*root, 0, [&](const Element &element, int) {
        if (done)
            return false;
        if (!match.role.isEmpty() && roleName(element) != match.role)
            return true;
        if (!match.name.isEmpty()) {
            const QString text = name(element);
            if (match.partialName ? !text.contains(match.name) : text != match.name)
                return true;
        }
        found << element;
        done = firstOnly;
        return !done;
    });
    return found;
}

std::optional<AccessibleUi::Element> AccessibleUi::find(const Match &match)
{
    const QList<Element> found = search(match, true);
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<AccessibleUi::Element> AccessibleUi::findAll(const Match &match)
{
    return search(match, false);
}

QString AccessibleUi::dump()
{
    const std::optional<Element> root = application();
    if (!root)
        return QStringLiteral("(process %1 is not on the accessibility bus)")
            .arg(m_processIdentifier);
    QString lines;
    walk(*root, 0, [&](const Element &element, int depth) {
        const QRect box = extents(element);
        lines += QString(2 * depth, u' ') + QStringLiteral("%1 '%2' [%3,%4 %5x%6]\n")
                                                .arg(roleName(element), name(element))
                                                .arg(box.x())
                                                .arg(box.y())
                                                .arg(box.width())
                                                .arg(box.height());
        return true;
    });
    return lines;
}

} // namespace testing
