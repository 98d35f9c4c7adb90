#include "framework/services/EfException.h"

#include "framework/services/EfTrace.h"

std::int32_t CEfException::Report() const
{
    const std::int32_t code = GetCode();
    const char* message = GetMessage();
    EfTrace("!! Error !! (#%d) %s", code, message != nullptr ? message : "");
    return code;
}
