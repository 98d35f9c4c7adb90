#pragma once
// Drag and drop is started once per process and counted: the first
// initialisation brings it up, the last uninitialisation takes it down.
// While it is up a token exists, which every drag event carries.
class CHfcOleToken
{
private:
    char m_cReserved = 0;
};

// Raises the use count; true while drag and drop is up.
bool HfcOleInitialize();
// Lowers the use count, ending drag and drop at zero; false when it was
// not raised.
bool HfcOleUninitialize();
// The token, null while drag and drop is down.
CHfcOleToken* HfcGetOleToken();
