#pragma once

// A pause that keeps the calling thread's event loop running, so that a short wait
// never freezes a window and queued requests (stop, slower) are handled during it.
class WaitLoop
{
public:
    // Below 1 ms returns at once. With isUserInput false, keyboard and mouse input
    // waits until the pause is over.
    static void wait(int milliseconds, bool isUserInput = true);
};
