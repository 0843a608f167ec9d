#ifndef UXAPPLICATIONWINDOW_H
#define UXAPPLICATIONWINDOW_H

#include "uxkit_global.h"

#include <QGraphicsView>

class UxApplicationPage;

// The application's top-level window: a view on a scene of its own, sized
// like a handset screen (480 by 854) unless resized. The scene rectangle
// follows the window's size, and so do the pages shown on it.
//
// The window is on display while it is visible and not minimised;
// displayEntered() and displayExited() report the changes.
class UXKIT_EXPORT UxApplicationWindow : public QGraphicsView
{
    Q_OBJECT

public:
    explicit UxApplicationWindow(QWidget *parent = nullptr);
    ~UxApplicationWindow() override;

    bool isOnDisplay() const;

public slots:
    // Shows the page on this window's scene; the scene keeps it.
    void showPage(UxApplicationPage *page);

signals:
    void displayEntered();
    void displayExited();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateDisplayState();

    bool m_onDisplay = false;
};

#endif // UXAPPLICATIONWINDOW_H
