#ifndef OPENEDURLS_H
#define OPENEDURLS_H

#include <QList>
#include <QObject>
#include <QUrl>

// Catches what the platform would open, for every scheme a test may meet,
// so that nothing reaches a real handler.
class OpenedUrls : public QObject
{
    Q_OBJECT
public:
    OpenedUrls();
    ~OpenedUrls() override;

    QList<QUrl> urls;

public slots:
    void open(const QUrl &url);
};

#endif // OPENEDURLS_H
