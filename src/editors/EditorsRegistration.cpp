#include "editors/EditorsRegistration.h"

void registerEditorWindows(WindowRegistry &)
{
}
