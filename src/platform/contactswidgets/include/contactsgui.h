#ifndef CONTACTSGUI_H
#define CONTACTSGUI_H

#include "contactswidgets_global.h"

#include <QContact>

// Entry points that show address-book contacts to the user.
class CONTACTSWIDGETS_EXPORT ContactsGui
{
public:
    ContactsGui() = delete;

    // Shows a card for the contact over the active window's graphics view;
    // the card closes on a tap. Returns false, with a warning, when the
    // contact is empty or there is no view with a scene to show it on.
    static bool openContactCard(const QtContacts::QContact &contact);
};

#endif // CONTACTSGUI_H
