#include "model/DataModelInstances.h"

#include "model/Q3917GlobalAccessor.h"
#include "model/Q3917IdConverter.h"
#include "model/Q3917ProgramAccessor.h"
#include "model/Q3917StringTable.h"

void CreateDataModelInstances()
{
    CQ3917StringTable::Acquire();
    CQ3917IdConverter::GetInstance();
    CQ3917ProgramAccessor::GetInstance();
    CQ3917GlobalAccessor::GetInstance();
}

void ReleaseDataModelInstances()
{
    CQ3917GlobalAccessor::ReleaseInstance();
    CQ3917ProgramAccessor::ReleaseInstance();
    CQ3917IdConverter::ReleaseInstance();
    CQ3917StringTable::Release();
}
