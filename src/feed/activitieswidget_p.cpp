#include "activitieswidget_p.h"

#include "activitieswidget.h"
#include "logging.h"
#include "personstore.h"
#include "zevavizi.h"

#include <uxgridlayoutpolicy.h>
#include <uxlabel.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>
#include <uxprogressindicator.h>

bool ActivitiesWidgetPrivate::s_translationsLoaded = false;

ActivitiesWidgetPrivate::ActivitiesWidgetPrivate(quint32 maxSize, Qt::SortOrder sortOrder,
                                                 ActivitiesWidget *owner)
    : QObject(owner), m_owner(owner), m_layout(new UxLayout(owner)),
      m_policy(new UxLinearLayoutPolicy(m_layout, Qt::Vertical)), m_maxSize(maxSize),
      m_sortOrder(sortOrder), m_spinner(new UxProgressIndicator(nullptr, QString())),
      m_progressRow(new UxLayout), m_progressPolicy(new UxGridLayoutPolicy(m_progressRow))
{
    m_policy->setSpacing(2);
    m_policy->setContentsMargins(0, 0, 0, 0);

    m_progressPolicy->addItem(new UxLabel(QString()), 0, 0, 1, 1, Qt::AlignLeft);
    m_progressPolicy->addItem(m_spinner, 0, 1, 1, 1, Qt::AlignCenter);
    m_progressPolicy->addItem(new UxLabel(QString()), 0, 2, 1, 1, Qt::AlignRight);

    // The user's own profiles must be known before the first activity is
    // let in, or the own-activity rule would miss them.
    PersonStore::instance();

    if (!s_translationsLoaded) {
        Zevavizi::loadTranslation();
        s_translationsLoaded = true;
    }
}

void ActivitiesWidgetPrivate::init()
{
    qCDebug(lcDavovadezed) << DAVOVADEZED_NAME << DAVOVADEZED_VERSION;
    connect(this, &ActivitiesWidgetPrivate::itemCountChanged, m_owner,
            &ActivitiesWidget::itemCountChanged);
    m_owner->setObjectName(QStringLiteral("ActivitiesWidget"));
    m_owner->setLayout(m_layout);
}

ActivitiesWidgetPrivate::~ActivitiesWidgetPrivate()
{
    listenToActivityUpdates(false);
    // Once shown, the progress row belongs to the list layout; until then it
    // has no other owner.
    if (!m_progressRow->parentLayoutItem())
        delete m_progressRow;
}
