#ifndef HOSTILEINPUTS_H
#define HOSTILEINPUTS_H

#include <QString>

// Message texts made to be hard for the link conversion: long runs of
// labels, dots and link characters, and nested look-alikes of schemes and
// top-level domains.
namespace HostileInputs {

int count();
QString name(int index);
// Input number index, bytes characters long.
QString make(int index, int bytes);

} // namespace HostileInputs

#endif // HOSTILEINPUTS_H
