#include "engine/render_settings.h"

int32_t DetailMode = kModeNear;
int32_t GouraudEnabled = 1;
