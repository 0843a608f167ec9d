#ifndef WORSTCASES_H
#define WORSTCASES_H

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class BenchData;
struct BenchOptions;

// The cases of the worst-block benchmark: hostile texts and pictures, each
// a few provider changes that end in pushing one activity.
namespace WorstCases {

using Step = std::function<void()>;

QStringList names(const BenchOptions &options);
// The provider changes of the named case, in order; the application would
// get each in an event-loop pass of its own. Empty for an unknown name.
// The pictures are those WorstPictures made in the folder.
QList<Step> steps(const BenchOptions &options, const QString &name, BenchData *data,
                  const QString &folder);

} // namespace WorstCases

#endif // WORSTCASES_H
