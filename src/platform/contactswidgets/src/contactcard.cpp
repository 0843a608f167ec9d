#include "avatarwidget.h"
#include "contactcard_p.h"
#include "contactcardclosebutton_p.h"

#include <QContactDisplayLabel>
#include <QContactOnlineAccount>
#include <QEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

using namespace QtContacts;

static const qreal s_margin = 24;
static const qreal s_avatarSide = 96;
static const qreal s_nameScale = 1.5;

ContactCard::ContactCard(const QContact &contact, QGraphicsView *view)
    : m_view(view), m_viewport(view->viewport()), m_avatar(new AvatarWidget(this)), m_name(nullptr),
      m_closeButton(new ContactCardCloseButton(this))
{
    setObjectName(QStringLiteral("ContactCard"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Taps anywhere on the card close it, the avatar included.
    m_avatar->setAcceptedMouseButtons(Qt::NoButton);
    m_avatar->setContact(contact);
    connect(m_closeButton, &ContactCardCloseButton::clicked, this, &ContactCard::close);

    m_name = addText(contact.detail<QContactDisplayLabel>().label());
    QFont nameFont = m_name->font();
    nameFont.setBold(true);
    if (nameFont.pointSizeF() > 0) {
        nameFont.setPointSizeF(nameFont.pointSizeF() * s_nameScale);
    } else {
        nameFont.setPixelSize(qRound(nameFont.pixelSize() * s_nameScale));
    }
    m_name->setFont(nameFont);

    const QList<QContactOnlineAccount> accounts = contact.details<QContactOnlineAccount>();
    for (const QContactOnlineAccount &account : accounts) {
        const QString provider = account.serviceProvider();
        const QString uri = account.accountUri();
        if (uri.isEmpty() && provider.isEmpty()) {
            continue;
        }
        m_accounts.append(addText(provider.isEmpty() ? uri
                                  : uri.isEmpty()    ? provider
                                                  : QStringLiteral("%1 (%2)").arg(uri, provider)));
    }

    m_viewport->installEventFilter(this);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, &ContactCard::coverView);
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this, &ContactCard::coverView);
    coverView();
}

QGraphicsTextItem *ContactCard::addText(const QString &text)
{
    auto *item = new QGraphicsTextItem(this);
    // Contact data is shown as written, never interpreted as markup.
    item->setPlainText(text);
    item->setDefaultTextColor(palette().color(QPalette::WindowText));
    item->setAcceptedMouseButtons(Qt::NoButton);
    return item;
}

void ContactCard::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->fillRect(rect(), palette().color(QPalette::Window));
}

void ContactCard::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    QGraphicsWidget::resizeEvent(event);
    arrange();
}

void ContactCard::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    // Nothing under the card may react while it is shown.
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ContactCard::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    const bool tapped = m_pressed && rect().contains(event->pos());
    m_pressed = false;
    if (tapped) {
        close();
    }
}

void ContactCard::ungrabMouseEvent(QEvent *event)
{
    m_pressed = false;
    QGraphicsWidget::ungrabMouseEvent(event);
}

bool ContactCard::eventFilter(QObject *watched, QEvent *event)
{
    // Look at the event first: the view may be half destroyed when its viewport reports in.
    if (event->type() == QEvent::Resize && m_view && watched == m_viewport) {
        coverView();
    }
    return QGraphicsWidget::eventFilter(watched, event);
}

void ContactCard::coverView()
{
    if (!m_view) {
        return;
    }
    setGeometry(m_view->mapToScene(m_view->viewport()->rect()).boundingRect());
}

void ContactCard::arrange()
{
    const qreal width = size().width();
    const QSizeF closeSize = m_closeButton->effectiveSizeHint(Qt::PreferredSize);
    m_closeButton->setGeometry(
        QStyle::visualRect(layoutDirection(), rect().toRect(),
                           QRect(QPoint(int(width - closeSize.width()), 0), closeSize.toSize())));
    const qreal side = qMin(s_avatarSide, qMax(qreal(0), width - 2 * s_margin));
    m_avatar->setGeometry(s_margin, s_margin, side, side);

    const qreal nameLeft = 2 * s_margin + side;
    m_name->setTextWidth(qMax(qreal(1), width - nameLeft - s_margin));
    m_name->setPos(nameLeft, s_margin + (side - m_name->boundingRect().height()) / 2);

    qreal top = 2 * s_margin + qMax(side, m_name->boundingRect().height());
    for (QGraphicsTextItem *account : qAsConst(m_accounts)) {
        account->setTextWidth(qMax(qreal(1), width - 2 * s_margin));
        account->setPos(s_margin, top);
        top += account->boundingRect().height();
    }
}
