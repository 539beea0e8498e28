# Sources of platform/sdl/.
set(PLATFORM_SDL_SOURCES
)
