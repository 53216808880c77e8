// The headless platform warns whenever a window asks for something it cannot
// do (raise, grab the keyboard, size hints). Tests drop those warnings and
// keep every other message.
#pragma once

// Call from initTestCase, after Qt Test has installed its message handler.
void DropOffscreenPlatformLimits();
