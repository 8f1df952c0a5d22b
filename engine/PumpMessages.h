#pragma once

/// Dispatches every event waiting for this thread, then returns. Wait loops of the batch call it
/// between their steps, so the window repaints and handlers (Stop among them) run re-entrantly.
void PumpMessages();

/// Like PumpMessages, but first waits until an event arrives or maxWaitMs milliseconds have
/// passed, whichever comes first. Loops that wait for another process use it instead of spinning,
/// so they leave the processor to the encoder.
void PumpMessagesWaiting(int maxWaitMs);
