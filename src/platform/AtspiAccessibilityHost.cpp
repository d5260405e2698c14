#include "platform/AtspiAccessibilityHost.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QMutexLocker>
#include <QSet>

#include "platform/FrontWindowMatch.h"

namespace platform {

namespace {

const QString launcherService = QStringLiteral("org.a11y.Bus");
const QString launcherPath = QStringLiteral("/org/a11y/bus");
const QString statusInterface = QStringLiteral("org.a11y.Status");
const QString enabledProperty = QStringLiteral("IsEnabled");

const QString registryService = QStringLiteral("org.a11y.atspi.Registry");
const QString rootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString nullPath = QStringLiteral("/org/a11y/atspi/null");

const QString accessibleInterface = QStringLiteral("org.a11y.atspi.Accessible");
const QString actionInterface = QStringLiteral("org.a11y.atspi.Action");
const QString collectionInterface = QStringLiteral("org.a11y.atspi.Collection");
const QString componentInterface = QStringLiteral("org.a11y.atspi.Component");
const QString documentInterface = QStringLiteral("org.a11y.atspi.Document");
const QString textInterface = QStringLiteral("org.a11y.atspi.Text");
const QString valueInterface = QStringLiteral("org.a11y.atspi.Value");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// How long an application that let a call time out is left alone.
constexpr int restMs = 2000;
// How deep a search walks where the application cannot search itself.
constexpr int searchWalkDepth = 16;

// The AT-SPI roles and states the host's vocabulary names.
enum Role : uint {
    roleComboBox = 11,
    roleDialog = 16,
    roleFrame = 23,
    rolePageTab = 37,
    rolePageTabList = 38,
    rolePushButton = 43,
    roleText = 61,
    roleWindow = 69,
    roleApplication = 75,
    roleEntry = 79,
    roleDocumentWeb = 95,
};
enum State : uint {
    stateActive = 1,
    stateEditable = 7,
    stateEnabled = 8,
    stateFocused = 12,
    stateIconified = 15,
    stateMultiLine = 17,
    stateSensitive = 24,
    stateShowing = 25,
};

bool has(quint64 states, State state)
{
    return (states >> state) & 1u;
}

// The AT-SPI roles an application's own search looks for to find a role of
// the host's vocabulary; `checked` where some of them are that role only in
// certain states, so that each match is checked. No roles: it is walked for.
struct SearchedRoles {
    QList<uint> roles;
    bool checked = false;
};

SearchedRoles searchedRolesFor(const QString &role)
{
    if (role == QLatin1String(ax::webAreaRole))
        return {{roleDocumentWeb}};
    if (role == QLatin1String(ax::buttonRole))
        return {{rolePushButton}};
    if (role == QLatin1String(ax::tabGroupRole))
        return {{rolePageTabList}};
    if (role == QLatin1String(ax::applicationRole))
        return {{roleApplication}};
    if (role == QLatin1String(ax::windowRole))
        return {{roleFrame, roleWindow, roleDialog}};
    if (role == QLatin1String(ax::textFieldRole))
        return {{roleEntry, roleText, roleComboBox}, true};
    return {};
}

// AT-SPI's relation of a frame to the document it shows.
constexpr uint relationEmbeds = 13;

// A Collection match rule: what GetMatches looks for.
struct MatchRule {
    enum MatchType { matchAll = 1, matchAny = 2 };
    // Bit sets, 32 states or roles per word.
    QList<int> states{0, 0};
    QList<int> roles{0, 0, 0, 0};
};
constexpr uint sortCanonical = 1;
// Component coordinates relative to the screen.
constexpr uint screenCoordinates = 0;

QDBusArgument &operator<<(QDBusArgument &argument, const MatchRule &rule)
{
    argument.beginStructure();
    argument << rule.states << int(MatchRule::matchAll) << QMap<QString, QString>()
             << int(MatchRule::matchAll) << rule.roles << int(MatchRule::matchAny) << QStringList()
             << int(MatchRule::matchAll) << false;
    argument.endStructure();
    return argument;
}

// Never received; QtDBus asks for both directions.
const QDBusArgument &operator>>(const QDBusArgument &argument, MatchRule &)
{
    return argument;
}

AccessibilityError errorOf(const QDBusMessage &reply)
{
    switch (QDBusError(reply).type()) {
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut:
        return AccessibilityError::cannotComplete;
    case QDBusError::UnknownMethod:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownProperty:
    case QDBusError::NotSupported:
        return AccessibilityError::attributeUnsupported;
    case QDBusError::UnknownObject:
    case QDBusError::ServiceUnknown:
        return AccessibilityError::invalidElement;
    case QDBusError::InvalidArgs:
        return AccessibilityError::illegalArgument;
    default:
        return AccessibilityError::failure;
    }
}

QVariant firstArgument(const QDBusMessage &reply)
{
    const QList<QVariant> arguments = reply.arguments();
    return arguments.isEmpty() ? QVariant() : arguments.first();
}

// Properties.Get answers with a variant around the value.
QVariant unwrapped(const QVariant &value)
{
    if (value.canConvert<QDBusVariant>())
        return value.value<QDBusVariant>().variant();
    return value;
}

// An element reference (so); null for the null object.
AccessibleElement elementIn(const QDBusArgument &argument)
{
    QString service;
    QDBusObjectPath path;
    argument.beginStructure();
    argument >> service >> path;
    argument.endStructure();
    if (service.isEmpty() || path.path() == nullPath)
        return {};
    return {service, path.path()};
}

QList<AccessibleElement> elementsIn(const QDBusArgument &argument)
{
    QList<AccessibleElement> elements;
    argument.beginArray();
    while (!argument.atEnd()) {
        if (const AccessibleElement element = elementIn(argument); !element.isNull())
            elements << element;
    }
    argument.endArray();
    return elements;
}

QList<AccessibleElement> elementsIn(const QVariant &value)
{
    if (!value.canConvert<QDBusArgument>())
        return {};
    return elementsIn(value.value<QDBusArgument>());
}

// The targets of one relation type in a relation set a(ua(so)).
QList<AccessibleElement> relationTargetsIn(const QVariant &value, uint wanted)
{
    QList<AccessibleElement> targets;
    if (!value.canConvert<QDBusArgument>())
        return targets;
    const QDBusArgument argument = value.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        uint type = 0;
        argument.beginStructure();
        argument >> type;
        const QList<AccessibleElement> elements = elementsIn(argument);
        argument.endStructure();
        if (type == wanted)
            targets << elements;
    }
    argument.endArray();
    return targets;
}

bool nameHasNoOwner(const QDBusMessage &reply)
{
    return reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
           reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown");
}

QMap<QString, QString> stringMapIn(const QVariant &value)
{
    QMap<QString, QString> map;
    if (!value.canConvert<QDBusArgument>())
        return map;
    const QDBusArgument argument = value.value<QDBusArgument>();
    argument.beginMap();
    while (!argument.atEnd()) {
        QString key;
        QString text;
        argument.beginMapEntry();
        argument >> key >> text;
        argument.endMapEntry();
        map.insert(key, text);
    }
    argument.endMap();
    return map;
}

// The names of the actions, in their order.
QStringList actionNamesIn(const QVariant &value)
{
    QStringList names;
    if (!value.canConvert<QDBusArgument>())
        return names;
    const QDBusArgument argument = value.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        QString name;
        QString description;
        QString keyBinding;
        argument.beginStructure();
        argument >> name >> description >> keyBinding;
        argument.endStructure();
        names << name;
    }
    argument.endArray();
    return names;
}

