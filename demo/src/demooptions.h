#ifndef DEMOOPTIONS_H
#define DEMOOPTIONS_H

#include <QString>
#include <QStringList>

// The demo's command line.
class DemoOptions
{
public:
    enum Outcome { Run, ShowHelp, Invalid };

    // Reads the arguments (the program name first); needs no application
    // object. On Invalid, error() says why; on ShowHelp, helpText() is what
    // to print.
    Outcome parse(const QStringList &arguments);

    QString error() const { return m_error; }
    QString helpText() const { return m_helpText; }

    // Empty: the shipped sample.
    QString dataFile() const { return m_dataFile; }
    bool live() const { return m_live; }
    // Empty: show the window instead.
    QString screenshotFile() const { return m_screenshotFile; }
    // 1-based bubble whose comments page opens once the feed is in; 0 for
    // none.
    int openComments() const { return m_openComments; }
    // A dark application palette, as on a dark desktop.
    bool dark() const { return m_dark; }
    // Laid out from right to left, as for Arabic or Hebrew.
    bool rightToLeft() const { return m_rightToLeft; }

private:
    QString m_error;
    QString m_helpText;
    QString m_dataFile;
    bool m_live = false;
    QString m_screenshotFile;
    int m_openComments = 0;
    bool m_dark = false;
    bool m_rightToLeft = false;
};

#endif // DEMOOPTIONS_H
