#include "socialcontactenginefactory.h"

#include "socialcontactengine.h"

using namespace QtContacts;

QContactManagerEngine *SocialContactEngineFactory::engine(const QMap<QString, QString> &parameters,
                                                          QContactManager::Error *error)
{
    // The provider's data is the same for every manager, so there is nothing
    // to configure.
    Q_UNUSED(parameters)
    *error = QContactManager::NoError;
    return new SocialContactEngine;
}

QString SocialContactEngineFactory::managerName() const
{
    return SocialContactEngine::s_managerName;
}