// The action a press means: press, else click, else jump (a link), else activate.
qsizetype pressIndex(const QStringList &names)
{
    for (const char *candidate : {"press", "click", "jump", "activate"}) {
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (names[i].compare(QLatin1String(candidate), Qt::CaseInsensitive) == 0)
                return i;
        }
    }
    return -1;
}

quint64 statesIn(const QVariant &value)
{
    QList<uint> words;
    if (value.canConvert<QDBusArgument>()) {
        const QDBusArgument argument = value.value<QDBusArgument>();
        argument.beginArray();
        while (!argument.atEnd()) {
            uint word = 0;
            argument >> word;
            words << word;
        }
        argument.endArray();
    } else {
        words = value.value<QList<uint>>();
    }
    quint64 states = 0;
    for (qsizetype i = 0; i < words.size() && i < 2; ++i)
        states |= quint64(words[i]) << (32 * i);
    return states;
}

} // namespace

} // namespace platform

Q_DECLARE_METATYPE(platform::MatchRule)

namespace platform {

AtspiAccessibilityHost::AtspiAccessibilityHost(const FrontWindowSource &frontWindows,
                                               const QDBusConnection &sessionBus,
                                               std::chrono::milliseconds callTimeout)
    : m_frontWindows(frontWindows)
    , m_sessionBus(sessionBus)
    , m_timeoutMs(int(callTimeout.count()))
    , m_connectionName(QStringLiteral("halvex-accessibility-%1").arg(quintptr(this), 0, 16))
{
    qDBusRegisterMetaType<MatchRule>();
}

AtspiAccessibilityHost::~AtspiAccessibilityHost()
{
    if (m_connected)
        QDBusConnection::disconnectFromBus(m_connectionName);
}

std::optional<bool> AtspiAccessibilityHost::readEnabled()
{
    QDBusMessage get = QDBusMessage::createMethodCall(launcherService, launcherPath,
                                                      propertiesInterface, QStringLiteral("Get"));
    get << statusInterface << enabledProperty;
    const QDBusMessage reply = m_sessionBus.call(get, QDBus::Block, m_timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return std::nullopt;
    const QVariant value = unwrapped(firstArgument(reply));
    if (value.typeId() != QMetaType::Bool)
        return std::nullopt;
    return value.toBool();
}

bool AtspiAccessibilityHost::isProcessTrusted()
{
    const bool enabled = readEnabled().value_or(false);
    QMutexLocker lock(&m_mutex);
    m_enabled = enabled;
    return enabled;
}

bool AtspiAccessibilityHost::requestProcessTrust()
{
    QDBusMessage set = QDBusMessage::createMethodCall(launcherService, launcherPath,
                                                      propertiesInterface, QStringLiteral("Set"));
    set << statusInterface << enabledProperty << QVariant::fromValue(QDBusVariant(true));
    m_sessionBus.call(set, QDBus::Block, m_timeoutMs);
    return isProcessTrusted();
}

bool AtspiAccessibilityHost::enabledAsLastSeen()
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_enabled)
            return *m_enabled;
    }
    return isProcessTrusted();
}

