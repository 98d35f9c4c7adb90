#include "framework/services/EfObject.h"

#include <cstdarg>
#include <cstdio>

CEfObject::CEfObject() = default;

CEfObject::CEfObject(const CEfObject&) : CEfObject()
{}

void CEfObject::SetName(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    if (std::vsnprintf(m_name, sizeof m_name, format, args) < 0)
        m_name[0] = '\0';
    va_end(args);
}
