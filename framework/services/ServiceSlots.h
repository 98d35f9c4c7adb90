#pragma once
// Process-wide services that higher layers provide: they register them at
// start-up, and until then the calls below answer null or do nothing.
#include <functional>

class CEfStringTable;
class CHfcBmp;

// The keyword string table; null while none is acquired.
CEfStringTable* GetStringTable();
void SetStringTable(CEfStringTable* table);

// The skin bitmap of that name; null, with a trace, when no bitmap manager is
// registered or it has no bitmap of that name.
CHfcBmp* GetBitmap(const char* name);
using BitmapLookup = std::function<CHfcBmp*(const char* name)>;
void SetBitmapLookup(BitmapLookup lookup);

// Runs every message waiting on the calling thread, so waits on the message
// thread keep windows painting. Never blocks.
void PumpMessages();
using MessagePump = std::function<void()>;
void SetMessagePump(MessagePump pump);
