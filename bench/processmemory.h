#ifndef PROCESSMEMORY_H
#define PROCESSMEMORY_H

#include <QtGlobal>

// The process's memory as the system and the allocator see it.
namespace ProcessMemory {

// Resident set size in bytes (from /proc/self/statm).
qint64 residentBytes();
// Address space mapped, in bytes (same source).
qint64 mappedBytes();
// Bytes handed out by malloc and not freed (mallinfo2).
qint64 heapInUseBytes();
// Gives the allocator's free memory back to the system, so that the
// resident size counts what is in use.
void releaseFreeMemory();

} // namespace ProcessMemory

#endif // PROCESSMEMORY_H
