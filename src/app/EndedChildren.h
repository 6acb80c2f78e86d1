#pragma once

namespace tarnbrook {

// Children collected when they end, not at some later tick. SIGCHLD only writes a byte into a
// pipe; the event loop waits on the pipe beside the X connection and, when a byte is there,
// empties the pipe and runs the collector, which reaps the children it started without waiting.
// Nothing here reaps: other children of the process (a program started for the user) are not
// the loop's to collect.
namespace EndedChildren {

using Collector = void (*)();

// Installs the SIGCHLD handler on the first call; call it before starting a child to watch. The
// collector given replaces the one before.
void Watch(Collector collector);
// The pipe's end for the loop to wait on; -1 while nothing is watched.
int Descriptor();
// Empties the pipe without waiting and, when a child ended since the last call, runs the
// collector.
void Collect();

}  // namespace EndedChildren
}  // namespace tarnbrook
