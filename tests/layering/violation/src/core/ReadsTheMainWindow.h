#pragma once
// A core header that reaches up into the main window: the layering check must refuse it.
#include "core/AppState.h"
#include "shell/frmMenu.h"
