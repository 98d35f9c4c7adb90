#include "framework/ui/HfcDropEffect.h"

DWORD HfcDropEffectFromCode(int code)
{
    switch (code) {
    case 1: return DROPEFFECT_MOVE;
    case 2: return DROPEFFECT_COPY;
    case 3: return DROPEFFECT_LINK;
    default: return DROPEFFECT_NONE;
    }
}

int HfcCodeFromDropEffect(DWORD effect)
{
    switch (effect) {
    case DROPEFFECT_MOVE: return 1;
    case DROPEFFECT_COPY: return 2;
    case DROPEFFECT_LINK: return 3;
    default: return 0;
    }
}
