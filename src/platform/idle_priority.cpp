#include "platform/idle_priority.h"

#include <pthread.h>
#include <sched.h>

namespace zemlo {

void RunThisThreadOnlyWhenIdle() {
#if defined(SCHED_IDLE)
    // Lowering a thread's own policy needs no privilege.
    sched_param param{};
    param.sched_priority = 0;
    pthread_setschedparam(pthread_self(), SCHED_IDLE, &param);
#endif
}

}  // namespace zemlo
