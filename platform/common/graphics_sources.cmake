# Sources of platform/common/ that deal with images, fonts, masks and drawing state.
set(PLATFORM_COMMON_GRAPHICS_SOURCES
)
