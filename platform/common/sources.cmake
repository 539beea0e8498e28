# Sources of platform/common/.
set(PLATFORM_COMMON_SOURCES
)
