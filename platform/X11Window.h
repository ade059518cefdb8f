#pragma once
// The few window-manager requests Qt does not offer. On a platform other than X11 (the
// offscreen platform of the tests, or Wayland) these do nothing.

class QWidget;

namespace platform {

// True when the application runs on an X11 display.
bool IsX11();

// Asks task bars not to list the window (_NET_WM_STATE_SKIP_TASKBAR). Before the window
// is mapped the state is written into its property; after, it goes to the window manager.
void SetSkipTaskbar(QWidget* window);

// Sends queued requests to the X server now (window opacity waits for the next traffic).
void FlushDisplay();

} // namespace platform