std::optional<QDBusConnection> AtspiAccessibilityHost::accessibilityBus()
{
    QMutexLocker lock(&m_mutex);
    if (m_connected) {
        QDBusConnection bus(m_connectionName);
        if (bus.isConnected())
            return bus;
        // The bus went away (the session's launcher restarted): ask anew.
        QDBusConnection::disconnectFromBus(m_connectionName);
        m_connected = false;
    }
    // Names are given out anew on another bus.
    m_processes.clear();
    m_owners.clear();
    const QDBusMessage reply = m_sessionBus.call(
        QDBusMessage::createMethodCall(launcherService, launcherPath, launcherService,
                                       QStringLiteral("GetAddress")),
        QDBus::Block, m_timeoutMs);
    const QString address = firstArgument(reply).toString();
    if (reply.type() != QDBusMessage::ReplyMessage || address.isEmpty())
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::connectToBus(address, m_connectionName);
    m_connected = true;
    if (!bus.isConnected())
        return std::nullopt;
    return bus;
}

AtspiAccessibilityHost::Reply AtspiAccessibilityHost::call(const AccessibleElement &element,
                                                           const QString &interface,
                                                           const QString &method,
                                                           const QList<QVariant> &arguments)
{
    if (element.isNull())
        return unexpected(AccessibilityError::invalidElement);
    {
        QMutexLocker lock(&m_mutex);
        const auto resting = m_resting.constFind(element.service);
        if (resting != m_resting.cend()) {
            if (!resting->hasExpired())
                return unexpected(AccessibilityError::cannotComplete);
            m_resting.erase(resting);
        }
    }
    const std::optional<QDBusConnection> bus = accessibilityBus();
    if (!bus)
        return unexpected(AccessibilityError::cannotComplete);
    QDBusMessage message =
        QDBusMessage::createMethodCall(element.service, element.path, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = bus->call(message, QDBus::Block, m_timeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        // A reply comes from the unique name that holds the one called now.
        if (!element.service.startsWith(QLatin1Char(':')) &&
            reply.service().startsWith(QLatin1Char(':'))) {
            QMutexLocker lock(&m_mutex);
            m_owners.insert(element.service, reply.service());
        }
        return reply;
    }
    if (nameHasNoOwner(reply))
        forgetConnection(element.service);
    const AccessibilityError error = errorOf(reply);
    if (error == AccessibilityError::cannotComplete) {
        QMutexLocker lock(&m_mutex);
        m_resting.removeIf([](const auto &entry) { return entry.value().hasExpired(); });
        m_resting.insert(element.service, QDeadlineTimer(restMs));
    }
    return unexpected(error);
}

AtspiAccessibilityHost::Reply
AtspiAccessibilityHost::callImplemented(const AccessibleElement &element, const QString &interface,
                                        const QString &method, const QList<QVariant> &arguments)
{
    const Reply reply = call(element, interface, method, arguments);
    if (reply || (reply.error() != AccessibilityError::invalidElement &&
                  reply.error() != AccessibilityError::attributeUnsupported))
        return reply;
    // Some toolkits answer a missing interface as a missing object.
    const auto interfaces = interfacesOf(element);
    if (!interfaces)
        return unexpected(interfaces.error());
    if (!interfaces->contains(interface))
        return unexpected(AccessibilityError::attributeUnsupported);
    return reply;
}

AtspiAccessibilityHost::Reply AtspiAccessibilityHost::property(const AccessibleElement &element,
                                                               const QString &interface,
                                                               const QString &name)
{
    return call(element, propertiesInterface, QStringLiteral("Get"), {interface, name});
}

std::optional<qint32> AtspiAccessibilityHost::processOf(const QDBusConnection &bus,
                                                        const QString &service)
{
    return connectionProcess(bus, service).valueOr(std::nullopt);
}

Expected<std::optional<qint32>, AccessibilityError>
AtspiAccessibilityHost::connectionProcess(const QDBusConnection &bus, const QString &service)
{
    // A well-known name may pass to another connection; a unique one's
    // process never changes.
    QString connection = service;
    {
        QMutexLocker lock(&m_mutex);
        if (!service.startsWith(QLatin1Char(':')))
            connection = m_owners.value(service);
        if (const auto known = m_processes.constFind(connection); known != m_processes.cend())
            return std::optional(*known);
    }
    const QDBusMessage reply =
        bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                QStringLiteral("/org/freedesktop/DBus"),
                                                QStringLiteral("org.freedesktop.DBus"),
                                                QStringLiteral("GetConnectionUnixProcessID"))
                     << service,
                 QDBus::Block, m_timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        // An application that quit may linger in the registry for a moment.
        if (nameHasNoOwner(reply)) {
            forgetConnection(service);
            return std::optional<qint32>();
        }
        return unexpected(errorOf(reply));
    }
    bool ok = false;
    const uint pid = firstArgument(reply).toUInt(&ok);
    if (!ok || pid == 0)
        return unexpected(AccessibilityError::failure);
    if (!connection.isEmpty()) {
        QMutexLocker lock(&m_mutex);
        m_processes.insert(connection, qint32(pid));
    }
    return std::optional(qint32(pid));
}

