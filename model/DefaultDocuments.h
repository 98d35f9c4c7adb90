#pragma once
// The initial program and global data made once at start-up, the models
// that new and initialised documents are compared with and copied from.
#include "model/Global.h"
#include "model/Program.h"

// Creates and initialises both; a second call keeps the ones there are.
void CreateDefaultDocuments();
// Deletes both at exit.
void DeleteDefaultDocuments();

// Null before CreateDefaultDocuments and after DeleteDefaultDocuments.
CProgram* GetDefaultProgram();
CGlobal* GetDefaultGlobal();
