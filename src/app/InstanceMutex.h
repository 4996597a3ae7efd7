// The single-instance mutex this process holds for its whole run.
#pragma once

#include "toolkit/Handles.h"

tk::UniqueKernelHandle& InstanceMutex();
// Lets a new (elevated) instance through the gate while this one still runs.
void ReleaseInstanceMutex();
// Takes the mutex back when that new instance did not start.
void ReacquireInstanceMutex();
