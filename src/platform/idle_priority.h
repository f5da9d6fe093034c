// Work nobody waits for (a copy kept for the next start) on a thread that only runs where
// no other thread of the machine wants the processor, so that it never slows the window.
#pragma once

namespace zemlo {

// Lowers the calling thread to idle priority, for good; where the system cannot, the thread
// runs as before.
void RunThisThreadOnlyWhenIdle();

}  // namespace zemlo
