#pragma once

class QTimer;

namespace platform {

// Enabling a timer that already runs does not restart it: a running countdown keeps its phase.
void EnableTimer(QTimer& timer, bool enabled);

}  // namespace platform
