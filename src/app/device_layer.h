#pragma once
// The full-screen graphics device layer. The editor never creates a device:
// its message boxes go straight to the platform's message box, and there is
// no device, sound buffer or DirectSound object to release at shutdown.

// Releases the layer's sound objects at shutdown; with none created it does
// nothing.
void ReleaseSoundDevice();
