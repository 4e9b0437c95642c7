#include "platform/Timer.h"

#include <QTimer>

namespace platform {

void EnableTimer(QTimer& timer, bool enabled)
{
    if (!enabled)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

}  // namespace platform
