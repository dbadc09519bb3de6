#pragma once
// The skin engine's private window messages.
namespace quellar {

// A skinned window answers 1; any other answer means it is not skinned (yet).
inline constexpr unsigned SkinQuery = 0x3504;
// Posted by the manager right after attaching: the window finishes its set-up.
inline constexpr unsigned SkinAttached = 0x3503;
// Posted by a skinned window to itself: repaint the whole frame.
inline constexpr unsigned SkinRepaintFrame = 0x3502;
// Re-apply the skin to a form (after the skin changed).
inline constexpr unsigned SkinReapply = 0x3401;

// Sent by the themed default procedure of Windows (Vista on) to a window that keeps WS_CAPTION,
// on mouse presses and activation changes: answered by the default procedure, they paint the
// platform's caption and frame over ours. Undocumented; Wine never sends them.
inline constexpr unsigned PlatformThemedCaptionPaint = 0xAE;
inline constexpr unsigned PlatformThemedFramePaint = 0xAF;

} // namespace quellar
