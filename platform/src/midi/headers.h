#pragma once
// Checks and flag changes of MIDIHDR shared by input and output ports.
#include <platform/midi.h>

namespace platform::midi {

// MMSYSERR_INVALPARAM for a missing header, a size short of the fields we
// use, or a header without a buffer.
MMRESULT CheckHeader(const MIDIHDR* header, UINT headerSize);
MMRESULT PrepareHeader(MIDIHDR* header, UINT headerSize);
// Refused with MIDIERR_STILLPLAYING while the header is queued.
MMRESULT UnprepareHeader(MIDIHDR* header, UINT headerSize);
// Refusals of a header handed over for queueing; otherwise marks it queued.
MMRESULT QueueHeader(MIDIHDR* header, UINT headerSize);
// Marks a queued header as returned to its owner.
void MarkHeaderDone(MIDIHDR* header);

}  // namespace platform::midi
