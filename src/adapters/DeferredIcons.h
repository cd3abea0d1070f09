#pragma once
// The menu bar asks the style for its overflow arrow as soon as it is made, and the platform
// styles load that arrow from image files, which first loads every image-format plugin: about
// a millisecond before the main window's first frame, for an arrow that shows only when the
// menu does not fit its window. The proxy installed here hands out the arrows as icons that ask
// the platform's style for the real picture the first time they are drawn or measured, so the
// arrow looks exactly as before. Every other part of the platform's style is left as it is.

namespace harvesta::platform {

// Makes the application's style the deferring proxy over the platform's own style (the one the
// command line or QT_STYLE_OVERRIDE names, or the desktop's). Needs the application object;
// call it before the first window is made. Calling it again changes nothing.
void InstallDeferredIcons();

} // namespace harvesta::platform
