// sdl_internal.h - the seam between the SDL window and the OpenGL renderer.
//
// sdl/window.cpp owns SDL, the window and its OpenGL context; sdl/render_gl.cpp
// owns everything drawn into it. The window side calls the renderer when a
// context appears or goes, and at present; the input side asks the renderer
// to map window pixels to logical coordinates (the letterbox lives there).
#pragma once

struct SDL_Window;
struct SDL_Keysym;
union SDL_Event;

namespace platform::sdl {

SDL_Window* Window();  // nullptr while no display is open

// Renderer (render_gl.cpp)
bool RendererOpen(int windowWidth, int windowHeight);  // a fresh GL context is current
void RendererClose();                                  // before the context is destroyed
void RendererFlush();                                  // draw every batched quad now
void RendererResize(int windowWidth, int windowHeight);
void WindowToLogical(float wx, float wy, float& lx, float& ly);
void LogicalToWindow(float lx, float ly, float& wx, float& wy);

// Input (input.cpp)
void InputInit();
void InputShutdown();
void HandleEvent(const SDL_Event& event);
int EngineKeyCode(const SDL_Keysym& key);  // 0 when the key has no engine code

}  // namespace platform::sdl
