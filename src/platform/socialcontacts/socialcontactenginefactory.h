#ifndef SOCIALCONTACTENGINEFACTORY_H
#define SOCIALCONTACTENGINEFACTORY_H

#include <QtContacts/QContactManagerEngineFactory>

// Makes the engine behind QContactManager("social").
class SocialContactEngineFactory : public QtContacts::QContactManagerEngineFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QT_CONTACT_MANAGER_ENGINE_INTERFACE FILE "social.json")
public:
    QtContacts::QContactManagerEngine *engine(const QMap<QString, QString> &parameters,
                                              QtContacts::QContactManager::Error *error) override;
    QString managerName() const override;
};

#endif // SOCIALCONTACTENGINEFACTORY_H
