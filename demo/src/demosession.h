#ifndef DEMOSESSION_H
#define DEMOSESSION_H

#include "liveactivity.h"

#include <uxapplicationwindow.h>

#include <QString>
#include <QStringList>

class FeedPage;

// What an embedding application does: a handset-sized window whose main page
// shows the activity feed of the provider's accounts, kept current by live
// updates. Create it once the application object exists.
class DemoSession
{
public:
    DemoSession();

    // Loads a data set into the provider; its icons/ folder joins the
    // theme's image search path. False (with the provider's warning) when
    // the file is refused.
    bool loadData(const QString &file);
    // Shows the window and fetches the feed; returns once the feed has
    // arrived and its senders have been looked up, false after a timeout.
    bool showFeed();
    // Taps bubble n (from 1) as a user would and waits for its comments page.
    bool openComments(int n, QString *error);
    // Writes the window as a PNG image.
    bool writeScreenshot(const QString &file, QString *error);
    // What the window shows: the feed, and the comments page when one is up.
    QStringList report() const;
    void startLive();

private:
    UxApplicationWindow m_window;
    FeedPage *m_page;
    LiveActivity m_live;
};

#endif // DEMOSESSION_H
