#include "framework/services/ServiceSlots.h"

#include "framework/services/EfTrace.h"

#include <utility>

namespace {

CEfStringTable* g_stringTable = nullptr;
BitmapLookup g_bitmapLookup;
MessagePump g_messagePump;

}  // namespace

CEfStringTable* GetStringTable()
{
    return g_stringTable;
}

void SetStringTable(CEfStringTable* table)
{
    g_stringTable = table;
}

CHfcBmp* GetBitmap(const char* name)
{
    CHfcBmp* bitmap = g_bitmapLookup && name != nullptr ? g_bitmapLookup(name) : nullptr;
    if (bitmap == nullptr)
        EfTrace("Failed to get bitmap (%s)", name != nullptr ? name : "");
    return bitmap;
}

void SetBitmapLookup(BitmapLookup lookup)
{
    g_bitmapLookup = std::move(lookup);
}

void PumpMessages()
{
    if (g_messagePump)
        g_messagePump();
}

void SetMessagePump(MessagePump pump)
{
    g_messagePump = std::move(pump);
}
