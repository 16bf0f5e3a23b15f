#include "app/device_layer.h"

void ReleaseSoundDevice() {}
