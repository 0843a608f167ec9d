#ifndef SOCIALPROVIDERTIMELINE_H
#define SOCIALPROVIDERTIMELINE_H

#include "socialprovider_global.h"

#include <QMetaType>

class SOCIALPROVIDER_EXPORT SocialProviderTimeline
{
public:
    // The timeline an activity list belongs to; NoTimeline is none.
    enum TimelineType { NoTimeline = 0, Home = 1, Wall = 2, Photos = 3, Mentions = 4 };
};

Q_DECLARE_METATYPE(SocialProviderTimeline::TimelineType)

#endif // SOCIALPROVIDERTIMELINE_H
