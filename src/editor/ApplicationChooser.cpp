#include "editor/ApplicationChooser.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "ui/Color.h"
#include "ui/Environment.h"
#include "ui/KitLabel.h"
#include "ui/PrimaryButton.h"
#include "ui/SecondaryButton.h"
#include "ui/Symbol.h"
#include "ui/TextInputField.h"
#include "ui/Typography.h"

namespace halvex {

namespace {

constexpr int identifierRole = Qt::UserRole;
constexpr int hasIconRole = Qt::UserRole + 1;

// A row: icon (or the "app" symbol), name over identifier.
class ApplicationRowDelegate final : public QStyledItemDelegate {
public:
    explicit ApplicationRowDelegate(QWidget *view)
        : QStyledItemDelegate(view)
        , m_view(view)
    {}

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return {200, ApplicationChooser::rowHeight};
    }

    void paint(QPainter *p, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        const bool selected = option.state & QStyle::State_Selected;
        const QRectF row = QRectF(option.rect).adjusted(4, 1, -4, -1);
        if (selected) {
            p->setPen(Qt::NoPen);
            p->setBrush(Color::accent().resolve(m_view));
            p->drawRoundedRect(row, 6, 6);
        }
        const QColor ink =
            selected ? Color::onAccent().resolve(m_view) : Color::ink().resolve(m_view);
        const QColor muted = selected ? Color::onAccent().resolve(m_view).darker(110)
                                      : Color::inkMuted().resolve(m_view);
        const int size = ApplicationChooser::iconSize;
        const QRect iconBox(int(row.left()) + 8, option.rect.center().y() - size / 2 + 1, size,
                            size);
        if (index.data(hasIconRole).toBool())
            index.data(Qt::DecorationRole).value<QIcon>().paint(p, iconBox);
        else
            Symbol::paint(*p, QRectF(iconBox), QStringLiteral("app"), muted);

        const qreal x = iconBox.right() + 10;
        const QRectF texts(x, row.top(), row.right() - x - 8, row.height());
        const QFontMetrics nameMetrics(Typography::body13Medium());
        const QFontMetrics idMetrics(Typography::caption11Mono());
        const qreal top =
            texts.top() + (texts.height() - nameMetrics.height() - 2 - idMetrics.height()) / 2.0;
        p->setFont(Typography::body13Medium());
        p->setPen(ink);
        p->drawText(QRectF(x, top, texts.width(), nameMetrics.height()),
                    Qt::AlignLeft | Qt::AlignVCenter,
                    nameMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                           int(texts.width())));
        p->setFont(Typography::caption11Mono());
        p->setPen(muted);
        p->drawText(QRectF(x, top + nameMetrics.height() + 2, texts.width(), idMetrics.height()),
                    Qt::AlignLeft | Qt::AlignVCenter,
                    idMetrics.elidedText(index.data(identifierRole).toString(), Qt::ElideMiddle,
                                         int(texts.width())));
        p->restore();
    }

private:
    QWidget *m_view;
};

} // namespace

ApplicationChooser::ApplicationChooser(const InstalledApplications &applications, QWidget *parent)
    : ApplicationChooser(applications, Options(), parent)
{}

void ApplicationChooser::choose(const InstalledApplications &applications, Options options,
                                QWidget *owner, std::function<void(const QStringList &)> chosen)
{
    const QPointer<QWidget> self(owner);
    auto run = [self, &applications, options = std::move(options), chosen = std::move(chosen)] {
        if (!self)
            return;
        const QPointer<ApplicationChooser> chooser =
            new ApplicationChooser(applications, options, self->window());
        const int result = chooser->exec();
        if (!chooser)
            return;
        const QStringList identifiers = chooser->chosenIdentifiers();
        delete chooser;
        if (self && result == QDialog::Accepted)
            chosen(identifiers);
    };
    if (const Environment::ModalPanelPresenter presenter = Environment::modalPanelPresenter(owner))
        presenter(run);
    else
        run();
}