void AtspiAccessibilityHost::forgetConnection(const QString &service)
{
    QMutexLocker lock(&m_mutex);
    m_processes.remove(m_owners.take(service));
    m_processes.remove(service);
    m_owners.removeIf([&](const auto &entry) { return entry.value() == service; });
}

std::optional<qint32> AtspiAccessibilityHost::referenceProcessIdentifier()
{
    const std::optional<QDBusConnection> bus = accessibilityBus();
    if (!bus)
        return std::nullopt;
    if (const std::optional<qint32> pid = processOf(*bus, registryService))
        return pid;
    // The bus starts its registry on first use.
    bus->call(QDBusMessage::createMethodCall(
                  QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                  QStringLiteral("org.freedesktop.DBus"), QStringLiteral("StartServiceByName"))
                  << registryService << 0u,
              QDBus::Block, m_timeoutMs);
    return processOf(*bus, registryService);
}

Expected<AccessibleElement, AccessibilityError>
AtspiAccessibilityHost::findApplication(qint32 processIdentifier)
{
    if (processIdentifier <= 0)
        return unexpected(AccessibilityError::illegalArgument);
    const std::optional<QDBusConnection> bus = accessibilityBus();
    if (!bus)
        return unexpected(AccessibilityError::cannotComplete);
    if (processOf(*bus, registryService) == processIdentifier)
        return AccessibleElement{registryService, rootPath};
    const Reply reply =
        call({registryService, rootPath}, accessibleInterface, QStringLiteral("GetChildren"));
    if (!reply)
        return unexpected(reply.error());
    const QList<AccessibleElement> applications = elementsIn(firstArgument(reply.value()));
    {
        // Those no longer listed have gone; their names are not given again.
        QSet<QString> kept;
        for (const AccessibleElement &application : applications)
            kept.insert(application.service);
        QMutexLocker lock(&m_mutex);
        for (const QString &owner : std::as_const(m_owners))
            kept.insert(owner);
        m_processes.removeIf([&](const auto &entry) { return !kept.contains(entry.key()); });
    }
    // An application whose process went untold may be the one looked for.
    std::optional<AccessibilityError> untold;
    for (const AccessibleElement &application : applications) {
        const auto process = connectionProcess(*bus, application.service);
        if (!process)
            untold = process.error();
        else if (process.value() == processIdentifier)
            return application;
    }
    if (untold)
        return unexpected(*untold);
    return AccessibleElement();
}

