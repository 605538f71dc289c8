// The render settings dialog.
#include "platform/Platform.h"

namespace Platform
{
int runSettingsDialog(SettingsDialogModel&, SettingsRefill, void*)
{
    return -1;
}
} // namespace Platform
