#ifndef UXTEXTEDITMODEL_H
#define UXTEXTEDITMODEL_H

#include "uxkit_global.h"

#include <QObject>

// Names shared by the text editors.
class UXKIT_EXPORT UxTextEditModel
{
    Q_GADGET

public:
    enum LineMode { SingleLine = 0, MultiLine = 1 };
    Q_ENUM(LineMode)
};

#endif // UXTEXTEDITMODEL_H