Expected<AccessibilityValue, AccessibilityError>
AtspiAccessibilityHost::copyAttributeValue(const AccessibleElement &element,
                                           const QString &attribute)
{
    if (!enabledAsLastSeen())
        return unexpected(AccessibilityError::apiDisabled);
    if (attribute == QLatin1String(ax::role))
        return role(element);
    if (attribute == QLatin1String(ax::children))
        return showingChildren(element);
    if (attribute == QLatin1String(ax::focusedWindow))
        return focusedWindow(element);
    if (attribute == QLatin1String(ax::url))
        return documentUrl(element);
    if (attribute == QLatin1String(ax::value))
        return value(element);
    if (attribute == QLatin1String(ax::identifier))
        return identifier(element);
    if (attribute == QLatin1String(ax::tabs))
        return tabs(element);
    if (attribute == QLatin1String(ax::parent))
        return parent(element);
    if (attribute == QLatin1String(ax::embeddedDocument))
        return embeddedDocument(element);
    if (attribute == QLatin1String(ax::enabled)) {
        const auto s = states(element);
        if (!s)
            return unexpected(s.error());
        // Toolkits set either; a control that takes no input sets neither.
        return AccessibilityValue(has(*s, stateSensitive) || has(*s, stateEnabled));
    }
    if (attribute == QLatin1String(ax::focused)) {
        const auto s = states(element);
        if (!s)
            return unexpected(s.error());
        return AccessibilityValue(has(*s, stateFocused));
    }
    if (attribute == QLatin1String(ax::title)) {
        const Reply reply = property(element, accessibleInterface, QStringLiteral("Name"));
        if (!reply)
            return unexpected(reply.error());
        return AccessibilityValue(unwrapped(firstArgument(reply.value())).toString());
    }
    if (element.isNull())
        return unexpected(AccessibilityError::invalidElement);
    return unexpected(AccessibilityError::attributeUnsupported);
}

Expected<void, AccessibilityError>
AtspiAccessibilityHost::setAttributeValue(const AccessibleElement &element,
                                          const QString &attribute, const AccessibilityValue &value)
{
    if (!enabledAsLastSeen())
        return unexpected(AccessibilityError::apiDisabled);
    if (element.isNull())
        return unexpected(AccessibilityError::invalidElement);
    if (attribute != QLatin1String(ax::manualAccessibility))
        return unexpected(AccessibilityError::attributeUnsupported);
    const bool *on = std::get_if<bool>(&value);
    if (!on)
        return unexpected(AccessibilityError::illegalArgument);
    if (!*on)
        return {};
    return askForFullTree(element);
}

Expected<void, AccessibilityError>
AtspiAccessibilityHost::askForFullTree(const AccessibleElement &element)
{
    // Chromium-family browsers show one empty child per window until some
    // client reads a window's attributes; the full tree follows within a
    // moment and stays.
    const auto kind = role(element);
    if (!kind)
        return unexpected(kind.error());
    QList<AccessibleElement> windows{element};
    if (std::get<QString>(kind.value()) == QLatin1String(ax::applicationRole)) {
        auto all = children(element);
        if (!all)
            return unexpected(all.error());
        windows = all.value();
    }
    std::optional<AccessibilityError> failure;
    bool reached = windows.isEmpty();
    for (const AccessibleElement &window : windows) {
        const Reply reply = call(window, accessibleInterface, QStringLiteral("GetAttributes"));
        if (reply)
            reached = true;
        else
            failure = reply.error();
    }
    if (reached)
        return {};
    return unexpected(*failure);
}

Expected<void, AccessibilityError>
AtspiAccessibilityHost::performAction(const AccessibleElement &element, const QString &action)
{
    if (!enabledAsLastSeen())
        return unexpected(AccessibilityError::apiDisabled);
    if (action != QLatin1String(ax::press))
        return unexpected(AccessibilityError::actionUnsupported);
    const auto interfaces = interfacesOf(element);
    if (!interfaces)
        return unexpected(interfaces.error());
    if (!interfaces->contains(actionInterface))
        return unexpected(AccessibilityError::actionUnsupported);
    const Reply actions = call(element, actionInterface, QStringLiteral("GetActions"));
    if (!actions)
        return unexpected(actions.error());
    QStringList names = actionNamesIn(firstArgument(actions.value()));
    qsizetype index = pressIndex(names);
    if (index < 0) {
        // Some bridges fill the list with key bindings, or leave it empty
        // (Gecko's links); the count and the names one by one are right.
        if (names.isEmpty()) {
            const Reply count = property(element, actionInterface, QStringLiteral("NActions"));
            if (count)
                names.resize(qMax(0, unwrapped(firstArgument(count.value())).toInt()));
        }
        for (qsizetype i = 0; i < names.size(); ++i) {
            const Reply name = call(element, actionInterface, QStringLiteral("GetName"), {int(i)});
            names[i] = name ? firstArgument(name.value()).toString() : QString();
        }
        index = pressIndex(names);
    }
    if (index < 0)
        return unexpected(AccessibilityError::actionUnsupported);
    const Reply done = call(element, actionInterface, QStringLiteral("DoAction"), {int(index)});
    if (!done)
        return unexpected(done.error());
    if (!firstArgument(done.value()).toBool())
        return unexpected(AccessibilityError::cannotComplete);
    return {};
}