ApplicationChooser::ApplicationChooser(const InstalledApplications &applications, Options options,
                                       QWidget *parent)
    : QDialog(parent)
    , m_options(std::move(options))
    , m_search(new TextInputField(
          {.accessibilityID = QStringLiteral("streakEditor.apps.chooser.search")}, this))
    , m_list(new QListWidget(this))
    , m_empty(new KitLabel({}, Typography::body13(), Color::inkMuted(), this))
    , m_cancel(new SecondaryButton({.action = [this] { reject(); }}, this))
    , m_confirm(new PrimaryButton({.action = [this] { accept(); }}, this))
{
    setObjectName(QStringLiteral("streakEditor.apps.chooser"));
    setModal(true);
    resize(440, 520);

    m_list->setObjectName(QStringLiteral("streakEditor.apps.chooser.list"));
    m_list->setSelectionMode(m_options.multipleSelection ? QAbstractItemView::ExtendedSelection
                                                         : QAbstractItemView::SingleSelection);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setUniformItemSizes(true);
    m_list->setItemDelegate(new ApplicationRowDelegate(m_list));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const InstalledApplications::Application &application : applications.choosable()) {
        auto *item = new QListWidgetItem(application.name, m_list);
        item->setData(identifierRole, application.identifier);
        const QIcon icon = InstalledApplications::icon(application.icon);
        item->setData(Qt::DecorationRole, icon);
        item->setData(hasIconRole, !icon.isNull());
        item->setToolTip(application.identifier);
    }
    m_empty->setAlignment(Qt::AlignCenter);
    m_cancel->setObjectName(QStringLiteral("streakEditor.apps.chooser.cancel"));
    m_confirm->setObjectName(QStringLiteral("streakEditor.apps.chooser.confirm"));

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_confirm);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(12);
    column->addWidget(m_search);
    column->addWidget(m_list, 1);
    column->addWidget(m_empty, 1);
    column->addLayout(buttons);

    connect(m_search, &TextInputField::textChanged, this, &ApplicationChooser::setFilter);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &ApplicationChooser::refreshState);
    connect(m_list, &QListWidget::itemActivated, this, [this] {
        if (!chosenIdentifiers().isEmpty())
            accept();
    });
    Environment::setControlVerticalPadding(this, 8);
    retranslate();
    applyTheme();
    refreshState();
}

QStringList ApplicationChooser::chosenIdentifiers() const
{
    QStringList chosen;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem *item = m_list->item(row);
        if (item->isSelected() && !item->isHidden())
            chosen << item->data(identifierRole).toString();
    }
    return chosen;
}

void ApplicationChooser::setFilter(const QString &text)
{
    const QString needle = text.trimmed();
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        const bool shown =
            needle.isEmpty() || item->text().contains(needle, Qt::CaseInsensitive) ||
            item->data(identifierRole).toString().contains(needle, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (!shown)
            item->setSelected(false);
    }
    if (m_search->text() != text)
        m_search->setText(text);
    refreshState();
}

void ApplicationChooser::refreshState()
{
    bool anyShown = false;
    for (int row = 0; row < m_list->count() && !anyShown; ++row)
        anyShown = !m_list->item(row)->isHidden();
    m_list->setVisible(anyShown);
    m_empty->setVisible(!anyShown);
    m_confirm->setEnabled(!chosenIdentifiers().isEmpty());
}

void ApplicationChooser::applyTheme()
{
    QPalette pal = m_list->palette();
    pal.setColor(QPalette::Base, Color::surface().resolve(this));
    pal.setColor(QPalette::Text, Color::ink().resolve(this));
    pal.setColor(QPalette::Highlight, Color::accent().resolve(this));
    pal.setColor(QPalette::HighlightedText, Color::onAccent().resolve(this));
    m_list->setPalette(pal);
    m_list->viewport()->update();
    update();
}

void ApplicationChooser::retranslate()
{
    //% "Choose applications"
    const QString title = qtTrId("streakEditor.apps.chooser.title");
    setWindowTitle(m_options.title ? m_options.title() : title);
    //% "Search"
    m_search->input()->setPlaceholderText(qtTrId("streakEditor.apps.chooser.search"));
    //% "No applications found"
    m_empty->setText(qtTrId("streakEditor.apps.chooser.empty"));
    //% "Cancel"
    m_cancel->setText(qtTrId("streakEditor.apps.chooser.cancel"));
    //% "Choose apps"
    const QString confirm = qtTrId("streakEditor.apps.choose");
    m_confirm->setText(m_options.confirmTitle ? m_options.confirmTitle() : confirm);
}

void ApplicationChooser::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Color::background().resolve(this));
}

void ApplicationChooser::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // To the front of whatever application was active.
    raise();
    activateWindow();
    m_search->input()->setFocus(Qt::OtherFocusReason);
}

void ApplicationChooser::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!chosenIdentifiers().isEmpty())
            accept();
        return;
    }
    if (event->key() == Qt::Key_Down && m_search->isFocused() && m_list->isVisible()) {
        m_list->setFocus(Qt::TabFocusReason);
        return;
    }
    QDialog::keyPressEvent(event);
}

void ApplicationChooser::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

bool ApplicationChooser::event(QEvent *event)
{
    if (Environment::isChange(event))
        applyTheme();
    return QDialog::event(event);
}

} // namespace halvex
