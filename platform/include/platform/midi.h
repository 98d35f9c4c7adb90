#pragma once
// MIDI ports: enumeration, capabilities, input with queued long-message
// buffers and output of short and long messages. Events and finished buffers
// are posted as thread messages to the thread named at open.
#include <platform/types.h>

typedef UINT MMRESULT;
typedef UINT MMVERSION;

#define MMSYSERR_NOERROR 0
#define MMSYSERR_ERROR 1
#define MMSYSERR_BADDEVICEID 2
#define MMSYSERR_NOTENABLED 3
#define MMSYSERR_ALLOCATED 4
#define MMSYSERR_INVALHANDLE 5
#define MMSYSERR_NODRIVER 6
#define MMSYSERR_NOMEM 7
#define MMSYSERR_NOTSUPPORTED 8
#define MMSYSERR_BADERRNUM 9
#define MMSYSERR_INVALFLAG 10
#define MMSYSERR_INVALPARAM 11

#define MIDIERR_UNPREPARED 64
#define MIDIERR_STILLPLAYING 65
#define MIDIERR_NOTREADY 67
#define MIDIERR_NODEVICE 68

// Thread messages: wParam is the port handle; lParam the packed short
// message (status | data1 << 8 | data2 << 16) or the returned MIDIHDR*.
#define MM_MIM_DATA 0x3C3
#define MM_MIM_LONGDATA 0x3C4
#define MM_MOM_DONE 0x3C9

// The open call's callback kind; only thread callbacks exist here.
#define CALLBACK_TYPEMASK 0x00070000u
#define CALLBACK_THREAD 0x00020000u

#define MHDR_DONE 0x00000001u
#define MHDR_PREPARED 0x00000002u
#define MHDR_INQUEUE 0x00000004u

#define MAXPNAMELEN 32
#define MOD_MIDIPORT 1

// Our own bit in dwSupport: the port's manufacturer and product ids cannot
// be known on this system, so wMid and wPid are 0 and say nothing.
#define MIDICAPS_NO_DRIVER_IDS 0x80000000u

VQ_DECLARE_HANDLE(HMIDIIN);
VQ_DECLARE_HANDLE(HMIDIOUT);
typedef HMIDIIN* LPHMIDIIN;
typedef HMIDIOUT* LPHMIDIOUT;

struct MIDIHDR
{
    LPSTR lpData;
    DWORD dwBufferLength;
    DWORD dwBytesRecorded;
    DWORD_PTR dwUser;
    DWORD dwFlags;
    MIDIHDR* lpNext;
    DWORD_PTR reserved;
    DWORD dwOffset;
    DWORD_PTR dwReserved[8];
};
typedef MIDIHDR* LPMIDIHDR;

struct MIDIINCAPSA
{
    WORD wMid;
    WORD wPid;
    MMVERSION vDriverVersion;
    CHAR szPname[MAXPNAMELEN];
    DWORD dwSupport;
};
struct MIDIINCAPSW
{
    WORD wMid;
    WORD wPid;
    MMVERSION vDriverVersion;
    WCHAR szPname[MAXPNAMELEN];
    DWORD dwSupport;
};
struct MIDIOUTCAPSA
{
    WORD wMid;
    WORD wPid;
    MMVERSION vDriverVersion;
    CHAR szPname[MAXPNAMELEN];
    WORD wTechnology;
    WORD wVoices;
    WORD wNotes;
    WORD wChannelMask;
    DWORD dwSupport;
};
struct MIDIOUTCAPSW
{
    WORD wMid;
    WORD wPid;
    MMVERSION vDriverVersion;
    WCHAR szPname[MAXPNAMELEN];
    WORD wTechnology;
    WORD wVoices;
    WORD wNotes;
    WORD wChannelMask;
    DWORD dwSupport;
};
typedef MIDIINCAPSA* LPMIDIINCAPSA;
typedef MIDIINCAPSW* LPMIDIINCAPSW;
typedef MIDIOUTCAPSA* LPMIDIOUTCAPSA;
typedef MIDIOUTCAPSW* LPMIDIOUTCAPSW;

UINT midiInGetNumDevs();
UINT midiOutGetNumDevs();
// Names are cut to MAXPNAMELEN - 1 characters (whole UTF-8 sequences in the A form).
MMRESULT midiInGetDevCapsA(UINT_PTR deviceId, LPMIDIINCAPSA caps, UINT capsSize);
MMRESULT midiInGetDevCapsW(UINT_PTR deviceId, LPMIDIINCAPSW caps, UINT capsSize);
MMRESULT midiOutGetDevCapsA(UINT_PTR deviceId, LPMIDIOUTCAPSA caps, UINT capsSize);
MMRESULT midiOutGetDevCapsW(UINT_PTR deviceId, LPMIDIOUTCAPSW caps, UINT capsSize);

// callback is the receiving thread's id; instance is kept but not delivered
// with thread callbacks. A port is open at most once at a time.
MMRESULT midiInOpen(LPHMIDIIN port, UINT deviceId, DWORD_PTR callback, DWORD_PTR instance, DWORD flags);
MMRESULT midiInPrepareHeader(HMIDIIN port, LPMIDIHDR header, UINT headerSize);
MMRESULT midiInUnprepareHeader(HMIDIIN port, LPMIDIHDR header, UINT headerSize);
MMRESULT midiInAddBuffer(HMIDIIN port, LPMIDIHDR header, UINT headerSize);
MMRESULT midiInStart(HMIDIIN port);
// Returns the buffer being filled when it holds bytes; empty buffers stay queued.
MMRESULT midiInStop(HMIDIIN port);
// Stops input and returns every queued buffer.
MMRESULT midiInReset(HMIDIIN port);
// MIDIERR_STILLPLAYING while buffers are queued; nothing is posted after success.
MMRESULT midiInClose(HMIDIIN port);

MMRESULT midiOutOpen(LPHMIDIOUT port, UINT deviceId, DWORD_PTR callback, DWORD_PTR instance, DWORD flags);
// Sent in order after every long message given before it; returns once sent.
MMRESULT midiOutShortMsg(HMIDIOUT port, DWORD message);
MMRESULT midiOutPrepareHeader(HMIDIOUT port, LPMIDIHDR header, UINT headerSize);
MMRESULT midiOutUnprepareHeader(HMIDIOUT port, LPMIDIHDR header, UINT headerSize);
// Queues the buffer; MM_MOM_DONE is posted when its bytes have gone out.
MMRESULT midiOutLongMsg(HMIDIOUT port, LPMIDIHDR header, UINT headerSize);
// MIDIERR_STILLPLAYING while long messages are pending.
MMRESULT midiOutClose(HMIDIOUT port);
