#include "app/CustomControl.h"

void CCustomControl::GetText(char* buffer, int size)
{
    if (buffer != nullptr && size > 0)
        buffer[0] = '\0';
}

void CCustomControl::SetBackgroundOrigin(bool atOwnPosition, int x, int y)
{
    m_bBackgroundAtOwnPosition = atOwnPosition;
    m_iBackgroundX = x;
    m_iBackgroundY = y;
}

ParameterReference& CCustomControl::GetParameter(ParameterReference& out)
{
    out = m_parameter;
    return out;
}