Expected<QList<AccessibleElement>, AccessibilityError>
AtspiAccessibilityHost::findDescendants(const AccessibleElement &element, const QString &wanted,
                                        int limit)
{
    if (!enabledAsLastSeen())
        return unexpected(AccessibilityError::apiDisabled);
    if (limit <= 0)
        return QList<AccessibleElement>();
    const SearchedRoles searched = searchedRolesFor(wanted);
    if (!searched.roles.isEmpty()) {
        MatchRule rule;
        rule.states[0] = int(1u << stateShowing);
        for (const uint r : searched.roles)
            rule.roles[r / 32] |= int(1u << (r % 32));
        QList<AccessibleElement> kept;
        QList<AccessibleElement> looked;
        // Matches that are not the role leave the first answer short of the
        // limit: then all are asked for (0 is no limit).
        for (const int count : {limit, 0}) {
            const Reply reply =
                callImplemented(element, collectionInterface, QStringLiteral("GetMatches"),
                                {QVariant::fromValue(rule), sortCanonical, count, true});
            if (!reply) {
                if (reply.error() != AccessibilityError::attributeUnsupported)
                    return unexpected(reply.error());
                break;
            }
            const QList<AccessibleElement> matches = elementsIn(firstArgument(reply.value()));
            if (!searched.checked)
                return matches.mid(0, limit);
            for (const AccessibleElement &match : matches.mid(looked.size())) {
                looked << match;
                const auto kind = role(match);
                if (kind && std::get<QString>(kind.value()) == wanted)
                    kept << match;
                if (kept.size() >= limit)
                    return kept;
            }
            if (count == 0 || matches.size() < count)
                return kept;
        }
    }
    // No search of its own, or none for this role: walk what is on screen.
    QList<AccessibleElement> found;
    const auto walk = [&](const auto &self, const AccessibleElement &parent,
                          int depth) -> std::optional<AccessibilityError> {
        auto under = showingChildren(parent);
        if (!under)
            return under.error();
        for (const AccessibleElement &child : std::get<QList<AccessibleElement>>(under.value())) {
            const auto childRole = role(child);
            if (childRole && std::get<QString>(childRole.value()) == wanted) {
                found << child;
                if (found.size() >= limit)
                    return std::nullopt;
            }
            if (depth < searchWalkDepth) {
                if (auto error = self(self, child, depth + 1);
                    error && *error == AccessibilityError::cannotComplete)
                    return error;
                if (found.size() >= limit)
                    return std::nullopt;
            }
        }
        return std::nullopt;
    };
    if (const auto error = walk(walk, element, 1); error && found.isEmpty())
        return unexpected(*error);
    return found;
}

Expected<AccessibilityValue, AccessibilityError>
AtspiAccessibilityHost::role(const AccessibleElement &element)
{
    const Reply reply = call(element, accessibleInterface, QStringLiteral("GetRole"));
    if (!reply)
        return unexpected(reply.error());
    switch (firstArgument(reply.value()).toUInt()) {
    case roleApplication:
        return AccessibilityValue(QString::fromLatin1(ax::applicationRole));
    case roleFrame:
    case roleWindow:
    case roleDialog:
        return AccessibilityValue(QString::fromLatin1(ax::windowRole));
    case roleDocumentWeb:
        return AccessibilityValue(QString::fromLatin1(ax::webAreaRole));
    case roleEntry:
        return AccessibilityValue(QString::fromLatin1(ax::textFieldRole));
    case roleComboBox: {
        // An address bar with suggestions is an editable combo box.
        const auto s = states(element);
        if (s && has(*s, stateEditable))
            return AccessibilityValue(QString::fromLatin1(ax::textFieldRole));
        return AccessibilityValue(QString::fromLatin1(ax::unknownRole));
    }
    case roleText: {
        // Toolkits give one-line fields and text areas the same role.
        const auto s = states(element);
        if (s && has(*s, stateMultiLine))
            return AccessibilityValue(QString::fromLatin1(ax::textAreaRole));
        return AccessibilityValue(QString::fromLatin1(ax::textFieldRole));
    }
    case rolePushButton:
        return AccessibilityValue(QString::fromLatin1(ax::buttonRole));
    case rolePageTabList:
        return AccessibilityValue(QString::fromLatin1(ax::tabGroupRole));
    default:
        return AccessibilityValue(QString::fromLatin1(ax::unknownRole));
    }
}

Expected<QList<AccessibleElement>, AccessibilityError>
AtspiAccessibilityHost::children(const AccessibleElement &element)
{
    const Reply reply = call(element, accessibleInterface, QStringLiteral("GetChildren"));
    if (!reply)
        return unexpected(reply.error());
    return elementsIn(firstArgument(reply.value()));
}

