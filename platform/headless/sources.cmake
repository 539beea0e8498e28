# Sources of platform/headless/.
set(PLATFORM_HEADLESS_SOURCES
)
