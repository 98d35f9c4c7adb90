#include "framework/services/PslMessageDispatchListener.h"

void CPslMessageDispatchListener::OnPslTimer(int)
{}

void CPslMessageDispatchListener::OnPslMessage(int, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR)
{}
