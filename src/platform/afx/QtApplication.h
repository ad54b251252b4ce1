// The Qt application object the platform layer runs on. A Qt host creates its own QApplication
// before its first call into the library; otherwise the library makes one on first use.
#pragma once

// Makes the QApplication if the process has none (offscreen when there is no display).
void ensureQtApplication();
// False on platforms that show nothing (offscreen, minimal): modal UI must not wait there.
bool hasDisplay();