Expected<AccessibilityValue, AccessibilityError>
AtspiAccessibilityHost::showingChildren(const AccessibleElement &element)
{
    auto all = children(element);
    if (!all)
        return unexpected(all.error());
    // Browsers keep the pages of background tabs, and closed menus, in the
    // tree; what is not on screen is no part of what the window shows.
    QList<AccessibleElement> showing;
    for (const AccessibleElement &child : all.value()) {
        const auto s = states(child);
        if (!s || has(*s, stateShowing))
            showing << child;
    }
    return AccessibilityValue(showing);
}

Expected<quint64, AccessibilityError>
AtspiAccessibilityHost::states(const AccessibleElement &element)
{
    const Reply reply = call(element, accessibleInterface, QStringLiteral("GetState"));
    if (!reply)
        return unexpected(reply.error());
    return statesIn(firstArgument(reply.value()));
}

Expected<AccessibilityValue, AccessibilityError>
AtspiAccessibilityHost::focusedWindow(const AccessibleElement &element)
{
    auto windows = children(element);
    if (!windows)
        return unexpected(windows.error());
    // Toolkits list their windows in the order opened, mark covered ones and
    // those on other desktops as showing, and some mark none active: the
    // window manager says which is in front.
    const std::optional<QDBusConnection> bus = accessibilityBus();
    const std::optional<qint32> pid = bus ? processOf(*bus, element.service) : std::nullopt;
    const std::optional<FrontWindow> front =
        pid ? m_frontWindows.frontWindowOf(*pid) : std::nullopt;
    if (!front)
        return unexpected(AccessibilityError::noValue);
    // Names first: a window whose name agrees with the title is asked for
    // its place and states, the others only where none of those fits.
    QList<AccessibleElement> agreeing;
    QList<AccessibleWindowFacts> agreeingFacts;
    QList<std::pair<AccessibleElement, QString>> others;
    for (const AccessibleElement &window : windows.value()) {
        const Reply name = property(window, accessibleInterface, QStringLiteral("Name"));
        if (!name) {
            if (name.error() == AccessibilityError::cannotComplete)
                return unexpected(name.error());
            continue;
        }
        const QString text = unwrapped(firstArgument(name.value())).toString();
        if (titlesAgree(front->title, text)) {
            agreeing << window;
            agreeingFacts << AccessibleWindowFacts{text};
        } else {
            others.append({window, text});
        }
    }
    // What the toolkit tells of a window's place and states; false when
    // the window could not say (a time-out is kept in `unanswered`).
    std::optional<AccessibilityError> unanswered;
    const auto describe = [&](const AccessibleElement &window, AccessibleWindowFacts &described) {
        const auto s = states(window);
        const auto place = extents(window);
        if (!s || !place) {
            const AccessibilityError error = !s ? s.error() : place.error();
            if (error == AccessibilityError::cannotComplete)
                unanswered = error;
            return false;
        }
        described.extents = *place;
        described.active = has(*s, stateActive);
        described.iconified = has(*s, stateIconified);
        return true;
    };
    for (qsizetype i = 0; i < agreeing.size(); ++i) {
        if (!describe(agreeing[i], agreeingFacts[i]))
            agreeingFacts[i].extents.reset();
        if (unanswered)
            return unexpected(*unanswered);
    }
    // Where a window that agrees fits, the match among them alone is the
    // match among all: the others would only be told apart by name.
    if (const std::optional<qsizetype> match = matchFrontWindow(*front, agreeingFacts))
        return AccessibilityValue(agreeing[*match]);
    QList<AccessibleElement> all = agreeing;
    QList<AccessibleWindowFacts> facts = agreeingFacts;
    for (const auto &[window, text] : std::as_const(others)) {
        AccessibleWindowFacts described{text};
        const bool told = describe(window, described);
        if (unanswered)
            return unexpected(*unanswered);
        if (!told)
            continue;
        all << window;
        facts << described;
    }
    const std::optional<qsizetype> match = matchFrontWindow(*front, facts);
    if (!match)
        return unexpected(AccessibilityError::noValue);
    return AccessibilityValue(all[*match]);
}

Expected<std::optional<QRect>, AccessibilityError>
AtspiAccessibilityHost::extents(const AccessibleElement &element)
{
    const Reply reply = callImplemented(element, componentInterface, QStringLiteral("GetExtents"),
                                        {screenCoordinates});
    if (!reply) {
        if (reply.error() == AccessibilityError::attributeUnsupported)
            return std::optional<QRect>();
        return unexpected(reply.error());
    }
    const QVariant value = firstArgument(reply.value());
    if (!value.canConvert<QDBusArgument>())
        return std::optional<QRect>();
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    const QDBusArgument argument = value.value<QDBusArgument>();
    argument.beginStructure();
    argument >> x >> y >> width >> height;
    argument.endStructure();
    return std::optional(QRect(x, y, width, height));
}

