// How tests talk to the sample-windows program from another process.
#pragma once

namespace lume::samples {

// Registered message: the window sends itself WM_NCHITTEST with lParam (a
// screen point) in its own thread, where the hook sees the true result, and
// returns that result.
constexpr char HitTestMessageName[] = "LumeSamples.HitTest";
// Registered message: answered at once with 1; a round trip that lets the
// window's thread go idle and flushes what it posted before.
constexpr char SyncMessageName[] = "LumeSamples.Sync";
// Registered message, posted: the window's thread sleeps wParam milliseconds
// in its window procedure, a program that has stopped answering.
constexpr char HangMessageName[] = "LumeSamples.Hang";

} // namespace lume::samples
