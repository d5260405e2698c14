#include "model/Predicate.h"

#include "model/EntitySchema.h"
#include "model/Record.h"

namespace halvex {

struct Predicate::Node {
    enum class Kind { leaf, conjunction, disjunction, negation };
    Kind kind = Kind::leaf;
    QString field;
    Op op = Op::equal;
    QVariant value;
    std::shared_ptr<const Node> lhs;
    std::shared_ptr<const Node> rhs;
};

namespace {

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Double:
    case QMetaType::ULongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

const char *sqlOperator(Predicate::Op op)
{
    switch (op) {
    case Predicate::Op::equal:
        return " = ";
    case Predicate::Op::notEqual:
        return " <> ";
    case Predicate::Op::less:
        return " < ";
    case Predicate::Op::lessOrEqual:
        return " <= ";
    case Predicate::Op::greater:
        return " > ";
    case Predicate::Op::greaterOrEqual:
        return " >= ";
    default:
        return "";
    }
}

const FieldDescriptor &requireField(const EntitySchema &schema, const QString &name)
{
    const FieldDescriptor *field = schema.field(name);
    Q_ASSERT_X(field, "Predicate", qPrintable(u"unknown field " + name + u" of " + schema.name));
    return *field;
}

} // namespace

int compareStored(const QVariant &lhs, const QVariant &rhs)
{
    // SQLite's order: NULL < numbers < text.
    const bool lnull = lhs.isNull() || !lhs.isValid();
    const bool rnull = rhs.isNull() || !rhs.isValid();
    if (lnull || rnull)
        return lnull == rnull ? 0 : (lnull ? -1 : 1);
    const bool lnum = isNumber(lhs);
    const bool rnum = isNumber(rhs);
    if (lnum && rnum) {
        const double a = lhs.toDouble();
        const double b = rhs.toDouble();
        return a < b ? -1 : (a > b ? 1 : 0);
    }
    if (lnum != rnum)
        return lnum ? -1 : 1;
    const QByteArray a = lhs.toString().toUtf8();
    const QByteArray b = rhs.toString().toUtf8();
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

Predicate Predicate::compare(const QString &field, Op op, const QVariant &value)
{
    auto node = std::make_shared<Node>();
    node->field = field;
    node->op = op;
    node->value = value;
    return Predicate(std::move(node));
}

Predicate Predicate::operator&&(const Predicate &other) const
{
    if (!m_node)
        return other;
    if (!other.m_node)
        return *this;
    auto node = std::make_shared<Node>();
    node->kind = Node::Kind::conjunction;
    node->lhs = m_node;
    node->rhs = other.m_node;
    return Predicate(std::move(node));
}

Predicate Predicate::operator||(const Predicate &other) const
{
    if (!m_node || !other.m_node)
        return Predicate();
    auto node = std::make_shared<Node>();
    node->kind = Node::Kind::disjunction;
    node->lhs = m_node;
    node->rhs = other.m_node;
    return Predicate(std::move(node));
}

Predicate Predicate::operator!() const
{
    auto node = std::make_shared<Node>();
    node->kind = Node::Kind::negation;
    node->lhs = m_node ? m_node : compare(QStringLiteral("id"), Op::isNotNull).m_node;
    return Predicate(std::move(node));
}

QString Predicate::sql(const EntitySchema &schema, QVariantList &bindings) const
{
    if (!m_node)
        return {};
    std::function<QString(const Node &)> render = [&](const Node &node) -> QString {
        // Operands are rendered in separate statements: bindings must be
        // appended left to right, and a + chain leaves the order open.
        switch (node.kind) {
        case Node::Kind::conjunction:
        case Node::Kind::disjunction: {
            const QString lhs = render(*node.lhs);
            const QString rhs = render(*node.rhs);
            const QString op = node.kind == Node::Kind::conjunction ? QStringLiteral(" AND ")
                                                                    : QStringLiteral(" OR ");
            return u'(' + lhs + op + rhs + u')';
        }
        case Node::Kind::negation: {
            const QString inner = render(*node.lhs);
            return u"(NOT " + inner + u')';
        }
        case Node::Kind::leaf:
            break;
        }
        const FieldDescriptor &field = requireField(schema, node.field);
        const QString column = u'"' + field.columnName() + u'"';
        switch (node.op) {
        case Op::isNull:
            return column + u" IS NULL";
        case Op::isNotNull:
            return column + u" IS NOT NULL";
        case Op::in: {
            const QVariantList values = node.value.toList();
            if (values.isEmpty())
                return QStringLiteral("0");
            QStringList marks;
            for (const auto &v : values) {
                marks << QStringLiteral("?");
                bindings << storage::encode(field.type, v);
            }
            return column + u" IN (" + marks.join(u',') + u')';
        }
        default: {
            const QVariant stored = storage::encode(field.type, node.value);
            if (stored.isNull()) // SQL compares nothing with NULL
                return QStringLiteral("0");
            bindings << stored;
            return column + QLatin1String(sqlOperator(node.op)) + u'?';
        }
        }
    };
    return render(*m_node);
}

bool Predicate::evaluate(const EntitySchema &schema, const Record &record) const
{
    if (!m_node)
        return true;
    std::function<bool(const Node &)> eval = [&](const Node &node) -> bool {
        switch (node.kind) {
        case Node::Kind::conjunction:
            return eval(*node.lhs) && eval(*node.rhs);
        case Node::Kind::disjunction:
            return eval(*node.lhs) || eval(*node.rhs);
        case Node::Kind::negation:
            return !eval(*node.lhs);
        case Node::Kind::leaf:
            break;
        }
        const FieldDescriptor &field = requireField(schema, node.field);
        const QVariant stored = storage::encode(field.type, field.get(record));
        const bool isNull = stored.isNull();
        switch (node.op) {
        case Op::isNull:
            return isNull;
        case Op::isNotNull:
            return !isNull;
        case Op::in: {
            if (isNull)
                return false;
            for (const auto &v : node.value.toList()) {
                if (compareStored(stored, storage::encode(field.type, v)) == 0)
                    return true;
            }
            return false;
        }
        default:
            break;
        }
        const QVariant other = storage::encode(field.type, node.value);
        if (isNull || other.isNull())
            return false;
        const int c = compareStored(stored, other);
        switch (node.op) {
        case Op::equal:
            return c == 0;
        case Op::notEqual:
            return c != 0;
        case Op::less:
            return c < 0;
        case Op::lessOrEqual:
            return c <= 0;
        case Op::greater:
            return c > 0;
        case Op::greaterOrEqual:
            return c >= 0;
        default:
            return false;
        }
    };
    return eval(*m_node);
}

} // namespace halvex
