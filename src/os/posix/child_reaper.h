// Collecting the children the launcher started, so none stays a zombie,
// without ever waiting in the dialog and without taking the exit status of
// anyone else's children in the same process.
#pragma once

#include <sys/types.h>

namespace vs {

// Chains a SIGCHLD handler that reaps the remembered children; once per
// process, and not where SIGCHLD is ignored (the system reaps then).
void watchStartedChildren();

// A child just started, to be reaped when it ends.
void rememberChild(pid_t child);

// Reaps every remembered child that has ended.
void reapFinishedChildren();

}  // namespace vs