Expected<AccessibilityValue, AccessibilityError>
AtspiAccessibilityHost::tabs(const AccessibleElement &element)
{
    auto all = children(element);
    if (!all)
        return unexpected(all.error());
    // The strip also holds its own buttons; a tab it cannot show for want of
    // room is still a tab of the window.
    QList<AccessibleElement> found;
    for (const AccessibleElement &child : all.value()) {
        const Reply kind = call(child, accessibleInterface, QStringLiteral("GetRole"));
        if (kind && firstArgument(kind.value()).toUInt() == rolePageTab)
            found << child;
    }
    return AccessibilityValue(found);
}

Expected<AccessibilityValue, AccessibilityError>
AtspiAccessibilityHost::parent(const AccessibleElement &element)
{
    const Reply reply = property(element, accessibleInterface, QStringLiteral("Parent"));
    if (!reply)
        return unexpected(reply.error());
    const QVariant value = unwrapped(firstArgument(reply.value()));
    const AccessibleElement above = value.canConvert<QDBusArgument>()
                                        ? elementIn(value.value<QDBusArgument>())
                                        : AccessibleElement();
    if (above.isNull())
        return unexpected(AccessibilityError::noValue);
    return AccessibilityValue(above);
}

Expected<AccessibilityValue, AccessibilityError>
AtspiAccessibilityHost::embeddedDocument(const AccessibleElement &element)
{
    const Reply reply = call(element, accessibleInterface, QStringLiteral("GetRelationSet"));
    if (!reply)
        return unexpected(reply.error());
    const QList<AccessibleElement> shown =
        relationTargetsIn(firstArgument(reply.value()), relationEmbeds);
    if (shown.isEmpty())
        return unexpected(AccessibilityError::noValue);
    return AccessibilityValue(shown.first());
}

Expected<QStringList, AccessibilityError>
AtspiAccessibilityHost::interfacesOf(const AccessibleElement &element)
{
    const Reply reply = call(element, accessibleInterface, QStringLiteral("GetInterfaces"));
    if (!reply)
        return unexpected(reply.error());
    return firstArgument(reply.value()).toStringList();
}

Expected<AccessibilityValue, AccessibilityError>
AtspiAccessibilityHost::documentUrl(const AccessibleElement &element)
{
    // Gecko names the address "DocURL", Chromium "URI".
    QString text;
    for (const char *name : {"DocURL", "URI"}) {
        const Reply reply =
            callImplemented(element, documentInterface, QStringLiteral("GetAttributeValue"),
                            {QString::fromLatin1(name)});
        if (!reply)
            return unexpected(reply.error());
        text = firstArgument(reply.value()).toString();
        if (!text.isEmpty())
            break;
    }
    if (text.isEmpty())
        return unexpected(AccessibilityError::noValue);
    const QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && !url.isRelative())
        return AccessibilityValue(url);
    return AccessibilityValue(text);
}

Expected<AccessibilityValue, AccessibilityError>
AtspiAccessibilityHost::value(const AccessibleElement &element)
{
    const auto interfaces = interfacesOf(element);
    if (!interfaces)
        return unexpected(interfaces.error());
    if (interfaces->contains(textInterface)) {
        const Reply text = call(element, textInterface, QStringLiteral("GetText"), {0, -1});
        if (!text)
            return unexpected(text.error());
        return AccessibilityValue(firstArgument(text.value()).toString());
    }
    if (!interfaces->contains(valueInterface))
        return unexpected(AccessibilityError::attributeUnsupported);
    const Reply number = property(element, valueInterface, QStringLiteral("CurrentValue"));
    if (!number)
        return unexpected(number.error());
    bool ok = false;
    const double current = unwrapped(firstArgument(number.value())).toDouble(&ok);
    if (!ok)
        return unexpected(AccessibilityError::noValue);
    return AccessibilityValue(current);
}

Expected<AccessibilityValue, AccessibilityError>
AtspiAccessibilityHost::identifier(const AccessibleElement &element)
{
    const Reply id = property(element, accessibleInterface, QStringLiteral("AccessibleId"));
    if (id) {
        const QString text = unwrapped(firstArgument(id.value())).toString();
        if (!text.isEmpty())
            return AccessibilityValue(text);
    } else if (id.error() == AccessibilityError::cannotComplete) {
        return unexpected(id.error());
    }
    // Browsers name their own controls in the "id" object attribute.
    const Reply attributes = call(element, accessibleInterface, QStringLiteral("GetAttributes"));
    if (!attributes)
        return unexpected(attributes.error());
    const QString text = stringMapIn(firstArgument(attributes.value())).value(QStringLiteral("id"));
    if (text.isEmpty())
        return unexpected(AccessibilityError::noValue);
    return AccessibilityValue(text);
}

} // namespace platform
