// Feeds arbitrary bytes to the provider's data-set loader. Besides crashes
// and sanitizer reports it checks the loader's promises: a refused data set
// says why and leaves the store as it was; an accepted one only holds
// records of accounts and services it declares.
#include <socialdatastore.h>
#include <socialprovidermanager.h>

#include <QByteArray>
#include <QLoggingCategory>
#include <QSet>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "fuzz_dataset: %s\n", what);
    std::abort();
}

void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        broken(qPrintable(message));
}

struct Snapshot
{
    int services;
    int accounts;
    int persons;
    int activities;

    explicit Snapshot(const SocialDataStore *store)
        : services(store->services().size()), accounts(store->accounts().size()),
          persons(store->persons().size()), activities(store->activities().size())
    {
    }

    bool operator==(const Snapshot &other) const
    {
        return services == other.services && accounts == other.accounts &&
               persons == other.persons && activities == other.activities;
    }
};

void checkAccepted(const SocialDataStore *store)
{
    if (!store->isInitialized())
        broken("an accepted data set left the provider uninitialized");
    QSet<QString> serviceIds;
    for (const SocialService &service : store->services())
        serviceIds.insert(service.id());
    QSet<QString> accountIds;
    for (const SocialServiceAccount &account : store->accounts()) {
        if (!serviceIds.contains(account.property(SocialServiceAccount::SocialServiceId)))
            broken("an account names a service the data set does not declare");
        accountIds.insert(account.id());
    }
    for (const SocialNetworkPerson &person : store->persons()) {
        if (!accountIds.contains(person.parentAccount()))
            broken("a person belongs to an undeclared account");
    }
    for (const SocialActivity &activity : store->activities()) {
        if (activity.id().isEmpty() || !accountIds.contains(activity.parentAccount()))
            broken("an activity has no id or an undeclared account");
    }
}

// Deeper than any data set: what lies below only Qt's JSON parser reads,
// and with it the stack of a leak it is known for (see lsan.supp) would
// grow past what LeakSanitizer records for the suppression to match.
const int s_maxNesting = 20;

// How deep arrays and objects nest, strings left out.
int nesting(const QByteArray &json)
{
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    for (int i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            deepest = std::max(deepest, ++depth);
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return deepest;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quiet);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SocialDataStore *store = SocialProviderManager::instance()->store();
    const Snapshot before(store);
    const QByteArray json(reinterpret_cast<const char *>(data), int(size));
    if (nesting(json) > s_maxNesting)
        return -1;
    QString error;
    if (store->loadJson(json, QStringLiteral("/data/set"), &error)) {
        checkAccepted(store);
    } else {
        if (error.isEmpty())
            broken("a refused data set gave no reason");
        if (!(Snapshot(store) == before))
            broken("a refused data set changed the store");
    }
    return 0;
}
