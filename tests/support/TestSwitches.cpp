#include "TestSwitches.h"

#include "platform/Desktop.h"
#include "platform/Sound.h"
#include "platform/System.h"

namespace {

void ClearRecords()
{
    platform::ClearRecordedSounds();
    platform::ClearRecordedDesktopRequests();
}

}  // namespace

TestSwitches::TestSwitches(const QString& dataDir)
{
    platform::SetDataDirForTesting(dataDir);
    platform::SetSleepScaleForTesting(0);
    platform::RecordSounds(true);
    platform::RecordDesktopRequests(true);
    ClearRecords();
}

TestSwitches::~TestSwitches()
{
    ClearRecords();
    platform::SetDataDirForTesting(QString());
    platform::SetSleepScaleForTesting(1);
    platform::SetSleepObserverForTesting({});
    platform::SetScreenHeightForTesting(0);
    platform::RecordSounds(false);
    platform::RecordDesktopRequests(false);
}
