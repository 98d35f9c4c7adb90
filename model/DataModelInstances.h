#pragma once
// The data model's process-wide objects, built once at start-up before any
// window and released at exit.

// Acquires the keyword lists, the id converter, the program accessor and
// the global accessor.
void CreateDataModelInstances();
// Releases them in the reverse order.
void ReleaseDataModelInstances();
