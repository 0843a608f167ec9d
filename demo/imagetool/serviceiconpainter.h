#ifndef SERVICEICONPAINTER_H
#define SERVICEICONPAINTER_H

#include <QImage>
#include <QString>

// Draws the icon of a social service: a small bird on sky blue for the
// Twitter gateway ("twittergw"), a plain badge in a colour of its own for any
// other service.
QImage drawServiceIcon(const QString &serviceId);

#endif // SERVICEICONPAINTER_H
